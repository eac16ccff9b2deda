// The first-run check: tables missing and the download program at hand.
#include "core/tools/firstrun.h"

#include "core/common/fileio.h"
#include "core/tools/tableinstall.h"

#include <sstream>
#include <vector>

namespace ruvivavu::tools {

const char* downloadProgramName() {
#ifdef _WIN32
    return "download.exe";
#else
    return "download";
#endif
}

std::string downloadProgramPath(const std::string& programFolder) {
    return joinPath(programFolder, downloadProgramName());
}

bool shouldOfferDownload(const std::string& dataFolder, const std::string& programFolder) {
    if (fileExists(joinPath(dataFolder, kListaFile))) return false;
    return fileExists(downloadProgramPath(programFolder));
}

bool executePrograma(const std::string& program, const std::string& parameters) {
    std::vector<std::string> args;
    std::istringstream in(parameters.substr(0, 1024));
    for (std::string word; in >> word;) args.push_back(word);
    std::string error;
    return startDetached(program.substr(0, 1024), args, error);
}

}  // namespace ruvivavu::tools

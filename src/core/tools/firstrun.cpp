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
    const std::string beside = joinPath(programFolder, downloadProgramName());
    if (fileExists(beside)) return beside;
    std::string folder = programFolder;
    for (const char* part : {"..", "libexec", "ruvivavu"}) folder = joinPath(folder, part);
    const std::string installed = joinPath(folder, downloadProgramName());
    return fileExists(installed) ? installed : beside;
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

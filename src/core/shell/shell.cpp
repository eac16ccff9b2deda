// The main window's shared state: folders, the index grid, fonts and the statement viewer hooks.
#include "core/shell/shell.h"

#include "core/common/errors.h"
#include "core/common/fileio.h"
#include "core/common/platform.h"
#include "core/common/tablefile.h"
#include "core/common/text.h"

#include <cstdlib>
#include <filesystem>

namespace ruvivavu::shell {

std::string userDataHome() {
#ifdef _WIN32
    if (const char* appData = std::getenv("APPDATA"); appData && *appData) return appData;
    return ".";
#else
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg) return xdg;
    if (const char* home = std::getenv("HOME"); home && *home) return joinPath(joinPath(home, ".local"), "share");
    return ".";
#endif
}

std::string runningProgramFolder(const char* argv0) {
    namespace fs = std::filesystem;
    const std::string running = platform::runningProgramPath();
    fs::path exe(std::u8string(running.begin(), running.end()));
    if (exe.empty()) {
        std::error_code error;
        exe = fs::absolute(fs::path(argv0 ? argv0 : ""), error);
    }
    const std::u8string text = exe.parent_path().u8string();
    std::string folder(text.begin(), text.end());
    if (folder.empty() || (folder.back() != '/' && folder.back() != '\\'))
        folder += static_cast<char>(fs::path::preferred_separator);
    return folder;
}

std::string resolveDataFolder(const std::string& programFolder, const std::string& currentDirectory) {
    if (fileExists(joinPath(programFolder, "win98.ini"))) return currentDirectory;
    return joinPath(joinPath(userDataHome(), "Quorvel"), "zurivodo");
}

Shell::Shell() : indice(8, 5, 0, 1) {}

std::string Shell::dataFile(const std::string& name) const {
    return joinPath(dataFolder, name);
}

void Shell::copyBackup(const std::string& backupFile, const std::string& target) const {
    const std::string backup = dataFile(backupFile);
    try {
        copyFileReplacing(backup, target);
    } catch (const FileError&) {
        throw UserMessage("Erro ao copiar " + backup + " para " + target);
    }
}

void Shell::emptyIndice() {
    indice.clearRows();
    indice.setRowCount(2);
    indice.setColCount(1);
}

bool Shell::loadIndice(const std::string& tableFile) {
    emptyIndice();
    const std::string path = dataFile(tableFile);
    if (!fileExists(path)) return false;
    LoadFromFile(path, indice);
    return true;
}

std::string Shell::fontStyle() const {
    return "font-size:" + fontSize + ".0pt;font-family:" + fontName;
}

void Shell::loadFontIni() {
    const std::string path = dataFile("font.ini");
    if (!fileExists(path)) return;
    const std::vector<std::string> lines = readTextLines(path);
    // A file of fewer than two lines keeps what it lacks as it was.
    if (!lines.empty()) fontName = lines[0];
    if (lines.size() >= 2) fontSize = checkinteiro(lines[1]) ? lines[1] : "8";
}

void Shell::saveFontIni() const {
    writeTextLines(dataFile("font.ini"), {fontName, checkinteiro(fontSize) ? fontSize : "8"});
}

void Shell::publishStatement(const std::string& fileName, const std::string& bytes) const {
    writeFileAtomic(dataFile(fileName), bytes);
    showStatement(fileName);
}

void Shell::showStatement(const std::string& fileName) const {
    const std::string path = dataFile(fileName);
    if (fileExists(path) && viewerLoad) viewerLoad(path);
}

void Shell::refreshViewer() const {
    if (viewerRefresh) viewerRefresh();
}

}  // namespace ruvivavu::shell

// What the main window owns and every calculator reads: the program and data folders, the shared
// index grid `indice`, the statement font settings, the "Visualizar Impressão" switch and the way
// a finished statement reaches the report viewer.
#pragma once

#include "core/common/grid.h"

#include <functional>
#include <string>

namespace ruvivavu::shell {

// The data folder for a program folder: the current directory when the program folder holds the
// marker "win98.ini"; otherwise the per-user application-data folder (XDG data home on Linux,
// %APPDATA% on Windows) + "Quorvel/zurivodo".
std::string resolveDataFolder(const std::string& programFolder, const std::string& currentDirectory);

// The folder of the running program's file, ending with the path separator (argv0 is the fallback
// where the system cannot tell).
std::string runningProgramFolder(const char* argv0);

// The per-user application-data folder ($XDG_DATA_HOME or ~/.local/share; %APPDATA% on Windows).
std::string userDataHome();

class Shell {
public:
    Shell();

    std::string programFolder;  // ends with the path separator
    std::string dataFolder;     // no trailing separator

    // The index table of the open calculator (8 columns, no fixed column).
    StringGrid indice;

    // Statement font settings: family and size in points.
    std::string fontName = "Arial";
    std::string fontSize = "8";

    // "Visualizar Impressão": disabled at start, enabled once and never disabled again.
    bool previewEnabled = false;
    void enablePreview() { previewEnabled = true; }

    // data folder + separator + file name.
    std::string dataFile(const std::string& name) const;

    // "Salvar" of a calculator: copies its backup file of the data folder to the file the user
    // chose. UserMessage "Erro ao copiar <backup> para <target>" when the copy fails (a missing
    // backup included).
    void copyBackup(const std::string& backupFile, const std::string& target) const;

    // Empties `indice` before a table is loaded: every row cleared, 2 rows, 1 column.
    void emptyIndice();
    // Empties `indice` and loads the data folder's table file when it exists; answers whether it did.
    bool loadIndice(const std::string& tableFile);

    // The "font-size:<size>.0pt;font-family:<family>" text statements insert into their styles.
    std::string fontStyle() const;

    // font.ini: line 1 the family; line 2 the size when it holds a digit, otherwise "8".
    void loadFontIni();  // when the file exists
    void saveFontIni() const;

    // The report viewer, set by the window layer (no-ops without one, as in the command-line tool).
    std::function<void(const std::string& path)> viewerLoad;
    std::function<void()> viewerRefresh;

    // Ends every statement writer: loads data folder + name into the viewer when the file exists.
    void showStatement(const std::string& fileName) const;
    // Writes a statement's bytes into the data folder (whole or not at all) and shows it.
    void publishStatement(const std::string& fileName, const std::string& bytes) const;
    void refreshViewer() const;
};

}  // namespace ruvivavu::shell

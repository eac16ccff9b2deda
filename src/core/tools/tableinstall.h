// Installs the shipped index tables and configuration files into the user's data folder: the
// work of the download program. The shipped folder holds `lista.tab`, the list of the shipped
// files (column 0 the file name relative to the folder, with "/" between folders; column 1 the
// last month of a table, empty for the other files; heading in row 0).
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace ruvivavu::tools {

// The name of the list of shipped files, written last into the data folder (its presence tells
// the program that the tables are installed).
inline constexpr const char* kListaFile = "lista.tab";

// The file a build tree puts beside its programs (never installed): one line, the shipped data
// folder the build was configured from (a relative path counts from the program's folder).
inline constexpr const char* kShippedDataMarker = "shipped-data.path";

// The folders searched for the shipped data, in order: <program>/data, the installed layouts
// (<program>/../share/ruvivavu/data, <program>/../../share/ruvivavu/data), the folder named by a
// `shipped-data.path` beside the program and, when given, `sourceTreeData`.
std::vector<std::string> shippedDataCandidates(const std::string& programFolder,
                                               const std::string& sourceTreeData = {});

// The first candidate that holds a `lista.tab`; empty when none does.
std::string shippedDataFolder(const std::string& programFolder, const std::string& sourceTreeData = {});

// A listed file's path under a folder: "a/b.htm" with the platform's separators.
std::string listedPath(const std::string& folder, const std::string& relative);

// Creates a folder and the folders above it. FileError when it cannot.
void ensureFolder(const std::string& folder);

struct ListedFile {
    std::string name;       // relative path, "/" separators
    std::string lastMonth;  // "mm/yyyy", or empty
};

// Reads a `lista.tab`. Rows without a file name are skipped; a name that leaves the folder
// (absolute, or with a ".." part) raises FileError.
std::vector<ListedFile> readLista(const std::string& path);

// Writes a `lista.tab` (heading "Arquivo", "Último mês"; Windows-1252, CR LF, a TAB after every
// cell).
void writeLista(const std::string& path, const std::vector<ListedFile>& files);

// The last month of a table file: column 0 of its last line when that reads "mm/yyyy", otherwise
// empty. Never fails (a missing or unreadable file gives empty).
std::string lastMonthOfTable(const std::string& path);

// Asked when the data folder holds a file newer than the shipped one with other contents:
// answers true to replace it, false to keep the user's file.
using AskReplaceNewer = std::function<bool(const std::string& name)>;

struct InstallResult {
    std::vector<std::string> installed;  // copied (new or replacing an older file)
    std::vector<std::string> unchanged;  // already identical
    std::vector<std::string> kept;       // the user's newer file kept
};

// Creates the data folder (and the folders of the listed files), copies every listed file that
// is missing or older, asks before replacing a newer file, keeps the shipped file's modification
// time on each copy, and writes `lista.tab` last, with the last month of each table as it is
// now in the data folder. Raises FileError when the shipped list cannot be read or a file cannot
// be written; nothing half-written is left (each copy is atomic).
InstallResult installTables(const std::string& shippedFolder, const std::string& dataFolder,
                            const AskReplaceNewer& askReplaceNewer);

// The program the download program starts again when it is done: "ruvivavu" ("ruvivavu.exe" on
// Windows) beside the download program, or in ../../bin for the installed layout. Empty when
// there is none.
std::string programToRestart(const std::string& programFolder);

// Starts a program detached from the caller (it outlives it), with the given arguments.
// Answers false, with the reason in `error`, when it could not be started.
bool startDetached(const std::string& program, const std::vector<std::string>& arguments, std::string& error);

}  // namespace ruvivavu::tools

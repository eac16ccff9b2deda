// Installing the shipped tables into the data folder (the download program's work).
#include "core/tools/tableinstall.h"

#include "core/common/errors.h"
#include "core/common/fileio.h"
#include "core/common/grid.h"
#include "core/common/platform.h"
#include "core/common/tablefile.h"
#include "core/tools/tablemanifest.h"

#include <cctype>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace fs = std::filesystem;

namespace ruvivavu::tools {

// "a/b.htm" as a path of the platform under `folder`.
std::string listedPath(const std::string& folder, const std::string& relative) {
    std::string out = folder;
    size_t start = 0;
    while (start <= relative.size()) {
        const size_t slash = relative.find('/', start);
        const size_t end = slash == std::string::npos ? relative.size() : slash;
        out = joinPath(out, relative.substr(start, end - start));
        if (slash == std::string::npos) break;
        start = slash + 1;
    }
    return out;
}

namespace {

bool isMonth(const std::string& s) {
    return s.size() == 7 && std::isdigit(static_cast<unsigned char>(s[0])) &&
           std::isdigit(static_cast<unsigned char>(s[1])) && s[2] == '/' &&
           std::isdigit(static_cast<unsigned char>(s[3])) && std::isdigit(static_cast<unsigned char>(s[4])) &&
           std::isdigit(static_cast<unsigned char>(s[5])) && std::isdigit(static_cast<unsigned char>(s[6]));
}

// The folder named by the build tree's marker beside the program; empty without one.
std::string markedDataFolder(const std::string& programFolder) {
    std::ifstream in(toPath(joinPath(programFolder, kShippedDataMarker)), std::ios::binary);
    std::string line;
    if (!in || !std::getline(in, line)) return {};
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) return {};
    if (toPath(line).is_relative()) return listedPath(programFolder, line);
    return line;
}

}  // namespace

void ensureFolder(const std::string& folder) {
    std::error_code ec;
    fs::create_directories(toPath(folder), ec);
    if (ec && !fs::is_directory(toPath(folder)))
        throw FileError("Cannot create file \"" + folder + "\". " + ec.message());
}

std::vector<std::string> shippedDataCandidates(const std::string& programFolder, const std::string& sourceTreeData) {
    std::vector<std::string> out = {
        joinPath(programFolder, "data"),
        listedPath(programFolder, "../share/ruvivavu/data"),
        listedPath(programFolder, "../../share/ruvivavu/data"),
    };
    if (const std::string marked = markedDataFolder(programFolder); !marked.empty()) out.push_back(marked);
    if (!sourceTreeData.empty()) out.push_back(sourceTreeData);
    return out;
}

std::string shippedDataFolder(const std::string& programFolder, const std::string& sourceTreeData) {
    for (const std::string& folder : shippedDataCandidates(programFolder, sourceTreeData))
        if (fileExists(joinPath(folder, kListaFile))) return folder;
    return {};
}

std::vector<ListedFile> readLista(const std::string& path) {
    StringGrid grid(2, 1, 0, 1);
    LoadFromFile(path, grid);
    std::vector<ListedFile> out;
    for (int r = 1; r < grid.rowCount(); ++r) {
        const std::string& name = grid.cell(0, r);
        if (name.empty()) continue;
        const fs::path p = toPath(name);
        bool escapes = p.is_absolute() || name.front() == '/' || name.front() == '\\';
        for (const auto& part : p)
            if (part == "..") escapes = true;
        if (escapes) throw FileError("Cannot open file \"" + name + "\". invalid name in " + path);
        out.push_back({name, grid.cell(1, r)});
    }
    return out;
}

void writeLista(const std::string& path, const std::vector<ListedFile>& files) {
    StringGrid grid(2, static_cast<int>(files.size()) + 1, 0, 1);
    grid.setCell(0, 0, "Arquivo");
    grid.setCell(1, 0, "Último mês");
    for (size_t i = 0; i < files.size(); ++i) {
        grid.setCell(0, static_cast<int>(i) + 1, files[i].name);
        grid.setCell(1, static_cast<int>(i) + 1, files[i].lastMonth);
    }
    SaveToFile(path, grid);
}

std::string lastMonthOfTable(const std::string& path) {
    try {
        const std::vector<std::string> lines = readTextLines(path);
        for (auto it = lines.rbegin(); it != lines.rend(); ++it) {
            if (it->empty()) continue;
            const std::string first = it->substr(0, it->find('\t'));
            return isMonth(first) ? first : std::string();
        }
    } catch (const Error&) {
    }
    return {};
}

InstallResult installTables(const std::string& shippedFolder, const std::string& dataFolder,
                            const AskReplaceNewer& askReplaceNewer) {
    const std::vector<ListedFile> listed = readLista(joinPath(shippedFolder, kListaFile));
    ensureFolder(dataFolder);
    ensureFolder(joinPath(dataFolder, "images"));

    InstallResult result;
    std::vector<ListedFile> present;
    for (const ListedFile& file : listed) {
        const std::string from = listedPath(shippedFolder, file.name);
        const std::string to = listedPath(dataFolder, file.name);
        if (!fileExists(from)) continue;  // listed but not shipped: nothing to install
        ensureFolder(fromPath(toPath(to).parent_path()));

        bool copy = true;
        if (fileExists(to)) {
            if (readFileBytes(to) == readFileBytes(from)) {
                copy = false;
                result.unchanged.push_back(file.name);
            } else {
                std::error_code e1, e2;
                const auto userTime = fs::last_write_time(toPath(to), e1);
                const auto shippedTime = fs::last_write_time(toPath(from), e2);
                if (!e1 && !e2 && userTime > shippedTime && !(askReplaceNewer && askReplaceNewer(file.name))) {
                    copy = false;
                    result.kept.push_back(file.name);
                }
            }
        }
        if (copy) {
            copyFileReplacing(from, to);
            // The copy keeps the shipped file's time, so that a later edit by the user counts as
            // newer and a later shipped version as newer than this one.
            std::error_code ec;
            fs::last_write_time(toPath(to), fs::last_write_time(toPath(from), ec), ec);
            result.installed.push_back(file.name);
        }
        ListedFile now = file;
        const bool isTable = file.name.size() > 4 && file.name.compare(file.name.size() - 4, 4, ".tab") == 0;
        if (const std::string month = isTable ? lastMonthOfTable(to) : ""; !month.empty()) now.lastMonth = month;
        present.push_back(now);
    }
    // The shipped set's manifest names the installed set; a folder that keeps some of the user's
    // files, or that was updated to a newer set, keeps its own.
    const std::string shippedManifest = joinPath(shippedFolder, kManifestFile);
    const std::string installedDate = installedSetDate(dataFolder);
    if (fileExists(shippedManifest) && result.kept.empty() &&
        (installedDate.empty() || dateKey(installedDate) <= dateKey(installedSetDate(shippedFolder)))) {
        const std::string target = joinPath(dataFolder, kManifestFile);
        if (!fileExists(target) || readFileBytes(target) != readFileBytes(shippedManifest)) {
            copyFileReplacing(shippedManifest, target);
            result.installed.push_back(kManifestFile);
        }
    }
    writeLista(joinPath(dataFolder, kListaFile), present);
    return result;
}

std::string programToRestart(const std::string& programFolder) {
#ifdef _WIN32
    const char* name = "ruvivavu.exe";
#else
    const char* name = "ruvivavu";
#endif
    for (const std::string& candidate :
         {joinPath(programFolder, name), listedPath(programFolder, std::string("../../bin/") + name)})
        if (fileExists(candidate)) return candidate;
    return {};
}

bool startDetached(const std::string& program, const std::vector<std::string>& arguments, std::string& error) {
    return platform::startDetached(program, arguments, error);
}

}  // namespace ruvivavu::tools

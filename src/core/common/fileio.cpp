// File operations: whole-file reads, atomic writes (temporary file and rename), copies, deletes.
#include "core/common/fileio.h"

#include "core/common/encoding.h"
#include "core/common/errors.h"
#include "core/common/numeric.h"
#include "core/common/platform.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <set>
#include <sstream>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace ruvivavu {

fs::path toPath(const std::string& utf8) {
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string fromPath(const fs::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

namespace {

std::string reason(int err) {
    if (err == 0) err = EIO;
    return std::strerror(err);
}

[[noreturn]] void failOpen(const std::string& path, int err) {
    throw FileError("Cannot open file \"" + path + "\". " + reason(err));
}

[[noreturn]] void failCreate(const std::string& path, int err) {
    throw FileError("Cannot create file \"" + path + "\". " + reason(err));
}

}  // namespace

bool fileExists(const std::string& path) {
    std::error_code ec;
    return fs::is_regular_file(toPath(path), ec);
}

std::string readFileBytes(const std::string& path) {
    errno = 0;
    std::ifstream in(toPath(path), std::ios::binary);
    if (!in) failOpen(path, errno);
    std::error_code ec;
    if (fs::is_directory(toPath(path), ec)) failOpen(path, EISDIR);
    std::ostringstream buffer;
    buffer << in.rdbuf();
    if (in.bad()) failOpen(path, errno);
    return buffer.str();
}

namespace {

// A count in the messages' notation ("100.000").
std::string countText(size_t count) {
    return FormatFloat("#,##0", static_cast<Number>(count));
}

[[noreturn]] void failDamaged(const std::string& path, const std::string& what) {
    throw UserMessage("O arquivo \"" + path + "\" " + what + ": está danificado ou não é um arquivo deste programa.");
}

[[noreturn]] void failTooLarge(const std::string& path) {
    failDamaged(path, "é grande demais (mais de " + countText(kMaxTextFileBytes >> 20) + " MB)");
}

}  // namespace

void checkTextLimits(std::string_view bytes, const std::string& path) {
    if (bytes.size() > kMaxTextFileBytes) failTooLarge(path);
    size_t lines = 0;
    size_t start = 0;
    for (size_t i = 0; i <= bytes.size(); ++i) {
        const bool end = i == bytes.size();
        if (!end && bytes[i] != '\r' && bytes[i] != '\n') continue;
        if (i - start > kMaxTextLineLength)
            failDamaged(path, "tem uma linha longa demais (linha " + countText(lines + 1) + ", mais de " +
                                  countText(kMaxTextLineLength) + " caracteres)");
        if (end) break;
        if (++lines > kMaxTextLines) failDamaged(path, "tem linhas demais (mais de " + countText(kMaxTextLines) + ")");
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        start = i + 1;
    }
}

std::string readFileBytesAtMost(const std::string& path, size_t limit) {
    const auto tooLarge = [&] {
        return UserMessage("O arquivo \"" + path + "\" é grande demais (mais de " + countText(limit >> 20) + " MB).");
    };
    std::error_code ec;
    if (const auto size = fs::file_size(toPath(path), ec); !ec && size > limit) throw tooLarge();
    std::string bytes = readFileBytes(path);
    if (bytes.size() > limit) throw tooLarge();  // it grew while it was read
    return bytes;
}

std::string readTextFileBytes(const std::string& path) {
    std::error_code ec;
    const auto size = fs::file_size(toPath(path), ec);
    if (!ec && size > kMaxTextFileBytes) failTooLarge(path);
    std::string bytes = readFileBytes(path);
    checkTextLimits(bytes, path);
    return bytes;
}

namespace {

// A writer that died between writing its temporary file and the rename (killed, the power cut)
// leaves "<name>.tmp<process>-<n>" beside the file <name>. The first write of this process into a
// folder removes such files of processes no longer running here, once they are ten minutes old: a
// writer on another machine sharing the folder has a process id this machine does not know, and
// is done long before that. Once per folder, so that a batch writing thousands of files into one
// folder does not read it again for each.
void removeLeftoverTemporaries(const fs::path& folder) {
    static std::mutex mutex;
    static std::set<fs::path> cleaned;
    static long cleaner = 0;  // a child process made by fork starts anew
    {
        const std::lock_guard<std::mutex> lock(mutex);
        if (cleaner != platform::processId()) {
            cleaner = platform::processId();
            cleaned.clear();
        }
        if (!cleaned.insert(folder).second) return;
    }
    const auto digits = [](std::string_view s, size_t most) {
        return !s.empty() && s.size() <= most &&
               std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    std::set<std::string> names;
    std::vector<std::pair<std::string, long>> leftovers;  // name, its writer
    std::error_code ec;
    for (fs::directory_iterator it(folder.empty() ? "." : folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = fromPath(it->path().filename());
        names.insert(name);
        const size_t tmp = name.rfind(".tmp");
        if (tmp == std::string::npos || tmp == 0) continue;
        const std::string_view rest = std::string_view(name).substr(tmp + 4);
        const size_t dash = rest.find('-');
        if (dash == std::string_view::npos || !digits(rest.substr(0, dash), 9) || !digits(rest.substr(dash + 1), 18))
            continue;
        leftovers.emplace_back(name, std::stol(std::string(rest.substr(0, dash))));
    }
    const auto oldEnough = fs::file_time_type::clock::now() - std::chrono::minutes(10);
    for (const auto& [name, writer] : leftovers) {
        if (!names.count(name.substr(0, name.rfind(".tmp")))) continue;
        if (writer == platform::processId() || platform::processRunning(writer)) continue;
        const fs::path path = folder / toPath(name);
        std::error_code fileEc;
        if (!fs::is_regular_file(path, fileEc) || fs::last_write_time(path, fileEc) > oldEnough || fileEc) continue;
        fs::remove(path, fileEc);
    }
}

}  // namespace

void writeFileAtomic(const std::string& path, std::string_view bytes) {
    static std::atomic<unsigned> counter{0};
    fs::path target = toPath(path);
    std::error_code ec;
    if (fs::exists(target, ec)) {
        // A link is followed, so the file it names is replaced and the link stays.
        if (fs::path resolved = fs::canonical(target, ec); !ec) target = resolved;
        // A device or a pipe (standard output, say) is written in place: it cannot be replaced.
        if (!fs::is_regular_file(target, ec)) {
            errno = 0;
            std::ofstream out(target, std::ios::binary);
            if (!out) failCreate(path, errno);
            out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
            out.flush();
            if (!out) failCreate(path, errno);
            return;
        }
    }
    fs::path temp = target;
    temp += ".tmp" + std::to_string(platform::processId()) + "-" + std::to_string(counter++);
    {
        errno = 0;
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) failCreate(path, errno);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            const int err = errno;
            out.close();
            std::error_code ec;
            fs::remove(temp, ec);
            failCreate(path, err);
        }
    }
    fs::rename(temp, target, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(temp, ignored);
        throw FileError("Cannot create file \"" + path + "\". " + ec.message());
    }
    // The file is written: a failure to tidy up beside it is not the write's.
    try {
        removeLeftoverTemporaries(target.parent_path());
    } catch (const std::exception&) {
    }
}

void copyFileReplacing(const std::string& from, const std::string& to) {
    writeFileAtomic(to, readFileBytes(from));
}

bool deleteFile(const std::string& path) {
    std::error_code ec;
    return fs::remove(toPath(path), ec);
}

std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> lines;
    size_t start = 0;
    size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.emplace_back(text.substr(start, i - start));
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            ++i;
            start = i;
        } else {
            ++i;
        }
    }
    if (start < text.size()) lines.emplace_back(text.substr(start));
    return lines;
}

std::vector<std::string> readTextLines(const std::string& path) {
    std::string bytes = readTextFileBytes(path);
    const size_t nul = bytes.find('\0');
    if (nul != std::string::npos) bytes.resize(nul);
    return splitLines(cp1252ToUtf8(bytes));
}

std::string textLinesBytes(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) {
        text += line;
        text += "\r\n";
    }
    return utf8ToCp1252(text);
}

void writeTextLines(const std::string& path, const std::vector<std::string>& lines) {
    writeFileAtomic(path, textLinesBytes(lines));
}

std::string joinPath(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    const char last = folder.back();
    if (last == '/' || last == '\\') return folder + name;
#ifdef _WIN32
    return folder + "\\" + name;
#else
    return folder + "/" + name;
#endif
}

}  // namespace ruvivavu

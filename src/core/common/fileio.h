// File operations of the engine. Every failure is a FileError with the user's message; writes go
// through a temporary file in the same folder and a rename, so no half-written file is ever left.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace ruvivavu {

bool fileExists(const std::string& path);

// The whole file as bytes. Raises FileError("Cannot open file \"<path>\". <reason>").
std::string readFileBytes(const std::string& path);

// What a reader of text files (tables, configuration, calculation files, header texts) accepts.
// The program's own files are far smaller; a file past these is damaged or not one of them, and
// reading it on could exhaust memory or time.
inline constexpr size_t kMaxTextFileBytes = 8u << 20;
inline constexpr size_t kMaxTextLines = 100000;
inline constexpr size_t kMaxTextLineLength = 32768;

// UserMessage naming the file when its bytes pass a bound above (lines end at CR LF, LF or CR).
void checkTextLimits(std::string_view bytes, const std::string& path);

// The bytes of a text file that is about to be parsed: readFileBytes within the bounds above (a
// file too large is refused before it is read).
std::string readTextFileBytes(const std::string& path);

// Files read whole that are not parsed as lines (an archive, a spreadsheet, a page): refused when
// larger, before they are read, so that a wrong choice of file does not take all memory.
inline constexpr size_t kMaxWholeFileBytes = 64u << 20;

// readFileBytes of a file of at most `limit` bytes; UserMessage "O arquivo "<path>" é grande demais
// (mais de N MB)." for a larger one.
std::string readFileBytesAtMost(const std::string& path, size_t limit = kMaxWholeFileBytes);

// Replaces (or creates) the file with the bytes. Raises FileError("Cannot create file \"<path>\". <reason>").
void writeFileAtomic(const std::string& path, std::string_view bytes);

// Copies a file, replacing the target (atomically). Raises FileError on failure.
void copyFileReplacing(const std::string& from, const std::string& to);

// Deletes a file; a missing file is not an error. Answers whether a file was removed.
bool deleteFile(const std::string& path);

// Text files of lines (Windows-1252 on disk, UTF-8 here): reading splits at CR LF, lone LF and lone
// CR; a last line without a line end is still a line. Within the bounds of readTextFileBytes.
std::vector<std::string> readTextLines(const std::string& path);
// Writes each line followed by CR LF.
void writeTextLines(const std::string& path, const std::vector<std::string>& lines);
// The bytes writeTextLines writes.
std::string textLinesBytes(const std::vector<std::string>& lines);
// Splits UTF-8 text into lines as readTextLines does.
std::vector<std::string> splitLines(std::string_view text);

// Paths of the system from the program's UTF-8 texts and back.
std::filesystem::path toPath(const std::string& utf8);
std::string fromPath(const std::filesystem::path& path);

// folder + separator + name.
std::string joinPath(const std::string& folder, const std::string& name);

}  // namespace ruvivavu

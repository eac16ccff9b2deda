// The manifest of a published table set: which files make the set, the last month of each table,
// and each file's size and SHA-256, with the set's date. The table builder writes it beside the
// tables ("manifesto.txt"); a published update carries its Ed25519 signature ("manifesto.sig").
//
// The file is a table file (Windows-1252, a TAB after every cell, CR LF), four columns:
//   Formato   1
//   Data      dd/mm/yyyy
//   Arquivo   Último mês   Tamanho   SHA-256
//   <name>    <mm/yyyy or empty>   <bytes>   <64 lower-case hex digits>
//   ...
// The shipped set is trusted as the program's package installed it, so the manifest in the
// program's own data is not signed; a set that replaces installed tables must be signed with the
// key whose public half the program carries.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ruvivavu::tools {

inline constexpr const char* kManifestFile = "manifesto.txt";
inline constexpr const char* kSignatureFile = "manifesto.sig";
inline constexpr int kManifestFormat = 1;

struct ManifestFile {
    std::string name;       // relative path, "/" separators
    std::string lastMonth;  // "mm/yyyy", or empty for a file that is not a monthly table
    std::uint64_t size = 0;
    std::string sha256;  // lower-case hex
};

struct Manifest {
    int format = kManifestFormat;
    std::string date;  // "dd/mm/yyyy"
    std::vector<ManifestFile> files;
};

using PublicKey = std::array<unsigned char, 32>;

// The key the program trusts for table updates.
const PublicKey& publishedTablesKey();

// Reads a manifest. UserMessage naming what is wrong for a damaged one, an unknown format, or a
// file name that would leave the data folder.
Manifest parseManifest(std::string_view bytes);
// The manifest's bytes as the table builder writes them.
std::string renderManifest(const Manifest& manifest);

// The SHA-256 of the bytes, or of a file's bytes (FileError when it cannot be read), as hex.
std::string sha256Hex(std::string_view bytes);
std::string sha256OfFile(const std::string& path);

// Whether `signatureText` (the hex of a detached Ed25519 signature, surrounding blanks allowed) is
// the key's signature of exactly these bytes.
bool signatureMatches(std::string_view bytes, std::string_view signatureText, const PublicKey& key);

// The latest last month among the manifest's tables ("mm/yyyy"); empty when none has one.
std::string latestMonth(const Manifest& manifest);

// "dd/mm/yyyy" as yyyymmdd for comparisons (0 when the text is not such a date).
long dateKey(const std::string& date);

// The date of the table set installed in the data folder (its manifest's date); empty when the
// folder has no readable manifest.
std::string installedSetDate(const std::string& dataFolder);

// What `ruvivavu-cli --versao-tabelas` prints: the installed set's date and latest month, then
// each file with its last month, and whether its bytes are still the published ones, e.g.
//   Conjunto de tabelas de 09/12/2026, com meses até 09/2026 (pasta /home/x/dados)
//     zurivodo13.tab	07/2026	confere
//     fgts.tab	09/2026	DIFERENTE DO PUBLICADO
// UserMessage when the folder has no readable manifest.
std::string describeInstalledSet(const std::string& dataFolder);

}  // namespace ruvivavu::tools

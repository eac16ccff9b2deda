// The manifest of a table set: reading, writing, digests and the signature check (libsodium).
#include "core/tools/tablemanifest.h"

#include "core/common/encoding.h"
#include "core/common/errors.h"
#include "core/common/fileio.h"

#include <sodium.h>

#include <cctype>
#include <filesystem>

namespace ruvivavu::tools {

namespace {

// The public half of the key the tables are published with; the private half is kept by the
// publisher, outside the repository (tools/tablebuilder/sign.py).
constexpr PublicKey kPublishedTablesKey = {0xfa, 0x54, 0xf7, 0xfd, 0xc6, 0xe1, 0x96, 0x7d, 0xd4, 0x38, 0x36,
                                           0x52, 0xce, 0xa9, 0xad, 0xd5, 0x01, 0x0a, 0xbc, 0x95, 0x25, 0x2a,
                                           0xf5, 0x95, 0x53, 0xee, 0x6a, 0x58, 0x5a, 0x11, 0x2c, 0x11};

const char* const kDamaged = "O manifesto das tabelas está danificado";

void initSodium() {
    if (sodium_init() < 0) throw Error("A biblioteca de criptografia (libsodium) não pôde ser iniciada.");
}

std::vector<std::string> cells(const std::string& line) {
    std::vector<std::string> out;
    size_t start = 0;
    while (start <= line.size()) {
        const size_t tab = line.find('\t', start);
        out.push_back(line.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
        if (tab == std::string::npos) break;
        start = tab + 1;
    }
    while (!out.empty() && out.back().empty()) out.pop_back();
    out.resize(std::max<size_t>(out.size(), 4));
    return out;
}

bool allDigits(const std::string& s) {
    if (s.empty()) return false;
    for (unsigned char c : s)
        if (!std::isdigit(c)) return false;
    return true;
}

bool isHexDigest(const std::string& s) {
    if (s.size() != 64) return false;
    for (char c : s)
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) return false;
    return true;
}

bool isMonthText(const std::string& s) {
    return s.size() == 7 && allDigits(s.substr(0, 2)) && s[2] == '/' && allDigits(s.substr(3)) &&
           std::stoi(s.substr(0, 2)) >= 1 && std::stoi(s.substr(0, 2)) <= 12;
}

// A name the set may hold: relative, "/" separators, no part that is empty, "." or "..", and no
// part starting with a dot (the update's own working folders start with one).
bool safeName(const std::string& name) {
    if (name.empty() || name.find('\\') != std::string::npos || name.find(':') != std::string::npos) return false;
    size_t start = 0;
    while (true) {
        const size_t slash = name.find('/', start);
        const std::string part = name.substr(start, slash == std::string::npos ? std::string::npos : slash - start);
        if (part.empty() || part.front() == '.') return false;
        if (slash == std::string::npos) return true;
        start = slash + 1;
    }
}

// The files the update writes itself, and its setting: a set may not name them.
bool reservedName(const std::string& name) {
    std::string lower;
    for (unsigned char c : name) lower += char(std::tolower(c));
    for (const char* reserved : {kManifestFile, kSignatureFile, "lista.tab", "atualizacao.ini"})
        if (lower == reserved) return true;
    return false;
}

[[noreturn]] void damaged(const std::string& what) {
    throw UserMessage(std::string(kDamaged) + ": " + what + ".");
}

}  // namespace

const PublicKey& publishedTablesKey() {
    return kPublishedTablesKey;
}

Manifest parseManifest(std::string_view bytes) {
    const std::vector<std::string> lines = splitLines(cp1252ToUtf8(bytes));
    Manifest m;
    if (lines.size() < 3) damaged("faltam linhas");
    const std::vector<std::string> format = cells(lines[0]);
    if (format[0] != "Formato" || !allDigits(format[1])) damaged("primeira linha");
    if (format[1].size() > 4 || std::stoi(format[1]) != kManifestFormat)
        throw UserMessage("O manifesto das tabelas está no formato " + format[1] +
                          ", que esta versão do programa não conhece. Atualize o programa.");
    const std::vector<std::string> date = cells(lines[1]);
    if (date[0] != "Data" || dateKey(date[1]) == 0) damaged("data");
    m.date = date[1];
    for (size_t i = 3; i < lines.size(); ++i) {
        if (lines[i].empty()) continue;
        const std::vector<std::string> row = cells(lines[i]);
        const std::string where = "linha " + std::to_string(i + 1);
        if (!safeName(row[0]) || reservedName(row[0])) damaged(where + ", nome de arquivo \"" + row[0] + "\"");
        if (!row[1].empty() && !isMonthText(row[1])) damaged(where + ", último mês");
        if (!allDigits(row[2]) || row[2].size() > 12) damaged(where + ", tamanho");
        if (!isHexDigest(row[3])) damaged(where + ", SHA-256");
        for (const ManifestFile& seen : m.files)
            if (seen.name == row[0]) damaged(where + ", \"" + row[0] + "\" repetido");
        m.files.push_back({row[0], row[1], std::stoull(row[2]), row[3]});
    }
    if (m.files.empty()) damaged("nenhum arquivo");
    return m;
}

std::string renderManifest(const Manifest& manifest) {
    auto line = [](const std::string& a, const std::string& b, const std::string& c, const std::string& d) {
        return a + "\t" + b + "\t" + c + "\t" + d + "\t\r\n";
    };
    std::string out = line("Formato", std::to_string(manifest.format), "", "") + line("Data", manifest.date, "", "") +
                      line("Arquivo", "Último mês", "Tamanho", "SHA-256");
    for (const ManifestFile& f : manifest.files) out += line(f.name, f.lastMonth, std::to_string(f.size), f.sha256);
    return utf8ToCp1252(out);
}

std::string sha256Hex(std::string_view bytes) {
    initSodium();
    unsigned char digest[crypto_hash_sha256_BYTES];
    crypto_hash_sha256(digest, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
    char hex[2 * crypto_hash_sha256_BYTES + 1];
    sodium_bin2hex(hex, sizeof hex, digest, sizeof digest);
    return hex;
}

std::string sha256OfFile(const std::string& path) {
    return sha256Hex(readFileBytes(path));
}

bool signatureMatches(std::string_view bytes, std::string_view signatureText, const PublicKey& key) {
    initSodium();
    while (!signatureText.empty() && std::isspace(static_cast<unsigned char>(signatureText.front())))
        signatureText.remove_prefix(1);
    while (!signatureText.empty() && std::isspace(static_cast<unsigned char>(signatureText.back())))
        signatureText.remove_suffix(1);
    unsigned char signature[crypto_sign_BYTES];
    size_t length = 0;
    if (signatureText.size() != 2 * crypto_sign_BYTES ||
        sodium_hex2bin(signature, sizeof signature, signatureText.data(), signatureText.size(), nullptr, &length,
                       nullptr) != 0 ||
        length != crypto_sign_BYTES)
        return false;
    return crypto_sign_verify_detached(signature, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(),
                                       key.data()) == 0;
}

std::string latestMonth(const Manifest& manifest) {
    std::string best;
    auto key = [](const std::string& month) { return month.substr(3) + month.substr(0, 2); };
    for (const ManifestFile& f : manifest.files)
        if (!f.lastMonth.empty() && (best.empty() || key(f.lastMonth) > key(best))) best = f.lastMonth;
    return best;
}

long dateKey(const std::string& date) {
    if (date.size() != 10 || date[2] != '/' || date[5] != '/' || !allDigits(date.substr(0, 2)) ||
        !allDigits(date.substr(3, 2)) || !allDigits(date.substr(6)))
        return 0;
    const int day = std::stoi(date.substr(0, 2));
    const int month = std::stoi(date.substr(3, 2));
    if (day < 1 || day > 31 || month < 1 || month > 12) return 0;
    return std::stol(date.substr(6)) * 10000 + month * 100 + day;
}

std::string installedSetDate(const std::string& dataFolder) {
    try {
        return parseManifest(readTextFileBytes(joinPath(dataFolder, kManifestFile))).date;
    } catch (const Error&) {
        return {};
    }
}

std::string describeInstalledSet(const std::string& dataFolder) {
    const std::string path = joinPath(dataFolder, kManifestFile);
    if (!fileExists(path))
        throw UserMessage("A pasta de dados " + dataFolder + " não tem o manifesto das tabelas (" + kManifestFile +
                          "): as tabelas foram instaladas por uma versão anterior do programa.");
    const Manifest m = parseManifest(readTextFileBytes(path));
    std::string out =
        "Conjunto de tabelas de " + m.date + ", com meses até " + latestMonth(m) + " (pasta " + dataFolder + ")\n";
    for (const ManifestFile& f : m.files) {
        std::string state = "FALTA";
        const std::string file = joinPath(dataFolder, f.name);
        if (fileExists(file)) state = sha256OfFile(file) == f.sha256 ? "confere" : "DIFERENTE DO PUBLICADO";
        out += "  " + f.name + "\t" + (f.lastMonth.empty() ? "-" : f.lastMonth) + "\t" + state + "\n";
    }
    return out;
}

}  // namespace ruvivavu::tools

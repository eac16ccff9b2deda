// Published table sets for the update tests: a key pair made for the test, and a folder holding a
// set's files, its manifest and the manifest's signature, as the table builder publishes them.
#pragma once

#include "core/common/fileio.h"
#include "core/tools/tableinstall.h"
#include "core/tools/tablemanifest.h"

#include <sodium.h>

#include <filesystem>
#include <map>
#include <string>

namespace enginetest {

class TestKey {
public:
    TestKey() {
        if (sodium_init() < 0) std::abort();
        crypto_sign_keypair(publicKey.data(), secret_);
    }
    ruvivavu::tools::PublicKey publicKey{};

    // The hex of the detached signature, as manifesto.sig holds it.
    std::string sign(const std::string& bytes) const {
        unsigned char signature[crypto_sign_BYTES];
        crypto_sign_detached(signature, nullptr, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(),
                             secret_);
        char hex[2 * crypto_sign_BYTES + 1];
        sodium_bin2hex(hex, sizeof hex, signature, sizeof signature);
        return std::string(hex) + "\r\n";
    }

private:
    unsigned char secret_[crypto_sign_SECRETKEYBYTES];
};

// name -> bytes. A name ending in ".tab" gets as last month the first cell of its last line.
using Files = std::map<std::string, std::string>;

inline std::string lastCellMonth(const std::string& bytes) {
    const size_t end = bytes.find_last_not_of("\r\n");
    if (end == std::string::npos) return {};
    const size_t start = bytes.rfind('\n', end);
    const std::string line = bytes.substr(start == std::string::npos ? 0 : start + 1);
    return line.size() >= 7 && line[2] == '/' ? line.substr(0, 7) : std::string();
}

inline ruvivavu::tools::Manifest manifestOf(const std::string& date, const Files& files) {
    ruvivavu::tools::Manifest m;
    m.date = date;
    for (const auto& [name, bytes] : files)
        m.files.push_back({name, lastCellMonth(bytes), bytes.size(), ruvivavu::tools::sha256Hex(bytes)});
    return m;
}

// Writes the files into the folder (creating it).
inline void writeFiles(const std::string& folder, const Files& files) {
    for (const auto& [name, bytes] : files) {
        const std::string path = ruvivavu::tools::listedPath(folder, name);
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        ruvivavu::writeFileAtomic(path, bytes);
    }
}

// A published set: the files, manifesto.txt and, when a key is given, manifesto.sig. Answers the
// manifest's bytes.
inline std::string publishSet(const std::string& folder, const std::string& date, const Files& files,
                              const TestKey* key) {
    writeFiles(folder, files);
    const std::string manifest = ruvivavu::tools::renderManifest(manifestOf(date, files));
    ruvivavu::writeFileAtomic(ruvivavu::joinPath(folder, ruvivavu::tools::kManifestFile), manifest);
    if (key)
        ruvivavu::writeFileAtomic(ruvivavu::joinPath(folder, ruvivavu::tools::kSignatureFile), key->sign(manifest));
    return manifest;
}

// Every file under a folder, hidden ones included: relative name -> bytes.
inline Files snapshot(const std::string& folder) {
    Files out;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
        if (entry.is_regular_file())
            out[entry.path().lexically_relative(folder).generic_string()] =
                ruvivavu::readFileBytes(entry.path().string());
    return out;
}

}  // namespace enginetest

// Updating the installed tables from a signed table set, all files together or none.
#include "core/tools/tableupdate.h"

#include "core/common/fileio.h"
#include "core/tools/tableinstall.h"

#include <zlib.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <map>
#include <utility>

namespace fs = std::filesystem;

namespace ruvivavu::tools {

namespace {

const char* const kNewBackupFolder = ".tabelas-anteriores.novo";
const char* const kBackupFiles = "arquivos";     // the replaced files, by their names in the set
const char* const kAbsentList = "ausentes.txt";  // names that were not in the data folder
const char* const kInProgress = "em-andamento";  // present while the replacement runs

fs::path native(const std::string& utf8) {
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string utf8(const fs::path& p) {
    const std::u8string s = p.u8string();
    return std::string(s.begin(), s.end());
}

void removeAll(const std::string& folder) {
    std::error_code ec;
    fs::remove_all(native(folder), ec);
}

bool folderExists(const std::string& folder) {
    std::error_code ec;
    return fs::is_directory(native(folder), ec);
}

// The names of the files under a folder, relative, "/" separators.
std::vector<std::string> filesUnder(const std::string& folder) {
    std::vector<std::string> out;
    std::error_code ec;
    for (fs::recursive_directory_iterator it(native(folder), ec), end; !ec && it != end; it.increment(ec))
        if (it->is_regular_file(ec))
            out.push_back(utf8(it->path().lexically_relative(native(folder)).generic_u8string()));
    std::sort(out.begin(), out.end());
    return out;
}

void moveFile(const std::string& from, const std::string& to) {
    std::error_code ec;
    fs::rename(native(from), native(to), ec);
    if (ec) throw FileError("Cannot create file \"" + to + "\". " + ec.message());
}

void copyInto(const std::string& from, const std::string& to) {
    ensureFolder(utf8(native(to).parent_path()));
    copyFileReplacing(from, to);
}

// Puts the data folder back as the backup folder records it: each saved file copied back, each
// name that was absent removed. Best effort: it goes on past a failure and answers whether all went.
bool restoreFrom(const std::string& dataFolder, const std::string& backup) {
    bool all = true;
    const std::string saved = joinPath(backup, kBackupFiles);
    for (const std::string& name : filesUnder(saved)) {
        try {
            copyInto(listedPath(saved, name), listedPath(dataFolder, name));
        } catch (const Error&) {
            all = false;
        }
    }
    if (fileExists(joinPath(backup, kAbsentList)))
        for (const std::string& name : readTextLines(joinPath(backup, kAbsentList)))
            if (!name.empty() && fileExists(listedPath(dataFolder, name))) {
                std::error_code ec;
                fs::remove(native(listedPath(dataFolder, name)), ec);
                if (ec) all = false;
            }
    return all;
}

// Replaces the named files of the data folder by the staged ones and removes the `removed` ones,
// all of them or none. Before any
// file is touched, the files being replaced are copied into `backup` (with the list of the names
// that did not exist) and the backup is marked in progress; a failure puts every file back. On
// success the mark is removed and `backup` holds the set that was replaced.
void replaceTogether(const std::string& dataFolder, const std::vector<std::pair<std::string, std::string>>& staged,
                     const std::vector<std::string>& removed, const std::string& backup) {
    removeAll(backup);
    try {
        ensureFolder(joinPath(backup, kBackupFiles));
        writeFileAtomic(joinPath(backup, kInProgress), "");
        std::vector<std::string> absent;
        for (const auto& [name, from] : staged) {
            const std::string target = listedPath(dataFolder, name);
            if (fileExists(target))
                copyInto(target, listedPath(joinPath(backup, kBackupFiles), name));
            else
                absent.push_back(name);
        }
        for (const std::string& name : removed)
            if (fileExists(listedPath(dataFolder, name)))
                copyInto(listedPath(dataFolder, name), listedPath(joinPath(backup, kBackupFiles), name));
        writeTextLines(joinPath(backup, kAbsentList), absent);
    } catch (const Error& e) {
        removeAll(backup);  // nothing was replaced yet
        throw UpdateFailed(std::string("As tabelas atuais não puderam ser guardadas: ") + e.what());
    }

    try {
        for (const auto& [name, from] : staged) {
            const std::string target = listedPath(dataFolder, name);
            ensureFolder(utf8(native(target).parent_path()));
            moveFile(from, target);
        }
        for (const std::string& name : removed) deleteFile(listedPath(dataFolder, name));
    } catch (const Error& e) {
        const bool restored = restoreFrom(dataFolder, backup);
        if (restored) removeAll(backup);
        throw UpdateFailed(std::string("As tabelas não puderam ser substituídas: ") + e.what());
    }
    deleteFile(joinPath(backup, kInProgress));
}

std::string joinedNames(const std::vector<ManifestFile>& files) {
    std::string out;
    for (const ManifestFile& f : files)
        out += (out.empty() ? "" : ", ") + f.name + (f.lastMonth.empty() ? "" : " (até " + f.lastMonth + ")");
    return out;
}

// lista.tab with the last months of the new set: the installed list, each file's month taken
// from the manifest, files new to the list added at its end.
std::string updatedLista(const std::string& dataFolder, const Manifest& manifest, const std::string& stagingFolder) {
    std::vector<ListedFile> listed;
    if (fileExists(joinPath(dataFolder, kListaFile))) listed = readLista(joinPath(dataFolder, kListaFile));
    for (const ManifestFile& f : manifest.files) {
        auto it = std::find_if(listed.begin(), listed.end(), [&](const ListedFile& l) { return l.name == f.name; });
        if (it == listed.end())
            listed.push_back({f.name, f.lastMonth});
        else
            it->lastMonth = f.lastMonth;
    }
    const std::string path = joinPath(stagingFolder, kListaFile);
    writeLista(path, listed);
    return path;
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// One update

TableUpdate::TableUpdate(std::string dataFolder, PublicKey key) : dataFolder_(std::move(dataFolder)), key_(key) {
    recoverInterruptedUpdate(dataFolder_);
}

TableUpdate::~TableUpdate() {
    removeAll(joinPath(dataFolder_, kStagingFolder));
}

void TableUpdate::acceptManifest(std::string_view manifestBytes, std::string_view signatureText) {
    if (!signatureMatches(manifestBytes, signatureText, key_))
        throw UpdateFailed(
            "A assinatura do manifesto das tabelas não confere: a atualização não foi publicada pela Quorvel ou foi "
            "alterada.");
    try {
        manifest_ = parseManifest(manifestBytes);
    } catch (const UserMessage& e) {
        throw UpdateFailed(e.what());
    }
    const std::string installed = installedSetDate(dataFolder_);
    if (!installed.empty() && dateKey(manifest_.date) < dateKey(installed))
        throw UpdateFailed("As tabelas da atualização (conjunto de " + manifest_.date +
                           ") são mais antigas que as instaladas (conjunto de " + installed + ").");
    manifestBytes_ = std::string(manifestBytes);
    changed_.clear();
    for (const ManifestFile& f : manifest_.files) {
        const std::string path = listedPath(dataFolder_, f.name);
        if (!fileExists(path) || sha256OfFile(path) != f.sha256) changed_.push_back(f);
    }
    removeAll(joinPath(dataFolder_, kStagingFolder));
    ensureFolder(joinPath(dataFolder_, kStagingFolder));
    accepted_ = true;
}

std::string TableUpdate::stagingPath(const ManifestFile& file) const {
    const std::string path = listedPath(joinPath(dataFolder_, kStagingFolder), file.name);
    ensureFolder(utf8(native(path).parent_path()));
    return path;
}

void TableUpdate::storeFetched(const ManifestFile& file, std::string_view bytes) const {
    try {
        writeFileAtomic(stagingPath(file), bytes);
    } catch (const Error& e) {
        throw UpdateFailed(e.what());
    }
    checkFetched(file);
}

void TableUpdate::checkFetched(const ManifestFile& file) const {
    const std::string path = stagingPath(file);
    std::error_code ec;
    const auto size = fs::file_size(native(path), ec);
    if (ec || size != file.size || sha256OfFile(path) != file.sha256)
        throw UpdateFailed("O arquivo " + file.name +
                           " recebido não confere com o manifesto da atualização (tamanho ou conteúdo diferente).");
}

std::string TableUpdate::commit() {
    if (!accepted_) throw UpdateFailed("A atualização não tem manifesto.");
    const std::string month = latestMonth(manifest_);
    const std::string installed = installedSetDate(dataFolder_);
    if (changed_.empty() && installed == manifest_.date)
        return "As tabelas já estão atualizadas até " + month + " (conjunto de " + manifest_.date + ").\n" +
               kNothingChanged;
    for (const ManifestFile& f : changed_) checkFetched(f);

    const std::string staging = joinPath(dataFolder_, kStagingFolder);
    std::vector<std::pair<std::string, std::string>> staged;
    for (const ManifestFile& f : changed_) staged.emplace_back(f.name, stagingPath(f));
    try {
        const std::string manifestPath = joinPath(staging, kManifestFile);
        writeFileAtomic(manifestPath, manifestBytes_);
        staged.emplace_back(kManifestFile, manifestPath);
        staged.emplace_back(kListaFile, updatedLista(dataFolder_, manifest_, staging));
    } catch (const Error& e) {
        throw UpdateFailed(e.what());
    }
    const std::string fresh = joinPath(dataFolder_, kNewBackupFolder);
    replaceTogether(dataFolder_, staged, {}, fresh);
    // The replaced set becomes the one "Desfazer atualização" goes back to.
    const std::string previous = joinPath(dataFolder_, kPreviousSetFolder);
    removeAll(previous);
    std::error_code ec;
    fs::rename(native(fresh), native(previous), ec);
    removeAll(staging);
    return "Tabelas atualizadas até " + month + ".\nConjunto de " + manifest_.date +
           (changed_.empty() ? std::string("; nenhum arquivo mudou.")
                             : "; arquivos substituídos: " + joinedNames(changed_) + ".");
}

// ---------------------------------------------------------------------------------------------
// Local sources

// A zip archive read whole (a table set is small): its entries by name.
class LocalSource::Zip {
public:
    explicit Zip(const std::string& path) : path_(path), bytes_(readFileBytesAtMost(path)) {
        const size_t n = bytes_.size();
        size_t end = std::string::npos;
        for (size_t i = n >= 22 ? n - 22 : 0; n >= 22; --i) {
            if (u32(i) == 0x06054b50) {
                end = i;
                break;
            }
            if (i == 0 || n - i > 22 + 65535) break;
        }
        if (end == std::string::npos) bad("não é um arquivo .zip");
        const size_t count = u16(end + 10);
        size_t at = u32(end + 16);
        for (size_t k = 0; k < count; ++k) {
            if (at + 46 > n || u32(at) != 0x02014b50) bad("índice danificado");
            Entry e;
            e.flags = u16(at + 8);
            e.method = u16(at + 10);
            e.crc = u32(at + 16);
            e.packed = u32(at + 20);
            e.size = u32(at + 24);
            const size_t nameLength = u16(at + 28);
            e.local = u32(at + 42);
            if (at + 46 + nameLength > n) bad("índice danificado");
            entries_[bytes_.substr(at + 46, nameLength)] = e;
            at += 46 + nameLength + u16(at + 30) + u16(at + 32);
        }
    }

    // The folder inside the archive that holds the manifest ("" at the top, or "name/").
    std::string setFolder() const {
        std::string best;
        bool found = false;
        for (const auto& [name, entry] : entries_) {
            const std::string suffix = std::string("/") + kManifestFile;
            if (name == kManifestFile) return {};
            if (name.size() > suffix.size() && name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0) {
                const std::string folder = name.substr(0, name.size() - std::strlen(kManifestFile));
                if (!found || folder.size() < best.size()) best = folder;
                found = true;
            }
        }
        if (!found)
            throw UpdateFailed("O arquivo " + path_ + " não contém um conjunto de tabelas (falta " + kManifestFile +
                               ").");
        return best;
    }

    bool has(const std::string& name) const { return entries_.count(name) > 0; }

    // The entry's bytes; `limit` stops a file larger than it is said to be before it is unpacked.
    std::string read(const std::string& name, std::uint64_t limit) const {
        auto it = entries_.find(name);
        if (it == entries_.end()) throw UserMessage("O arquivo " + path_ + " não contém " + name + ".");
        const Entry& e = it->second;
        if (e.flags & 1) bad(name + " está protegido por senha");
        if (e.size > limit) bad(name + " é maior que o publicado");
        const size_t local = e.local;
        if (local + 30 > bytes_.size() || u32(local) != 0x04034b50) bad(name + " danificado");
        const size_t data = local + 30 + u16(local + 26) + u16(local + 28);
        if (data + e.packed > bytes_.size()) bad(name + " truncado");
        std::string out;
        if (e.method == 0) {
            out = bytes_.substr(data, e.packed);
        } else if (e.method == 8) {
            out.resize(e.size);
            z_stream z{};
            if (inflateInit2(&z, -MAX_WBITS) != Z_OK) bad(name + " não pôde ser descompactado");
            z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes_.data() + data));
            z.avail_in = e.packed;
            z.next_out = reinterpret_cast<Bytef*>(out.data());
            z.avail_out = e.size;
            const int r = inflate(&z, Z_FINISH);
            const uLong produced = z.total_out;
            inflateEnd(&z);
            if (r != Z_STREAM_END || produced != e.size) bad(name + " danificado");
        } else {
            bad(name + " está compactado num método que o programa não lê");
        }
        if (crc32(0, reinterpret_cast<const Bytef*>(out.data()), static_cast<uInt>(out.size())) != e.crc)
            bad(name + " danificado");
        return out;
    }

private:
    struct Entry {
        std::uint32_t flags = 0, method = 0, crc = 0, packed = 0, size = 0, local = 0;
    };
    std::string path_;
    std::string bytes_;
    std::map<std::string, Entry> entries_;

    std::uint32_t u16(size_t at) const {
        if (at + 2 > bytes_.size()) bad("truncado");
        return std::uint8_t(bytes_[at]) | std::uint8_t(bytes_[at + 1]) << 8;
    }
    std::uint32_t u32(size_t at) const { return u16(at) | u16(at + 2) << 16; }
    [[noreturn]] void bad(const std::string& what) const {
        throw UserMessage("O arquivo " + path_ + " não pôde ser lido: " + what + ".");
    }
};

std::string unsignedSetReason() {
    return std::string("A atualização não está assinada (falta ") + kSignatureFile + ").";
}

LocalSource::LocalSource(const std::string& path) : folder_(path) {
    std::error_code ec;
    if (fs::is_directory(native(path), ec)) return;
    if (!fileExists(path)) throw UpdateFailed("A origem da atualização não foi encontrada: " + path + ".");
    if (native(path).filename() == native(kManifestFile)) {
        folder_ = utf8(native(path).parent_path());
        return;
    }
    try {
        zip_ = std::make_unique<Zip>(path);
        inZip_ = zip_->setFolder();
    } catch (const UpdateFailed&) {
        throw;
    } catch (const Error& e) {
        throw UpdateFailed(e.what());
    }
}

LocalSource::~LocalSource() = default;

bool LocalSource::has(const std::string& name) const {
    return zip_ ? zip_->has(inZip_ + name) : fileExists(listedPath(folder_, name));
}

std::string LocalSource::read(const std::string& name, std::uint64_t limit) const {
    try {
        if (zip_) return zip_->read(inZip_ + name, limit);
        const std::string path = listedPath(folder_, name);
        std::error_code ec;
        if (fileExists(path) && fs::file_size(native(path), ec) > limit)
            throw UserMessage(name + " é maior que o publicado");
        return readFileBytes(path);
    } catch (const Error& e) {
        throw UpdateFailed("O arquivo " + name + " da atualização não pôde ser lido: " + e.what());
    }
}

std::string updateFromLocalSource(const std::string& dataFolder, const std::string& source, const PublicKey& key,
                                  const UpdateProgress& progress) {
    const LocalSource set(source);
    TableUpdate update(dataFolder, key);
    const std::string manifest = set.read(kManifestFile, kManifestLimit);
    if (!set.has(kSignatureFile)) throw UpdateFailed(unsignedSetReason());
    update.acceptManifest(manifest, set.read(kSignatureFile, kSignatureLimit));
    const std::vector<ManifestFile>& changed = update.changedFiles();
    for (size_t i = 0; i < changed.size(); ++i) {
        if (progress && !progress(i, changed.size(), changed[i].name)) throw UpdateFailed("Atualização cancelada.");
        update.storeFetched(changed[i], set.read(changed[i].name, changed[i].size));
    }
    if (progress && !progress(changed.size(), changed.size(), {})) throw UpdateFailed("Atualização cancelada.");
    return update.commit();
}

// ---------------------------------------------------------------------------------------------
// Undo and recovery

bool canUndoUpdate(const std::string& dataFolder) {
    return folderExists(joinPath(dataFolder, kPreviousSetFolder));
}

std::string undoUpdate(const std::string& dataFolder) {
    recoverInterruptedUpdate(dataFolder);
    const std::string previous = joinPath(dataFolder, kPreviousSetFolder);
    if (!canUndoUpdate(dataFolder)) throw UserMessage("Não há atualização das tabelas para desfazer.");

    // The saved files are copied to the staging folder first, so a failure leaves the saved set whole.
    const std::string staging = joinPath(dataFolder, kStagingFolder);
    removeAll(staging);
    std::vector<std::pair<std::string, std::string>> staged;
    std::vector<std::string> names;
    try {
        const std::string saved = joinPath(previous, kBackupFiles);
        for (const std::string& name : filesUnder(saved)) {
            const std::string copy = listedPath(staging, name);
            copyInto(listedPath(saved, name), copy);
            staged.emplace_back(name, copy);
        }
    } catch (const Error& e) {
        removeAll(staging);
        throw UpdateFailed(std::string("A atualização não pôde ser desfeita: ") + e.what());
    }
    // A file the update added goes away: it is "replaced" by nothing.
    std::vector<std::string> added;
    if (fileExists(joinPath(previous, kAbsentList)))
        for (const std::string& name : readTextLines(joinPath(previous, kAbsentList)))
            if (!name.empty()) added.push_back(name);

    const std::string fresh = joinPath(dataFolder, kNewBackupFolder);
    try {
        replaceTogether(dataFolder, staged, added, fresh);
    } catch (const UpdateFailed&) {
        removeAll(staging);
        throw;
    }
    removeAll(fresh);
    removeAll(previous);
    removeAll(staging);
    const std::string date = installedSetDate(dataFolder);
    return date.empty() ? std::string("Atualização desfeita: as tabelas voltaram a ser as de antes.")
                        : "Atualização desfeita: as tabelas voltaram ao conjunto de " + date + ".";
}

void recoverInterruptedUpdate(const std::string& dataFolder) {
    const std::string fresh = joinPath(dataFolder, kNewBackupFolder);
    if (folderExists(fresh)) {
        if (fileExists(joinPath(fresh, kInProgress))) {
            // Cut short while replacing: the set before it comes back.
            if (restoreFrom(dataFolder, fresh)) removeAll(fresh);
        } else {
            // Cut short after replacing: the replaced set is the one to go back to.
            const std::string previous = joinPath(dataFolder, kPreviousSetFolder);
            removeAll(previous);
            std::error_code ec;
            fs::rename(native(fresh), native(previous), ec);
        }
    }
    removeAll(joinPath(dataFolder, kStagingFolder));
}

}  // namespace ruvivavu::tools

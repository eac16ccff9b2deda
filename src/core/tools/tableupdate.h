// Updating the installed tables from a published, signed table set: check the manifest's
// signature, fetch each changed file to a temporary file, check its digest, then replace the
// tables together or not at all, keeping the replaced set for one step of "Desfazer atualização".
//
// The work lives in hidden folders of the data folder (same file system, so files move by rename):
//   .atualizacao/                  the files being fetched; removed when the update ends
//   .tabelas-anteriores.novo/      the set being replaced, while the replacement runs
//   .tabelas-anteriores/           the set before the last update, for "Desfazer atualização"
// A replacement cut short (power failure, a killed program) is put right by
// recoverInterruptedUpdate, which every operation here runs first.
#pragma once

#include "core/common/errors.h"
#include "core/tools/tablemanifest.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace ruvivavu::tools {

inline constexpr const char* kStagingFolder = ".atualizacao";
inline constexpr const char* kPreviousSetFolder = ".tabelas-anteriores";

// Ends every message of an update that changed nothing.
inline constexpr const char* kNothingChanged = "Nada foi alterado: as tabelas continuam as de antes.";

// An update that stopped before replacing anything: the message says why and that nothing changed.
class UpdateFailed : public UserMessage {
public:
    explicit UpdateFailed(const std::string& why) : UserMessage(why + "\n" + kNothingChanged) {}
};

// One update of the data folder's tables. Fetching is the caller's (a folder, an archive, the
// network): it writes each changed file to stagingPath() and has it checked; commit() replaces.
// Whatever was fetched and not committed is removed when the object goes.
class TableUpdate {
public:
    explicit TableUpdate(std::string dataFolder, PublicKey key = publishedTablesKey());
    ~TableUpdate();
    TableUpdate(const TableUpdate&) = delete;
    TableUpdate& operator=(const TableUpdate&) = delete;

    // Checks the signature of the manifest's bytes and reads it. UpdateFailed for a signature that
    // does not match, a damaged manifest, or a set older than the installed one.
    void acceptManifest(std::string_view manifestBytes, std::string_view signatureText);

    const Manifest& manifest() const { return manifest_; }
    // The files whose bytes in the data folder are not the manifest's (missing ones included).
    const std::vector<ManifestFile>& changedFiles() const { return changed_; }

    // Where a changed file is written while it is fetched (its folder exists).
    std::string stagingPath(const ManifestFile& file) const;
    // UpdateFailed naming the file when what was fetched is not the manifest's size and digest.
    void checkFetched(const ManifestFile& file) const;
    // Writes a fetched file's bytes where they belong and checks them.
    void storeFetched(const ManifestFile& file, std::string_view bytes) const;

    // Replaces the changed files, the manifest and lista.tab together, keeping the set they
    // replace for "Desfazer atualização", and answers the message for the user ("Tabelas
    // atualizadas até mm/aaaa", or that they already were). Every changed file must have been
    // fetched and checked. On a failure nothing is changed (UpdateFailed).
    std::string commit();

private:
    std::string dataFolder_;
    PublicKey key_;
    Manifest manifest_;
    std::string manifestBytes_;
    std::vector<ManifestFile> changed_;
    bool accepted_ = false;
};

// The largest manifest and signature a source may hand over.
inline constexpr std::uint64_t kManifestLimit = 1 << 20;
inline constexpr std::uint64_t kSignatureLimit = 1024;

// Why a source without manifesto.sig is refused.
std::string unsignedSetReason();

// A set on this machine or a shared drive: a folder holding manifesto.txt, manifesto.sig and the
// set's files, that folder's manifesto.txt itself, or a .zip archive of such a folder (the set
// may sit in a folder inside the archive).
class LocalSource {
public:
    // UpdateFailed when the path is none of those.
    explicit LocalSource(const std::string& path);
    ~LocalSource();
    LocalSource(const LocalSource&) = delete;
    LocalSource& operator=(const LocalSource&) = delete;

    bool has(const std::string& name) const;
    // A file of the set. UpdateFailed naming it when it cannot be read or is larger than `limit`.
    std::string read(const std::string& name, std::uint64_t limit) const;

private:
    class Zip;
    std::string folder_;
    std::unique_ptr<Zip> zip_;
    std::string inZip_;
};

// Called before each file is fetched (done of total so far, the file's name); answers false to
// cancel the update.
using UpdateProgress = std::function<bool(std::size_t done, std::size_t total, const std::string& name)>;

// A whole update from a local source: a folder holding manifesto.txt, manifesto.sig and the set's
// files, that folder's manifesto.txt itself, or a .zip archive of such a folder. Answers the
// message for the user; UpdateFailed when nothing was changed (a cancel included).
std::string updateFromLocalSource(const std::string& dataFolder, const std::string& source,
                                  const PublicKey& key = publishedTablesKey(), const UpdateProgress& progress = {});

// Whether the data folder keeps a set to go back to.
bool canUndoUpdate(const std::string& dataFolder);
// "Desfazer atualização": puts back the set the last update replaced, all files together, and
// answers the message for the user. One step only: afterwards there is nothing more to undo.
// UserMessage when there is nothing to undo; UpdateFailed when it could not be done.
std::string undoUpdate(const std::string& dataFolder);

// Finishes or reverses a replacement that was cut short, and removes fetched files left over.
void recoverInterruptedUpdate(const std::string& dataFolder);

}  // namespace ruvivavu::tools

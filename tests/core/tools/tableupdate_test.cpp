// Table updates from a folder or an archive: signed, checked file by file, all files or none, and
// one step back.
#include "core/tools/tableupdate.h"

#include "core/common/fileio.h"
#include "core/support/tableset.h"
#include "core/support/tempfolder.h"
#include "core/tools/tableinstall.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <filesystem>
#include <functional>

using namespace ruvivavu;
using namespace ruvivavu::tools;
using enginetest::Files;
using enginetest::TempFolder;
using enginetest::TestKey;

namespace {

const Files kInstalled = {
    {"zurivodo13.tab", "01/2026\t1,0\t\r\n02/2026\t1,1\t\r\n"},
    {"fgts.tab", "12/2025\t0,2\t\r\n"},
    {"images/index.htm", "<html>ajuda antiga</html>"},
};
const Files kPublished = {
    {"zurivodo13.tab", "01/2026\t1,0\t\r\n02/2026\t1,1\t\r\n03/2026\t1,2\t\r\n"},
    {"fgts.tab", "12/2025\t0,2\t\r\n"},
    {"mes.tab", "06/2026\t0,5\t\r\n"},
    {"images/index.htm", "<html>ajuda nova</html>"},
};

// A data folder with the shipped set installed (its manifest unsigned), a user's plan table and
// the lista.tab of the first run; and beside it a folder with the published update.
struct Fixture {
    TempFolder temp{"tableupdate"};
    std::string data = temp.path + "/dados";
    std::string source = temp.path + "/origem";
    TestKey key;

    Fixture() {
        enginetest::publishSet(data, "15/01/2026", kInstalled, nullptr);
        enginetest::writeFiles(data, {{"planos.ini", "Plano\tdo usuário\t\r\n"}});
        writeLista(joinPath(data, kListaFile),
                   {{"planos.ini", ""}, {"zurivodo13.tab", "02/2026"}, {"fgts.tab", "12/2025"}});
        enginetest::publishSet(source, "10/07/2026", kPublished, &key);
    }
    std::string update(const UpdateProgress& progress = {}) {
        return updateFromLocalSource(data, source, key.publicKey, progress);
    }
};

}  // namespace

TEST(TableUpdate, replacesTheChangedFilesAndKeepsTheUsersOwn) {
    Fixture f;
    const Files before = enginetest::snapshot(f.data);
    EXPECT_EQ(f.update(),
              "Tabelas atualizadas até 06/2026.\nConjunto de 10/07/2026; arquivos substituídos: "
              "images/index.htm, mes.tab (até 06/2026), zurivodo13.tab (até 03/2026).");
    const Files after = enginetest::snapshot(f.data);
    for (const auto& [name, bytes] : kPublished) EXPECT_EQ(after.at(name), bytes) << name;
    EXPECT_EQ(after.at("planos.ini"), before.at("planos.ini"));
    EXPECT_EQ(installedSetDate(f.data), "10/07/2026");
    const std::vector<ListedFile> lista = readLista(joinPath(f.data, kListaFile));
    ASSERT_EQ(lista.size(), 5u);
    EXPECT_EQ(lista[1].lastMonth, "03/2026");  // zurivodo13.tab, in its place
    EXPECT_EQ(lista[4].name, "mes.tab");
    EXPECT_FALSE(std::filesystem::exists(joinPath(f.data, kStagingFolder)));
    EXPECT_TRUE(canUndoUpdate(f.data));

    // The same set again changes nothing.
    const Files updated = enginetest::snapshot(f.data);
    EXPECT_EQ(f.update(),
              "As tabelas já estão atualizadas até 06/2026 (conjunto de 10/07/2026).\n" + std::string(kNothingChanged));
    EXPECT_EQ(enginetest::snapshot(f.data), updated);
}

TEST(TableUpdate, anyFailureLeavesEveryFileAsItWas) {
    struct Case {
        const char* what;
        std::function<void(Fixture&)> spoil;
        const char* message;  // the start of the message
        UpdateProgress progress = {};
    };
    const Case cases[] = {
        {"signature of another key",
         [](Fixture& f) {
             TestKey other;
             writeFileAtomic(joinPath(f.source, kSignatureFile),
                             other.sign(readFileBytes(joinPath(f.source, kManifestFile))));
         },
         "A assinatura do manifesto das tabelas não confere"},
        {"manifest changed after signing",
         [](Fixture& f) {
             std::string m = readFileBytes(joinPath(f.source, kManifestFile));
             m.replace(m.find("10/07/2026"), 10, "11/07/2026");
             writeFileAtomic(joinPath(f.source, kManifestFile), m);
         },
         "A assinatura do manifesto das tabelas não confere"},
        {"no signature", [](Fixture& f) { deleteFile(joinPath(f.source, kSignatureFile)); },
         "A atualização não está assinada"},
        {"wrong digest", [](Fixture& f) { writeFileAtomic(joinPath(f.source, "mes.tab"), "06/2026\t0,6\t\r\n"); },
         "O arquivo mes.tab recebido não confere com o manifesto"},
        {"truncated file",
         [](Fixture& f) { writeFileAtomic(joinPath(f.source, "zurivodo13.tab"), "01/2026\t1,0\t\r\n02/20"); },
         "O arquivo zurivodo13.tab recebido não confere com o manifesto"},
        {"file missing", [](Fixture& f) { deleteFile(joinPath(f.source, "mes.tab")); },
         "O arquivo mes.tab da atualização não pôde ser lido"},
        {"older set", [](Fixture& f) { enginetest::publishSet(f.source, "31/12/2025", kPublished, &f.key); },
         "As tabelas da atualização (conjunto de 31/12/2025) são mais antigas que as instaladas (conjunto de "
         "15/01/2026)"},
        {"name leaving the folder",
         [](Fixture& f) {
             enginetest::publishSet(f.source, "10/07/2026", {{"../fora.tab", "x"}}, &f.key);
         },
         "O manifesto das tabelas está danificado: linha 4, nome de arquivo \"../fora.tab\""},
        // A file cannot take the place of a folder: the files already moved go back.
        {"replacement fails midway",
         [](Fixture& f) { std::filesystem::create_directories(joinPath(f.data, "mes.tab")); },
         "As tabelas não puderam ser substituídas"},
        {"cancel in the middle", [](Fixture&) {}, "Atualização cancelada.",
         [](size_t done, size_t, const std::string&) { return done < 2; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Fixture f;
        c.spoil(f);
        const Files before = enginetest::snapshot(f.data);
        try {
            f.update(c.progress);
            ADD_FAILURE() << "no failure";
        } catch (const UpdateFailed& e) {
            const std::string message = e.what();
            EXPECT_EQ(message.rfind(c.message, 0), 0u) << message;
            EXPECT_NE(message.find(kNothingChanged), std::string::npos) << message;
        }
        EXPECT_EQ(enginetest::snapshot(f.data), before);
        EXPECT_FALSE(canUndoUpdate(f.data));
        EXPECT_EQ(std::filesystem::is_directory(joinPath(f.data, "mes.tab")),
                  std::string(c.what) == "replacement fails midway");
    }
}

TEST(TableUpdate, undoPutsBackThePreviousSetOnce) {
    Fixture f;
    const Files before = enginetest::snapshot(f.data);
    EXPECT_THROW(undoUpdate(f.data), UserMessage);
    f.update();
    EXPECT_EQ(undoUpdate(f.data), "Atualização desfeita: as tabelas voltaram ao conjunto de 15/01/2026.");
    EXPECT_EQ(enginetest::snapshot(f.data), before);  // mes.tab, which the update added, is gone
    EXPECT_FALSE(canUndoUpdate(f.data));
    try {
        undoUpdate(f.data);
        ADD_FAILURE() << "a second undo";
    } catch (const UserMessage& e) {
        EXPECT_STREQ(e.what(), "Não há atualização das tabelas para desfazer.");
    }
}

TEST(TableUpdate, aReplacementCutShortIsPutRight) {
    // Killed while replacing: the set before comes back. Killed after: the new set stays, and
    // the one before is what "Desfazer atualização" goes back to.
    for (const bool finished : {false, true}) {
        SCOPED_TRACE(finished ? "after" : "while");
        Fixture f;
        const Files before = enginetest::snapshot(f.data);
        f.update();
        const Files after = enginetest::snapshot(f.data);
        const std::string previous = joinPath(f.data, kPreviousSetFolder);
        const std::string fresh = previous + ".novo";
        std::filesystem::rename(previous, fresh);
        if (!finished) {
            writeFileAtomic(joinPath(fresh, "em-andamento"), "");
            writeFileAtomic(joinPath(f.data, "zurivodo13.tab"), "meio");
        }
        recoverInterruptedUpdate(f.data);
        if (finished) {
            EXPECT_EQ(enginetest::snapshot(f.data), after);
            undoUpdate(f.data);
        }
        EXPECT_EQ(enginetest::snapshot(f.data), before);
    }
}

namespace {

// A zip archive of the files under a folder: the tables stored, the other files deflated.
std::string zipOf(const Files& files, const std::string& folder) {
    std::string out, central;
    auto u16 = [](std::string& s, unsigned v) { s += char(v & 0xff), s += char(v >> 8 & 0xff); };
    auto u32 = [&](std::string& s, unsigned long v) { u16(s, v & 0xffff), u16(s, v >> 16); };
    for (const auto& [name, bytes] : files) {
        const bool stored = name.ends_with(".tab");
        const std::string path = folder + name;
        std::string packed = bytes;
        if (!stored) {
            packed.resize(compressBound(bytes.size()) + 64);
            z_stream z{};
            deflateInit2(&z, 9, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
            z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data()));
            z.avail_in = bytes.size();
            z.next_out = reinterpret_cast<Bytef*>(packed.data());
            z.avail_out = packed.size();
            deflate(&z, Z_FINISH);
            packed.resize(z.total_out);
            deflateEnd(&z);
        }
        const unsigned long crc = crc32(0, reinterpret_cast<const Bytef*>(bytes.data()), bytes.size());
        const unsigned method = stored ? 0 : 8;
        // Shared by both headers: version needed, flags, method, time and date, CRC, sizes, name length.
        std::string head;
        u16(head, 20), u16(head, 0), u16(head, method), u32(head, 0), u32(head, crc);
        u32(head, packed.size()), u32(head, bytes.size()), u16(head, path.size());
        std::string entry;
        u32(entry, 0x02014b50), u16(entry, 20);
        entry += head;
        u16(entry, 0), u16(entry, 0), u16(entry, 0), u16(entry, 0), u32(entry, 0), u32(entry, out.size());
        central += entry + path;
        std::string local;
        u32(local, 0x04034b50);
        local += head;
        u16(local, 0);
        out += local + path + packed;
    }
    const size_t at = out.size();
    out += central;
    u32(out, 0x06054b50), u32(out, 0), u16(out, files.size()), u16(out, files.size());
    u32(out, central.size()), u32(out, at), u16(out, 0);
    return out;
}

}  // namespace

TEST(TableUpdate, anArchiveOfTheSetWorksAsTheFolder) {
    Fixture f;
    const std::string archive = f.temp.path + "/tabelas.zip";
    writeFileAtomic(archive, zipOf(enginetest::snapshot(f.source), "tabelas-2026-07/"));
    EXPECT_EQ(updateFromLocalSource(f.data, archive, f.key.publicKey).rfind("Tabelas atualizadas até 06/2026.", 0), 0u);
    for (const auto& [name, bytes] : kPublished) EXPECT_EQ(readFileBytes(listedPath(f.data, name)), bytes) << name;

    // A damaged archive changes nothing.
    Fixture g;
    std::string damaged = zipOf(enginetest::snapshot(g.source), "");
    damaged[damaged.find("06/2026\t0,5")] = '7';
    writeFileAtomic(archive, damaged);
    const Files before = enginetest::snapshot(g.data);
    try {
        updateFromLocalSource(g.data, archive, g.key.publicKey);
        ADD_FAILURE() << "a damaged archive";
    } catch (const UpdateFailed& e) {
        EXPECT_EQ(std::string(e.what()), "O arquivo mes.tab da atualização não pôde ser lido: O arquivo " + archive +
                                             " não pôde ser lido: mes.tab danificado.\n" + kNothingChanged);
    }
    EXPECT_EQ(enginetest::snapshot(g.data), before);
}

TEST(TableManifest, readsWhatItWritesAndRejectsWhatItMustNot) {
    const Manifest m = enginetest::manifestOf("10/07/2026", kPublished);
    const Manifest back = parseManifest(renderManifest(m));
    ASSERT_EQ(back.files.size(), 4u);
    EXPECT_EQ(back.date, "10/07/2026");
    EXPECT_EQ(back.files[2].name, "mes.tab");
    EXPECT_EQ(back.files[2].lastMonth, "06/2026");
    EXPECT_EQ(back.files[2].size, 14u);
    EXPECT_EQ(back.files[2].sha256, sha256Hex("06/2026\t0,5\t\r\n"));
    EXPECT_EQ(latestMonth(back), "06/2026");
    EXPECT_EQ(sha256Hex("abc"), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");

    const std::string head = "Formato\t1\t\r\nData\t10/07/2026\t\r\nArquivo\t\r\n";
    const std::string digest = std::string(64, 'a');
    const struct {
        std::string bytes;
        const char* message;
    } bad[] = {
        {"Formato\t2\t\r\nData\t10/07/2026\t\r\nArquivo\t\r\nx\t\t1\t" + digest + "\t\r\n",
         "O manifesto das tabelas está no formato 2, que esta versão do programa não conhece. Atualize o programa."},
        {"Formato\t1\t\r\nData\t31/13/2026\t\r\nArquivo\t\r\nx\t\t1\t" + digest + "\t\r\n",
         "O manifesto das tabelas está danificado: data."},
        {head, "O manifesto das tabelas está danificado: nenhum arquivo."},
        {head + "/etc/passwd\t\t1\t" + digest + "\t\r\n",
         "O manifesto das tabelas está danificado: linha 4, nome de arquivo \"/etc/passwd\"."},
        {head + "a\\..\\x\t\t1\t" + digest + "\t\r\n",
         "O manifesto das tabelas está danificado: linha 4, nome de arquivo \"a\\..\\x\"."},
        {head + ".tabelas-anteriores/x\t\t1\t" + digest + "\t\r\n",
         "O manifesto das tabelas está danificado: linha 4, nome de arquivo \".tabelas-anteriores/x\"."},
        {head + "Lista.tab\t\t1\t" + digest + "\t\r\n",
         "O manifesto das tabelas está danificado: linha 4, nome de arquivo \"Lista.tab\"."},
        {head + "x\t13/2026\t1\t" + digest + "\t\r\n", "O manifesto das tabelas está danificado: linha 4, último mês."},
        {head + "x\t\t-1\t" + digest + "\t\r\n", "O manifesto das tabelas está danificado: linha 4, tamanho."},
        {head + "x\t\t1\t" + std::string(64, 'A') + "\t\r\n",
         "O manifesto das tabelas está danificado: linha 4, SHA-256."},
        {head + "x\t\t1\t" + digest + "\t\r\nx\t\t1\t" + digest + "\t\r\n",
         "O manifesto das tabelas está danificado: linha 5, \"x\" repetido."},
    };
    for (const auto& c : bad) {
        try {
            parseManifest(c.bytes);
            ADD_FAILURE() << c.message;
        } catch (const UserMessage& e) {
            EXPECT_STREQ(e.what(), c.message);
        }
    }
}

TEST(TableManifest, theShippedManifestDescribesTheShippedFilesAndIsInstalledWithThem) {
    const std::string shipped = std::string(RUVIVAVU_SOURCE_DIR) + "/data";
    const std::string bytes = readFileBytes(joinPath(shipped, kManifestFile));
    const Manifest m = parseManifest(bytes);
    EXPECT_EQ(renderManifest(m), bytes);  // the table builder writes what the program writes
    const std::vector<ListedFile> lista = readLista(joinPath(shipped, kListaFile));
    for (const ManifestFile& f : m.files) {
        SCOPED_TRACE(f.name);
        EXPECT_EQ(sha256OfFile(listedPath(shipped, f.name)), f.sha256);
        auto listed = std::find_if(lista.begin(), lista.end(), [&](const ListedFile& l) { return l.name == f.name; });
        ASSERT_NE(listed, lista.end());
        EXPECT_EQ(f.lastMonth, listed->lastMonth);
    }
    EXPECT_EQ(m.files.size() + 2, lista.size());  // all but the user's planos.ini and indice.ini

    // A first run installs it; a folder already updated to a newer set keeps its own.
    TempFolder temp("tableupdate");
    const std::string data = temp.path + "/dados";
    installTables(shipped, data, nullptr);
    EXPECT_EQ(installedSetDate(data), m.date);
    const std::string newer =
        "Formato\t1\t\t\t\r\nData\t01/01/2999\t\t\t\r\nArquivo\t\t\t\t\r\nx\t\t1\t" + sha256Hex("x") + "\t\r\n";
    writeFileAtomic(joinPath(data, kManifestFile), newer);
    installTables(shipped, data, nullptr);
    EXPECT_EQ(installedSetDate(data), "01/01/2999");
}

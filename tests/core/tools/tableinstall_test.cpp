// Installing the shipped tables and the first-run check.
#include "core/tools/tableinstall.h"
#include "core/common/errors.h"
#include "core/common/fileio.h"
#include "core/tools/firstrun.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

namespace fs = std::filesystem;
using namespace ruvivavu;
using namespace ruvivavu::tools;

namespace {

class TempFolder {
public:
    TempFolder() {
        static int counter = 0;
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        path_ = (fs::temp_directory_path() /
                 ("ruvivavu-install-" + std::to_string(stamp) + "-" + std::to_string(counter++)))
                    .string();
        fs::remove_all(path_);
        fs::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    std::string file(const std::string& name) const { return path_ + "/" + name; }
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

void write(const std::string& path, const std::string& bytes) {
    fs::create_directories(fs::path(path).parent_path());
    writeFileAtomic(path, bytes);
}

void age(const std::string& path, int hours) {
    fs::last_write_time(path, fs::last_write_time(path) - std::chrono::hours(hours));
}

// A shipped folder with two tables, a configuration file and the help page.
void makeShipped(const TempFolder& shipped) {
    write(shipped.file("lista.tab"),
          "Arquivo\t\xDAltimo m\xEAs\t\r\nzurivodo13.tab\t07/2026\t\r\nplanos.ini\t\t\r\n"
          "images/index.htm\t\t\r\nfgts.tab\t09/2026\t\r\n");
    write(shipped.file("zurivodo13.tab"), "M\xEAs\t\r\n06/2026\t0,6718\t\r\n07/2026\t0,6738\t\r\n");
    write(shipped.file("planos.ini"), "Expurgo\tData\t\r\nPlano Ver\xE3o\t01/1989\t\r\n");
    write(shipped.file("images/index.htm"), "<html></html>\r\n");
    write(shipped.file("fgts.tab"), "M\xEAs\t\r\n09/2026\t0,004163\t\r\n");
    for (const char* name : {"lista.tab", "zurivodo13.tab", "planos.ini", "images/index.htm", "fgts.tab"})
        age(shipped.file(name), 48);
}

}  // namespace

TEST(TableInstall, FreshFolderGetsEveryFileAndListaLast) {
    TempFolder shipped, home;
    makeShipped(shipped);
    const std::string data = home.file("Quorvel/zurivodo");
    int asked = 0;
    const InstallResult r = installTables(shipped.path(), data, [&](const std::string&) { return ++asked, true; });

    EXPECT_EQ(asked, 0);
    EXPECT_EQ(r.installed.size(), 4u);
    for (const char* name : {"zurivodo13.tab", "planos.ini", "images/index.htm", "fgts.tab"})
        EXPECT_EQ(readFileBytes(data + "/" + name), readFileBytes(shipped.file(name))) << name;
    // The copies keep the shipped time, so they do not count as the user's newer files later.
    EXPECT_EQ(fs::last_write_time(data + "/fgts.tab"), fs::last_write_time(shipped.file("fgts.tab")));

    const std::vector<ListedFile> lista = readLista(data + "/lista.tab");
    ASSERT_EQ(lista.size(), 4u);
    EXPECT_EQ(lista[0].name, "zurivodo13.tab");
    EXPECT_EQ(lista[0].lastMonth, "07/2026");
    EXPECT_EQ(lista[1].lastMonth, "");
    EXPECT_EQ(lista[2].name, "images/index.htm");
    EXPECT_EQ(readFileBytes(data + "/lista.tab").substr(0, 21), "Arquivo\t\xDAltimo m\xEAs\t\r\n");

    EXPECT_TRUE(fs::is_directory(data + "/images"));
}

TEST(TableInstall, NewerUserFileIsKeptUnlessTheAnswerIsYes) {
    TempFolder shipped, data;
    makeShipped(shipped);
    installTables(shipped.path(), data.path(), nullptr);

    // The user edits the plan table (now newer than the shipped one); an older, changed
    // table is replaced without a question.
    write(data.file("planos.ini"), "Expurgo\tData\t\r\nMeu plano\t06/1987\t\r\n");
    write(data.file("fgts.tab"), "old\t\r\n");
    age(data.file("fgts.tab"), 100);

    std::vector<std::string> asked;
    InstallResult r = installTables(shipped.path(), data.path(), [&](const std::string& name) {
        asked.push_back(name);
        return false;
    });
    EXPECT_EQ(asked, std::vector<std::string>{"planos.ini"});
    EXPECT_EQ(r.kept, std::vector<std::string>{"planos.ini"});
    EXPECT_EQ(r.installed, std::vector<std::string>{"fgts.tab"});
    EXPECT_EQ(r.unchanged.size(), 2u);
    EXPECT_NE(readFileBytes(data.file("planos.ini")).find("Meu plano"), std::string::npos);
    EXPECT_EQ(readFileBytes(data.file("fgts.tab")), readFileBytes(shipped.file("fgts.tab")));

    // Without anyone to ask (no terminal) the newer file stays too.
    r = installTables(shipped.path(), data.path(), nullptr);
    EXPECT_EQ(r.kept, std::vector<std::string>{"planos.ini"});

    r = installTables(shipped.path(), data.path(), [](const std::string&) { return true; });
    EXPECT_EQ(r.installed, std::vector<std::string>{"planos.ini"});
    EXPECT_EQ(readFileBytes(data.file("planos.ini")), readFileBytes(shipped.file("planos.ini")));
}

TEST(TableInstall, ListaRecordsTheMonthOfTheTableActuallyInstalled) {
    TempFolder shipped, data;
    makeShipped(shipped);
    write(data.file("zurivodo13.tab"), "M\xEAs\t\r\n08/2026\t0,6701\t\r\n\r\n");  // a newer table of the user's
    installTables(shipped.path(), data.path(), nullptr);
    EXPECT_EQ(readLista(data.file("lista.tab"))[0].lastMonth, "08/2026");
    EXPECT_EQ(lastMonthOfTable(data.file("planos.ini")), "");
    EXPECT_EQ(lastMonthOfTable(data.file("missing.tab")), "");
}

TEST(TableInstall, BadOrMissingListFails) {
    TempFolder shipped, data;
    EXPECT_THROW(installTables(shipped.path(), data.path(), nullptr), FileError);
    write(shipped.file("lista.tab"), "Arquivo\t\r\n../fora.tab\t\r\n");
    EXPECT_THROW(installTables(shipped.path(), data.path(), nullptr), FileError);
    EXPECT_FALSE(fileExists(data.file("lista.tab")));
}

TEST(TableInstall, ShippedFolderIsFoundBesideOrInTheInstalledLayout) {
    TempFolder root;
    const std::string bin = root.file("bin/");
    fs::create_directories(bin);
    EXPECT_EQ(shippedDataFolder(bin), "");
    write(root.file("share/ruvivavu/data/lista.tab"), "Arquivo\t\r\n");
    EXPECT_EQ(fs::canonical(shippedDataFolder(bin)), fs::canonical(root.file("share/ruvivavu/data")));
    write(root.file("bin/data/lista.tab"), "Arquivo\t\r\n");
    EXPECT_EQ(fs::canonical(shippedDataFolder(bin)), fs::canonical(root.file("bin/data")));
    EXPECT_EQ(shippedDataFolder(root.file("nowhere/"), root.file("share/ruvivavu/data")),
              root.file("share/ruvivavu/data"));
    // The repository's own data folder is a complete shipped folder.
    const std::string repo = std::string(RUVIVAVU_SOURCE_DIR) + "/data";
    EXPECT_EQ(shippedDataFolder(root.file("nowhere/"), repo), repo);
    EXPECT_GE(readLista(repo + "/lista.tab").size(), 10u);
}

// A build tree has no installed layout: the marker beside the program names the shipped folder.
TEST(TableInstall, BuildTreeMarkerNamesTheShippedFolder) {
    TempFolder root;
    const std::string bin = root.file("build/");
    write(root.file("source/data/lista.tab"), "Arquivo\t\r\n");
    write(root.file("build/shipped-data.path"), root.file("source/data") + "\n");
    EXPECT_EQ(shippedDataFolder(bin), root.file("source/data"));
    // A relative path counts from the program's folder; a CR LF line end is not part of it.
    write(root.file("build/shipped-data.path"), "../source/data\r\n");
    EXPECT_EQ(fs::canonical(shippedDataFolder(bin)), fs::canonical(root.file("source/data")));
    // The installed layout comes first.
    write(root.file("share/ruvivavu/data/lista.tab"), "Arquivo\t\r\n");
    EXPECT_EQ(fs::canonical(shippedDataFolder(bin)), fs::canonical(root.file("share/ruvivavu/data")));
    // A marker naming a folder without lista.tab finds nothing, and an empty marker is ignored.
    TempFolder elsewhere;
    const std::string other = elsewhere.file("bin/");
    write(elsewhere.file("bin/shipped-data.path"), elsewhere.file("nowhere") + "\n");
    EXPECT_EQ(shippedDataFolder(other), "");
    write(elsewhere.file("bin/shipped-data.path"), "");
    EXPECT_EQ(shippedDataCandidates(other).size(), 3u);
}

TEST(FirstRun, AsksOnlyWithoutListaAndWithTheDownloadProgram) {
    TempFolder program, data;
    EXPECT_FALSE(shouldOfferDownload(data.path(), program.path()));
    write(downloadProgramPath(program.path()), "#!/bin/sh\n");
    EXPECT_TRUE(shouldOfferDownload(data.path(), program.path()));
    write(data.file("lista.tab"), "Arquivo\t\r\n");
    EXPECT_FALSE(shouldOfferDownload(data.path(), program.path()));
    EXPECT_STREQ(kFirstRunQuestion,
                 "O programa está ainda sem tabelas, é necessário baixá-las da Internet, continuar?");
}

TEST(FirstRun, FindsTheInstalledDownloadProgramInItsPrivateFolder) {
    TempFolder root, data;
    const std::string bin = root.file("bin/");
    fs::create_directories(bin);
    EXPECT_FALSE(shouldOfferDownload(data.path(), bin));
    const std::string installed = root.file("libexec/ruvivavu/") + downloadProgramName();
    write(installed, "#!/bin/sh\n");
    EXPECT_EQ(fs::canonical(downloadProgramPath(bin)), fs::canonical(installed));
    EXPECT_TRUE(shouldOfferDownload(data.path(), bin));
    // The one beside the program (the build tree) wins.
    write(bin + downloadProgramName(), "#!/bin/sh\n");
    EXPECT_EQ(downloadProgramPath(bin), bin + downloadProgramName());
}

TEST(FirstRun, TheInstalledDownloadProgramFindsTheTablesAndTheProgram) {
    // The installed layout: bin/ruvivavu, libexec/ruvivavu/download, share/ruvivavu/data.
    TempFolder root;
    const std::string privateFolder = root.file("libexec/ruvivavu/");
    fs::create_directories(privateFolder);
    write(root.file("share/ruvivavu/data/lista.tab"), "Arquivo\t\r\n");
    EXPECT_EQ(fs::canonical(shippedDataFolder(privateFolder)), fs::canonical(root.file("share/ruvivavu/data")));
#ifdef _WIN32
    write(root.file("bin/ruvivavu.exe"), "");
#else
    write(root.file("bin/ruvivavu"), "");
#endif
    EXPECT_FALSE(programToRestart(privateFolder).empty());
}

#ifndef _WIN32
TEST(FirstRun, StartsAProgramDetached) {
    TempFolder dir;
    const std::string script = dir.file("prog");
    const std::string marker = dir.file("ran");
    write(script, "#!/bin/sh\necho \"$1\" > '" + marker + "'\n");
    fs::permissions(script, fs::perms::owner_all);
    EXPECT_TRUE(executePrograma(script, "ola"));
    for (int i = 0; i < 200 && !fileExists(marker); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_TRUE(fileExists(marker));
    std::string error;
    EXPECT_FALSE(startDetached(dir.file("missing"), {}, error));
    EXPECT_FALSE(error.empty());
}
#endif

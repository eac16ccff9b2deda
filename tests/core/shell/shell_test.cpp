// The shell's folders, font settings and index grid.
#include "core/shell/shell.h"
#include "core/common/fileio.h"
#include "core/common/tablefile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

using namespace ruvivavu;
namespace fs = std::filesystem;

namespace {
struct TempDir {
    fs::path path;
    TempDir() {
        path = fs::temp_directory_path() /
               ("ruvivavu_shell_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(path);
        fs::create_directories(path);
    }
    ~TempDir() { fs::remove_all(path); }
    std::string str() const { return path.string(); }
};

// Sets or removes an environment variable for one test and puts back what was there before, so
// later tests (and the tests of the same program run after them) see the real environment.
class ScopedEnv {
public:
    explicit ScopedEnv(const char* name) : name_(name) {
        if (const char* v = std::getenv(name)) {
            saved_ = v;
            had_ = true;
        }
    }
    ~ScopedEnv() {
        if (had_)
            setenv(name_, saved_.c_str(), 1);
        else
            unsetenv(name_);
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;
    void set(const char* value) { setenv(name_, value, 1); }
    void unset() { unsetenv(name_); }

private:
    const char* name_;
    std::string saved_;
    bool had_ = false;
};
}  // namespace

TEST(DataFolder, MarkerMakesTheCurrentDirectoryTheDataFolder) {
    TempDir program;
    writeFileAtomic(joinPath(program.str(), "win98.ini"), "");
    EXPECT_EQ(shell::resolveDataFolder(program.str() + "/", "/some/cwd"), "/some/cwd");
}

TEST(DataFolder, OtherwiseTheUsersDataHome) {
    TempDir program;
    ScopedEnv xdg("XDG_DATA_HOME");
    ScopedEnv home("HOME");
    home.set("/home/u");
    xdg.set("/home/u/.dados");
    EXPECT_EQ(shell::resolveDataFolder(program.str() + "/", "/some/cwd"), "/home/u/.dados/Quorvel/zurivodo");
    xdg.unset();
    EXPECT_EQ(shell::resolveDataFolder(program.str() + "/", "/x"), "/home/u/.local/share/Quorvel/zurivodo");
    // An empty XDG_DATA_HOME counts as unset.
    xdg.set("");
    EXPECT_EQ(shell::resolveDataFolder(program.str() + "/", "/x"), "/home/u/.local/share/Quorvel/zurivodo");
}

TEST(FontIni, WritesEightForASizeWithoutDigitsAndReadsBack) {
    TempDir data;
    shell::Shell s;
    s.dataFolder = data.str();
    s.fontName = "Times New Roman";
    s.fontSize = "grande";
    s.saveFontIni();
    EXPECT_EQ(readFileBytes(s.dataFile("font.ini")), "Times New Roman\r\n8\r\n");
    EXPECT_EQ(s.fontStyle(), "font-size:grande.0pt;font-family:Times New Roman");
    shell::Shell t;
    t.dataFolder = data.str();
    t.loadFontIni();
    EXPECT_EQ(t.fontName, "Times New Roman");
    EXPECT_EQ(t.fontSize, "8");
    writeFileAtomic(t.dataFile("font.ini"), "Arial\r\nabc\r\n");
    t.fontSize = "10";
    t.loadFontIni();
    EXPECT_EQ(t.fontSize, "8");
}

TEST(Indice, EmptiedBeforeEveryLoad) {
    TempDir data;
    shell::Shell s;
    s.dataFolder = data.str();
    writeFileAtomic(s.dataFile("long.tab"), "h\r\n01/2000\t1\r\n02/2000\t2\r\n03/2000\t3\r\n");
    writeFileAtomic(s.dataFile("short.tab"), "h\r\n01/2000\t9\r\n");
    ASSERT_TRUE(s.loadIndice("long.tab"));
    EXPECT_EQ(s.indice.rowCount(), 4);
    ASSERT_TRUE(s.loadIndice("short.tab"));
    EXPECT_EQ(s.indice.rowCount(), 2);
    EXPECT_EQ(s.indice.cell(1, 1), "9");
    EXPECT_EQ(s.indice.cell(0, 3), "");  // rows of the longer table are gone
    EXPECT_FALSE(s.loadIndice("missing.tab"));
    EXPECT_EQ(s.indice.rowCount(), 2);
    EXPECT_EQ(s.indice.colCount(), 1);
}

TEST(Statement, ShownOnlyWhenTheFileExists) {
    TempDir data;
    shell::Shell s;
    s.dataFolder = data.str();
    std::string loaded;
    s.viewerLoad = [&loaded](const std::string& p) { loaded = p; };
    s.showStatement("teste.html");
    EXPECT_EQ(loaded, "");
    writeFileAtomic(s.dataFile("teste.html"), "<html></html>");
    s.showStatement("teste.html");
    EXPECT_EQ(loaded, s.dataFile("teste.html"));
}

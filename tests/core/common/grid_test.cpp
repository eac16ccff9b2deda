// String grid, table text reading and writing, comma text and the row utilities.
#include "core/common/grid.h"
#include "core/common/encoding.h"
#include "core/common/errors.h"
#include "core/common/fileio.h"
#include "core/common/tablefile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <thread>

#ifndef _WIN32
#include <sys/stat.h>
#endif

using namespace ruvivavu;

TEST(StringGrid, CellsSurviveLoweredCounts) {
    StringGrid g(3, 3);
    g.setCell(2, 2, "x");
    g.setRowCount(2);
    g.setColCount(1);
    EXPECT_EQ(g.rowCount(), 2);
    g.setRowCount(3);
    g.setColCount(3);
    EXPECT_EQ(g.cell(2, 2), "x");
    g.clearRow(2);
    EXPECT_EQ(g.cell(2, 2), "");
    g.setRowCount(0);
    EXPECT_EQ(g.rowCount(), 1);
    EXPECT_EQ(g.cell(-1, 5), "");
}

TEST(TableText, EveryLineEndVariantAndTheLastLineWithoutOne) {
    for (const char* text : {"a\tb\r\nc\td\r\n", "a\tb\nc\td\n", "a\tb\rc\td\r", "a\tb\r\nc\td"}) {
        StringGrid g(1, 1, 0, 0);
        CSV2Contents(text, '\t', g);
        EXPECT_EQ(g.rowCount(), 2) << text;
        EXPECT_EQ(g.colCount(), 2) << text;
        EXPECT_EQ(g.cell(1, 1), "d") << text;
    }
    StringGrid one(1, 1, 0, 0);
    CSV2Contents("só\tuma", '\t', one);
    EXPECT_EQ(one.rowCount(), 1);
    EXPECT_EQ(one.cell(1, 0), "uma");
}

TEST(TableText, FieldRules) {
    StringGrid g(4, 4, 0, 0);
    g.setCell(2, 0, "keep");
    g.setCell(0, 3, "surplus");
    CSV2Contents("a\t\t\r\n\t\r\n\r\n", '\t', g);
    EXPECT_EQ(g.cell(0, 0), "a");
    EXPECT_EQ(g.cell(1, 0), "");
    EXPECT_EQ(g.cell(2, 0), "keep");  // a final empty field is not stored
    EXPECT_EQ(g.cell(0, 1), "");
    EXPECT_EQ(g.cell(0, 3), "surplus");  // rows past the text keep their cells
    EXPECT_EQ(g.rowCount(), 4);
    EXPECT_EQ(g.colCount(), 4);
    StringGrid nul(1, 1, 0, 0);
    CSV2Contents(std::string_view("x\0y\r\nz", 6), '\t', nul);
    EXPECT_EQ(nul.cell(0, 0), "x");
    EXPECT_EQ(nul.rowCount(), 1);
}

TEST(TableText, FilesRoundTripInWindows1252WithCrLf) {
    const std::string dir = (std::filesystem::temp_directory_path() / "ruvivavu_grid_test").string();
    std::filesystem::create_directories(dir);
    const std::string path = joinPath(dir, "t.tab");
    StringGrid g(3, 2, 0, 1);
    g.setRow(0, {"Mês", "Taxa", ""});
    g.setRow(1, {"06/1987", "18,0200", "Cz$"});
    SaveToFile(path, g);
    EXPECT_EQ(readFileBytes(path), "M\xEAs\tTaxa\t\t\r\n06/1987\t18,0200\tCz$\t\r\n");
    StringGrid back(1, 1, 0, 0);
    LoadFromFile(path, back);
    EXPECT_EQ(back.rowCount(), 2);
    EXPECT_EQ(back.colCount(), 3);
    EXPECT_EQ(back.row(0), g.row(0));
    EXPECT_EQ(back.row(1), g.row(1));
    // An empty file leaves the grid as it was.
    writeFileAtomic(path, "");
    LoadFromFile(path, back);
    EXPECT_EQ(back.cell(0, 1), "06/1987");
    std::filesystem::remove_all(dir);
}

TEST(TableText, FileErrorsCarryTheUsersMessage) {
    StringGrid g;
    try {
        LoadFromFile("/nonexistent/x.tab", g);
        FAIL();
    } catch (const FileError& e) {
        EXPECT_EQ(std::string(e.what()).rfind("Cannot open file \"/nonexistent/x.tab\". ", 0), 0u);
    }
    try {
        SaveToFile("/nonexistent/x.tab", g);
        FAIL();
    } catch (const FileError& e) {
        EXPECT_EQ(std::string(e.what()).rfind("Cannot create file \"/nonexistent/x.tab\". ", 0), 0u);
    }
}

TEST(CommaText, WritesQuotesWhereNeeded) {
    EXPECT_EQ(GetCommaText(std::vector<std::string>{""}), "\"\"");
    EXPECT_EQ(GetCommaText(std::vector<std::string>{"06/1987", "1.234,56", ""}), "06/1987,\"1.234,56\",");
    EXPECT_EQ(GetCommaText(std::vector<std::string>{"a b", "say \"hi\"", "x"}), "\"a b\",\"say \"\"hi\"\"\",x");
    EXPECT_EQ(GetCommaText(std::vector<std::string>{"", ""}), ",");
}

TEST(CommaText, ReadsItemsIntoTheFirstEmptyCells) {
    auto split = [](std::string_view text, int n) { return SplitCommaText(text, n); };
    using V = std::vector<std::string>;
    EXPECT_EQ(split("\"\"", 1), V{" "});
    EXPECT_EQ(split("a,,b", 3), (V{"a", " ", "b"}));
    EXPECT_EQ(split("a,,", 3), (V{"a", " ", " "}));
    EXPECT_EQ(split("a b", 3), (V{"a", "b", ""}));
    EXPECT_EQ(split("", 2), (V{"", ""}));
    EXPECT_EQ(split("a,b,c,d", 2), (V{"a", "b"}));
    EXPECT_EQ(split("\"x\"y,z", 3), (V{"x", "y", "z"}));
    // A quoted item whose closing quote is missing takes the rest of the line.
    EXPECT_EQ(split("a,\"b, c", 3), (V{"a", "b, c", ""}));
}

TEST(CommaText, RoundTripsRowsThroughTheGrid) {
    StringGrid g(4, 2);
    const std::vector<std::string> row{"06/1987", "1.234,56", "say \"hi\", ok", ""};
    g.setRow(1, row);
    const std::string line = GetCommaText(g, 1);
    StringGrid back(4, 2);
    back.setCell(3, 1, "old");
    SetCommaText(back, 1, line);
    EXPECT_EQ(back.cell(0, 1), row[0]);
    EXPECT_EQ(back.cell(1, 1), row[1]);
    EXPECT_EQ(back.cell(2, 1), row[2]);
    EXPECT_EQ(back.cell(3, 1), " ");  // an empty cell comes back as one space
    StringGrid single(1, 1, 0, 0);
    SetCommaText(single, 0, GetCommaText(single, 0));
    EXPECT_EQ(single.cell(0, 0), " ");
}

TEST(GridUtilities, SortgridAndRemoveLinha) {
    StringGrid g(2, 5);
    g.setRow(0, {"Nome", "k"});
    g.setRow(1, {"Verão", "3"});
    g.setRow(2, {"bresser", "1"});
    g.setRow(3, {"Collor", "2"});
    g.setRow(4, {"ágata", "0"});
    Sortgrid(g, 0);
    EXPECT_EQ(g.cell(0, 0), "Nome");
    EXPECT_EQ(g.cell(0, 1), "ágata");
    EXPECT_EQ(g.cell(0, 2), "bresser");
    EXPECT_EQ(g.cell(0, 3), "Collor");
    EXPECT_EQ(g.cell(1, 4), "3");

    StringGrid only(2, 1);
    only.setRow(0, {"b", "a"});
    Sortgrid(only, 0);
    EXPECT_EQ(only.cell(0, 0), "b");

    RemoveLinha(g, 4);
    EXPECT_EQ(g.rowCount(), 4);
    EXPECT_EQ(g.cell(0, 3), "Collor");
    RemoveLinha(g, 1);
    EXPECT_EQ(g.rowCount(), 3);
    EXPECT_EQ(g.cell(0, 1), "bresser");
    RemoveLinha(g, 10);
    EXPECT_EQ(g.rowCount(), 3);
}

TEST(Encoding, Windows1252RoundTrip) {
    const std::string text = "Poupança – São Paulo € çãõéíú";
    const std::string bytes = utf8ToCp1252(text);
    EXPECT_EQ(bytes.size(), 29u);
    EXPECT_EQ(cp1252ToUtf8(bytes), text);
    EXPECT_EQ(utf8ToCp1252("日"), "?");
    EXPECT_EQ(splitLines("a\r\nb\rc\nd"), (std::vector<std::string>{"a", "b", "c", "d"}));
}

#ifndef _WIN32
// Saving through a link replaces the file it names and keeps the link; a pipe is written in place.
TEST(Files, AtomicWritesFollowLinksAndWritePipesInPlace) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / "ruvivavu_atomic_test";
    fs::remove_all(dir);
    fs::create_directories(dir);
    const std::string real = (dir / "real.tab").string();
    const std::string link = (dir / "link.tab").string();
    writeFileAtomic(real, "old");
    fs::create_symlink(real, link);
    writeFileAtomic(link, "new");
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(readFileBytes(real), "new");

    const std::string pipe = (dir / "pipe").string();
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    std::string received;
    std::thread reader([&] { received = readFileBytes(pipe); });
    writeFileAtomic(pipe, "through the pipe");
    reader.join();
    EXPECT_EQ(received, "through the pipe");
    EXPECT_FALSE(fs::is_regular_file(pipe));
    fs::remove_all(dir);
}
#endif

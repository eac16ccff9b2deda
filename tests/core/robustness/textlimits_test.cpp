// Every reader of text files ends a file past the bounds with the program's message naming the
// file, never with a crash, a hang or memory without bound.
#include "core/common/errors.h"
#include "core/common/fileio.h"
#include "core/common/tablefile.h"
#include "core/dailysavings/model.h"
#include "core/fgts/calculationfile.h"
#include "core/saopaulo/model.h"
#include "core/shell/plantables.h"
#include "core/shell/shell.h"
#include "core/support/tempfolder.h"
#include "core/tools/accountimport.h"
#include "core/tools/tableupdate.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

using namespace ruvivavu;

namespace {

const std::string kDamaged = ": está danificado ou não é um arquivo deste programa.";

// The message of the error the action raises; empty when it raises none.
std::string messageOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const UserMessage& e) {
        return e.what();
    }
    return {};
}

std::string lines(size_t count, const std::string& line = "x") {
    std::string text;
    for (size_t i = 0; i < count; ++i) text += line + "\r\n";
    return text;
}

TEST(TextLimits, BoundsOfLinesAndLineLengths) {
    const std::string longest(kMaxTextLineLength, 'a');
    struct Case {
        const char* what;
        std::string bytes;
        std::string message;  // empty: accepted
    };
    const Case cases[] = {
        {"the most lines", lines(kMaxTextLines), ""},
        {"one line more", lines(kMaxTextLines + 1), "tem linhas demais (mais de 100.000)"},
        {"a last line without its end", lines(kMaxTextLines - 1) + "fim", ""},
        {"lone CR and lone LF end lines too", lines(kMaxTextLines / 2, "a\rb") + "\n",
         "tem linhas demais (mais de 100.000)"},
        {"the longest line", "Vers 1.2\r\n" + longest + "\r\n", ""},
        {"a line one longer", "Vers 1.2\r\n" + longest + "b\r\n3\r\n",
         "tem uma linha longa demais (linha 2, mais de 32.768 caracteres)"},
        {"a long last line without its end", longest + "b",
         "tem uma linha longa demais (linha 1, mais de 32.768 caracteres)"},
        {"too large", std::string(kMaxTextFileBytes + 1, '\n'), "é grande demais (mais de 8 MB)"},
    };
    for (const Case& c : cases) {
        const std::string expected = c.message.empty() ? "" : "O arquivo \"x.e12\" " + c.message + kDamaged;
        EXPECT_EQ(messageOf([&] { checkTextLimits(c.bytes, "x.e12"); }), expected) << c.what;
    }
}

TEST(TextLimits, EveryReaderOfTheDataFolderAndOfCalculationFilesStops) {
    enginetest::TempFolder folder("limits");
    shell::Shell shell;
    shell.dataFolder = folder.path;
    shell::PlanTable planTable;
    shell::IndexApplicationTable yieldOverrides;
    dailysavings::DailySavings daily(shell, planTable, yieldOverrides);
    saopaulo::SaoPauloCourtDebt saoPaulo(shell, planTable);
    StringGrid grid;
    fgts::Fields fields;

    struct Reader {
        const char* file;
        const char* firstLine;
        std::function<void(const std::string& path)> read;
    };
    const Reader readers[] = {
        {"tjsp.tab", "Mês\tDia 1\t", [&](const std::string& path) { LoadFromFile(path, grid); }},
        {"cabecalho.dat", "Processo", [&](const std::string& path) { readTextLines(path); }},
        {"calculo.e12", "Vers 1.2", [&](const std::string& path) { daily.open(path); }},
        {"sp.e12", "estados", [&](const std::string& path) { saoPaulo.open(path); }},
        {"calculo.fg", "1", [&](const std::string& path) { fgts::readCalculationFile(path, fields); }},
    };
    for (const Reader& r : readers) {
        const std::string path = joinPath(folder.path, r.file);
        writeFileAtomic(path, std::string(r.firstLine) + "\r\n" + std::string(kMaxTextLineLength + 1, ',') + "\r\n");
        EXPECT_EQ(
            messageOf([&] { r.read(path); }),
            "O arquivo \"" + path + "\" tem uma linha longa demais (linha 2, mais de 32.768 caracteres)" + kDamaged);
        // A file too large is refused before it is read.
        writeFileAtomic(path, std::string(kMaxTextFileBytes + 1, 'x'));
        EXPECT_EQ(messageOf([&] { r.read(path); }),
                  "O arquivo \"" + path + "\" é grande demais (mais de 8 MB)" + kDamaged);
    }
}

// Files read whole — an update archive, a spreadsheet of accounts — are refused past their bound
// before a byte is read (the files here are sparse: nothing is written).
TEST(TextLimits, FilesReadWholeStopAtTheirBound) {
    enginetest::TempFolder folder("limits");
    const std::string archive = joinPath(folder.path, "tabelas.zip");
    const std::string accounts = joinPath(folder.path, "contas.csv");
    for (const std::string& path : {archive, accounts}) {
        writeFileAtomic(path, "");
        std::filesystem::resize_file(toPath(path), kMaxWholeFileBytes + 1);
    }
    const std::string tooLarge = "\" é grande demais (mais de 64 MB).";
    EXPECT_EQ(messageOf([&] {
                  tools::updateFromLocalSource(folder.path, archive);
              }).rfind("O arquivo \"" + archive + tooLarge, 0),
              0u);
    EXPECT_EQ(messageOf([&] { tools::importAccounts(folder.path, accounts, folder.path); }),
              "O arquivo \"" + accounts + tooLarge);
}

}  // namespace

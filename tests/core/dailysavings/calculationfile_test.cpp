// Calculation files: the backup, "Salvar", "Abrir" and "Abrir Backup".
#include "core/common/encoding.h"
#include "core/common/errors.h"
#include "core/dailysavings/fixture.h"
#include "core/dailysavings/sheet.h"

#include <random>

namespace dailysavings_test {

namespace {

std::string message(const std::function<void()>& action) {
    try {
        action();
    } catch (const UserMessage& e) {
        return e.what();
    }
    return "";
}

}  // namespace

TEST(CalculationFile, FinaliseSaveNovoOpenRebuildsTheSameSheetAndStatement) {
    Calculator c;
    typeTwoPlanCase(c);
    writeTextLines(c.file("cabecalho.dat"), {"Autor: José da Silva", "Processo nº 123/1990"});
    writeTextLines(c.file("rodape.dat"), {"São Paulo, 1º de março de 1990."});
    c.goTo(6);
    c.model.finish();
    const StringGrid sheet = c.model.sheet;
    const std::string statement = readFileBytes(c.file("teste.html"));

    const std::string saved = c.folder.path + "/calculo.e12";
    c.model.saveCopy(saved);
    const std::string bytes = readFileBytes(saved);
    EXPECT_EQ(bytes.substr(0, 22), "Vers 1.2\r\n3\r\ntrue\r\ntru");

    c.model.reset();
    EXPECT_FALSE(c.model.backupExists());
    EXPECT_EQ(c.model.balances.cell(4, 1), "");
    c.model.open(saved);
    EXPECT_EQ(c.model.page, 0);
    EXPECT_TRUE(c.model.planList[1].checked);
    EXPECT_FALSE(c.model.planList[2].checked);
    EXPECT_TRUE(c.model.withMonthlyInterest);
    c.goTo(5);
    ASSERT_EQ(c.model.sheet.rowCount(), sheet.rowCount());
    for (int r = 1; r < sheet.rowCount(); ++r)
        for (int col = 0; col < 16; ++col) {
            // Column 11 of the finished sheet carries the "-" of "Finalizar".
            if (col != 11) {
                EXPECT_EQ(c.model.sheet.cell(col, r), sheet.cell(col, r)) << r << "," << col;
            }
        }
    c.goTo(6);
    EXPECT_EQ(c.model.finishToBytes(), statement);
}

// Opening replaces the inputs the sheet was built from: "Finalizar" must not write a statement that
// mixes the previous sheet with the opened inputs.
TEST(CalculationFile, OpeningRequiresAFreshSheet) {
    Calculator c;
    typeTwoPlanCase(c);
    c.goTo(6);
    c.model.finish();
    const std::string saved = c.folder.path + "/calculo.e12";
    c.model.saveCopy(saved);
    for (const std::function<void()>& opening :
         {std::function<void()>([&] { c.model.open(saved); }), std::function<void()>([&] { c.model.openBackup(); })}) {
        while (c.model.page > 4) c.model.previous();
        c.goTo(6);
        ASSERT_TRUE(c.model.finishEnabled);
        opening();
        EXPECT_EQ(c.model.page, 0);
        EXPECT_FALSE(c.model.finishEnabled);
        EXPECT_EQ(c.model.sheet.rowCount(), 2);
        EXPECT_EQ(c.model.sheet.cell(kAmount, 1), "");
    }
}

TEST(CalculationFile, MorePlansThanTheListIsRefusedAndTheBackupKept) {
    Calculator c;
    typeTwoPlanCase(c);
    c.goTo(6);
    c.model.finish();
    // The plan table loses two rows.
    c.planTable.grid.setRowCount(2);
    c.model.rebuildPlanList();
    const std::string expected = "O arquivo possui 2 Plano(s) adicionai(s), impossível abrir";
    EXPECT_EQ(message([&] { c.model.openBackup(); }), expected);
    EXPECT_TRUE(c.model.backupExists());
    const std::string saved = c.folder.path + "/calculo.e12";
    c.model.saveCopy(saved);
    c.model.header.clear();
    EXPECT_EQ(message([&] { c.model.open(saved); }), expected);
    EXPECT_TRUE(c.model.header.empty());  // header and footer are not reloaded
}

TEST(CalculationFile, OtherVersionsAndBrokenFiles) {
    Calculator c;
    typeTwoPlanCase(c);
    writeTextLines(c.file("cabecalho.dat"), {"cabeçalho"});
    const std::string old = c.folder.path + "/antigo.e12";
    writeTextLines(old, {"estados", "1", "true"});
    EXPECT_EQ(message([&] { c.model.open(old); }),
              "Este programa não abre o arquivo da versão anterior, use a versão 1.0");
    EXPECT_EQ(c.model.header, std::vector<std::string>{"cabeçalho"});

    // A backup of another layout is ignored.
    writeTextLines(c.file("temp2.back"), {"estados", "1"});
    EXPECT_NO_THROW(c.model.openBackup());

    // A truncated file stops with a conversion error, never a crash.
    const std::string cut = c.folder.path + "/cortado.e12";
    writeTextLines(cut, {"Vers 1.2", "3", "true", "false", "false", "4", "a,b"});
    EXPECT_THROW(c.model.open(cut), ConversionError);
    // A row count far beyond the file's end gives the rows present.
    writeTextLines(cut, {"Vers 1.2", "3", "true", "false", "false", "99999999", "a,b"});
    EXPECT_THROW(c.model.open(cut), ConversionError);
    EXPECT_EQ(c.model.chosenPlans.rowCount(), 2);

    // "Salvar" without a backup does nothing; a failing copy gives the program's message.
    deleteFile(c.file("temp2.back"));
    EXPECT_NO_THROW(c.model.saveCopy(c.folder.path + "/x.e12"));
    EXPECT_FALSE(fileExists(c.folder.path + "/x.e12"));
    c.model.writeBackup();
    const std::string target = c.folder.path + "/nao/existe.e12";
    EXPECT_EQ(message([&] { c.model.saveCopy(target); }), "Erro ao copiar " + c.file("temp2.back") + " para " + target);
}

TEST(CalculationFile, DamagedFilesEndInAnErrorNeverACrash) {
    Calculator c;
    typeTwoPlanCase(c);
    c.goTo(6);
    c.model.finish();
    const std::vector<std::string> lines = splitLines(cp1252ToUtf8(readFileBytes(c.file("temp2.back"))));
    const char* junk[] = {"",      "0",    "-1",      "99999",      "\"",    ",,,", "Sim",
                          "true",  "abc",  "01/1989", "31/02/2000", "1,2,3", "2",   "\"a\"\"b\",c",
                          "1e400", "-0,5", "00/0000", "13/1989"};
    std::mt19937 random(7);
    const std::string path = c.folder.path + "/danificado.e12";
    for (int round = 0; round < 300; ++round) {
        std::vector<std::string> damaged = lines;
        for (int change = 0; change < 3; ++change) {
            const size_t at = 2 + random() % (damaged.size() - 2);
            const char* text = junk[random() % std::size(junk)];
            switch (random() % 3) {
                case 0:
                    damaged[at] = text;
                    break;
                case 1:
                    damaged.erase(damaged.begin() + static_cast<long>(at));
                    break;
                default:
                    damaged.insert(damaged.begin() + static_cast<long>(at), text);
                    break;
            }
        }
        writeTextLines(path, damaged);
        try {
            c.model.open(path);
            for (int press = 0; press < 6; ++press) c.model.next();
            c.model.finishToBytes();
        } catch (const Error&) {
            // The program's message or a conversion error: the action stops, the program goes on.
        }
    }
}

}  // namespace dailysavings_test

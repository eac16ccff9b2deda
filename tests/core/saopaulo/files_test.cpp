// "Finalizar", the "estados" backup, "Salvar", "Novo", "Abrir", "Abrir Backup" and the run without
// a window.
#include "core/common/encoding.h"
#include "core/common/errors.h"
#include "core/saopaulo/fixture.h"
#include "core/saopaulo/headlessrun.h"

namespace saopaulo_test {

namespace {

// The two-plan case with court interest, finished: teste.html and tempsp.back written.
std::string finishTwoPlanCase(Calculator& c) {
    typeTwoPlanCase(c);
    c.model.courtInterest.setRow(1, {"01/12/1999", "01/01/2001", "1"});
    c.model.proRata = true;
    // "Gravar" of the header and footer page: "Novo" and "Abrir" load them back from these files.
    writeTextLines(c.file("cabecalho.dat"), c.model.header);
    writeTextLines(c.file("rodape.dat"), c.model.footer);
    c.goTo(5);
    c.model.finish();
    return readFileBytes(c.file("teste.html"));
}

}  // namespace

TEST(Files, BackupInTheEstadosLayout) {
    Calculator c;
    finishTwoPlanCase(c);
    EXPECT_FALSE(c.model.finishEnabled);
    const std::string backup = readFileBytes(c.file("tempsp.back"));
    EXPECT_EQ(backup.substr(0, 27), "estados\r\n2\r\ntrue\r\ntrue\r\n4\r\n");
    EXPECT_NE(backup.find("\r\nfalse\r\ntrue\r\nfalse\r\ntrue\r\n3\r\n"), std::string::npos);
}

TEST(Files, SaveNewOpenGivesTheSameStatement) {
    Calculator c;
    const std::string statement = finishTwoPlanCase(c);
    const std::string saved = c.folder.path + "/calculo.e12";
    c.model.saveCopy(saved);
    EXPECT_EQ(readFileBytes(saved), readFileBytes(c.file("tempsp.back")));
    writeFileAtomic(c.file("temp2.back"), "Vers 1.2\r\n");

    c.model.reset();
    EXPECT_TRUE(fileExists(c.file("tempsp.back")));
    EXPECT_TRUE(fileExists(c.file("temp2.back")));
    EXPECT_FALSE(c.model.planList[0].checked);
    EXPECT_EQ(c.model.balances.cell(4, 1), "");

    c.model.open(saved);
    EXPECT_EQ(c.model.page, 0);
    EXPECT_TRUE(c.model.planList[1].checked);
    EXPECT_EQ(c.model.balances.cell(4, 2), "2.000,00");
    EXPECT_TRUE(c.model.proRata);
    c.goTo(5);
    EXPECT_EQ(c.model.finishToBytes(), statement);
}

// The file keeps the kind of court interest: a compound calculation reopened is compound again,
// so the same file always gives the same figures.
TEST(Files, CompoundInterestSurvivesSaveAndOpen) {
    Calculator c;
    typeTwoPlanCase(c);
    c.model.courtInterest.setRow(1, {"01/12/1999", "01/01/2001", "1"});
    c.model.setCompound(true);
    writeTextLines(c.file("cabecalho.dat"), c.model.header);
    writeTextLines(c.file("rodape.dat"), c.model.footer);
    c.goTo(5);
    c.model.finish();
    const std::string statement = readFileBytes(c.file("teste.html"));
    const std::string saved = c.folder.path + "/composto.e12";
    c.model.saveCopy(saved);

    c.model.reset();
    EXPECT_TRUE(c.model.simple);
    c.model.open(saved);
    EXPECT_TRUE(c.model.compound);
    EXPECT_FALSE(c.model.simple);
    c.goTo(5);
    EXPECT_EQ(c.model.courtInterest.cell(3, 1), "12,68");
    EXPECT_EQ(c.model.finishToBytes(), statement);
}

TEST(Files, AbrirBackupRestoresTheLastCalculation) {
    Calculator c;
    const std::string statement = finishTwoPlanCase(c);
    c.model.reset();
    c.model.openBackup();
    c.goTo(5);
    EXPECT_EQ(c.model.finishToBytes(), statement);
}

TEST(Files, MorePlansThanTheListIsRefusedAndTheBackupKept) {
    Calculator c;
    finishTwoPlanCase(c);
    c.setPlans({{"Plano A", "01/1989", "10", "", "NCz$", "LFT", "22,35", "IPC", "42,72", ""}});
    const std::string backup = readFileBytes(c.file("tempsp.back"));
    try {
        c.model.openBackup();
        FAIL() << "no message";
    } catch (const UserMessage& m) {
        EXPECT_STREQ(m.what(), "O arquivo possui 1 Plano(s) adicionai(s), impossível abrir");
    }
    EXPECT_EQ(readFileBytes(c.file("tempsp.back")), backup);
    EXPECT_THROW(c.model.open(c.file("tempsp.back")), UserMessage);
}

TEST(Files, OtherLayoutsAreNotOpened) {
    Calculator c;
    const std::string path = c.folder.path + "/poupanca.e12";
    writeFileAtomic(path, "Vers 1.2\r\n0\r\n");
    try {
        c.model.open(path);
        FAIL() << "no message";
    } catch (const UserMessage& m) {
        EXPECT_STREQ(m.what(), "Este programa não abre o arquivo da versão anterior, use a versão 1.0");
    }
}

TEST(HeadlessRun, SameBytesAsFinalizarAndWritesNothing) {
    Calculator c;
    const std::string statement = finishTwoPlanCase(c);
    c.planTable.save(c.shell);
    c.shell.saveFontIni();
    const std::string saved = c.folder.path + "/calculo.e12";
    c.model.saveCopy(saved);
    deleteFile(c.file("teste.html"));
    deleteFile(c.file("tempsp.back"));

    shell::Shell fresh;
    fresh.dataFolder = c.folder.path;
    EXPECT_EQ(runCalculationFile(fresh, saved), statement);
    EXPECT_FALSE(fileExists(c.file("teste.html")));
    EXPECT_FALSE(fileExists(c.file("tempsp.back")));
}

}  // namespace saopaulo_test

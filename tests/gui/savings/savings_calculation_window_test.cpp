// A whole daily-savings calculation in the window: "Finalizar" puts the statement in the viewer,
// "Salvar" keeps it in a file that "Abrir" brings back after "Novo".
#include "savings_gui_fixture.h"

#include "gui/savings/saopaulowindow.h"

#include <QListWidget>
#include <QStackedWidget>
#include <QTextBrowser>

using namespace savings_gui;

class CalculationWindowTest : public QObject {
    Q_OBJECT

private:
    static QByteArray readAll(const QString& path) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) return {};
        return file.readAll();
    }

    // Plano Verão, day 1, balance 1.000,00, up to 12/1990, with court interest at 1 % a month.
    static void enterCalculation(gui::savings::DailySavingsWindow* form) {
        form->planList()->item(1)->setCheckState(Qt::Checked);
        typeIntoCell(form->gridView(GridId::ChosenPlans), form->gridModel(GridId::ChosenPlans), 1, 2,
                     QStringLiteral("121990"));
        click(form, "Proximo");
        typeIntoCell(form->gridView(GridId::Balances), form->gridModel(GridId::Balances), 4, 1, QStringLiteral("1000"));
        click(form, "Proximo");
        click(form, "Proximo");
        auto* juros = form->gridView(GridId::CourtInterest);
        auto* jurosModel = form->gridModel(GridId::CourtInterest);
        typeIntoCell(juros, jurosModel, 0, 1, QStringLiteral("15012000"));
        typeIntoCell(juros, jurosModel, 1, 1, QStringLiteral("20032000"));
        typeIntoCell(juros, jurosModel, 2, 1, QStringLiteral("1"));
        for (int i = 0; i < 3; ++i) click(form, "Proximo");
    }

private slots:
    void finalizarShowsTheStatementAndSalvarAbrirBringItBack() {
        Program program;
        auto* form = program.launch();
        enterCalculation(form);
        QCOMPARE(form->pages()->currentIndex(), 6);
        QVERIFY2(program.dialogs.messages.isEmpty(), qPrintable(program.dialogs.messages.join(QLatin1Char('|'))));
        QCOMPARE(cell(form->model().courtInterest, 3, 1), QStringLiteral("2,0000"));
        const StringGrid sheet = form->model().sheet;
        QVERIFY(sheet.rowCount() > 20);

        click(form, "Finalizar");
        QVERIFY2(program.dialogs.messages.isEmpty(), qPrintable(program.dialogs.messages.join(QLatin1Char('|'))));
        QVERIFY(!form->isVisible());
        const QByteArray statement = readAll(program.file(QStringLiteral("teste.html")));
        QVERIFY(!statement.isEmpty());
        QVERIFY(QFile::exists(program.file(QStringLiteral("temp2.back"))));
        const QString shown = program.main()->viewer()->toPlainText();
        QVERIFY2(shown.contains(QStringLiteral("Plano Verão")), qPrintable(shown.left(400)));
        QVERIFY(shown.contains(QStringLiteral("TOTAL = ")));

        // "Salvar" of the main window copies the backup to the chosen file.
        const QString saved = program.file(QStringLiteral("caso.e12"));
        program.dialogs.answerFiles({saved});
        program.main()->action(gui::Command::DailySavings)->trigger();
        form->saveCalculation();
        QCOMPARE(readAll(saved), readAll(program.file(QStringLiteral("temp2.back"))));

        click(form, "Novo");
        QVERIFY(!QFile::exists(program.file(QStringLiteral("temp2.back"))));
        QCOMPARE(form->planList()->item(1)->checkState(), Qt::Unchecked);

        program.open(saved);
        QVERIFY2(program.dialogs.messages.isEmpty(), qPrintable(program.dialogs.messages.join(QLatin1Char('|'))));
        QCOMPARE(form->pages()->currentIndex(), 0);
        QVERIFY(!child<QPushButton>(form, "Finalizar")->isEnabled());
        QCOMPARE(form->planList()->item(1)->checkState(), Qt::Checked);
        QCOMPARE(cell(form->model().balances, 4, 1), QStringLiteral("1.000,00"));
        QCOMPARE(cell(form->model().chosenPlans, 1, 2), QStringLiteral("12/1990"));
        for (int i = 0; i < 6; ++i) program.next();
        QCOMPARE(form->model().sheet.rowCount(), sheet.rowCount());
        for (int r = 0; r < sheet.rowCount(); ++r)
            for (int c = 0; c < 16; ++c) QCOMPARE(cell(form->model().sheet, c, r), cell(sheet, c, r));
        program.finish();
        QCOMPARE(readAll(program.file(QStringLiteral("teste.html"))), statement);
    }

    void theSaveButtonOfTheLastPageFinalizesThenSaves() {
        Program program;
        auto* form = program.launch();
        enterCalculation(form);
        const QString saved = program.file(QStringLiteral("direto.e12"));
        program.finishAndSave(saved);
        QVERIFY2(program.dialogs.messages.isEmpty(), qPrintable(program.dialogs.messages.join(QLatin1Char('|'))));
        QVERIFY(!form->isVisible());
        QVERIFY(QFile::exists(program.file(QStringLiteral("teste.html"))));
        QCOMPARE(readAll(saved), readAll(program.file(QStringLiteral("temp2.back"))));
        QVERIFY(readAll(saved).startsWith("Vers 1.2\r\n"));
    }

    void abrirBackupRestoresTheLastCalculation() {
        Program program;
        auto* form = program.launch();
        enterCalculation(form);
        click(form, "Finalizar");
        program.launch();
        form->planList()->item(1)->setCheckState(Qt::Unchecked);
        form->planList()->item(0)->setCheckState(Qt::Checked);
        click(form, "AbrirBackup");
        QCOMPARE(form->planList()->item(0)->checkState(), Qt::Unchecked);
        QCOMPARE(form->planList()->item(1)->checkState(), Qt::Checked);
        QCOMPARE(cell(form->model().balances, 4, 1), QStringLiteral("1.000,00"));
    }

    void anOldFileIsRefusedWithTheVersionMessage() {
        Program program;
        auto* form = program.launch();
        QFile old(program.file(QStringLiteral("antigo.e12")));
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("Vers 1.0\r\n");
        old.close();
        program.open(old.fileName());
        QCOMPARE(program.dialogs.messages,
                 QStringList{QStringLiteral("Este programa não abre o arquivo da versão anterior, use a versão 1.0")});
        QVERIFY(form->isVisible());

        // A cancelled dialog does nothing.
        program.dialogs.messages.clear();
        program.open(QString());
        QVERIFY(program.dialogs.messages.isEmpty());
    }

    // The month-by-month court-debt entries open the same wizard on the court table named by its
    // caption; the MG - MT - MS - ES table is not shipped, so that entry says so.
    void courtDebtMonthlyWindowWalksToItsStatement() {
        Program program({QStringLiteral("zurivodo13.tab"), QStringLiteral("tjsp.tab"), QStringLiteral("planos.ini"),
                         QStringLiteral("lista.tab")});
        program.run(gui::Command::MinasMonthly, gui::MainWindow::Place::MainMenu);
        QCOMPARE(program.dialogs.messages,
                 QStringList{QStringLiteral("tabela inexistente - faça a atualização das tabelas")});
        program.dialogs.clear();

        program.run(gui::Command::SaoPauloMonthly, gui::MainWindow::Place::Popup);
        auto* form =
            program.main()->findChild<gui::savings::DailySavingsWindow*>(QStringLiteral("CourtDebtMonthlyWindow"));
        QVERIFY(form && form->isVisible());
        QVERIFY(program.dailySavingsWindow() != form);
        QCOMPARE(form->windowTitle(), QStringLiteral("Débitos Judiciais São Paulo (mês a mês)"));
        QVERIFY(!child<QPushButton>(form, "ConfigurarIndice")->isVisible());
        QVERIFY(program.shell.previewEnabled);

        enterCalculation(form);
        QCOMPARE(form->pages()->currentIndex(), 6);
        click(form, "Finalizar");
        QVERIFY2(program.dialogs.messages.isEmpty(), qPrintable(program.dialogs.messages.join(QLatin1Char('|'))));
        const QString statement = QString::fromLatin1(readAll(program.file(QStringLiteral("teste.html"))));
        QVERIFY(statement.contains(QStringLiteral("Tribunal de Justi")));
        QVERIFY(statement.contains(QStringLiteral("<thead><tr>")));
        QVERIFY(program.main()->viewer()->toPlainText().contains(QStringLiteral("TOTAL = ")));
    }

    // Which calculator a file belongs to is told by its first line: an "estados" file opened in
    // the daily-savings window goes to the São Paulo window, and a "Vers 1.2" file opened there
    // comes back to daily savings. The São Paulo entry opens its own window.
    void filesGoToTheCalculatorTheirFirstLineNames() {
        Program program({QStringLiteral("zurivodo13.tab"), QStringLiteral("t0001.tab"), QStringLiteral("planos.ini"),
                         QStringLiteral("lista.tab")});
        auto* savings = program.launch();
        program.open(windowtest::sourceFile(QStringLiteral("examples/saopaulo_bresser.e12")));
        QVERIFY2(program.dialogs.messages.isEmpty(), qPrintable(program.dialogs.messages.join(QLatin1Char('|'))));
        auto* saoPaulo = program.main()->findChild<gui::savings::SaoPauloWindow*>(QStringLiteral("SaoPauloWindow"));
        QVERIFY(saoPaulo && saoPaulo->isVisible());
        QVERIFY(!savings->isVisible());  // the São Paulo window closes daily savings
        QCOMPARE(saoPaulo->windowTitle(),
                 QStringLiteral("Cálculos por Estado - Débitos Judiciais São Paulo - saopaulo_bresser.e12"));
        QCOMPARE(cell(saoPaulo->model().balances, 4, 1), QStringLiteral("196.992,00"));

        program.dialogs.answerFiles({windowtest::sourceFile(QStringLiteral("examples/bresser.e12"))});
        click(saoPaulo, "Abrir");
        QVERIFY2(program.dialogs.messages.isEmpty(), qPrintable(program.dialogs.messages.join(QLatin1Char('|'))));
        QVERIFY(savings->isVisible());
        QCOMPARE(savings->windowTitle(), QStringLiteral("Ruvivavu da Dudovizu - bresser.e12"));

        saoPaulo->hide();
        program.run(gui::Command::SaoPauloCourtDebt, gui::MainWindow::Place::MainMenu);
        QVERIFY(saoPaulo->isVisible());
        QCOMPARE(saoPaulo->windowTitle(), QStringLiteral("Cálculos por Estado - Débitos Judiciais São Paulo"));
    }
};

QTEST_MAIN(CalculationWindowTest)
#include "savings_calculation_window_test.moc"

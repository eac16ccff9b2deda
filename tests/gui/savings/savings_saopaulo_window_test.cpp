// The São Paulo court-debt window driven as the user drives it, over the model and the shipped
// factor table, without a main window.
#include "core/saopaulo/model.h"
#include "core/shell/plantables.h"
#include "gui/common/gridmodel.h"
#include "gui/common/gridview.h"
#include "gui/savings/saopaulowindow.h"
#include "gui/support/windowtest.h"

#include "savings_gui_fixture.h"

#include <QFile>
#include <QListWidget>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTest>

using namespace ruvivavu;
using Grid = gui::savings::SaoPauloWindow::Grid;
using savings_gui::cell;
using savings_gui::click;
using savings_gui::typeIntoCell;

namespace {

// The window over a data folder with the factor table, the plan table and the table list.
struct Calculator {
    windowtest::Program program{windowtest::Program::NoTables};
    shell::PlanTable planTable;
    saopaulo::SaoPauloCourtDebt model{program.shell, planTable};
    std::unique_ptr<gui::savings::SaoPauloWindow> window;

    Calculator() {
        program.copyShippedData(
            {QStringLiteral("t0001.tab"), QStringLiteral("planos.ini"), QStringLiteral("lista.tab")});
        model.loadAtStart();
        window = std::make_unique<gui::savings::SaoPauloWindow>(nullptr, model, nullptr);
        window->startCalculation();
    }

    void checkPlan(const QString& name) {
        QListWidget* list = window->planList();
        const auto found = list->findItems(name, Qt::MatchExactly);
        QVERIFY2(!found.isEmpty(), qPrintable(name));
        found.first()->setCheckState(Qt::Checked);
    }

    // Plano Bresser updated to 01/2002 with a balance of 1.000,00 on day 1, up to the sheet.
    void walkToSheet() {
        checkPlan(QStringLiteral("Plano Bresser"));
        QCOMPARE(cell(model.chosenPlans, 0, model.chosenPlans.rowCount() - 1), QStringLiteral("Data Atual"));
        model.chosenPlans.setCell(1, model.chosenPlans.rowCount() - 1, "01/2002");
        window->syncFromModel();
        click(window.get(), "Proximo");
        QCOMPARE(model.page, 1);
        typeIntoCell(window->gridView(Grid::Balances), window->gridModel(Grid::Balances), 3, 1, QStringLiteral("1"));
        typeIntoCell(window->gridView(Grid::Balances), window->gridModel(Grid::Balances), 4, 1,
                     QStringLiteral("1000,00"));
        for (int page = 2; page <= 4; ++page) {
            click(window.get(), "Proximo");
            QCOMPARE(model.page, page);
        }
        QCOMPARE(window->pages()->currentIndex(), 4);
    }
};

}  // namespace

class SaoPauloWindowTest : public QObject {
    Q_OBJECT
    windowtest::Dialogs dialogs;

private slots:
    void init() { dialogs.clear(); }

    void walksACalculationToTheStatement() {
        Calculator calc;
        QVERIFY(calc.window->isVisible());
        calc.walkToSheet();
        QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.messages.join(QStringLiteral("; "))));
        const StringGrid& sheet = calc.model.sheet;
        QVERIFY(!cell(sheet, 4, 1).isEmpty());
        QCOMPARE(cell(sheet, 0, 1).left(3), QStringLiteral("01/"));
        QCOMPARE(cell(sheet, 1, 1), QStringLiteral("01/01/2002"));
        QCOMPARE(cell(sheet, 3, 2), QStringLiteral("Total"));
        QVERIFY(cell(sheet, 4, 2).endsWith(cell(sheet, 4, 1)));

        auto* finish = windowtest::child<QPushButton>(calc.window.get(), "Finalizar");
        QVERIFY(!finish->isEnabled());
        click(calc.window.get(), "Proximo");
        QCOMPARE(calc.window->pages()->currentIndex(), 5);
        QVERIFY(finish->isEnabled());
        click(calc.window.get(), "Finalizar");
        QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.messages.join(QStringLiteral("; "))));
        QVERIFY(QFile::exists(calc.program.data("teste.html")));
        QVERIFY(calc.program.readData(QStringLiteral("tempsp.back")).startsWith("estados"));
        QVERIFY(!calc.window->isVisible());
        QVERIFY(!calc.model.finishEnabled);
    }

    void compoundButtonComputesCompoundCourtInterest() {
        Calculator calc;
        calc.model.courtInterest.setCell(0, 1, "01/01/2000");
        calc.model.courtInterest.setCell(1, 1, "01/02/2001");
        calc.model.courtInterest.setCell(2, 1, "1");
        auto* compound = windowtest::child<QRadioButton>(calc.window.get(), "Rcomposto");
        auto* simple = windowtest::child<QRadioButton>(calc.window.get(), "Rsimples");
        QVERIFY(simple->isChecked());
        compound->click();
        QVERIFY(calc.model.compound);
        QVERIFY(!calc.model.simple);
        calc.walkToSheet();
        QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.messages.join(QStringLiteral("; "))));
        // Twelve months from 01/02/2000: 1.01^12 - 1.
        QCOMPARE(cell(calc.model.courtInterest, 3, 1), QStringLiteral("12,68"));
        QCOMPARE(cell(calc.model.courtInterest, 2, 2), QStringLiteral("Total"));
        QCOMPARE(cell(calc.model.courtInterest, 3, 2), QStringLiteral("12,68"));

        // Back to simple interest: twelve months at 1 %.
        click(calc.window.get(), "Anterior");
        simple->click();
        QVERIFY(!calc.model.compound);
        click(calc.window.get(), "Proximo");
        QCOMPARE(cell(calc.model.courtInterest, 3, 1), QStringLiteral("12,0000"));
    }

    void saveButtonCopiesTheBackupWithoutFinishing() {
        Calculator calc;
        // No finished calculation yet: nothing to copy, no file asked for.
        click(calc.window.get(), "SalvarCalculo");
        QVERIFY(dialogs.fileRequests.isEmpty());

        const QByteArray backup = "estados\r\nbackup of an earlier calculation\r\n";
        calc.program.writeData(QStringLiteral("tempsp.back"), backup);
        calc.walkToSheet();
        click(calc.window.get(), "Proximo");
        QVERIFY(calc.model.finishEnabled);
        const QString target = calc.program.data("copia.e12");
        dialogs.answerFiles({target});
        click(calc.window.get(), "SalvarCalculo");
        QCOMPARE(dialogs.fileRequests.size(), 1);
        QCOMPARE(dialogs.fileRequests.first().filter, QStringLiteral("Quorvel (*.e12 *.E12)"));
        QCOMPARE(windowtest::readFile(target), backup);
        // The calculation was not finished on the way.
        QVERIFY(!QFile::exists(calc.program.data("teste.html")));
        QCOMPARE(calc.program.readData(QStringLiteral("tempsp.back")), backup);
        QVERIFY(calc.model.finishEnabled);
        QVERIFY(calc.window->isVisible());
    }
};

QTEST_MAIN(SaoPauloWindowTest)
#include "savings_saopaulo_window_test.moc"

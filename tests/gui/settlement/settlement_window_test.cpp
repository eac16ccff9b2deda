// The agreement window as the user drives it: accounts typed or taken from the daily-savings
// calculator with one button, the claim's TOTAL beside the agreement's net amount, and the
// statement the command-line tool writes for the same calculation.
#include "core/settlement/model.h"
#include "gui/common/gridmodel.h"
#include "gui/common/gridview.h"
#include "gui/savings/dailysavingswindow.h"
#include "gui/savings/savings_gui_fixture.h"
#include "gui/settlement/settlementwindow.h"
#include "gui/shell/modules.h"
#include "gui/support/windowtest.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTextBrowser>

using namespace windowtest;
using ruvivavu::gui::GridModel;
using ruvivavu::gui::GridView;
using ruvivavu::gui::SettlementWindow;

namespace {

struct AgreementProgram : Program {
    Dialogs dialogs;
    AgreementProgram() : Program(NoTables) {
        copyShippedData({QStringLiteral("zurivodo13.tab"), QStringLiteral("planos.ini"), QStringLiteral("indice.ini"),
                         QStringLiteral("lista.tab")});
        MainWindow& window = openMainWindow({&ruvivavu::gui::savings::install, &ruvivavu::gui::settlement::install});
        window.firstShow();
    }
    SettlementWindow* open() {
        run(Command::Settlement);
        return mainWindow().findChild<SettlementWindow*>(QStringLiteral("SettlementWindow"));
    }
    // The daily-savings calculation of the file, walked to its last page as the user does.
    void calculate(const QString& path) {
        auto* form =
            mainWindow().findChild<ruvivavu::gui::savings::DailySavingsWindow*>(QStringLiteral("DailySavingsWindow"));
        form->openCalculationFile(path);
        for (int page = 0; page < 6; ++page) child<QPushButton>(form, "Proximo")->click();
    }
};

QString text(QWidget* window, const char* label) {
    return child<QLabel>(window, label)->text();
}

// Types into a cell of the accounts through its in-place editor.
void typeInto(SettlementWindow* window, int col, int row, const QString& keys) {
    auto* view = child<GridView>(window, "accounts");
    savings_gui::typeIntoCell(view, static_cast<GridModel*>(view->model()), col, row, keys);
}

}  // namespace

class SettlementWindowTest : public QObject {
    Q_OBJECT

private slots:
    void takesTheDailySavingsCalculationAndWritesWhatTheToolWrites() {
        AgreementProgram program;
        const QString file = sourceFile(QStringLiteral("examples/acordo_bresser_verao.e12"));
        program.calculate(file);
        SettlementWindow* window = program.open();
        QVERIFY(window && window->isVisible());
        child<QPushButton>(window, "fillFromDailySavings")->click();
        QVERIFY2(program.dialogs.messages.isEmpty(), qPrintable(program.dialogs.messages.join(QLatin1Char('|'))));

        QCOMPARE(window->model().accounts.rowCount(), 3);
        QCOMPARE(QString::fromStdString(window->model().accounts.cell(0, 2)), QStringLiteral("Plano Verão"));
        QCOMPARE(text(window, "claimTotal"), QStringLiteral("TOTAL do cálculo: 40.066,55"));
        QCOMPARE(text(window, "netAmount"), QStringLiteral("Valor líquido pelo acordo: 11.651,35"));
        QCOMPARE(text(window, "difference"), QStringLiteral("Diferença: 28.415,20"));

        child<QRadioButton>(window, "regime2017")->click();
        child<QPushButton>(window, "Finalizar")->click();
        QVERIFY(program.dialogs.messages.isEmpty());
        QCOMPARE(program.readData(QStringLiteral("acordo.html")),
                 readFile(sourceFile(QStringLiteral("examples/esperado/acordo_bresser_verao.html"))));
        const QString shown = program.mainWindow().viewer()->toPlainText();
        QVERIFY2(shown.contains(QStringLiteral("5ª parcela")), qPrintable(shown.left(300)));
    }

    void typedAccountsMakeTheConsolidatedValue() {
        AgreementProgram program;
        SettlementWindow* window = program.open();
        child<QPushButton>(window, "addAccount")->click();
        typeInto(window, 2, 1, QStringLiteral("1"));
        typeInto(window, 4, 1, QStringLiteral("100000"));
        QCOMPARE(text(window, "netAmount"), QStringLiteral("Valor líquido pelo acordo: 4.277,00"));
        QVERIFY(!child<QLabel>(window, "claimTotal")->isVisible());

        // Plano Verão NCz$ 500,00 joins: 6.326,09 less 8 %.
        child<QPushButton>(window, "addAccount")->click();
        auto* model = static_cast<GridModel*>(child<GridView>(window, "accounts")->model());
        model->setData(model->indexOf(0, 2), QStringLiteral("Plano Verão"), Qt::EditRole);
        QCOMPARE(QString::fromStdString(window->model().accounts.cell(1, 2)), QStringLiteral("01/1989"));
        model->setData(model->indexOf(3, 2), QStringLiteral("NCz$"), Qt::EditRole);
        typeInto(window, 2, 2, QStringLiteral("1"));
        typeInto(window, 4, 2, QStringLiteral("500"));
        QCOMPARE(text(window, "netAmount"), QStringLiteral("Valor líquido pelo acordo: 5.820,00"));

        // A plan named by the plan table survives its list being opened and closed.
        model->setData(model->indexOf(0, 2), QStringLiteral("Plano Collor I - Abril/90"), Qt::EditRole);
        auto* view = child<GridView>(window, "accounts");
        view->setCurrentIndex(model->indexOf(0, 2));
        view->edit(model->indexOf(0, 2));
        QVERIFY(view->indexWidget(model->indexOf(0, 2)));
        view->endEditing();
        QCOMPARE(QString::fromStdString(window->model().accounts.cell(0, 2)),
                 QStringLiteral("Plano Collor I - Abril/90"));
        QCOMPARE(text(window, "netAmount"), QStringLiteral("Valor líquido pelo acordo: 4.277,00"));

        child<QPushButton>(window, "Novo")->click();
        QCOMPARE(window->model().accounts.rowCount(), 1);
        QCOMPARE(text(window, "netAmount"), QStringLiteral("Valor líquido pelo acordo: 0,00"));
    }

    void fillingWithoutADailySavingsCalculationSaysSo() {
        AgreementProgram program;
        SettlementWindow* window = program.open();
        child<QPushButton>(window, "fillFromDailySavings")->click();
        QCOMPARE(program.dialogs.messages.size(), 1);
        QVERIFY(program.dialogs.messages.first().startsWith(QStringLiteral("O cálculo da Poupança Diária não tem")));
        QCOMPARE(window->model().accounts.rowCount(), 1);
    }
};

QTEST_MAIN(SettlementWindowTest)
#include "settlement_window_test.moc"

// The daily-savings window driven through its buttons, plan list and grid editors.
#include "savings_gui_fixture.h"

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTextBrowser>

using namespace savings_gui;

class WizardWindowTest : public QObject {
    Q_OBJECT

private:
    static void check(gui::savings::DailySavingsWindow* form, int item) {
        QListWidgetItem* it = form->planList()->item(item);
        QVERIFY(it);
        it->setCheckState(Qt::Checked);
    }

private slots:
    void launchShowsPageZeroWithTheTableLabel() {
        Program program;
        auto* form = program.launch();
        QVERIFY(form && form->isVisible());
        QCOMPARE(form->windowTitle(), QStringLiteral("Ruvivavu da Dudovizu"));
        QVERIFY(form->windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(form->pages()->currentIndex(), 0);
        QCOMPARE(child<QLabel>(form, "tableLabel")->text(), QStringLiteral("Tabela atualizada até: 07/2026"));
        QCOMPARE(form->planList()->count(), 5);
        QCOMPARE(form->planList()->item(1)->text(), QStringLiteral("Plano Verão"));
        QVERIFY(!child<QPushButton>(form, "Finalizar")->isEnabled());
        // The grid headings are shown, and empty "Juros Trimestrais" cells read "Não".
        QCOMPARE(form->gridModel(GridId::Balances)->headerData(3, Qt::Horizontal, Qt::DisplayRole).toString(),
                 QStringLiteral("Dia base"));
        QCOMPARE(cell(form->model().monthlyInterest, 3, 4), QStringLiteral("Não"));
        QCOMPARE(child<QToolButton>(form, "AbrirBackup")->toolTip(),
                 QStringLiteral("Abrir o último cálculo realizado."));
    }

    void showingTheWindowClosesTheWindowsItExcludes() {
        Program program;
        QWidget configured(program.main(), Qt::Tool);
        configured.setObjectName(QStringLiteral("TForm7"));
        QWidget saoPaulo(program.main(), Qt::Tool);
        saoPaulo.setObjectName(QStringLiteral("SaoPauloWindow"));
        QWidget other(program.main(), Qt::Tool);
        other.setObjectName(QStringLiteral("TForm6"));
        configured.show();
        saoPaulo.show();
        other.show();
        program.launch();
        QVERIFY(!configured.isVisible());
        QVERIFY(!saoPaulo.isVisible());
        QVERIFY(other.isVisible());
    }

    void nextWithoutAPlanSaysSoAndStays() {
        Program program;
        auto* form = program.launch();
        click(form, "Proximo");
        QCOMPARE(program.dialogs.messages, QStringList{QStringLiteral("escolha um plano")});
        QCOMPARE(form->pages()->currentIndex(), 0);
    }

    void checkingPlansFillsTheChosenPlansInTableOrder() {
        Program program;
        auto* form = program.launch();
        check(form, 4);
        check(form, 1);
        const StringGrid& planos = form->model().chosenPlans;
        QCOMPARE(planos.rowCount(), 4);
        QCOMPARE(cell(planos, 0, 1), QStringLiteral("Plano Verão"));
        QCOMPARE(cell(planos, 0, 2), QStringLiteral("Plano Collor II"));
        QCOMPARE(cell(planos, 0, 3), QStringLiteral("Atualizar até"));
        QCOMPARE(cell(planos, 1, 3), QStringLiteral("07/2026"));
        QCOMPARE(form->gridModel(GridId::ChosenPlans)->rowCount(), 3);
        QCOMPARE(form->gridModel(GridId::ChosenPlans)
                     ->data(form->gridModel(GridId::ChosenPlans)->index(1, 1), Qt::DisplayRole)
                     .toString(),
                 QStringLiteral("02/1991"));
        // Unchecking everything leaves only the end month.
        form->planList()->item(4)->setCheckState(Qt::Unchecked);
        form->planList()->item(1)->setCheckState(Qt::Unchecked);
        QCOMPARE(planos.rowCount(), 2);
        QCOMPARE(cell(planos, 0, 1), QStringLiteral("Atualizar até"));
    }

    void aPlanMonthBeyondTheTableSendsBackToTheFirstPage() {
        Program program;
        auto* form = program.launch();
        check(form, 0);
        typeIntoCell(form->gridView(GridId::ChosenPlans), form->gridModel(GridId::ChosenPlans), 1, 2,
                     QStringLiteral("082030"));
        QCOMPARE(cell(form->model().chosenPlans, 1, 2), QStringLiteral("08/2030"));
        click(form, "Proximo");
        QCOMPARE(program.dialogs.messages,
                 QStringList{QStringLiteral("A data 08/2030 não existe na tabela, atualize o índice")});
        QCOMPARE(form->pages()->currentIndex(), 0);
    }

    void walkingThePagesStopsAtTheLastOne() {
        Program program;
        auto* form = program.launch();
        check(form, 1);
        for (int page = 1; page <= 6; ++page) {
            click(form, "Proximo");
            QCOMPARE(form->pages()->currentIndex(), page);
            QCOMPARE(child<QPushButton>(form, "Finalizar")->isEnabled(), page == 6);
        }
        click(form, "Proximo");
        QCOMPARE(form->pages()->currentIndex(), 6);
        QCOMPARE(form->model().page, 6);
        click(form, "Anterior");
        QCOMPARE(form->pages()->currentIndex(), 5);
        QVERIFY(program.dialogs.messages.isEmpty());
        // Page 1 laid out one balance row with the plan's currency and the defaults.
        const StringGrid& saldo = form->model().balances;
        QCOMPARE(cell(saldo, 0, 1), QStringLiteral("Plano Verão"));
        QCOMPARE(cell(saldo, 2, 1), QStringLiteral("Cz$"));
        QCOMPARE(cell(saldo, 3, 1), QStringLiteral("1"));
        QCOMPARE(cell(saldo, 4, 1), QStringLiteral("0,00"));
    }

    void balanceCellsAreRepairedWhenTheGridIsLeft() {
        Program program;
        auto* form = program.launch();
        check(form, 1);
        click(form, "Proximo");
        auto* view = form->gridView(GridId::Balances);
        auto* model = form->gridModel(GridId::Balances);
        // Only "Dia base" and "Saldo" take typing.
        QVERIFY(!(model->flags(model->indexOf(2, 1)) & Qt::ItemIsEditable));
        typeIntoCell(view, model, 3, 1, QStringLiteral("31"));
        typeIntoCell(view, model, 4, 1, QStringLiteral("1234,5x"));
        QCOMPARE(cell(form->model().balances, 4, 1), QStringLiteral("1234,5"));  // the letter was refused
        QVERIFY(view->holdsFocus());
        click(form, "Proximo");  // leaves the grid first
        QCOMPARE(cell(form->model().balances, 3, 1), QStringLiteral("28"));
        QCOMPARE(cell(form->model().balances, 4, 1), QStringLiteral("1.234,50"));
        QCOMPARE(form->pages()->currentIndex(), 2);
        QCOMPARE(cell(form->model().differences, 4, 1), QStringLiteral("0,25"));

        // A single digit typed into the two-digit day is the day, without a blank.
        click(form, "Anterior");
        typeIntoCell(view, model, 3, 1, QStringLiteral("9"));
        QCOMPARE(cell(form->model().balances, 3, 1), QStringLiteral("9"));
        typeIntoCell(view, model, 3, 1, QStringLiteral("07"));
        form->planList()->setFocus();  // the focus leaves the grid
        QCOMPARE(cell(form->model().balances, 3, 1), QStringLiteral("7"));
    }

    void interestGridsEmptyBlankDatesAndToggleTheQuarterlyMark() {
        Program program;
        auto* form = program.launch();
        check(form, 1);
        for (int i = 0; i < 3; ++i) click(form, "Proximo");
        QCOMPARE(form->pages()->currentIndex(), 3);

        auto* jmesView = form->gridView(GridId::MonthlyInterest);
        auto* jmes = form->gridModel(GridId::MonthlyInterest);
        typeIntoCell(jmesView, jmes, 0, 1, QStringLiteral("01021989"));
        QCOMPARE(cell(form->model().monthlyInterest, 0, 1), QStringLiteral("01/02/1989"));
        // A date editor emptied again leaves the empty mask, which the cell rule clears.
        typeIntoCell(jmesView, jmes, 1, 1, QStringLiteral("3"));
        const QModelIndex end = jmes->indexOf(1, 1);
        jmesView->edit(end);
        auto* editor = qobject_cast<QLineEdit*>(jmesView->indexWidget(end));
        QVERIFY(editor);
        editor->end(false);
        for (int i = 0; i < 12; ++i) QTest::keyClick(editor, Qt::Key_Backspace);
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents();
        QCOMPARE(cell(form->model().monthlyInterest, 1, 1), QString());

        // "Juros Trimestrais" is not typed into: a click toggles it.
        const QModelIndex mark = jmes->indexOf(3, 2);
        QVERIFY(!(jmes->flags(mark) & Qt::ItemIsEditable));
        const QPoint centre = jmesView->visualRect(mark).center();
        QTest::mouseClick(jmesView->viewport(), Qt::LeftButton, {}, centre);
        QCOMPARE(cell(form->model().monthlyInterest, 3, 2), QStringLiteral("Sim"));
        QTest::mouseClick(jmesView->viewport(), Qt::LeftButton, {}, centre);
        QCOMPARE(cell(form->model().monthlyInterest, 3, 2), QStringLiteral("Não"));

        // The monthly-interest buttons and "Pró-rata" reach the model.
        child<QRadioButton>(form, "RComjuros")->click();
        QVERIFY(form->model().withMonthlyInterest);
        QVERIFY(!form->model().withoutMonthlyInterest);
        child<QAbstractButton>(form, "Cprorata")->click();
        QVERIFY(form->model().proRata);

        click(form, "LimparJmes");
        QCOMPARE(cell(form->model().monthlyInterest, 0, 1), QString());
        QCOMPARE(cell(form->model().monthlyInterest, 3, 2), QStringLiteral("Não"));
    }

    void headerAndFooterAreWrittenByGravar() {
        Program program;
        auto* form = program.launch();
        auto* memo1 = child<QPlainTextEdit>(form, "Memo1");
        auto* memo2 = child<QPlainTextEdit>(form, "Memo2");
        // Enter after the last line only puts the cursor on a new line: still two lines.
        memo1->setPlainText(QStringLiteral("Autos nº 123\nAutor: João\n"));
        memo2->setPlainText(QStringLiteral("São Paulo"));
        click(form, "Gravar");
        QCOMPARE(form->model().header.size(), size_t(2));
        QFile header(program.file(QStringLiteral("cabecalho.dat")));
        QVERIFY(header.open(QIODevice::ReadOnly));
        QCOMPARE(header.readAll(), QByteArray("Autos n\xba 123\r\nAutor: Jo\xe3o\r\n"));
        QVERIFY(QFile::exists(program.file(QStringLiteral("rodape.dat"))));

        // A footer whose file ends in an empty line keeps it, shown and read back alike.
        form->model().footer = {"São Paulo", ""};
        click(form, "Anterior");
        QCOMPARE(memo2->toPlainText(), QStringLiteral("São Paulo\n\n"));
        memo2->appendPlainText(QString());
        QCOMPARE(form->model().footer, (std::vector<std::string>{"São Paulo", "", ""}));
    }

    void novoClearsTheInputsAndDeletesTheBackup() {
        Program program;
        auto* form = program.launch();
        check(form, 1);
        click(form, "Proximo");
        typeIntoCell(form->gridView(GridId::Balances), form->gridModel(GridId::Balances), 4, 1, QStringLiteral("500"));
        QFile backup(program.file(QStringLiteral("temp2.back")));
        QVERIFY(backup.open(QIODevice::WriteOnly));
        backup.write("Vers 1.2\r\n");
        backup.close();

        click(form, "Novo");
        QCOMPARE(form->pages()->currentIndex(), 0);
        QVERIFY(!QFile::exists(program.file(QStringLiteral("temp2.back"))));
        QCOMPARE(form->planList()->item(1)->checkState(), Qt::Unchecked);
        QCOMPARE(cell(form->model().balances, 4, 1), QString());
        QVERIFY(form->isVisible());
        QVERIFY(program.dialogs.messages.isEmpty());
    }
};

QTEST_MAIN(WizardWindowTest)
#include "savings_wizard_window_test.moc"

// The plan-table and index-application windows: rows, masks, toggles and "Gravar".
#include "savings_gui_fixture.h"

#include "core/common/tablefile.h"

#include <QHeaderView>
#include <QListWidget>

using namespace savings_gui;

class TablesWindowTest : public QObject {
    Q_OBJECT

private:
    static StringGrid readTable(const QString& path) {
        StringGrid grid(1, 1, 0, 1);
        LoadFromFile(path.toStdString(), grid);
        return grid;
    }

private slots:
    void buttonsOfThePlanPageOpenBothWindowsOnTop() {
        Program program;
        auto* form = program.launch();
        click(form, "AdicionarExpurgo");
        click(form, "ConfigurarIndice");
        auto* form3 = program.form3();
        auto* form4 = program.form4();
        QVERIFY(form3->isVisible() && form4->isVisible());
        QCOMPARE(form3->windowTitle(), QStringLiteral("Incluir Expurgo"));
        QCOMPARE(form4->windowTitle(), QStringLiteral("Aplicar Expurgos"));
        QVERIFY(form3->windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(form4->windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(form3->gridModel()->heading(2), QStringLiteral("Diferença sobre o saldo anterior em %"));
        QCOMPARE(form4->gridModel()->heading(2), QStringLiteral("Aplicar ao índice"));
        // The given widths, widened where a heading would be cut.
        auto* header3 = form3->gridView()->horizontalHeader();
        QCOMPARE(form3->gridView()->columnWidth(1), 80);
        QVERIFY(form3->gridView()->columnWidth(2) >= std::max(179, header3->sectionSizeHint(2)));
        QCOMPARE(form4->gridView()->columnWidth(1), 134);
    }

    void gravarSortsThePlansByMonthAndRebuildsThePlanList() {
        Program program;
        auto* form = program.launch();
        click(form, "AdicionarExpurgo");
        auto* form3 = program.form3();
        auto* view = form3->gridView();
        auto* model = form3->gridModel();
        StringGrid& grid = model->grid();
        const int rowsBefore = grid.rowCount();

        form3->button(QStringLiteral("Nova Linha"))->click();
        QCOMPARE(grid.rowCount(), rowsBefore + 1);
        const int added = rowsBefore;
        typeIntoCell(view, model, 0, added, QStringLiteral("Plano 2 de 1988"));
        typeIntoCell(view, model, 1, added, QStringLiteral("031988"));
        typeIntoCell(view, model, 2, added, QStringLiteral("1,5"));
        QCOMPARE(cell(grid, 1, added), QStringLiteral("03/1988"));

        form3->button(QStringLiteral("Gravar"))->click();
        QVERIFY(messages().isEmpty());
        const StringGrid saved = readTable(program.file(QStringLiteral("planos.ini")));
        QCOMPARE(saved.rowCount(), rowsBefore + 1);
        QStringList months;
        for (int r = 1; r < saved.rowCount(); ++r) months << cell(saved, 1, r);
        QCOMPARE(months,
                 QStringList({QStringLiteral("06/1987"), QStringLiteral("03/1988"), QStringLiteral("01/1989"),
                              QStringLiteral("04/1990"), QStringLiteral("05/1990"), QStringLiteral("02/1991")}));
        QCOMPARE(cell(saved, 0, 0), QStringLiteral("Expurgo"));
        // The daily-savings plan list mirrors the sorted table at once.
        QCOMPARE(form->planList()->count(), rowsBefore);
        QCOMPARE(form->planList()->item(1)->text(), QStringLiteral("Plano 2 de 1988"));

        // "Excluir Linha" removes the row of the selected cell.
        view->setCurrentIndex(model->indexOf(0, 2));
        form3->button(QStringLiteral("Excluir Linha"))->click();
        QCOMPARE(grid.rowCount(), rowsBefore);
        QCOMPARE(cell(grid, 0, 2), QStringLiteral("Plano Verão"));
    }

    void leavingThePlanGridRepairsOnlyTheMonths() {
        Program program;
        program.launch();
        auto* form3 = program.form3();
        form3->show();
        auto* view = form3->gridView();
        auto* model = form3->gridModel();
        typeIntoCell(view, model, 0, 1, QStringLiteral("Plano 1987"));
        typeIntoCell(view, model, 1, 1, QStringLiteral("131987"));
        form3->button(QStringLiteral("Nova Linha"))->setFocus();
        QCOMPARE(cell(model->grid(), 0, 1), QStringLiteral("Plano 1987"));
        QCOMPARE(cell(model->grid(), 1, 1), QStringLiteral("12/1987"));
    }

    void theApplyColumnTogglesAndGravarWritesIndiceIni() {
        Program program;
        program.launch();
        auto* form4 = program.form4();
        form4->show();
        auto* view = form4->gridView();
        auto* model = form4->gridModel();
        StringGrid& grid = model->grid();

        form4->button(QStringLiteral("Nova Linha"))->click();
        const int row = grid.rowCount() - 1;
        QVERIFY(!(model->flags(model->indexOf(2, row)) & Qt::ItemIsEditable));
        typeIntoCell(view, model, 0, row, QStringLiteral("071994"));
        typeIntoCell(view, model, 1, row, QStringLiteral("5,5a"));
        QCOMPARE(cell(grid, 1, row), QStringLiteral("5,5"));

        const QPoint mark = view->visualRect(model->indexOf(2, row)).center();
        QStringList seen;
        for (int i = 0; i < 3; ++i) {
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, mark);
            seen << cell(grid, 2, row);
        }
        QCOMPARE(seen, QStringList({QStringLiteral("Não"), QStringLiteral("Sim"), QStringLiteral("Não")}));
        // The space bar toggles the current cell too.
        view->setCurrentIndex(model->indexOf(2, row));
        QTest::keyClick(view, Qt::Key_Space);
        QCOMPARE(cell(grid, 2, row), QStringLiteral("Sim"));

        form4->button(QStringLiteral("Gravar"))->click();
        const StringGrid saved = readTable(program.file(QStringLiteral("indice.ini")));
        QCOMPARE(saved.rowCount(), grid.rowCount());
        QCOMPARE(cell(saved, 0, row), QStringLiteral("07/1994"));
        QCOMPARE(cell(saved, 1, row), QStringLiteral("5,5"));
        QCOMPARE(cell(saved, 2, row), QStringLiteral("Sim"));
        QCOMPARE(cell(saved, 0, 1), QStringLiteral("06/1987"));  // not sorted, the rows as they were
    }

    void aFileThatCannotBeWrittenIsReportedAndTheGridStays() {
        Program program;
        program.launch();
        auto* form4 = program.form4();
        form4->show();
        program.shell.dataFolder = program.dir.filePath(QStringLiteral("nao-existe")).toStdString();
        form4->button(QStringLiteral("Gravar"))->click();
        QCOMPARE(messages().size(), 1);
        QVERIFY2(messages().first().startsWith(QStringLiteral("Cannot create file")), qPrintable(messages().first()));
        QVERIFY(form4->isVisible());
    }
};

QTEST_MAIN(TablesWindowTest)
#include "savings_tables_window_test.moc"

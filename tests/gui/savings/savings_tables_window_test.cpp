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
        auto* form3 = program.planTableWindow();
        auto* form4 = program.indexTableWindow();
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
        auto* form3 = program.planTableWindow();
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
        QVERIFY(program.dialogs.messages.isEmpty());
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

    // After "Nova Linha" the user picks another row, with the mouse or the arrow keys: "Excluir
    // Linha" removes that row and the new one stays, in both table windows.
    void excluirLinhaAfterNovaLinhaRemovesTheRowOfTheCurrentCell() {
        Program program;
        program.launch();
        for (gui::savings::TableWindow* form :
             std::initializer_list<gui::savings::TableWindow*>{program.planTableWindow(), program.indexTableWindow()}) {
            form->show();
            QVERIFY(QTest::qWaitForWindowExposed(form));
            auto* view = form->gridView();
            auto* model = form->gridModel();
            StringGrid& grid = model->grid();
            const int rowsBefore = grid.rowCount();
            QVERIFY2(rowsBefore >= 4, qPrintable(form->objectName()));
            const QString first = cell(grid, 0, 1);
            const QString third = cell(grid, 0, 3);

            form->button(QStringLiteral("Nova Linha"))->click();
            const int added = grid.rowCount() - 1;
            QCOMPARE(model->gridRow(view->currentIndex()), added);
            typeIntoCell(view, model, 0, added, QStringLiteral("121999"));
            const QString typed = cell(grid, 0, added);
            QVERIFY(!typed.isEmpty());

            // A click on row 2.
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(model->indexOf(1, 2)).center());
            QCOMPARE(model->gridRow(view->currentIndex()), 2);
            form->button(QStringLiteral("Excluir Linha"))->click();
            QCOMPARE(grid.rowCount(), rowsBefore);
            QCOMPARE(cell(grid, 0, 1), first);
            QCOMPARE(cell(grid, 0, 2), third);
            QCOMPARE(cell(grid, 0, grid.rowCount() - 1), typed);

            // Another new row, then the arrow keys up to row 1.
            form->button(QStringLiteral("Nova Linha"))->click();
            view->setFocus();
            for (int row = grid.rowCount() - 1; row > 1; --row) QTest::keyClick(view, Qt::Key_Up);
            QCOMPARE(model->gridRow(view->currentIndex()), 1);
            form->button(QStringLiteral("Excluir Linha"))->click();
            QCOMPARE(grid.rowCount(), rowsBefore);
            QCOMPARE(cell(grid, 0, 1), third);
            QCOMPARE(cell(grid, 0, grid.rowCount() - 2), typed);
            QCOMPARE(cell(grid, 0, grid.rowCount() - 1), QString());
            form->close();
        }
    }

    // "Excluir Linha" leaves the current cell on the row that took the removed one's place (the
    // last row when the last was removed): the grid always shows what the next click removes.
    void excluirLinhaKeepsTheCurrentCellOnTheRowItRemovesNext() {
        Program program;
        program.launch();
        for (gui::savings::TableWindow* form :
             std::initializer_list<gui::savings::TableWindow*>{program.planTableWindow(), program.indexTableWindow()}) {
            form->show();
            QVERIFY(QTest::qWaitForWindowExposed(form));
            auto* view = form->gridView();
            auto* model = form->gridModel();
            StringGrid& grid = model->grid();
            QVERIFY2(grid.rowCount() >= 6, qPrintable(form->objectName()));
            const QString fourth = cell(grid, 0, 4);
            const int last = grid.rowCount() - 1;
            const QString beforeLast = cell(grid, 0, last - 1);

            QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(model->indexOf(1, 2)).center());
            auto* excluir = form->button(QStringLiteral("Excluir Linha"));
            excluir->click();
            QVERIFY(view->currentIndex().isValid());
            QCOMPARE(model->gridRow(view->currentIndex()), 2);
            QCOMPARE(view->currentIndex().column(), 1);
            excluir->click();  // the row shown as current: the former row 4
            QCOMPARE(cell(grid, 0, 2), fourth);

            // The last row: the current cell moves up to the new last row.
            view->setCurrentIndex(model->indexOf(0, grid.rowCount() - 1));
            excluir->click();
            QCOMPARE(model->gridRow(view->currentIndex()), grid.rowCount() - 1);
            QCOMPARE(cell(grid, 0, grid.rowCount() - 1), beforeLast);
            form->close();
        }
    }

    void leavingThePlanGridRepairsOnlyTheMonths() {
        Program program;
        program.launch();
        auto* form3 = program.planTableWindow();
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
        auto* form4 = program.indexTableWindow();
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
        auto* form4 = program.indexTableWindow();
        form4->show();
        program.shell.dataFolder = program.dataDir.filePath(QStringLiteral("nao-existe")).toStdString();
        form4->button(QStringLiteral("Gravar"))->click();
        QCOMPARE(program.dialogs.messages.size(), 1);
        QVERIFY2(program.dialogs.messages.first().startsWith(QStringLiteral("Cannot create file")),
                 qPrintable(program.dialogs.messages.first()));
        QVERIFY(form4->isVisible());
    }
};

QTEST_MAIN(TablesWindowTest)
#include "savings_tables_window_test.moc"

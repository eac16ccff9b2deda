// The grid adapter and the cell editors on their own.
#include "core/common/grid.h"
#include "gui/common/gridmodel.h"
#include "gui/common/gridview.h"
#include "gui/common/maskdelegate.h"
#include "gui/common/toggledelegate.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

using namespace ruvivavu;
using namespace ruvivavu::gui;

class GridPiecesTest : public QObject {
    Q_OBJECT

private slots:
    void programMasksBecomeQtMasks_data() {
        QTest::addColumn<QString>("mask");
        QTest::addColumn<QString>("qt");
        QTest::newRow("month") << QStringLiteral("!99/0000;1") << QStringLiteral("00/0000;_");
        QTest::newRow("date") << QStringLiteral("!99/99/0000;1") << QStringLiteral("00/00/0000;_");
        QTest::newRow("day") << QStringLiteral("!00;1") << QStringLiteral("00;_");
        QTest::newRow("blank given") << QStringLiteral("99/9999;1;*") << QStringLiteral("00/0000;*");
        QTest::newRow("qt letters are literals") << QStringLiteral("0-N;1") << QStringLiteral("0-\\N;_");
    }
    void programMasksBecomeQtMasks() {
        QFETCH(QString, mask);
        QFETCH(QString, qt);
        QCOMPARE(toQtInputMask(mask), qt);
    }

    void anUntouchedDateEditorReadsAsTheEmptyMask() {
        QLineEdit edit;
        edit.setInputMask(toQtInputMask(QStringLiteral("!99/99/0000;1")));
        QCOMPARE(maskedCellText(edit.displayText(), QLatin1Char('_')), QStringLiteral("  /  /    "));
        edit.setText(QStringLiteral("0102"));
        QCOMPARE(maskedCellText(edit.displayText(), QLatin1Char('_')), QStringLiteral("01/02/    "));
    }

    void modelFollowsTheGridAndItsHeadings() {
        StringGrid grid(3, 3, 0, 1);
        grid.setCell(0, 0, "Data");
        grid.setCell(1, 0, "Valor");
        grid.setCell(0, 1, "01/1989");
        GridModel headed(grid, GridModel::FixedRows::AsHeadings);
        GridModel plain(grid, GridModel::FixedRows::AsRows);
        QCOMPARE(headed.rowCount(), 2);
        QCOMPARE(plain.rowCount(), 3);
        QCOMPARE(headed.headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("Valor"));
        QCOMPARE(headed.index(0, 0).data().toString(), QStringLiteral("01/1989"));
        QCOMPARE(plain.index(1, 0).data().toString(), QStringLiteral("01/1989"));
        // Fixed rows shown as rows never take typing; the predicate decides the others.
        plain.setEditableColumns({1});
        QVERIFY(!(plain.flags(plain.index(0, 1)) & Qt::ItemIsEditable));
        QVERIFY(plain.flags(plain.index(1, 1)) & Qt::ItemIsEditable);
        QVERIFY(!(plain.flags(plain.index(1, 0)) & Qt::ItemIsEditable));

        // A change of the counts behind the adapter's back resets the views; the same counts only
        // repaint (the current cell stays).
        QSignalSpy resets(&headed, &QAbstractItemModel::modelReset);
        QSignalSpy changes(&headed, &QAbstractItemModel::dataChanged);
        grid.setCell(1, 1, "2,00");
        headed.refresh();
        QCOMPARE(resets.count(), 0);
        QCOMPARE(changes.count(), 1);
        grid.setRowCount(5);
        headed.refresh();
        QCOMPARE(resets.count(), 1);
        QCOMPARE(headed.rowCount(), 4);
    }

    void editsReachTheGridAndTheEditHook() {
        StringGrid grid(2, 3, 0, 1);
        GridModel model(grid, GridModel::FixedRows::AsHeadings);
        model.setEditableColumns({0, 1});
        int hookedRow = -1;
        model.setEditHook([&](int, int row) {
            hookedRow = row;
            grid.setCell(1, row, "regra");
        });
        QVERIFY(model.setData(model.index(1, 0), QStringLiteral("x"), Qt::EditRole));
        QCOMPARE(grid.cell(0, 2), std::string("x"));
        QCOMPARE(hookedRow, 2);
        QCOMPARE(model.index(1, 1).data().toString(), QStringLiteral("regra"));
        // Writing the same text is no edit.
        hookedRow = -1;
        QVERIFY(!model.setData(model.index(1, 0), QStringLiteral("x"), Qt::EditRole));
        QCOMPARE(hookedRow, -1);
    }

    void anEditorPassedThroughLeavesTheCellAlone() {
        StringGrid grid(1, 2, 0, 1);
        GridModel model(grid, GridModel::FixedRows::AsHeadings);
        model.setEditableColumns({0});
        GridView view;
        view.setModel(&model);
        auto* masks = new MaskDelegate(&view);
        masks->setColumnMask(0, QStringLiteral("!99/0000;1"));
        view.setItemDelegate(masks);
        view.show();
        const QModelIndex cell = model.index(0, 0);
        view.edit(cell);
        auto* editor = qobject_cast<QLineEdit*>(view.indexWidget(cell));
        QVERIFY(editor);
        QCOMPARE(editor->inputMask(), QStringLiteral("00/0000;_"));
        view.endEditing();
        QCOMPARE(grid.cell(0, 1), std::string());
    }

    void aDoubleClickTogglesOnce() {
        StringGrid grid(1, 2, 0, 1);
        GridModel model(grid, GridModel::FixedRows::AsHeadings);
        ToggleDelegate toggle;
        QStyleOptionViewItem option;
        option.rect = QRect(0, 0, 80, 20);
        const QModelIndex cell = model.index(0, 0);
        const QPointF at(10, 10);
        auto send = [&](QEvent::Type type) {
            QMouseEvent event(type, at, at, Qt::LeftButton,
                              type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
            toggle.editorEvent(&event, &model, option, cell);
        };
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick,
                                  QEvent::MouseButtonRelease})
            send(type);
        QCOMPARE(grid.cell(0, 1), std::string("Não"));
        send(QEvent::MouseButtonPress);
        send(QEvent::MouseButtonRelease);
        QCOMPARE(grid.cell(0, 1), std::string("Sim"));
    }

    void toggleTextsAlternate() {
        QCOMPARE(toggledSimNao(QString()), QStringLiteral("Não"));
        QCOMPARE(toggledSimNao(QStringLiteral("Não")), QStringLiteral("Sim"));
        QCOMPARE(toggledSimNao(QStringLiteral("Sim")), QStringLiteral("Não"));
        QCOMPARE(toggledSimNao(QStringLiteral("nao")), QStringLiteral("Não"));
    }
};

QTEST_MAIN(GridPiecesTest)
#include "savings_grid_pieces_test.moc"

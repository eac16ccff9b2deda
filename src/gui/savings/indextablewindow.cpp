// "Aplicar Expurgos": the editor of the index-application table.
#include "gui/savings/indextablewindow.h"

#include "core/shell/plantables.h"
#include "gui/common/gridmodel.h"
#include "gui/common/gridview.h"
#include "gui/common/guard.h"
#include "gui/common/maskdelegate.h"
#include "gui/common/toggledelegate.h"

namespace ruvivavu::gui::savings {

using ruvivavu::shell::IndexApplicationTable;

namespace {
constexpr int kApplyColumn = 2;
}

IndexTableWindow::IndexTableWindow(QWidget* mainWindow, shell::Shell& shell, IndexApplicationTable& table)
    : TableWindow(mainWindow, table.grid, qs(IndexApplicationTable::caption()), QStringLiteral("IndexTableWindow")),
      shell_(shell),
      table_(table) {
    gridModel()->setEditable([](int column, int row) { return IndexApplicationTable::isEditable(column, row); });
    for (int c = 0; c < 3; ++c) {
        const std::string mask = IndexApplicationTable::editMask(c);
        if (!mask.empty()) maskDelegate()->setColumnMask(c, qs(mask));
    }
    maskDelegate()->setColumnFilter(1, MaskDelegate::Filter::Rate);

    auto* toggle = new ToggleDelegate(gridView());
    toggle->setToggler([this](const QModelIndex& index) {
        guarded(this, [&] { table_.clickCell(index.column(), gridModel()->gridRow(index)); });
        gridModel()->refresh();
    });
    gridView()->setItemDelegateForColumn(kApplyColumn, toggle);

    table_.writeHeadings();
    refresh();
    setColumnWidths(IndexApplicationTable::columnWidths());
    resize(360, 320);
}

void IndexTableWindow::writeHeadings() {
    table_.writeHeadings();
}
void IndexTableWindow::selectCell(int column, int row) {
    table_.selectCell(column, row);
}
void IndexTableWindow::addRow() {
    table_.addRow();
}
void IndexTableWindow::deleteRow() {
    table_.deleteRow();
}
void IndexTableWindow::leaveGrid() {
    table_.leaveGrid();
}
void IndexTableWindow::save() {
    table_.save(shell_);
}

}  // namespace ruvivavu::gui::savings

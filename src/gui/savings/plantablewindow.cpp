// "Incluir Expurgo": the editor of the purge plan table.
#include "gui/savings/plantablewindow.h"

#include "core/shell/plantables.h"
#include "gui/common/gridmodel.h"
#include "gui/common/guard.h"
#include "gui/common/maskdelegate.h"

namespace ruvivavu::gui::savings {

using ruvivavu::shell::PlanTable;

PlanTableWindow::PlanTableWindow(QWidget* mainWindow, shell::Shell& shell, PlanTable& table)
    : TableWindow(mainWindow, table.grid, qs(PlanTable::caption()), QStringLiteral("PlanTableWindow")),
      shell_(shell),
      table_(table) {
    gridModel()->setEditable([](int, int) { return true; });
    for (int c = 0; c < PlanTable::kColumns; ++c) {
        const std::string mask = PlanTable::editMask(c);
        if (!mask.empty()) maskDelegate()->setColumnMask(c, qs(mask));
    }
    table_.writeHeadings();
    refresh();
    setColumnWidths(PlanTable::columnWidths());
    resize(960, 400);
}

void PlanTableWindow::writeHeadings() {
    table_.writeHeadings();
}
void PlanTableWindow::selectCell(int column, int row) {
    table_.selectCell(column, row);
}
void PlanTableWindow::addRow() {
    table_.addRow();
}
void PlanTableWindow::deleteRow() {
    table_.deleteRow();
}
void PlanTableWindow::leaveGrid() {
    table_.leaveGrid();
}
void PlanTableWindow::save() {
    table_.save(shell_);
}

}  // namespace ruvivavu::gui::savings

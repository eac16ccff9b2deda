// "Incluir Expurgo": the editor of the purge plan table.
#include "gui/savings/plantablewindow.h"

#include "core/savings/plantables.h"
#include "gui/common/gridmodel.h"
#include "gui/common/guard.h"
#include "gui/common/maskdelegate.h"

namespace ruvivavu::gui::savings {

using ruvivavu::savings::PlanTable;

TForm3::TForm3(QWidget* mainWindow, shell::Shell& shell, PlanTable& table)
    : TableWindow(mainWindow, table.grid, qs(PlanTable::caption()), QStringLiteral("TForm3")),
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

void TForm3::writeHeadings() {
    table_.writeHeadings();
}
void TForm3::selectCell(int column, int row) {
    table_.selectCell(column, row);
}
void TForm3::addRow() {
    table_.addRow();
}
void TForm3::deleteRow() {
    table_.deleteRow();
}
void TForm3::leaveGrid() {
    table_.leaveGrid();
}
void TForm3::save() {
    table_.save(shell_);
}

}  // namespace ruvivavu::gui::savings

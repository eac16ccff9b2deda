// "Incluir Expurgo": the editor of the purge plan table (planos.ini).
#pragma once

#include "gui/savings/tablewindow.h"

namespace ruvivavu::shell {
class Shell;
class PlanTable;
}  // namespace ruvivavu::shell

namespace ruvivavu::gui::savings {

class PlanTableWindow : public TableWindow {
    Q_OBJECT
public:
    PlanTableWindow(QWidget* mainWindow, shell::Shell& shell, ruvivavu::shell::PlanTable& table);

protected:
    void writeHeadings() override;
    void selectCell(int column, int row) override;
    void addRow() override;
    void deleteRow() override;
    void leaveGrid() override;
    // Sorts by year then month and writes planos.ini; every plan list registered with the table
    // (the daily-savings list, and the court-debt lists once those windows exist) is rebuilt by
    // the table itself right after the file is written.
    void save() override;

private:
    shell::Shell& shell_;
    ruvivavu::shell::PlanTable& table_;
};

}  // namespace ruvivavu::gui::savings

// "Incluir Expurgo": the editor of the purge plan table (planos.ini).
#pragma once

#include "gui/savings/tablewindow.h"

namespace ruvivavu::shell {
class Shell;
}
namespace ruvivavu::savings {
class PlanTable;
}

namespace ruvivavu::gui::savings {

class TForm3 : public TableWindow {
    Q_OBJECT
public:
    TForm3(QWidget* mainWindow, shell::Shell& shell, ruvivavu::savings::PlanTable& table);

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
    ruvivavu::savings::PlanTable& table_;
};

}  // namespace ruvivavu::gui::savings

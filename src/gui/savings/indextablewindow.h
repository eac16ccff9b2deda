// "Aplicar Expurgos": the editor of the index-application table (indice.ini).
#pragma once

#include "gui/savings/tablewindow.h"

namespace ruvivavu::shell {
class Shell;
class IndexApplicationTable;
}  // namespace ruvivavu::shell

namespace ruvivavu::gui::savings {

class IndexTableWindow : public TableWindow {
    Q_OBJECT
public:
    IndexTableWindow(QWidget* mainWindow, shell::Shell& shell, ruvivavu::shell::IndexApplicationTable& table);

protected:
    void writeHeadings() override;
    void selectCell(int column, int row) override;
    void addRow() override;
    void deleteRow() override;
    void leaveGrid() override;
    void save() override;

private:
    shell::Shell& shell_;
    ruvivavu::shell::IndexApplicationTable& table_;
};

}  // namespace ruvivavu::gui::savings

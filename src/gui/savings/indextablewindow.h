// "Aplicar Expurgos": the editor of the index-application table (indice.ini).
#pragma once

#include "gui/savings/tablewindow.h"

namespace ruvivavu::shell {
class Shell;
}
namespace ruvivavu::savings {
class IndexApplicationTable;
}

namespace ruvivavu::gui::savings {

class TForm4 : public TableWindow {
    Q_OBJECT
public:
    TForm4(QWidget* mainWindow, shell::Shell& shell, ruvivavu::savings::IndexApplicationTable& table);

protected:
    void writeHeadings() override;
    void selectCell(int column, int row) override;
    void addRow() override;
    void deleteRow() override;
    void leaveGrid() override;
    void save() override;

private:
    shell::Shell& shell_;
    ruvivavu::savings::IndexApplicationTable& table_;
};

}  // namespace ruvivavu::gui::savings

// The frame shared by the two table editors "Incluir Expurgo" and "Aplicar Expurgos": one grid,
// "Nova Linha", "Excluir Linha", "Gravar" and "Fechar", on top of the other windows and centred
// on the main window whenever it opens.
#pragma once

#include "core/common/grid.h"

#include <QWidget>

class QPushButton;

namespace ruvivavu::gui {
class GridModel;
class GridView;
class MaskDelegate;
}  // namespace ruvivavu::gui

namespace ruvivavu::gui::savings {

class TableWindow : public QWidget {
    Q_OBJECT
public:
    TableWindow(QWidget* mainWindow, StringGrid& grid, const QString& caption, const QString& objectName);
    ~TableWindow() override;

    GridView* gridView() const { return view_; }
    GridModel* gridModel() const { return model_; }
    QPushButton* button(const QString& caption) const;

    // Re-reads the grid after something else changed it.
    void refresh();

protected:
    // The table's own rules, called inside the program's error handler.
    virtual void writeHeadings() = 0;
    virtual void selectCell(int column, int row) = 0;
    virtual void addRow() = 0;
    virtual void deleteRow() = 0;
    virtual void leaveGrid() = 0;
    virtual void save() = 0;

    // Sets the column widths once the model has its columns.
    void setColumnWidths(const std::vector<int>& widths);
    MaskDelegate* maskDelegate() const { return masks_; }

    void showEvent(QShowEvent* event) override;

private:
    void centreOnMainWindow();

    QWidget* mainWindow_;
    GridModel* model_;
    GridView* view_;
    MaskDelegate* masks_;
    QPushButton* novaLinha_;
    QPushButton* excluirLinha_;
    QPushButton* gravar_;
    QPushButton* fechar_;
};

}  // namespace ruvivavu::gui::savings

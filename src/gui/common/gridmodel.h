// Shows a StringGrid of the engine in a Qt view. The grid stays the one place that holds the
// cells: the adapter only reads and writes through it, and the window tells it to refresh after
// an engine operation changed the grid behind its back.
#pragma once

#include "core/common/grid.h"

#include <QAbstractTableModel>

#include <functional>
#include <string>

namespace ruvivavu::gui {

class GridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // How the grid's fixed rows appear.
    enum class FixedRows {
        AsHeadings,  // row 0 is the view's horizontal heading; data rows start at model row 0
        AsRows,      // every grid row is a model row; fixed rows are read-only
    };

    GridModel(StringGrid& grid, FixedRows fixedRows, QObject* parent = nullptr);

    StringGrid& grid() { return grid_; }
    const StringGrid& grid() const { return grid_; }

    // Which cells accept editing, by grid (column, row); fixed rows never do. Default: none.
    void setEditable(std::function<bool(int col, int row)> editable);
    void setEditableColumns(std::initializer_list<int> columns);
    // Called after the user changed a cell (grid address, new text), for rules the engine applies
    // on every edit of a row.
    void setEditHook(std::function<void(int col, int row)> hook);

    // Grid address of a model index and back.
    int gridRow(const QModelIndex& index) const { return index.row() + firstRow(); }
    int gridRow(int modelRow) const { return modelRow + firstRow(); }
    int modelRow(int gridRow) const { return gridRow - firstRow(); }
    QModelIndex indexOf(int col, int gridRow) const { return index(modelRow(gridRow), col); }

    // The text of the heading of a column (row 0 of the grid), as the masks are chosen by it.
    QString heading(int col) const;

    // Re-reads the grid after the engine changed it. Keeps the view's current cell when the counts
    // did not change.
    void refresh();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    int firstRow() const { return mode_ == FixedRows::AsHeadings ? 1 : 0; }

    StringGrid& grid_;
    FixedRows mode_;
    std::function<bool(int, int)> editable_;
    std::function<void(int, int)> editHook_;
    int shownRows_ = 0;
    int shownCols_ = 0;
};

}  // namespace ruvivavu::gui

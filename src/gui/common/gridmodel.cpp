// Shows a StringGrid of the engine in a Qt view.
#include "gui/common/gridmodel.h"

#include "gui/common/guard.h"

#include <QBrush>
#include <QFont>
#include <QPalette>

#include <algorithm>
#include <set>

namespace ruvivavu::gui {

GridModel::GridModel(StringGrid& grid, FixedRows fixedRows, QObject* parent)
    : QAbstractTableModel(parent), grid_(grid), mode_(fixedRows) {
    shownRows_ = rowCount();
    shownCols_ = columnCount();
}

void GridModel::setEditable(std::function<bool(int col, int row)> editable) {
    editable_ = std::move(editable);
}

void GridModel::setEditableColumns(std::initializer_list<int> columns) {
    std::set<int> set(columns);
    editable_ = [set](int col, int) { return set.count(col) > 0; };
}

void GridModel::setEditHook(std::function<void(int col, int row)> hook) {
    editHook_ = std::move(hook);
}

QString GridModel::heading(int col) const {
    return qs(grid_.cell(col, 0));
}

int GridModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid()) return 0;
    return std::max(0, grid_.rowCount() - firstRow());
}

int GridModel::columnCount(const QModelIndex& parent) const {
    if (parent.isValid()) return 0;
    return grid_.colCount();
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const int row = gridRow(index);
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            return qs(grid_.cell(index.column(), row));
        case Qt::FontRole:
            if (mode_ == FixedRows::AsRows && row < grid_.fixedRows()) {
                QFont font;
                font.setBold(true);
                return font;
            }
            return {};
        case Qt::BackgroundRole:
            if (mode_ == FixedRows::AsRows && row < grid_.fixedRows()) return QPalette().brush(QPalette::Button);
            if (index.column() < grid_.fixedCols()) return QPalette().brush(QPalette::AlternateBase);
            return {};
        default:
            return {};
    }
}

bool GridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole) return false;
    const int col = index.column();
    const int row = gridRow(index);
    const std::string text = ss(value.toString());
    if (grid_.cell(col, row) == text) return false;
    grid_.setCell(col, row, text);
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    if (editHook_) {
        editHook_(col, row);
        // The rule may have rewritten any cell of the row.
        emit dataChanged(this->index(index.row(), 0), this->index(index.row(), columnCount() - 1));
    }
    return true;
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    const int row = gridRow(index);
    if (row >= grid_.fixedRows() && editable_ && editable_(index.column(), row)) f |= Qt::ItemIsEditable;
    return f;
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return QAbstractTableModel::headerData(section, orientation, role);
    if (orientation == Qt::Horizontal) {
        if (mode_ == FixedRows::AsHeadings) return qs(grid_.cell(section, 0));
        return {};
    }
    return section + 1;
}

void GridModel::refresh() {
    const int rows = rowCount();
    const int cols = columnCount();
    if (rows == shownRows_ && cols == shownCols_) {
        if (rows > 0 && cols > 0) emit dataChanged(index(0, 0), index(rows - 1, cols - 1));
        if (cols > 0) emit headerDataChanged(Qt::Horizontal, 0, cols - 1);
        return;
    }
    beginResetModel();
    shownRows_ = rows;
    shownCols_ = cols;
    endResetModel();
}

}  // namespace ruvivavu::gui

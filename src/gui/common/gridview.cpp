// The table view of every string grid.
#include "gui/common/gridview.h"

#include <QApplication>
#include <QHeaderView>

#include <algorithm>

namespace ruvivavu::gui {

GridView::GridView(QWidget* parent) : QTableView(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                    QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    setTabKeyNavigation(true);
    setAlternatingRowColors(false);
    setWordWrap(false);
    verticalHeader()->setVisible(false);
    verticalHeader()->setDefaultSectionSize(22);
    verticalHeader()->setMinimumSectionSize(18);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    connect(qApp, &QApplication::focusChanged, this, &GridView::onFocusChanged);
}

// Focus moves while a window is torn down; a view half destroyed must not hear of it.
GridView::~GridView() {
    disconnect(qApp, nullptr, this, nullptr);
}

void GridView::setColumnWidths(const std::vector<int>& widths) {
    widths_ = widths;
    applyColumnWidths();
}

int GridView::wantedWidth(int column) const {
    int want = column < static_cast<int>(widths_.size()) ? widths_[column] : columnWidth(column);
    if (fitHeadings_) want = std::max(want, horizontalHeader()->sectionSizeHint(column));
    return std::max(want, sizeHintForColumn(column));
}

void GridView::applyColumnWidths() {
    if (!model()) return;
    for (int c = 0; c < model()->columnCount(); ++c) setColumnWidth(c, wantedWidth(c));
}

void GridView::widenToContents() {
    if (!model()) return;
    for (int c = 0; c < model()->columnCount(); ++c) {
        const int want = wantedWidth(c);
        if (columnWidth(c) < want) setColumnWidth(c, want);
    }
}

void GridView::setModel(QAbstractItemModel* model) {
    QTableView::setModel(model);
    if (model) {
        connect(model, &QAbstractItemModel::modelReset, this, &GridView::applyColumnWidths);
        connect(model, &QAbstractItemModel::columnsInserted, this, &GridView::applyColumnWidths);
        connect(model, &QAbstractItemModel::dataChanged, this, &GridView::widenToContents);
        connect(model, &QAbstractItemModel::headerDataChanged, this, &GridView::widenToContents);
    }
}

bool GridView::isInside(QWidget* widget) const {
    return widget && (widget == this || isAncestorOf(widget));
}

void GridView::onFocusChanged(QWidget* old, QWidget* now) {
    if (isInside(now)) {
        holdsFocus_ = true;
        return;
    }
    if (holdsFocus_ && isInside(old)) {
        holdsFocus_ = false;
        emit left();
    }
}

void GridView::endEditing() {
    if (state() != QAbstractItemView::EditingState) return;
    if (QWidget* editor = indexWidget(currentIndex())) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void GridView::leaveNow() {
    endEditing();
    if (holdsFocus_) {
        holdsFocus_ = false;
        emit left();
    }
}

}  // namespace ruvivavu::gui

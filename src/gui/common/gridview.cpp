// The table view of every string grid.
#include "gui/common/gridview.h"

#include <QApplication>
#include <QHeaderView>

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

void GridView::setColumnWidths(const std::vector<int>& widths) {
    widths_ = widths;
    applyColumnWidths();
}

void GridView::applyColumnWidths() {
    for (int c = 0; c < static_cast<int>(widths_.size()); ++c) setColumnWidth(c, widths_[c]);
}

void GridView::setModel(QAbstractItemModel* model) {
    QTableView::setModel(model);
    if (model) {
        connect(model, &QAbstractItemModel::modelReset, this, &GridView::applyColumnWidths);
        connect(model, &QAbstractItemModel::columnsInserted, this, &GridView::applyColumnWidths);
    }
}

bool GridView::isInside(QWidget* widget) const { return widget && (widget == this || isAncestorOf(widget)); }

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

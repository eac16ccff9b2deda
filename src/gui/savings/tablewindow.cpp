// The frame shared by the two table editors.
#include "gui/savings/tablewindow.h"

#include "gui/common/gridmodel.h"
#include "gui/common/gridview.h"
#include "gui/common/guard.h"
#include "gui/common/maskdelegate.h"
#include "gui/common/placement.h"

#include <QBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QStyle>

#include <algorithm>

namespace ruvivavu::gui::savings {

TableWindow::TableWindow(QWidget* mainWindow, StringGrid& grid, const QString& caption, const QString& objectName)
    : QWidget(mainWindow, Qt::Tool | Qt::WindowStaysOnTopHint), mainWindow_(mainWindow) {
    setObjectName(objectName);
    setWindowTitle(caption);

    model_ = new GridModel(grid, GridModel::FixedRows::AsHeadings, this);
    view_ = new GridView(this);
    view_->setObjectName(QStringLiteral("SPlanosini"));
    view_->setModel(model_);
    masks_ = new MaskDelegate(view_);
    view_->setItemDelegate(masks_);

    novaLinha_ = new QPushButton(QStringLiteral("Nova Linha"), this);
    excluirLinha_ = new QPushButton(QStringLiteral("Excluir Linha"), this);
    gravar_ = new QPushButton(QStringLiteral("Gravar"), this);
    fechar_ = new QPushButton(QStringLiteral("Fechar"), this);
    novaLinha_->setIcon(style()->standardIcon(QStyle::SP_FileDialogNewFolder));
    excluirLinha_->setIcon(style()->standardIcon(QStyle::SP_TrashIcon));
    gravar_->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    fechar_->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(novaLinha_);
    buttons->addWidget(excluirLinha_);
    buttons->addStretch(1);
    buttons->addWidget(gravar_);
    buttons->addWidget(fechar_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(view_, 1);
    layout->addLayout(buttons);

    setTabOrder(view_, novaLinha_);
    setTabOrder(novaLinha_, excluirLinha_);
    setTabOrder(excluirLinha_, gravar_);
    setTabOrder(gravar_, fechar_);

    connect(view_->selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex& current) {
        if (current.isValid()) guarded(this, [&] { selectCell(current.column(), model_->gridRow(current)); });
    });
    // A click on an already current cell selects it again (the toggle column counts on that).
    connect(view_, &QAbstractItemView::pressed, this, [this](const QModelIndex& index) {
        guarded(this, [&] { selectCell(index.column(), model_->gridRow(index)); });
    });
    connect(view_, &GridView::left, this, [this] {
        guarded(this, [&] { leaveGrid(); });
        model_->refresh();
    });
    connect(novaLinha_, &QPushButton::clicked, this, [this] {
        view_->endEditing();
        guarded(this, [&] { addRow(); });
        model_->refresh();
        view_->setCurrentIndex(model_->indexOf(0, model_->grid().rowCount() - 1));
    });
    connect(excluirLinha_, &QPushButton::clicked, this, [this] {
        view_->endEditing();
        // The row removed is the one the grid's current cell is on, whatever the table heard last.
        const QModelIndex current = view_->currentIndex();
        if (current.isValid()) guarded(this, [&] { selectCell(current.column(), model_->gridRow(current)); });
        guarded(this, [&] { deleteRow(); });
        model_->refresh();
        // The refresh drops the current cell; it goes back on the row that took the removed row's
        // place (or the new last row), so the grid keeps showing what the next click removes.
        if (current.isValid() && model_->rowCount() > 0)
            view_->setCurrentIndex(model_->index(std::min(current.row(), model_->rowCount() - 1), current.column()));
    });
    connect(gravar_, &QPushButton::clicked, this, [this] {
        view_->endEditing();
        guarded(this, [&] {
            leaveGrid();
            save();
        });
        model_->refresh();
    });
    connect(fechar_, &QPushButton::clicked, this, [this] {
        view_->leaveNow();
        close();
    });
}

TableWindow::~TableWindow() {
    // The grid loses the focus while the window is torn down: no leave rule runs then.
    disconnect(view_, nullptr, this, nullptr);
}

QPushButton* TableWindow::button(const QString& caption) const {
    for (QPushButton* b : {novaLinha_, excluirLinha_, gravar_, fechar_})
        if (b->text() == caption) return b;
    return nullptr;
}

void TableWindow::refresh() {
    model_->refresh();
}

void TableWindow::setColumnWidths(const std::vector<int>& widths) {
    view_->setColumnWidths(widths);
}

void TableWindow::showEvent(QShowEvent* event) {
    guarded(this, [&] { writeHeadings(); });
    model_->refresh();
    if (!event->spontaneous()) centreOnMainWindow();
    QWidget::showEvent(event);
}

void TableWindow::centreOnMainWindow() {
    centreOn(*this, mainWindow_);
}

}  // namespace ruvivavu::gui::savings

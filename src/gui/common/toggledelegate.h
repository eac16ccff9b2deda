// "Sim"/"Não" cells: drawn with a mark after the text and toggled by a click or the space bar.
#pragma once

#include <QStyledItemDelegate>

#include <functional>

namespace ruvivavu::gui {

// "Não" becomes "Sim", any other text (empty included) becomes "Não".
QString toggledSimNao(const QString& text);

class ToggleDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit ToggleDelegate(QObject* parent = nullptr);

    // What a toggle does; by default the cell gets toggledSimNao of its text.
    void setToggler(std::function<void(const QModelIndex&)> toggler);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;
    QWidget* createEditor(QWidget*, const QStyleOptionViewItem&, const QModelIndex&) const override { return nullptr; }

private:
    void toggle(QAbstractItemModel* model, const QModelIndex& index);
    std::function<void(const QModelIndex&)> toggler_;
    bool ignoreRelease_ = false;
};

}  // namespace ruvivavu::gui

// "Sim"/"Não" cells with two distinct marks.
#include "gui/common/toggledelegate.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <utility>

namespace ruvivavu::gui {

namespace {
const QString kSim = QStringLiteral("Sim");
const QString kNao = QStringLiteral("Não");
constexpr int kMarkLeft = 25;  // the mark sits right of the short text
constexpr int kMarkSize = 12;
}  // namespace

QString toggledSimNao(const QString& text) {
    return text == kNao ? kSim : kNao;
}

ToggleDelegate::ToggleDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

void ToggleDelegate::setToggler(std::function<void(const QModelIndex&)> toggler) {
    toggler_ = std::move(toggler);
}

void ToggleDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QStyledItemDelegate::paint(painter, option, index);
    const QString text = index.data(Qt::DisplayRole).toString();
    if (text != kSim && text != kNao) return;

    const int textWidth = option.fontMetrics.horizontalAdvance(text) + 8;
    const int left = option.rect.left() + std::max(kMarkLeft, textWidth);
    const int top = option.rect.top() + std::max(2, (option.rect.height() - kMarkSize) / 2);
    const QRectF box(left, top, kMarkSize, kMarkSize);

    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    if (text == kSim) {
        painter->setPen(QPen(QColor(0x1b, 0x7f, 0x2a), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        QPainterPath check;
        check.moveTo(box.left() + 1, box.top() + box.height() * 0.55);
        check.lineTo(box.left() + box.width() * 0.40, box.bottom() - 1);
        check.lineTo(box.right() - 1, box.top() + 1);
        painter->drawPath(check);
    } else {
        painter->setPen(QPen(QColor(0xb0, 0x1c, 0x1c), 2.0, Qt::SolidLine, Qt::RoundCap));
        painter->drawLine(box.topLeft() + QPointF(2, 2), box.bottomRight() - QPointF(2, 2));
        painter->drawLine(box.topRight() + QPointF(-2, 2), box.bottomLeft() + QPointF(2, -2));
    }
    painter->restore();
}

QSize ToggleDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setWidth(std::max(size.width(), kMarkLeft + kMarkSize + 6));
    return size;
}

void ToggleDelegate::toggle(QAbstractItemModel* model, const QModelIndex& index) {
    if (toggler_) {
        toggler_(index);
        return;
    }
    model->setData(index, toggledSimNao(index.data(Qt::EditRole).toString()), Qt::EditRole);
}

bool ToggleDelegate::editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) {
    if (!event || !index.isValid()) return false;
    switch (event->type()) {
        case QEvent::MouseButtonDblClick:
            // A double click is one click more, not two: its release does not toggle again.
            ignoreRelease_ = true;
            return true;
        case QEvent::MouseButtonRelease: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (std::exchange(ignoreRelease_, false)) return true;
            if (mouse->button() != Qt::LeftButton || !option.rect.contains(mouse->position().toPoint())) return false;
            toggle(model, index);
            return true;
        }
        case QEvent::KeyPress: {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key != Qt::Key_Space && key != Qt::Key_Select) return false;
            toggle(model, index);
            return true;
        }
        default:
            return false;
    }
}

}  // namespace ruvivavu::gui

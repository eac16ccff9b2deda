// The amount edit box behaviour shared by the calculator windows.
#include "gui/common/amountedit.h"

#include "core/common/numeric.h"
#include "core/common/text.h"
#include "gui/common/guard.h"

#include <QKeyEvent>

namespace ruvivavu::gui {

AmountEdit::AmountEdit(Kind kind, QWidget* parent) : QLineEdit(parent), kind_(kind) {
    setText(QStringLiteral("0,00"));
    connect(this, &QLineEdit::textChanged, this, &AmountEdit::reformat);
}

void AmountEdit::setKind(Kind kind) {
    kind_ = kind;
}

void AmountEdit::keyPressEvent(QKeyEvent* event) {
    // Delete (the keypad's too) acts as Backspace, and Backspace takes the last digit only. With
    // Ctrl or Alt held neither is a Backspace character, so nothing is removed (never a word).
    if (event->key() == Qt::Key_Delete || event->key() == Qt::Key_Backspace) {
        end(false);
        if (!(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) backspace();
        return;
    }
    if (event->matches(QKeySequence::Paste) || event->matches(QKeySequence::Cut) ||
        event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo)) {
        end(false);
        return;
    }
    const QString text = event->text();
    if (text.isEmpty() || event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab) {
        QLineEdit::keyPressEvent(event);  // caret movement and selection keys
        return;
    }
    const QChar c = text.at(0);
    const bool digit = text.size() == 1 && c >= QLatin1Char('0') && c <= QLatin1Char('9');
    const bool comma = text == QStringLiteral(",") && kind_ != Kind::Amount;
    end(false);
    if (digit || comma) QLineEdit::keyPressEvent(event);
}

void AmountEdit::reformat() {
    if (kind_ == Kind::Rate || reformatting_) return;
    guarded(this, [this] {
        const QString formatted = qs(formatafloat(kMoney, ss(text())));
        if (formatted != text()) {
            reformatting_ = true;
            setText(formatted);
            reformatting_ = false;
        }
        end(false);
    });
}

}  // namespace ruvivavu::gui

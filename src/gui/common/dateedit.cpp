// The masked date field.
#include "gui/common/dateedit.h"

#include "core/common/text.h"
#include "gui/common/guard.h"

#include <QFocusEvent>
#include <QTimer>

namespace ruvivavu::gui {

DateEdit::DateEdit(QWidget* parent) : QLineEdit(parent) {
    setInputMask(QStringLiteral("00/00/0000;_"));
}

QString DateEdit::maskText() const {
    QString text = displayText();
    text.replace(QLatin1Char('_'), QLatin1Char(' '));
    return text;
}

void DateEdit::setMaskText(const QString& text) {
    if (text.trimmed().isEmpty() || text == QStringLiteral("  /  /    ")) {
        clear();
        return;
    }
    QString masked = text;
    masked.replace(QLatin1Char(' '), QLatin1Char('_'));
    setText(masked);
}

void DateEdit::applyExitRule() {
    const std::string text = ss(maskText());
    setMaskText(qs(februaryFrom30_ ? validadata30(text) : validadata(text)));
}

void DateEdit::leave() {
    applyExitRule();
    leaving_ = true;
    clearFocus();
    leaving_ = false;
}

void DateEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // Another window taking over (a message box, a menu) is not leaving the field.
    const bool away = event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason;
    if (leaving_ || away) return;
    // A date that cannot be repaired keeps the focus, so the field is corrected before moving on.
    if (!guarded(this, [this] { applyExitRule(); }))
        QTimer::singleShot(0, this, [this] { setFocus(Qt::OtherFocusReason); });
}

}  // namespace ruvivavu::gui

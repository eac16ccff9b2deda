// The anniversary-day edit box.
#include "gui/common/dayedit.h"

#include <QKeyEvent>

namespace ruvivavu::gui {

DayEdit::DayEdit(QWidget* parent) : QLineEdit(parent) {}

void DayEdit::keyPressEvent(QKeyEvent* event) {
    const QString text = event->text();
    const bool digit = text.size() == 1 && text.at(0).isDigit() && text.at(0).unicode() < 128;
    const bool backspace = event->key() == Qt::Key_Backspace && !(event->modifiers() & Qt::ControlModifier);
    if (!digit && !backspace) {
        // Caret keys and every other key are discarded; Tab still moves on (the window's navigation).
        if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab) QLineEdit::keyPressEvent(event);
        return;
    }
    end(false);
    if (backspace)
        QLineEdit::backspace();
    else
        QLineEdit::keyPressEvent(event);
}

}  // namespace ruvivavu::gui

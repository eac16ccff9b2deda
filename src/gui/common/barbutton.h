// The flat buttons of the wizards' top and bottom bars: icon and text, a hint, and no focus of
// their own, so that pressing one leaves the field being typed in to the button's action.
#pragma once

#include <QString>
#include <QStyle>

class QBoxLayout;
class QToolButton;
class QWidget;

namespace ruvivavu::gui {

// Creates the button in `bar`, adds it to `layout` and names it `name` (for the tests).
QToolButton* barButton(QWidget* bar, QBoxLayout* layout, const char* name, const QString& text, const QString& hint,
                       QStyle::StandardPixmap icon);

}  // namespace ruvivavu::gui

// The pictures of the toolbar buttons, the about box and the program, drawn in code so that they
// stay sharp at any scale and need no image plug-in.
#pragma once

#include <QIcon>

namespace ruvivavu::gui::icons {

QIcon application();
QIcon print();
QIcon calculate();
QIcon update();
QIcon yield();
QIcon fgts();
QIcon close();

}  // namespace ruvivavu::gui::icons

// Where a window opens: centred on the main window, or on its screen when the main window is hidden.
#pragma once

class QWidget;

namespace ruvivavu::gui {

void centreOn(QWidget& window, const QWidget* mainWindow);

}  // namespace ruvivavu::gui

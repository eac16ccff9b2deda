// Where a window opens.
#include "gui/common/placement.h"

#include <QPoint>
#include <QRect>
#include <QScreen>
#include <QWidget>

namespace ruvivavu::gui {

void centreOn(QWidget& window, const QWidget* mainWindow) {
    QRect area;
    if (mainWindow && mainWindow->isVisible())
        area = mainWindow->frameGeometry();
    else if (QScreen* screen = window.screen())
        area = screen->availableGeometry();
    // The layout may still grow the window to its minimum when it first appears.
    const QSize size = window.size().expandedTo(window.minimumSizeHint());
    if (area.isValid()) window.move(area.center() - QPoint(size.width() / 2, size.height() / 2));
}

}  // namespace ruvivavu::gui

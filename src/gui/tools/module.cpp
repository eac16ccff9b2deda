// Plugs the monthly yield check tool and the February 1989 notice into the main window.
#include "gui/shell/modules.h"

#include "gui/shell/mainwindow.h"
#include "gui/tools/infowindow.h"
#include "gui/tools/yieldwindow.h"

namespace ruvivavu::gui::tools {

void install(MainWindow& mainWindow) {
    // The yield tool is kept above the main window and centred on it; the notice is a window of
    // its own, centred on the desktop.
    auto* yield = new YieldWindow(mainWindow.shell(), &mainWindow);
    auto* info = new InfoWindow;
    InfoWindow::setInstance(info);
    QObject::connect(&mainWindow, &QObject::destroyed, info, [info] {
        InfoWindow::setInstance(nullptr);
        delete info;
    });
    mainWindow.setCommandHandler(QStringLiteral("SpeedButton8"), [yield] {
        yield->show();
        yield->raise();
        yield->activateWindow();
    });
}

}  // namespace ruvivavu::gui::tools

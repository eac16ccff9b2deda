// Plugs the FGTS purge window into the main window.
#include "gui/shell/modules.h"

#include "gui/fgts/fgtswindow.h"
#include "gui/shell/mainwindow.h"

namespace ruvivavu::gui::fgts {

void install(MainWindow& mainWindow) {
    // A window of its own (not kept above the main window), living as long as the main window.
    auto* window = new FgtsWindow(mainWindow.shell());
    QObject::connect(&mainWindow, &QObject::destroyed, window, [window] { delete window; });
    mainWindow.setCommandHandler(Command::FgtsPurge, [window] { window->launch(); });
    // A ".fg" file given to the program opens in the FGTS purge calculator.
    mainWindow.setFileHandler(QStringLiteral("fg"), [window](const QString& path) { window->openFile(path); });
    mainWindow.addUnsavedTypingQuery([window] { return window->holdsUnsavedTyping(); });
}

}  // namespace ruvivavu::gui::fgts

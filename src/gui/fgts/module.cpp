// Plugs the FGTS windows into the main window: the purge wizard and the progressive-interest
// calculator.
#include "gui/shell/modules.h"

#include "gui/fgts/fgtswindow.h"
#include "gui/fgts/progressiveinterestwindow.h"
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

    // Kept above the other windows, as long as the main window lives.
    auto* progressive = new ProgressiveInterestWindow(mainWindow.shell());
    QObject::connect(&mainWindow, &QObject::destroyed, progressive, [progressive] { delete progressive; });
    mainWindow.addStartupStep(3, [progressive] { progressive->loadAtStart(); });
    mainWindow.setCommandHandler(Command::FgtsProgressiveInterest, [&mainWindow, progressive] {
        mainWindow.enablePreview();
        progressive->present();
    });
    mainWindow.setFileHandler(QStringLiteral("jfgts"),
                              [progressive](const QString& path) { progressive->openFile(path); });
    mainWindow.addUnsavedTypingQuery([progressive] { return progressive->holdsUnsavedTyping(); });
}

}  // namespace ruvivavu::gui::fgts

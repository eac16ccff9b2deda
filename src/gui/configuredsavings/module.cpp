// Plugs the two configured-savings windows into the main window.
#include "gui/shell/modules.h"

#include "core/configuredsavings/model.h"
#include "gui/configuredsavings/configuredsavingswindow.h"
#include "gui/shell/mainwindow.h"

namespace ruvivavu::gui::configuredsavings {

void install(MainWindow& mainWindow) {
    // Kept above the main window and living as long as it.
    auto* four =
        new ConfiguredSavingsWindow(&mainWindow, mainWindow.shell(), ruvivavu::configuredsavings::kConfiguredSavings);
    auto* six =
        new ConfiguredSavingsWindow(&mainWindow, mainWindow.shell(), ruvivavu::configuredsavings::kCollorSavings);
    mainWindow.setCommandHandler(Command::ConfiguredSavings, [four] { four->start(); });
    mainWindow.setCommandHandler(Command::CollorSavings, [six] { six->start(); });
    // A ".e20" file given to the program opens in the four-month calculator, a ".ex20" one in the six-month one.
    mainWindow.setFileHandler(QStringLiteral("e20"), [four](const QString& path) { four->openFile(path); });
    mainWindow.setFileHandler(QStringLiteral("ex20"), [six](const QString& path) { six->openFile(path); });
    mainWindow.addUnsavedTypingQuery([four, six] { return four->holdsUnsavedTyping() || six->holdsUnsavedTyping(); });
}

}  // namespace ruvivavu::gui::configuredsavings

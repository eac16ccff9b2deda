// Plugs the agreement window into the main window, beside the daily-savings calculator whose
// balances it can take.
#include "gui/savings/dailysavingswindow.h"
#include "gui/settlement/settlementwindow.h"
#include "gui/shell/mainwindow.h"
#include "gui/shell/modules.h"

namespace ruvivavu::gui::settlement {

void install(MainWindow& mainWindow) {
    auto* dailySavings = mainWindow.findChild<savings::DailySavingsWindow*>(QStringLiteral("DailySavingsWindow"));
    auto* window =
        new SettlementWindow(&mainWindow, mainWindow.shell(), dailySavings ? &dailySavings->model() : nullptr);
    mainWindow.setCommandHandler(Command::Settlement, [window] { window->present(); });
    mainWindow.addUnsavedTypingQuery([window] { return window->holdsUnsavedTyping(); });
}

}  // namespace ruvivavu::gui::settlement

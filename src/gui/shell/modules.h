// The calculators plug into the main window here: each subsystem creates its windows once, adds
// its start-up loading steps and answers the main window's commands.
#pragma once

namespace ruvivavu::gui {

class MainWindow;

namespace savings {
void install(MainWindow& mainWindow);  // DailySavingsWindow, PlanTableWindow, IndexTableWindow
}
namespace settlement {
void install(MainWindow& mainWindow);  // "Acordo dos Planos Econômicos" (after savings: it reads its calculator)
}
namespace fgts {
void install(MainWindow& mainWindow);  // TFormFGTS, TForm_FGTS
}
namespace configuredsavings {
void install(MainWindow& mainWindow);  // TForm7, TForm_conftodos
}
namespace tools {
void install(MainWindow& mainWindow);  // TForm6, TForm8, "Atualização dos índices"
}

}  // namespace ruvivavu::gui

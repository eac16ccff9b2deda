// Plugs the fgts windows into the main window.
#include "gui/shell/modules.h"

namespace ruvivavu::gui::fgts {

void install(MainWindow&) {}

}  // namespace ruvivavu::gui::fgts

// Plugs the tools windows into the main window.
#include "gui/shell/modules.h"

namespace ruvivavu::gui::tools {

void install(MainWindow&) {}

}  // namespace ruvivavu::gui::tools

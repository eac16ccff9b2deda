// Plugs the savings windows into the main window.
#include "gui/shell/modules.h"

namespace ruvivavu::gui::savings {

void install(MainWindow&) {}

}  // namespace ruvivavu::gui::savings

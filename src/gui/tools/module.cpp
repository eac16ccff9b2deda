// Plugs the monthly yield check tool and the February 1989 notice into the main window.
#include "gui/shell/modules.h"

#include "core/common/errors.h"
#include "core/common/fileio.h"
#include "core/tools/firstrun.h"
#include "gui/common/guard.h"
#include "gui/shell/mainwindow.h"
#include "gui/tools/infowindow.h"
#include "gui/tools/yieldwindow.h"

#include <QProcess>

namespace ruvivavu::gui::tools {

namespace {

const QString kUpdateQuestion = QStringLiteral(
    "As tabelas da pasta de dados serão atualizadas com as que acompanham o programa, que será "
    "reiniciado em seguida. Continuar?");

// "Atualização dos índices": the download program installs the tables that came with the program
// (keeping any table of the user's that is newer) and starts the program again, so this one closes.
void updateTables(MainWindow& mainWindow) {
    const std::string program = ruvivavu::tools::downloadProgramPath(mainWindow.shell().programFolder);
    if (!fileExists(program)) throw UserMessage("O programa de atualização das tabelas não foi encontrado: " + program);
    if (!askYesNo(&mainWindow, kUpdateQuestion)) return;
    if (!QProcess::startDetached(qs(program), {}))
        throw UserMessage("Não foi possível iniciar o programa de atualização das tabelas: " + program);
    QMetaObject::invokeMethod(&mainWindow, &QWidget::close, Qt::QueuedConnection);
}

}  // namespace

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
    mainWindow.setCommandHandler(Command::UpdateTables, [&mainWindow] { updateTables(mainWindow); });
    mainWindow.setCommandHandler(Command::YieldTool, [yield] {
        yield->show();
        yield->raise();
        yield->activateWindow();
    });
}

}  // namespace ruvivavu::gui::tools

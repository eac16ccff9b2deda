// Program entry: folders, the main window and every calculator window, then the event loop.
// Usage: ruvivavu [CALCULO]  (a .e12, .fg or .jfgts calculation file to open).
#include "core/shell/shell.h"
#include "gui/shell/application.h"
#include "gui/shell/icons.h"
#include "gui/shell/mainwindow.h"
#include "gui/shell/modules.h"

#include <QDir>
#include <QScreen>

using namespace ruvivavu;

int main(int argc, char** argv) {
    gui::Application app(argc, argv);
    app.setWindowIcon(gui::icons::application());

    shell::Shell shell;
    shell.programFolder =
        QDir::toNativeSeparators(QCoreApplication::applicationDirPath() + QDir::separator()).toStdString();
    shell.dataFolder = shell::resolveDataFolder(shell.programFolder, QDir::currentPath().toStdString());
    // A missing data folder would make every save fail later with a puzzling message: create it now.
    QDir().mkpath(QString::fromStdString(shell.dataFolder));

    gui::MainWindow mainWindow(shell);
    // The calculators' windows, in the order the program has always created them.
    gui::savings::install(mainWindow);
    gui::settlement::install(mainWindow);
    gui::tools::install(mainWindow);
    gui::fgts::install(mainWindow);
    gui::configuredsavings::install(mainWindow);
    // "ruvivavu CALCULO": a calculation file (as a file manager hands one over) opens in its
    // calculator once the main window is up.
    if (const QStringList arguments = QCoreApplication::arguments(); arguments.size() > 1)
        mainWindow.setStartupFile(arguments.at(1));

    // Filling the screen first keeps the window full-size where no window manager maximises it.
    if (const QScreen* screen = mainWindow.screen()) mainWindow.setGeometry(screen->availableGeometry());
    mainWindow.showMaximized();
    return app.exec();
}

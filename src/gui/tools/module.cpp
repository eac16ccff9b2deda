// Plugs the monthly yield check tool, the February 1989 notice and the table updates into the main
// window.
#include "gui/shell/modules.h"

#include "core/common/errors.h"
#include "core/tools/tableupdate.h"
#include "gui/common/filedialog.h"
#include "gui/common/guard.h"
#include "gui/shell/mainwindow.h"
#include "gui/tools/infowindow.h"
#include "gui/tools/tableupdatewindow.h"
#include "gui/tools/yieldwindow.h"

#include <QPointer>
#include <QProgressDialog>
#include <QUrl>

namespace ruvivavu::gui::tools {

namespace {

namespace rt = ruvivavu::tools;

const QString kUndoQuestion = QStringLiteral(
    "As tabelas voltarão a ser as de antes da última atualização, e esta não poderá ser refeita sem uma nova "
    "atualização. Continuar?");

// "Atualização dos índices": the window says what is installed; the user fetches the set from the
// update source or from a folder or archive, or undoes the last update. The update runs with its
// own progress dialog while the program goes on; its end is told in a message.
void updateTables(MainWindow& mainWindow, QPointer<TableUpdateRun>& running) {
    shell::Shell& shell = mainWindow.shell();
    if (running) {
        if (QProgressDialog* progress = running->progressDialog()) progress->raise();
        throw UserMessage("Uma atualização das tabelas já está em andamento.");
    }
    TableUpdateWindow window(shell, &mainWindow);
    const int choice = window.exec();
    if (choice == TableUpdateWindow::Undo) {
        if (askYesNo(&mainWindow, kUndoQuestion)) showMessage(&mainWindow, qs(rt::undoUpdate(shell.dataFolder)));
        return;
    }
    QString local;
    QUrl address;
    if (choice == TableUpdateWindow::FromSource) {
        const QString source = updateSource(shell);
        const QUrl url(source);
        const QString scheme = url.scheme().toLower();
        if (scheme == QLatin1String("http") || scheme == QLatin1String("https"))
            address = url;
        else
            local = url.isLocalFile() ? url.toLocalFile() : source;
    } else if (choice == TableUpdateWindow::FromFile) {
        FileRequest request;
        request.title = QStringLiteral("Atualizar os índices de uma pasta ou arquivo");
        request.filter = QStringLiteral("Tabelas publicadas (manifesto.txt *.zip)");
        local = askForFile(&mainWindow, request);
        if (local.isEmpty()) return;
    } else {
        return;
    }
    auto* run = new TableUpdateRun(mainWindow, updateKey());
    running = run;
    QObject::connect(run, &TableUpdateRun::finished, &mainWindow, [&mainWindow, run](const QString& message) {
        run->deleteLater();
        showMessage(&mainWindow, message);
    });
    if (address.isValid())
        run->startNetwork(address);
    else
        run->startLocal(local);
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
    auto running = std::make_shared<QPointer<TableUpdateRun>>();
    mainWindow.setCommandHandler(Command::UpdateTables, [&mainWindow, running] { updateTables(mainWindow, *running); });
    mainWindow.setCommandHandler(Command::UpdatePage,
                                 [&mainWindow] { showWebPage(mainWindow, QUrl(MainWindow::vendorPageAddress())); });
    // An update cut short by the end of the program (power failure, a killed process) is put right
    // before any table is read.
    mainWindow.addStartupStep(2, [&mainWindow] { rt::recoverInterruptedUpdate(mainWindow.shell().dataFolder); });
    mainWindow.setCommandHandler(Command::YieldTool, [yield] {
        yield->show();
        yield->raise();
        yield->activateWindow();
    });
}

}  // namespace ruvivavu::gui::tools

// The first start on a machine without tables: the program finds the download program beside it,
// asks, runs it on "Sim", and the shipped tables end up in the data folder. Later updates come
// from the update source, without the download program.
#include "gui/shell/modules.h"
#include "gui/support/windowtest.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QHostAddress>
#include <QPushButton>
#include <QTcpServer>
#include <QtTest>

using namespace windowtest;

class FirstRunInstallTest : public QObject {
    Q_OBJECT
    Dialogs dialogs;

private Q_SLOTS:
    void init() { dialogs.clear(); }

    void answeringYesInstallsTheShippedTables() {
        Program program(Program::NoTables);
        const QString download = program.program("download");
        QVERIFY(QFile::copy(QStringLiteral(RUVIVAVU_BINARY_DIR "/download"), download));
        QFile::setPermissions(download, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        // The copy finds the shipped tables as in the build tree: by the marker beside it.
        QVERIFY(QFile::copy(QStringLiteral(RUVIVAVU_BINARY_DIR "/shipped-data.path"),
                            program.program("shipped-data.path")));
        // The marker makes the current folder the data folder, for the program and the download alike.
        writeFile(program.program("win98.ini"), {});
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(program.dataDir.path()));

        dialogs.defaultAnswer = true;
        ruvivavu::shell::Shell& shell = program.shell;
        shell.dataFolder = ruvivavu::shell::resolveDataFolder(shell.programFolder, QDir::currentPath().toStdString());
        QCOMPARE(QString::fromStdString(shell.dataFolder), program.dataDir.path());
        MainWindow& window = program.openMainWindow();
        window.show();

        QCOMPARE(dialogs.questions.size(), 1);
        QTRY_VERIFY(!window.isVisible());  // the program closes while the download runs on
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(program.data("lista.tab")), 20000);
        for (const char* table : {"zurivodo13.tab", "fgts.tab", "planos.ini", "images/index.htm"})
            QVERIFY2(QFile::exists(program.data(table)), table);
        QVERIFY(dialogs.messages.isEmpty());
        QDir::setCurrent(previous);
    }

    void updateCommandNeedsNoDownloadProgramAndTheProgramGoesOn() {
        Program program;  // tables already installed, no download program beside the program
        MainWindow& window = program.openMainWindow({&ruvivavu::gui::tools::install});
        window.show();
        QVERIFY(dialogs.questions.isEmpty());

        // "Fechar" in the update window does nothing; an update source that does not answer is
        // told, and the program goes on with its tables (a port on this machine nobody listens on).
        quint16 closed;
        {
            QTcpServer gone;
            QVERIFY(gone.listen(QHostAddress::LocalHost));
            closed = gone.serverPort();
        }
        program.writeData(QStringLiteral("atualizacao.ini"),
                          QStringLiteral("http://127.0.0.1:%1/tabelas/\r\n").arg(closed).toUtf8());
        const QByteArray lista = program.readData(QStringLiteral("lista.tab"));
        for (const char* button : {"fechar", "buscar"})
            dialogs.expectModal([button](QWidget* w) { child<QPushButton>(w, button)->click(); });
        program.run(Command::UpdateTables, MainWindow::Place::Popup);
        QVERIFY(dialogs.messages.isEmpty());
        program.run(Command::UpdateTables, MainWindow::Place::Popup);
        QTRY_COMPARE_WITH_TIMEOUT(dialogs.messages.size(), 1, 20000);
        QVERIFY(dialogs.messages[0].startsWith(QStringLiteral("Não foi possível buscar a atualização das tabelas")));
        QVERIFY(dialogs.questions.isEmpty());
        QVERIFY(window.isVisible());
        QCOMPARE(program.readData(QStringLiteral("lista.tab")), lista);
    }
};

QTEST_MAIN(FirstRunInstallTest)
#include "test_firstrun_install.moc"

// The first start on a machine without tables: the program finds the download program beside it,
// asks, runs it on "Sim", and the shipped tables end up in the data folder.
#include "gui/shell/modules.h"
#include "gui/support/windowtest.h"

#include <QAction>
#include <QDir>
#include <QFile>
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

    void updateCommandRunsTheDownloadProgramAndCloses() {
        Program program;  // tables already installed
        MainWindow& window = program.openMainWindow({&ruvivavu::gui::tools::install});
        window.show();
        QVERIFY(dialogs.questions.isEmpty());

        // Without the download program the command says so and the program goes on.
        program.run(Command::UpdateTables, MainWindow::Place::Popup);
        QCOMPARE(dialogs.messages.size(), 1);
        QVERIFY(
            dialogs.messages[0].startsWith(QStringLiteral("O programa de atualização das tabelas não foi encontrado")));
        QVERIFY(window.isVisible());

        // With it, "Não" leaves everything as it was; "Sim" runs it and closes the program.
        const QString marker = program.data("download-ran");
        const QString download = program.program("download");
        writeFile(download, "#!/bin/sh\ntouch '" + marker.toUtf8() + "'\n");
        QFile::setPermissions(download, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        dialogs.answerQuestions({false, true});
        program.run(Command::UpdateTables);
        QCOMPARE(dialogs.questions.size(), 1);
        QTest::qWait(100);
        QVERIFY(window.isVisible());
        QVERIFY(!QFile::exists(marker));
        program.run(Command::UpdateTables);
        QCOMPARE(dialogs.questions.size(), 2);
        QTRY_VERIFY(!window.isVisible());
        QTRY_VERIFY(QFile::exists(marker));
        QCOMPARE(dialogs.messages.size(), 1);
    }
};

QTEST_MAIN(FirstRunInstallTest)
#include "test_firstrun_install.moc"

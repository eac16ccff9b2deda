// The first start on a machine without tables: the program finds the download program beside it,
// asks, runs it on "Sim", and the shipped tables end up in the data folder.
#include "core/shell/shell.h"
#include "gui/common/guard.h"
#include "gui/shell/mainwindow.h"
#include "gui/shell/modules.h"

#include <QAction>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using ruvivavu::gui::MainWindow;

namespace {
QStringList questions;
bool answerYes(QWidget*, const QString& question) {
    questions << question;
    return true;
}
void failOnMessage(QWidget*, const QString& message) { QFAIL(qPrintable(QStringLiteral("message: ") + message)); }
QStringList messages;
void recordMessage(QWidget*, const QString& message) { messages << message; }
}  // namespace

class FirstRunInstallTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void answeringYesInstallsTheShippedTables() {
        QTemporaryDir programDir;
        QTemporaryDir dataDir;
        QVERIFY(programDir.isValid() && dataDir.isValid());
        const QString download = programDir.filePath(QStringLiteral("download"));
        QVERIFY(QFile::copy(QStringLiteral(RUVIVAVU_BINARY_DIR "/download"), download));
        QFile::setPermissions(download, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        // The copy finds the shipped tables as in the build tree: by the marker beside it.
        QVERIFY(QFile::copy(QStringLiteral(RUVIVAVU_BINARY_DIR "/shipped-data.path"),
                            programDir.filePath(QStringLiteral("shipped-data.path"))));
        // The marker makes the current folder the data folder, for the program and the download alike.
        QFile marker(programDir.filePath(QStringLiteral("win98.ini")));
        QVERIFY(marker.open(QIODevice::WriteOnly));
        marker.close();
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dataDir.path()));

        ruvivavu::gui::setQuestionAnswerer(&answerYes);
        ruvivavu::gui::setMessagePresenter(&failOnMessage);
        ruvivavu::shell::Shell shell;
        shell.programFolder = (programDir.path() + QStringLiteral("/")).toStdString();
        shell.dataFolder = ruvivavu::shell::resolveDataFolder(shell.programFolder, dataDir.path().toStdString());
        QCOMPARE(QString::fromStdString(shell.dataFolder), dataDir.path());
        MainWindow window(shell);
        window.show();

        QCOMPARE(questions.size(), 1);
        QTRY_VERIFY(!window.isVisible());  // the program closes while the download runs on
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(dataDir.filePath(QStringLiteral("lista.tab"))), 20000);
        for (const char* table : {"zurivodo13.tab", "fgts.tab", "planos.ini", "images/index.htm"})
            QVERIFY2(QFile::exists(dataDir.filePath(QString::fromLatin1(table))), table);
        QDir::setCurrent(previous);
    }

    void updateCommandRunsTheDownloadProgramAndCloses() {
        QTemporaryDir programDir;
        QTemporaryDir dataDir;
        QFile lista(dataDir.filePath(QStringLiteral("lista.tab")));  // tables already installed
        QVERIFY(lista.open(QIODevice::WriteOnly));
        lista.close();
        questions.clear();
        messages.clear();
        ruvivavu::gui::setQuestionAnswerer(&answerYes);
        ruvivavu::gui::setMessagePresenter(&recordMessage);
        ruvivavu::shell::Shell shell;
        shell.programFolder = (programDir.path() + QStringLiteral("/")).toStdString();
        shell.dataFolder = dataDir.path().toStdString();
        MainWindow window(shell);
        ruvivavu::gui::tools::install(window);
        window.show();
        QVERIFY(questions.isEmpty());

        // Without the download program the command says so and the program goes on.
        window.command(QStringLiteral("Atualizaodosndices1"))->trigger();
        QCOMPARE(messages.size(), 1);
        QVERIFY(messages[0].startsWith(QStringLiteral("O programa de atualização das tabelas não foi encontrado")));
        QVERIFY(window.isVisible());

        const QString marker = dataDir.filePath(QStringLiteral("download-ran"));
        const QString download = programDir.filePath(QStringLiteral("download"));
        QFile script(download);
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\ntouch '" + marker.toUtf8() + "'\n");
        script.close();
        QFile::setPermissions(download, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        window.command(QStringLiteral("Atualizaodosndices1"))->trigger();
        QCOMPARE(questions.size(), 1);
        QTRY_VERIFY(!window.isVisible());
        QTRY_VERIFY(QFile::exists(marker));
    }
};

QTEST_MAIN(FirstRunInstallTest)
#include "test_firstrun_install.moc"

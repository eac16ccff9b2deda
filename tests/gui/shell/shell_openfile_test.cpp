// A calculation file given to the program (its command line, a file manager): it opens in its
// calculator, and a type the program cannot open yet is told without ending the program.
#include "gui/fgts/fgtswindow.h"
#include "gui/savings/dailysavingswindow.h"
#include "gui/shell/modules.h"
#include "gui/support/windowtest.h"

#include <QApplication>
#include <QDir>
#include <QtTest>

using namespace windowtest;

namespace {

template <class W>
W* topLevel(const QString& objectName = QString()) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* found = qobject_cast<W*>(w); found && (objectName.isEmpty() || w->objectName() == objectName))
            return found;
    return nullptr;
}

// Whether a window of that class is shown with that title (the savings wizard class serves two
// calculators).
template <class W>
bool shownWithTitle(const QString& title) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* window = qobject_cast<W*>(w); window && window->isVisible() && window->windowTitle() == title)
            return true;
    return false;
}

// Every shipped table and configuration file, as the first run leaves the data folder.
void installShippedData(Program& program) {
    QStringList names;
    for (const QString& name : QDir(sourceFile(QStringLiteral("data"))).entryList(QDir::Files)) names << name;
    program.copyShippedData(names);
}

}  // namespace

class OpenFileTest : public QObject {
    Q_OBJECT
    Dialogs dialogs;

private Q_SLOTS:
    void init() { dialogs.clear(); }

    void theStartupFileOpensInItsCalculatorOnceTheWindowIsUp() {
        Program program;
        installShippedData(program);
        MainWindow& window = program.openMainWindow({&ruvivavu::gui::savings::install, &ruvivavu::gui::fgts::install});
        window.setStartupFile(sourceFile(QStringLiteral("examples/bresser.e12")));
        window.show();
        QTRY_VERIFY(shownWithTitle<ruvivavu::gui::savings::DailySavingsWindow>(
            QStringLiteral("Ruvivavu da Dudovizu - bresser.e12")));
        QCOMPARE(dialogs.messages, QStringList());

        // Another file goes to its own calculator; a new savings calculation forgets the file name.
        window.openFile(sourceFile(QStringLiteral("examples/fgts_verao_collor.fg")));
        QVERIFY(shownWithTitle<ruvivavu::gui::FgtsWindow>(QStringLiteral("Expurgos FGTS - fgts_verao_collor.fg")));
        QCOMPARE(dialogs.messages, QStringList());
        program.run(Command::DailySavings);
        QVERIFY(shownWithTitle<ruvivavu::gui::savings::DailySavingsWindow>(QStringLiteral("Ruvivavu da Dudovizu")));
    }

    void aFileItCannotOpenIsToldAndTheProgramGoesOn() {
        Program program;
        installShippedData(program);
        MainWindow& window = program.openMainWindow({&ruvivavu::gui::savings::install, &ruvivavu::gui::fgts::install});
        window.show();
        QTemporaryDir files;
        const QString other = files.filePath(QStringLiteral("notas.txt"));
        writeFile(other, "x");

        window.openFile(other);
        QCOMPARE(dialogs.messages.size(), 1);
        QVERIFY(dialogs.messages[0].startsWith(QStringLiteral("O programa não abre este tipo de arquivo")));
        QVERIFY(dialogs.messages[0].contains(QStringLiteral(".e12")));
        QVERIFY(dialogs.messages[0].contains(QStringLiteral(".fg")));
        window.openFile(files.filePath(QStringLiteral("sumiu.e12")));
        QCOMPARE(dialogs.messages.size(), 2);
        QVERIFY(dialogs.messages[1].startsWith(QStringLiteral("O arquivo não foi encontrado")));
        QVERIFY(window.isVisible());
        QVERIFY(
            !topLevel<ruvivavu::gui::savings::DailySavingsWindow>(QStringLiteral("DailySavingsWindow")) ||
            !topLevel<ruvivavu::gui::savings::DailySavingsWindow>(QStringLiteral("DailySavingsWindow"))->isVisible());
    }

    void theFirstRunHandsTheFileToTheDownloadProgram() {
        // The download program starts the program again when the tables are in: with the file, or
        // the user would have to open it again by hand.
        Program program(Program::NoTables);
        const QString marker = program.data("download-args");
        const QString download = program.program("download");
        writeFile(download, "#!/bin/sh\necho \"$@\" > '" + marker.toUtf8() + "'\n");
        QFile::setPermissions(download, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        dialogs.defaultAnswer = true;
        MainWindow& window = program.openMainWindow({&ruvivavu::gui::savings::install, &ruvivavu::gui::fgts::install});
        const QString example = sourceFile(QStringLiteral("examples/bresser.e12"));
        window.setStartupFile(example);
        window.show();
        QCOMPARE(dialogs.questions.size(), 1);
        QTRY_VERIFY(!window.isVisible());
        QTRY_VERIFY(QFile::exists(marker) && !readFile(marker).isEmpty());
        QCOMPARE(QString::fromUtf8(readFile(marker)).trimmed(), QFileInfo(example).absoluteFilePath());
        QTest::qWait(50);
        auto* savings = topLevel<ruvivavu::gui::savings::DailySavingsWindow>(QStringLiteral("DailySavingsWindow"));
        QVERIFY(!savings || !savings->isVisible());
    }
};

QTEST_MAIN(OpenFileTest)
#include "shell_openfile_test.moc"

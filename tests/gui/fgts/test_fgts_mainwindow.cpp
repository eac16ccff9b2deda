// The FGTS purge command of the main window: the table check, the window on page 0 and a finished
// statement shown in the main window's report viewer.
#include "core/common/fileio.h"
#include "core/shell/shell.h"
#include "gui/common/dateedit.h"
#include "gui/common/guard.h"
#include "gui/fgts/fgtswindow.h"
#include "gui/shell/mainwindow.h"
#include "gui/shell/modules.h"
#include "gui/support/windowtest.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTextBrowser>
#include <QToolButton>
#include <QtTest>

using namespace ruvivavu;
using namespace ruvivavu::gui;

namespace {
FgtsWindow* fgtsWindow() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* f = qobject_cast<FgtsWindow*>(w)) return f;
    return nullptr;
}
}  // namespace

class TestFgtsMainWindow : public QObject {
    Q_OBJECT
    windowtest::Dialogs dialogs_;

private slots:
    void commandLoadsTheTableAndTheStatementReachesTheViewer() {
        windowtest::Program program;
        shell::Shell& shell = program.shell;
        MainWindow& main = program.openMainWindow({&gui::fgts::install});

        program.run(gui::Command::FgtsPurge, MainWindow::Place::Popup);
        QCOMPARE(dialogs_.messages, QStringList{QStringLiteral("A tabela não foi encontrada, atualize os índices")});
        QVERIFY(shell.previewEnabled);
        FgtsWindow* window = fgtsWindow();
        QVERIFY(window && !window->isVisible());

        writeFileAtomic(shell.dataFile("fgts.tab"),
                        "M\tA\tB\tC\tD\tE\tJ3\tJ6\tMoeda\t\r\n"
                        "03/1989\tx\tx\tx\tx\tx\t1,000000\t1,000000\tNCz$\t\r\n"
                        "05/1990\tx\tx\tx\tx\tx\t2,000000\t2,000000\tCr$\t\r\n"
                        "06/2005\tx\tx\tx\tx\tx\t4,000000\t4,000000\tR$\t\r\n");
        dialogs_.clear();
        program.run(gui::Command::FgtsPurge, MainWindow::Place::Popup);
        QVERIFY(dialogs_.messages.isEmpty());
        QVERIFY(window->isVisible());
        QCOMPARE(window->currentPage(), 0);

        window->findChild<DateEdit*>(QStringLiteral("updateDate"))->setMaskText(QStringLiteral("01/06/2005"));
        auto* next = window->findChild<QToolButton*>(QStringLiteral("nextButton"));
        for (int i = 0; i < 5; ++i) QTest::mouseClick(next, Qt::LeftButton);
        QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("finishButton")), Qt::LeftButton);
        QVERIFY(dialogs_.messages.isEmpty());
        QVERIFY(!window->isVisible());
        QVERIFY(main.viewer()->toPlainText().contains(QStringLiteral("TOTAL GERAL")));
        QVERIFY(main.viewer()->toPlainText().contains(QStringLiteral("Tabela JAM")));
    }
};

QTEST_MAIN(TestFgtsMainWindow)
#include "test_fgts_mainwindow.moc"

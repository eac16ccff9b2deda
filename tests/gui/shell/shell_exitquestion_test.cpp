// Closing the program while a calculator holds typing neither saved nor finalised asks first; "Não"
// keeps the program and the typing as they were. A finalising write that fails keeps the old
// backup and says why.
#include "gui/common/amountedit.h"
#include "gui/common/dateedit.h"
#include "gui/configuredsavings/configuredsavingswindow.h"
#include "gui/fgts/fgtswindow.h"
#include "gui/fgts/progressiveinterestwindow.h"
#include "gui/savings/dailysavingswindow.h"
#include "gui/savings/saopaulowindow.h"
#include "gui/settlement/settlementwindow.h"
#include "gui/shell/mainwindow.h"
#include "gui/shell/modules.h"
#include "gui/support/windowtest.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include <sys/resource.h>

#include <csignal>
#include <functional>

using namespace ruvivavu::gui;
using windowtest::child;

namespace {

const QString kQuestion = QStringLiteral("Existem cálculos não salvos. Deseja sair assim mesmo?");

// The main window with every calculator over the shipped tables, shown.
struct Program : windowtest::Program {
    Program() : windowtest::Program(NoTables) {
        copyShippedData({QStringLiteral("zurivodo13.tab"), QStringLiteral("planos.ini"), QStringLiteral("indice.ini"),
                         QStringLiteral("lista.tab"), QStringLiteral("fgts.tab"), QStringLiteral("t0001.tab"),
                         QStringLiteral("tjsp.tab"), QStringLiteral("mes.tab"), QStringLiteral("mes2.tab"),
                         QStringLiteral("fgtsjuros.tab")});
        MainWindow& window =
            openMainWindow({&savings::install, &fgts::install, &configuredsavings::install, &settlement::install});
        window.show();
    }
    savings::DailySavingsWindow* dailySavings() {
        run(Command::DailySavings);
        return mainWindow().findChild<savings::DailySavingsWindow*>(QStringLiteral("DailySavingsWindow"));
    }
    // The São Paulo calculators' plan lists: the factor table's and the month-by-month one.
    QListWidget* saoPauloPlans(Command command) {
        run(command);
        if (command == Command::SaoPauloCourtDebt)
            return mainWindow().findChild<savings::SaoPauloWindow*>(QStringLiteral("SaoPauloWindow"))->planList();
        return mainWindow()
            .findChild<savings::DailySavingsWindow*>(QStringLiteral("CourtDebtMonthlyWindow"))
            ->planList();
    }
    FgtsWindow* fgtsPurge() {
        run(Command::FgtsPurge);
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* f = qobject_cast<FgtsWindow*>(w)) return f;
        return nullptr;
    }
    // A window the command shows, by its object name.
    template <class Window>
    Window* shown(Command command, const QString& name) {
        run(command);
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == name) return qobject_cast<Window*>(w);
        return nullptr;
    }
    ConfiguredSavingsWindow* configured(Command command) {
        return shown<ConfiguredSavingsWindow>(
            command, command == Command::CollorSavings ? QStringLiteral("TForm_conftodos") : QStringLiteral("TForm7"));
    }
    ProgressiveInterestWindow* progressive() {
        return shown<ProgressiveInterestWindow>(Command::FgtsProgressiveInterest, QStringLiteral("Form_FGTS"));
    }
    SettlementWindow* agreement() {
        return shown<SettlementWindow>(Command::Settlement, QStringLiteral("SettlementWindow"));
    }
};

// An FGTS purge typed up to "Finalizar" (every option off, the Verão balance only).
void typeFgtsPurge(FgtsWindow* window) {
    child<DateEdit>(window, "updateDate")->setMaskText(QStringLiteral("01/06/2005"));
    auto* balance = child<AmountEdit>(window, "veraoBalance");
    balance->setFocus();
    QTest::keyClicks(balance, QStringLiteral("100000"));
    for (int i = 0; i < 5; ++i) window->next();
}

// What a case does before the program is closed.
using Work = std::function<void(Program&)>;

}  // namespace

Q_DECLARE_METATYPE(Work)

class ExitQuestionTest : public QObject {
    Q_OBJECT
    windowtest::Dialogs dialogs;

private slots:
    void init() { dialogs.clear(); }

    void closingAsksOnlyWhileTypingIsUnsaved_data() {
        QTest::addColumn<Work>("work");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("answer");

        QTest::newRow("calculators opened, nothing typed") << Work([](Program& p) {
            p.dailySavings();
            p.saoPauloPlans(Command::SaoPauloCourtDebt);
            p.saoPauloPlans(Command::SaoPauloMonthly);
            p.fgtsPurge();
            p.configured(Command::ConfiguredSavings);
            p.configured(Command::CollorSavings);
            p.progressive();
            p.agreement();
        }) << false << false;
        const Work tickPlan = [](Program& p) { p.dailySavings()->planList()->item(0)->setCheckState(Qt::Checked); };
        QTest::newRow("a plan ticked, \"Não\"") << tickPlan << true << false;
        QTest::newRow("a plan ticked, \"Sim\"") << tickPlan << true << true;
        QTest::newRow("São Paulo: a plan ticked, \"Não\"") << Work([](Program& p) {
            p.saoPauloPlans(Command::SaoPauloCourtDebt)->item(0)->setCheckState(Qt::Checked);
        }) << true << false;
        QTest::newRow("São Paulo month by month: a plan ticked, \"Não\"")
            << Work([](Program& p) { p.saoPauloPlans(Command::SaoPauloMonthly)->item(1)->setCheckState(Qt::Checked); })
            << true << false;
        QTest::newRow("a plan ticked in a hidden window, \"Não\"") << Work([tickPlan](Program& p) {
            tickPlan(p);
            p.dailySavings()->hide();
        }) << true << false;
        QTest::newRow("an FGTS balance being typed, \"Não\"") << Work([](Program& p) {
            auto* balance = child<AmountEdit>(p.fgtsPurge(), "veraoBalance");
            balance->setFocus();
            QTest::keyClicks(balance, QStringLiteral("5000"));
        }) << true << false;
        QTest::newRow("an FGTS purge finalised") << Work([](Program& p) {
            FgtsWindow* window = p.fgtsPurge();
            typeFgtsPurge(window);
            window->finish();
        }) << false << false;
        QTest::newRow("typed again after finalising, \"Não\"") << Work([](Program& p) {
            FgtsWindow* window = p.fgtsPurge();
            typeFgtsPurge(window);
            window->finish();
            p.fgtsPurge();
            child<QCheckBox>(window, "withCosts")->click();
        }) << true << false;
        QTest::newRow("typed, then \"Novo\"") << Work([](Program& p) {
            FgtsWindow* window = p.fgtsPurge();
            typeFgtsPurge(window);
            window->reset();
        }) << false << false;
        for (Command command : {Command::ConfiguredSavings, Command::CollorSavings})
            QTest::newRow(command == Command::CollorSavings ? "Collor savings: a name typed, \"Não\""
                                                            : "configured savings: a name typed, \"Não\"")
                << Work([command](Program& p) {
                       QTest::keyClicks(child<QLineEdit>(p.configured(command), "Enome"), QStringLiteral("Maria"));
                   })
                << true << false;
        QTest::newRow("configured savings: typed, then \"Novo\"") << Work([](Program& p) {
            ConfiguredSavingsWindow* window = p.configured(Command::ConfiguredSavings);
            QTest::keyClicks(child<QLineEdit>(window, "Enome"), QStringLiteral("Maria"));
            window->reset();
        }) << false << false;
        QTest::newRow("progressive interest: a header typed, \"Não\"") << Work([](Program& p) {
            QTest::keyClicks(child<QPlainTextEdit>(p.progressive(), "Memo1"), QStringLiteral("Autor"));
        }) << true << false;
        QTest::newRow("progressive interest: typed, then finalised") << Work([](Program& p) {
            ProgressiveInterestWindow* window = p.progressive();
            QTest::keyClicks(child<QPlainTextEdit>(window, "Memo1"), QStringLiteral("Autor"));
            window->finish();
        }) << false << false;
        QTest::newRow("agreement: an account added, \"Não\"")
            << Work([](Program& p) { p.agreement()->addAccount(); }) << true << false;
        QTest::newRow("agreement: an account added, then finalised") << Work([](Program& p) {
            SettlementWindow* window = p.agreement();
            window->addAccount();
            window->finish();
        }) << false << false;
    }

    void closingAsksOnlyWhileTypingIsUnsaved() {
        QFETCH(Work, work);
        QFETCH(bool, asked);
        QFETCH(bool, answer);
        Program program;
        work(program);
        QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.messages.join(QStringLiteral("; "))));
        dialogs.answerQuestions({answer});

        const bool closed = program.mainWindow().close();

        QCOMPARE(dialogs.questions, asked ? QStringList{kQuestion} : QStringList{});
        QCOMPARE(closed, !asked || answer);
        QCOMPARE(program.mainWindow().isVisible(), !closed);
        if (!closed) {
            // Nothing was lost: asked again, the typing is still there.
            dialogs.answerQuestions({true});
            QVERIFY(program.mainWindow().close());
            QCOMPARE(dialogs.questions.size(), 2);
        }
    }

    void aFinaliseThatCannotWriteKeepsTheOldBackupAndSaysWhy() {
        Program program;
        program.writeData(QStringLiteral("fgts.back"), "1\r\nO cálculo de ontem\r\n");
        FgtsWindow* window = program.fgtsPurge();
        typeFgtsPurge(window);

        // The disk is full: no file may grow past 16 bytes.
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        const rlimit full{16, saved.rlim_max};
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &full);
        window->finish();
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);

        QCOMPARE(
            dialogs.messages,
            QStringList{QStringLiteral("Cannot create file \"%1\". File too large").arg(program.data("fgts.back"))});
        QCOMPARE(program.readData(QStringLiteral("fgts.back")), QByteArray("1\r\nO cálculo de ontem\r\n"));
        QVERIFY(window->isVisible());
        // The typing is still unsaved.
        dialogs.answerQuestions({false});
        QVERIFY(!program.mainWindow().close());
        QCOMPARE(dialogs.questions, QStringList{kQuestion});
    }
};

QTEST_MAIN(ExitQuestionTest)
#include "shell_exitquestion_test.moc"

// Drives the configured-savings windows offscreen: the month derivation on leaving a field, the
// navigation and its messages, a calculation walked to "Finalizar" whose statement the command-line
// run reproduces byte for byte, the date repair of each window and the main window's commands and
// files.
#include "core/common/fileio.h"
#include "core/configuredsavings/headlessrun.h"
#include "core/shell/shell.h"
#include "gui/common/amountedit.h"
#include "gui/common/dateedit.h"
#include "gui/common/guard.h"
#include "gui/configuredsavings/configuredsavingswindow.h"
#include "gui/shell/modules.h"
#include "gui/support/windowtest.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QtTest>

using namespace ruvivavu;
using namespace ruvivavu::gui;
namespace cs = ::ruvivavu::configuredsavings;

class TestConfiguredWindow : public QObject {
    Q_OBJECT

private:
    windowtest::Dialogs dialogs_;
    std::unique_ptr<windowtest::Program> program_;
    std::unique_ptr<ConfiguredSavingsWindow> window_;
    QStringList viewed_;

    template <class T>
    T* child(const char* name) {
        return windowtest::child<T>(window_.get(), name);
    }
    void click(const char* name) { QTest::mouseClick(child<QAbstractButton>(name), Qt::LeftButton); }
    QString text(const char* name) { return child<QLineEdit>(name)->text(); }
    // Types into an amount field and leaves it, as Tab would.
    void typeAndLeave(const char* name, const QString& digits) {
        auto* e = child<AmountEdit>(name);
        e->setText(QStringLiteral("0,00"));
        e->setFocus();
        QTest::keyClicks(e, digits);
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(e, &out);
    }
    void open(const cs::Variant& variant) {
        window_ = std::make_unique<ConfiguredSavingsWindow>(nullptr, program_->shell, variant);
        window_->start();
    }
    shell::Shell& shell() { return program_->shell; }

private slots:
    void init() {
        dialogs_.clear();
        program_ = std::make_unique<windowtest::Program>();
        program_->copyShippedData({QStringLiteral("mes.tab"), QStringLiteral("mes2.tab")});
        viewed_.clear();
        shell().viewerLoad = [this](const std::string& path) { viewed_ << qs(path); };
    }
    void cleanup() {
        window_.reset();
        program_.reset();
    }

    void leavingAMonthFieldDerivesItsMonth() {
        open(cs::kConfiguredSavings);
        typeAndLeave("ESAjun87", QStringLiteral("1000000"));
        QCOMPARE(text("ESAjun87"), QStringLiteral("10.000,00"));
        QCOMPARE(text("Ejcmjul87"), QStringLiteral("1.861,06"));
        QCOMPARE(text("Ejsisegjun87"), QStringLiteral("1.802,05"));
        QCOMPARE(text("Ejsijurosjul87"), QStringLiteral("59,01"));
        QCOMPARE(text("ESPjun87"), QStringLiteral("11.861,06"));

        open(cs::kCollorSavings);
        typeAndLeave("ESPabril90", QStringLiteral("200000"));
        QCOMPARE(text("ESAmarco90"), QStringLiteral("1.408,58"));
        QCOMPARE(text("Ejsijurosabril90"), QStringLiteral("9,95"));
        // "Próximo" runs the rule of the field still being typed in.
        auto* e = child<AmountEdit>("ESAfev91");
        e->setFocus();
        QTest::keyClicks(e, QStringLiteral("100000"));
        click("Proximo");
        QCOMPARE(text("ESPmarco91"), QStringLiteral("1.075,35"));
        QCOMPARE(text("Ejsijurosmarco91"), QStringLiteral("5,35"));
    }

    void dateRepairFollowsTheWindow() {
        const std::pair<const cs::Variant*, QString> cases[] = {{&cs::kConfiguredSavings, QStringLiteral("29/02/1995")},
                                                                {&cs::kCollorSavings, QStringLiteral("28/02/1995")}};
        for (const auto& [variant, repaired] : cases) {
            open(*variant);
            auto* date = child<DateEdit>("Datejurcompinicial");
            date->setMaskText(QStringLiteral("29/02/1995"));
            date->setFocus();
            date->leave();
            QCOMPARE(date->maskText(), repaired);
        }
    }

    void finishedCalculationMatchesTheCommandLineRun_data() {
        QTest::addColumn<bool>("six");
        QTest::newRow("four months") << false;
        QTest::newRow("Collor I and II") << true;
    }
    void finishedCalculationMatchesTheCommandLineRun() {
        QFETCH(bool, six);
        open(six ? cs::kCollorSavings : cs::kConfiguredSavings);
        child<QLineEdit>("Enome")->setText(QStringLiteral("João da Silva"));
        child<DateEdit>("Dateate")->setMaskText(QStringLiteral("15/08/1994"));
        click("Proximo");
        child<QRadioButton>("Rsaldoant")->setChecked(true);
        for (const char* box : {"Cjc", "Cjm", "Chonorarios"}) child<QCheckBox>(box)->setChecked(true);
        click("Proximo");
        QCOMPARE(window_->currentPage(), 4);
        typeAndLeave("ESAjun87", QStringLiteral("1000000"));
        typeAndLeave(six ? "ESAfev91" : "ESAjun90", QStringLiteral("30000"));
        click("Proximo");
        child<DateEdit>("Datejurcompinicial")->setMaskText(QStringLiteral("15/08/1994"));
        child<DateEdit>("Datejurcompfinal")->setMaskText(QStringLiteral("15/08/1999"));
        child<AmountEdit>("Ejurcomp")->clear();
        QTest::keyClicks(child<AmountEdit>("Ejurcomp"), QStringLiteral("0a,5"));  // digits and the comma only
        click("Proximo");
        child<DateEdit>("Datejurmorinicial")->setMaskText(QStringLiteral("15/09/1995"));
        child<DateEdit>("Datejurmorfinal")->setMaskText(QStringLiteral("20/08/2000"));
        child<AmountEdit>("Ejurmor")->setText(QStringLiteral("1"));
        click("Proximo");
        child<QRadioButton>("Rhonvalor")->setChecked(true);
        child<AmountEdit>("Ehonvalor")->setText(QStringLiteral("150000"));
        QCOMPARE(text("Ehonvalor"), QStringLiteral("1.500,00"));
        click("Proximo");
        QCOMPARE(window_->currentPage(), 9);
        QVERIFY(child<QPushButton>("Finalizar")->isEnabled());

        const QString saved = program_->data(six ? "calculo.ex20" : "calculo.e20");
        dialogs_.answerFiles({saved});
        click("Salvar");
        QCOMPARE(dialogs_.fileRequests.value(0).defaultSuffix, QString::fromUtf8(six ? "ex20" : "e20"));
        click("Finalizar");
        QCOMPARE(dialogs_.messages.join(QStringLiteral("|")), QString());
        QVERIFY(!window_->isVisible());
        QCOMPARE(viewed_, QStringList{qs(shell().dataFile("federal.html"))});

        shell::Shell other;
        other.dataFolder = shell().dataFolder;
        const std::string cli =
            six ? cs::runCollorCalculationFile(other, ss(saved)) : cs::runCalculationFile(other, ss(saved));
        QVERIFY(readFileBytes(shell().dataFile("federal.html")) == cli);
        QVERIFY(cli.find("Jo\xE3o da Silva") != std::string::npos);

        // "Novo" empties the figures; "Abrir" of the saved file brings every field back.
        window_->start();
        click("Novo");
        QCOMPARE(text("ESAjun87"), QStringLiteral("0,00"));
        QCOMPARE(text("Edia"), QString());
        dialogs_.answerFiles({saved});
        click("Abrir");
        QCOMPARE(text("ESAjun87"), QStringLiteral("10.000,00"));
        QCOMPARE(text("Ejurcomp"), QStringLiteral("0,5"));
        QCOMPARE(text("Ehonvalor"), QStringLiteral("1.500,00"));
        QCOMPARE(child<DateEdit>("Datejurmorfinal")->maskText(), QStringLiteral("20/08/2000"));
        QVERIFY(child<QRadioButton>("Rsaldoant")->isChecked());
        QCOMPARE(window_->currentPage(), 0);
    }

    void mainWindowCommandsAndFiles() {
        program_->copyShippedData({QStringLiteral("zurivodo13.tab"), QStringLiteral("planos.ini")});
        MainWindow& main = program_->openMainWindow({&gui::savings::install, &gui::configuredsavings::install});
        main.firstShow();
        auto* daily = main.findChild<QWidget*>(QStringLiteral("DailySavingsWindow"));
        // Each configured-savings window closes the daily-savings one; daily savings closes only the first.
        for (Command command : {Command::ConfiguredSavings, Command::CollorSavings}) {
            program_->run(Command::DailySavings);
            QVERIFY(daily->isVisible());
            program_->run(command);
            QVERIFY(!daily->isVisible());
        }
        QVERIFY(dialogs_.messages.isEmpty());
        auto* four = main.findChild<ConfiguredSavingsWindow*>(QStringLiteral("TForm7"));
        auto* six = main.findChild<ConfiguredSavingsWindow*>(QStringLiteral("TForm_conftodos"));
        QVERIFY(!four->isVisible());
        QVERIFY(six && six->isVisible());
        program_->run(Command::ConfiguredSavings);
        four->close();
        main.openFile(windowtest::sourceFile(QStringLiteral("examples/configurada_bresser_collor.e20")));
        QVERIFY(dialogs_.messages.isEmpty());
        QVERIFY(four->isVisible());
        QCOMPARE(four->findChild<QLineEdit*>(QStringLiteral("Enome"))->text(),
                 QStringLiteral("Maria Aparecida de Souza"));
        main.openFile(windowtest::sourceFile(QStringLiteral("examples/configurada_collor_todos.ex20")));
        QCOMPARE(six->findChild<QLineEdit*>(QStringLiteral("ESAfev91"))->text(), QStringLiteral("1.000,00"));
        QVERIFY(dialogs_.messages.isEmpty());
    }
};

QTEST_MAIN(TestConfiguredWindow)
#include "test_configured_window.moc"

// Drives the FGTS purge window offscreen: launch, navigation with its checks and skips, the amount
// and date fields, a finished calculation reaching the viewer, and the calculation files.
#include "core/common/errors.h"
#include "core/common/fileio.h"
#include "core/shell/shell.h"
#include "gui/common/amountedit.h"
#include "gui/common/dateedit.h"
#include "gui/common/guard.h"
#include "gui/fgts/fgtswindow.h"
#include "gui/support/windowtest.h"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

using namespace ruvivavu;
using namespace ruvivavu::gui;

namespace {

const char* const kTable =
    "M\xEAs\tA\tB\tC\tD\tE\tJAM 3%\tJAM 6%\tMoeda\t\r\n"
    "02/1989\tx\tx\tx\tx\tx\t1,200000\t1,300000\tNCz$\t\r\n"
    "03/1989\tx\tx\tx\tx\tx\t1,234567\t1,300000\tNCz$\t\r\n"
    "05/1990\tx\tx\tx\tx\tx\t2,345678\t2,500000\tCr$\t\r\n"
    "06/2005\tx\tx\tx\tx\tx\t3,456789\t3,600000\tR$\t\r\n"
    "07/2005\tx\tx\tx\tx\tx\t3,500000\t3,700000\tR$\t\r\n";

}  // namespace

class TestFgtsWindow : public QObject {
    Q_OBJECT

private:
    windowtest::Dialogs dialogs_;
    std::unique_ptr<windowtest::Program> program_;
    std::unique_ptr<FgtsWindow> window_;
    QStringList viewed_;

    template <class T>
    T* child(const char* name) {
        return windowtest::child<T>(window_.get(), name);
    }
    void click(const char* name) { QTest::mouseClick(child<QAbstractButton>(name), Qt::LeftButton); }
    void typeAmount(const char* name, const QString& digits) {
        auto* e = child<AmountEdit>(name);
        e->setText(QStringLiteral("0,00"));
        e->setFocus();
        QTest::keyClicks(e, digits);
    }

private slots:
    void init() {
        dialogs_.clear();
        program_ = std::make_unique<windowtest::Program>();
        shell::Shell& shell = program_->shell;
        shell.fontName = "Times New Roman";
        shell.fontSize = "10";
        viewed_.clear();
        shell.viewerLoad = [this](const std::string& path) { viewed_ << qs(path); };
        window_ = std::make_unique<FgtsWindow>(shell);
    }
    void cleanup() {
        window_.reset();
        program_.reset();
    }
    shell::Shell& shell() { return program_->shell; }

    void launchWithoutTableShowsOnlyTheMessage() {
        guarded(nullptr, [this] { window_->launch(); });
        QCOMPARE(dialogs_.messages, QStringList{QStringLiteral("A tabela não foi encontrada, atualize os índices")});
        QVERIFY(!window_->isVisible());
        QVERIFY(shell().previewEnabled);
    }

    void navigationChecksAndSkips() {
        writeFileAtomic(shell().dataFile("fgts.tab"), kTable);
        window_->launch();
        QVERIFY(window_->isVisible());
        QCOMPARE(window_->windowTitle(), QStringLiteral("Expurgos FGTS"));
        QCOMPARE(window_->currentPage(), 0);
        QCOMPARE(shell().indice.rowCount(), 6);

        click("nextButton");
        QCOMPARE(dialogs_.messages.value(0), QStringLiteral("Preencha a data de atualização"));
        QCOMPARE(window_->currentPage(), 0);
        QCOMPARE(window_->focusWidget(), child<QWidget>("updateDate"));

        // A half-typed day stops "Próximo" with the conversion message of the leave rule.
        auto* dataini = child<DateEdit>("updateDate");
        dataini->setFocus();
        dataini->setMaskText(QStringLiteral("1 /02/2000"));
        dialogs_.messages.clear();
        click("nextButton");
        QCOMPARE(dialogs_.messages, QStringList{QStringLiteral("'1/' is not a valid integer value")});
        QCOMPARE(window_->currentPage(), 0);

        // The leave rule repairs the date before it is checked.
        dataini->clear();
        dataini->setFocus();
        QTest::keyClicks(dataini, QStringLiteral("31021999"));
        child<QCheckBox>("withCosts")->setChecked(true);
        click("nextButton");
        QCOMPARE(dataini->maskText(), QStringLiteral("28/02/1999"));
        QCOMPARE(window_->currentPage(), 3);
        QVERIFY(!child<QPushButton>("finishButton")->isEnabled());
        click("previousButton");
        QCOMPARE(window_->currentPage(), 0);

        child<QCheckBox>("withInterest")->setChecked(true);
        click("nextButton");
        QCOMPARE(window_->currentPage(), 1);
        dialogs_.messages.clear();
        click("nextButton");
        QCOMPARE(dialogs_.messages.value(0), QStringLiteral("Preencha a Data de início  - juros de mora"));
        QCOMPARE(window_->focusWidget(), child<QWidget>("interestStart"));
        child<DateEdit>("interestStart")->setMaskText(QStringLiteral("01/01/1995"));
        click("nextButton");
        click("nextButton");
        QCOMPARE(window_->currentPage(), 4);
        QVERIFY(child<QPushButton>("finishButton")->isEnabled());

        click("newButton");  // "Novo"
        QCOMPARE(window_->currentPage(), 0);
        QVERIFY(!child<QPushButton>("finishButton")->isEnabled());
        QCOMPARE(dataini->maskText(), QStringLiteral("  /  /    "));
    }

    void amountFieldsShiftDigitsInFromTheRight() {
        auto* e = child<AmountEdit>("veraoBalance");
        QCOMPARE(e->text(), QStringLiteral("0,00"));
        typeAmount("veraoBalance", QStringLiteral("1a2.3,4"));
        QCOMPARE(e->text(), QStringLiteral("12,34"));
        QTest::keyClick(e, Qt::Key_Home);
        QTest::keyClick(e, Qt::Key_Delete);  // always the last digit
        QCOMPARE(e->text(), QStringLiteral("1,23"));
        QTest::keyClick(e, Qt::Key_Backspace);
        QCOMPARE(e->text(), QStringLiteral("0,12"));
        typeAmount("interestRate", QStringLiteral("6,00"));  // the comma passes, the re-formatting drops it
        QCOMPARE(child<AmountEdit>("interestRate")->text(), QStringLiteral("6,00"));

        // A pasted text without digits is refused with the conversion message.
        dialogs_.messages.clear();
        e->setText(QStringLiteral("abc"));
        QCOMPARE(e->text(), QStringLiteral("abc"));
        QCOMPARE(dialogs_.messages.value(0), QStringLiteral("'' is not a valid floating point value"));
    }

    void finishedCalculationReachesTheViewerAndFiles() {
        writeFileAtomic(shell().dataFile("fgts.tab"), kTable);
        window_->launch();
        child<QPlainTextEdit>("header")->setPlainText(
            QStringLiteral("Reclamante: João da Silva\n\nProcesso nº 123/2005"));
        for (const char* box : {"withInterest", "withFees", "withCosts"}) child<QCheckBox>(box)->setChecked(true);
        child<DateEdit>("updateDate")->setMaskText(QStringLiteral("01/06/2005"));
        click("nextButton");
        child<DateEdit>("interestStart")->setMaskText(QStringLiteral("10/01/2000"));
        typeAmount("interestRate", QStringLiteral("600"));
        click("nextButton");
        typeAmount("feePercent", QStringLiteral("1000"));
        click("nextButton");
        typeAmount("costs", QStringLiteral("15000"));
        click("nextButton");
        QCOMPARE(window_->currentPage(), 4);
        typeAmount("veraoBalance", QStringLiteral("123456"));
        typeAmount("collorBalance", QStringLiteral("234567"));
        click("nextButton");
        QCOMPARE(window_->currentPage(), 5);

        // "Salvar o cálculo" before any "Finalizar": no backup, no dialog.
        click("saveButton");
        QVERIFY(dialogs_.fileRequests.isEmpty());

        click("finishButton");
        QVERIFY(dialogs_.messages.isEmpty());
        QVERIFY(!window_->isVisible());
        QCOMPARE(viewed_, QStringList{qs(shell().dataFile("fgt.html"))});
        const std::string golden =
            readFileBytes(std::string(RUVIVAVU_SOURCE_DIR) + "/tests/core/fgts/data/fgt_ambos_planos.html");
        QVERIFY(readFileBytes(shell().dataFile("fgt.html")) == golden);
        QCOMPARE(window_->calculator().sheet.cell(6, 7), std::string("<b>R$ 916.031,16</b>"));

        // Save a copy of the backup, clear everything, open the copy again.
        const QString saved = program_->dataDir.filePath(QStringLiteral("calculo.fg"));
        dialogs_.answerFiles({saved, saved});  // "Salvar o cálculo", then "Abrir"
        window_->show();
        click("saveButton");
        QVERIFY(fileExists(ss(saved)));
        click("newButton");
        click("openButton");
        QCOMPARE(child<AmountEdit>("collorBalance")->text(), QStringLiteral("2.345,67"));
        QCOMPARE(child<QPlainTextEdit>("header")->toPlainText(),
                 QStringLiteral("Reclamante: João da Silva\n\nProcesso nº 123/2005"));
        QVERIFY(child<QCheckBox>("withVerao")->isChecked());
        QVERIFY(!child<QPushButton>("finishButton")->isEnabled());

        // "Abrir" while a date is half typed: the leave rule's message, no dialog, and everything
        // typed stays as it was.
        typeAmount("collorBalance", QStringLiteral("99"));
        auto* date = child<DateEdit>("updateDate");
        date->setFocus();
        date->setMaskText(QStringLiteral("1 /02/2000"));
        dialogs_.clear();
        click("openButton");
        QCOMPARE(dialogs_.messages, QStringList{QStringLiteral("'1/' is not a valid integer value")});
        QVERIFY(dialogs_.fileRequests.isEmpty());
        QCOMPARE(date->maskText(), QStringLiteral("1 /02/2000"));
        QCOMPARE(child<AmountEdit>("collorBalance")->text(), QStringLiteral("0,99"));
    }

    void missingBaseMonthStopsFinalizarWithTheArithmeticMessage() {
        writeFileAtomic(shell().dataFile("fgts.tab"),
                        "M\tA\tB\tC\tD\tE\tJ3\tJ6\tMoeda\t\r\n02/1989\tx\tx\tx\tx\tx\t3,0\t3,0\tNCz$\t\r\n");
        window_->launch();
        child<DateEdit>("updateDate")->setMaskText(QStringLiteral("01/02/1989"));
        for (int i = 0; i < 5; ++i) click("nextButton");
        click("finishButton");
        QCOMPARE(dialogs_.messages, QStringList{QStringLiteral("Floating point division by zero")});
        QVERIFY(window_->isVisible());
        QVERIFY(!fileExists(shell().dataFile("fgt.html")));
        QVERIFY(!fileExists(shell().dataFile("fgts.back")));
    }
};

QTEST_MAIN(TestFgtsWindow)
#include "test_fgts_window.moc"

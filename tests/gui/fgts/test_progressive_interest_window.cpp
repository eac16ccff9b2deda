// Drives the FGTS progressive-interest window offscreen: typing follows in the calculation grid,
// "Repetir", the IPC option, the calculation files, and a finished statement equal to the one the
// command-line tool makes of the same file.
#include "core/common/fileio.h"
#include "core/common/text.h"
#include "core/shell/shell.h"
#include "gui/common/gridview.h"
#include "gui/common/guard.h"
#include "gui/fgts/progressiveinterestwindow.h"
#include "gui/shell/mainwindow.h"
#include "gui/shell/modules.h"
#include "gui/support/windowtest.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

using namespace ruvivavu;
using namespace ruvivavu::gui;

namespace {

ProgressiveInterestWindow* progressiveWindow() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* p = qobject_cast<ProgressiveInterestWindow*>(w)) return p;
    return nullptr;
}

}  // namespace

class TestProgressiveInterestWindow : public QObject {
    Q_OBJECT
    windowtest::Dialogs dialogs_;
    std::unique_ptr<windowtest::Program> program_;
    ProgressiveInterestWindow* window_ = nullptr;

    template <class T>
    T* child(const char* name) {
        return windowtest::child<T>(window_, name);
    }
    void click(const char* name) { QTest::mouseClick(child<QPushButton>(name), Qt::LeftButton); }
    int rowOf(const char* month) {
        const StringGrid& values = window_->calculator().values;
        for (int row = 1; row < values.rowCount(); ++row)
            if (values.cell(0, row) == month) return row;
        qFatal("no month %s", month);
        return -1;
    }
    // Clicks the value cell of a grid row and answers the view.
    GridView* selectValue(int row) {
        auto* view = child<GridView>("svalores");
        const QModelIndex index = view->model()->index(row - 1, 1);
        view->scrollTo(index);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
        return view;
    }
    // The cell's editor, opened by the first key typed into the grid.
    QLineEdit* startTyping(GridView* view, char first) {
        QTest::keyClick(view, first);
        auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        if (!editor) qFatal("no cell editor");
        return editor;
    }
    const StringGrid& sheet() { return window_->calculator().sheet; }
    QString at(int col, int row) { return qs(sheet().cell(col, row)); }
    QString typedAt(int row) { return qs(window_->calculator().values.cell(1, row)); }

private slots:
    void init() {
        dialogs_.clear();
        program_ = std::make_unique<windowtest::Program>();
        program_->copyShippedData({QStringLiteral("fgtsjuros.tab")});
        MainWindow& main = program_->openMainWindow({&gui::fgts::install});
        main.firstShow();
        window_ = progressiveWindow();
        QVERIFY(window_);
        program_->run(Command::FgtsProgressiveInterest, MainWindow::Place::Popup);
        QVERIFY(window_->isVisible());
        QVERIFY(QTest::qWaitForWindowExposed(window_));
    }
    void cleanup() { program_.reset(); }

    void startUpFillsTheEndMonthsAndTheCommandShowsTheWindow() {
        auto* endMonth = child<QComboBox>("ComboBox1");
        QCOMPARE(endMonth->count(), 192);
        QCOMPARE(endMonth->itemText(0), QStringLiteral("mar/86"));
        QCOMPARE(endMonth->currentText(), QStringLiteral("fev/02"));
        QCOMPARE(sheet().rowCount(), 194);
        QVERIFY(program_->shell.previewEnabled);
        QVERIFY(dialogs_.messages.isEmpty());
    }

    void eachKeystrokeRecomputesAndTheCalculationGridFollows() {
        const int row = rowOf("abr/89");
        GridView* view = selectValue(row);
        QLineEdit* editor = startTyping(view, '1');
        QCOMPARE(at(1, row), QStringLiteral("1,00"));
        QTest::keyClicks(editor, QStringLiteral("000"));
        QCOMPARE(at(1, row), QStringLiteral("1.000,00"));
        // 1.000,00 / 0,201103 = 4.972,58; x 0,203980 = 1.014,31; f 14,31 and g the seed 0,00.
        QCOMPARE(at(3, row), QStringLiteral("4.972,58"));
        QCOMPARE(at(10, row), QStringLiteral("14,31"));
        QCOMPARE(child<GridView>("sfgts")->currentIndex().row(), row - 1);
        QTest::keyClick(editor, Qt::Key_Backspace);
        QCOMPARE(at(1, row), QStringLiteral("100,00"));
        QTest::keyClick(editor, Qt::Key_Return);
        QCOMPARE(typedAt(row), QStringLiteral("100"));
        QVERIFY(dialogs_.messages.isEmpty());

        // A value that does not convert shows the conversion message; the program goes on.
        QTest::keyClick(view, Qt::Key_Down);
        QTest::keyClicks(startTyping(view, '1'), QStringLiteral(",2,"));
        QCOMPARE(dialogs_.messages.value(0), QStringLiteral("'1,2,' is not a valid floating point value"));
    }

    void repeatFillsDownFromTheSelectedRow() {
        const int row = rowOf("abr/89");
        GridView* view = selectValue(row);
        QTest::keyClicks(startTyping(view, '5'), QStringLiteral("00"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        selectValue(row + 1);
        for (int i = 0; i < 3; ++i) click("Repetir");
        for (int r = row + 1; r <= row + 3; ++r) QCOMPARE(typedAt(r), QStringLiteral("500"));
        QVERIFY(typedAt(row + 4).isEmpty());
        QVERIFY(checkinteiro(sheet().cell(10, row + 3)));
        QCOMPARE(view->currentIndex().row(), row + 3 - 1);
        QCOMPARE(child<GridView>("sfgts")->currentIndex().row(), row + 3 - 1);
    }

    void ipcOptionRecomputesMarch1989() {
        const int feb = rowOf("fev/89");
        GridView* view = selectValue(feb);
        QTest::keyClicks(startTyping(view, '1'), QStringLiteral("000000"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QTest::keyClicks(startTyping(view, '1'), QStringLiteral("000"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        const std::string h = sheet().cell(10, feb);
        child<QCheckBox>("Cipc89_90")->setChecked(true);
        QCOMPARE(at(9, feb + 1), qs(FormatFloat(kMoney, RemovePonto(h) * 1.208083L)));
        child<QCheckBox>("Cipc89_90")->setChecked(false);
        QCOMPARE(at(9, feb + 1), qs(FormatFloat(kMoney, RemovePonto(h) * 0.189299L)));
    }

    void finishedStatementIsTheCommandLineToolsOfTheSameFile() {
        const QString example = windowtest::sourceFile(QStringLiteral("examples/juros_progressivos.jfgts"));
        program_->mainWindow().openFile(example);
        QVERIFY(window_->windowTitle().endsWith(QStringLiteral(" - juros_progressivos.jfgts")));
        QCOMPARE(child<QComboBox>("ComboBox1")->currentText(), QStringLiteral("dez/95"));
        QVERIFY(child<QCheckBox>("Cipc89_90")->isChecked());
        // One keystroke and its undoing: the file's values recomputed, as the tool does once.
        GridView* view = selectValue(rowOf("dez/95"));
        QTest::keyClick(view, Qt::Key_F2);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_End);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_0);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
        click("Finalizar");
        QVERIFY(dialogs_.messages.isEmpty());
        QVERIFY(!window_->isVisible());
        QCOMPARE(
            program_->readData(QStringLiteral("jfgts.html")),
            windowtest::readFile(windowtest::sourceFile(QStringLiteral("examples/esperado/juros_progressivos.html"))));
        QCOMPARE(program_->readData(QStringLiteral("temp_jfgts.back")).left(16), QByteArray("Vers 1.3\r\ndez/95"));
    }

    void filesSavedAndOpened() {
        child<QPlainTextEdit>("Memo1")->setPlainText(QStringLiteral("Linha 1\nLinha 2\nLinha 3"));
        const QString saved = program_->data("salvo.jfgts");
        dialogs_.answerFiles({saved});
        click("Salvar");
        QCOMPARE(dialogs_.fileRequests.value(0).filter, QStringLiteral("JFGTS (*.jfgts)"));
        QCOMPARE(windowtest::readFile(saved), program_->readData(QStringLiteral("temp_jfgts.back")));

        // A file that cannot be read: its message, and the window as it was.
        click("Novo");
        QVERIFY(child<QPlainTextEdit>("Memo1")->toPlainText().isEmpty());
        dialogs_.answerFiles({program_->data("sumiu.jfgts")});
        click("Abrir");
        QCOMPARE(dialogs_.messages.size(), 1);
        QVERIFY(dialogs_.messages[0].startsWith(QStringLiteral("Cannot open file")));
        QVERIFY(child<QPlainTextEdit>("Memo1")->toPlainText().isEmpty());
        // The saved one brings its three header lines back.
        dialogs_.answerFiles({saved});
        click("Abrir");
        QCOMPARE(child<QPlainTextEdit>("Memo1")->toPlainText(), QStringLiteral("Linha 1\nLinha 2\nLinha 3"));
        QCOMPARE(dialogs_.messages.size(), 1);
    }
};

QTEST_MAIN(TestProgressiveInterestWindow)
#include "test_progressive_interest_window.moc"

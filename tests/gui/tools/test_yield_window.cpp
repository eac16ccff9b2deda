// Drives the monthly yield check tool offscreen: "Calcular" with its options and the comparison
// table re-read on every show.
#include "core/common/fileio.h"
#include "gui/support/windowtest.h"
#include "gui/tools/yieldwindow.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QtTest>

using namespace ruvivavu;
using ruvivavu::gui::YieldWindow;

class TestYieldWindow : public QObject {
    Q_OBJECT

    windowtest::Dialogs dialogs_;
    std::unique_ptr<windowtest::Program> program_;  // only its data folder: no main window
    std::unique_ptr<YieldWindow> window_;

    template <class T>
    T* child(const char* name) {
        return windowtest::child<T>(window_.get(), name);
    }
    QString calculate() {
        QTest::mouseClick(child<QPushButton>("Button1"), Qt::LeftButton);
        return child<QLineEdit>("Edit3")->text();
    }

private slots:
    void init() {
        dialogs_.clear();
        program_ = std::make_unique<windowtest::Program>();
        window_ = std::make_unique<YieldWindow>(program_->shell);
    }
    void cleanup() {
        window_.reset();
        program_.reset();
    }

    void layoutAndDefaults() {
        QCOMPARE(window_->windowTitle(), QStringLiteral("Rendimento no mês"));
        QVERIFY(window_->windowFlags() & Qt::WindowStaysOnTopHint);
        // 391 x 395, or more where the platform's type is wider.
        QVERIFY(window_->width() >= 391 && window_->height() >= 395);
        QCOMPARE(child<QLineEdit>("Edit4")->text(), QStringLiteral("1.000"));
        QVERIFY(!(child<QLineEdit>("Edit3")->focusPolicy() & Qt::TabFocus));
        auto* tabs = child<QTabWidget>("PageControl1");
        QCOMPARE(tabs->tabText(0), QStringLiteral("Cálculo"));
        QCOMPARE(tabs->tabText(1), QStringLiteral("Quadro comparativo dos indexadores oficiais"));
    }

    void calcularWithExclusion() {
        window_->show();
        child<QLineEdit>("Edit1")->setText(QStringLiteral("1.000,00"));
        child<QLineEdit>("Edit2")->setText(QStringLiteral("1.025,10"));
        QCOMPARE(calculate(), QStringLiteral("2,51"));
        child<QCheckBox>("CheckBox1")->setChecked(true);
        QCOMPARE(calculate(), QStringLiteral("2,00"));
        child<QLineEdit>("Edit1")->clear();
        QCOMPARE(calculate(), QStringLiteral("1,49253731343284"));
        QVERIFY(dialogs_.messages.isEmpty());
        child<QLineEdit>("Edit1")->setText(QStringLiteral("0"));
        QCOMPARE(calculate(), QStringLiteral("1,49253731343284"));  // kept
        QCOMPARE(dialogs_.messages, QStringList{QStringLiteral("Floating point division by zero")});
    }

    void comparisonTableIsReadOnEveryShow() {
        window_->show();
        QCOMPARE(child<QTableView>("StringAlignGrid1")->model()->rowCount(), 4);
        QCOMPARE(window_->comparison().cell(0, 1), std::string());
        window_->hide();
        writeFileAtomic(program_->shell.dataFile("exp.ini"),
                        "M\xEAs\tPoupan\xE7"
                        "a\tIPC\t\r\n06/1987\t18,02\t26,06\t\r\n");
        window_->show();
        auto* model = child<QTableView>("StringAlignGrid1")->model();
        QCOMPARE(model->headerData(2, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("IPC"));
        QCOMPARE(model->data(model->index(0, 1)).toString(), QStringLiteral("18,02"));
        QCOMPARE(child<QTableView>("StringAlignGrid1")->columnWidth(1), 129);
        QTest::mouseClick(child<QPushButton>("Button2"), Qt::LeftButton);
        QVERIFY(!window_->isVisible());
    }
};

QTEST_MAIN(TestYieldWindow)
#include "test_yield_window.moc"

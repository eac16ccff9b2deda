// The amount edit box: the key filter, Delete as Backspace and the digits shifting in from the right.
#include "gui/common/amountedit.h"
#include "gui/support/windowtest.h"

#include <QtTest>

using ruvivavu::gui::AmountEdit;

class AmountEditTest : public QObject {
    Q_OBJECT

private slots:
    void init() { dialogs.clear(); }

    void digitsShiftInAndOutFromTheRight() {
        AmountEdit e;
        QCOMPARE(e.text(), QStringLiteral("0,00"));
        QTest::keyClicks(&e, QStringLiteral("1a2-3,"));
        QCOMPARE(e.text(), QStringLiteral("1,23"));
        QTest::keyClicks(&e, QStringLiteral("4567"));
        QCOMPARE(e.text(), QStringLiteral("12.345,67"));
        QTest::keyClick(&e, Qt::Key_Backspace);
        QCOMPARE(e.text(), QStringLiteral("1.234,56"));
        QVERIFY(dialogs.messages.isEmpty());
    }

    void deleteAndBackspaceTakeOnlyTheLastDigit() {
        AmountEdit e;
        QTest::keyClicks(&e, QStringLiteral("123456"));
        QCOMPARE(e.text(), QStringLiteral("1.234,56"));
        QTest::keyClick(&e, Qt::Key_Home);
        QTest::keyClick(&e, Qt::Key_Delete);
        QCOMPARE(e.text(), QStringLiteral("123,45"));
        QTest::keyClick(&e, Qt::Key_Delete, Qt::KeypadModifier);
        QCOMPARE(e.text(), QStringLiteral("12,34"));
        // Held with Ctrl, neither key is a Backspace: no word is deleted, nothing is.
        QTest::keyClick(&e, Qt::Key_Backspace, Qt::ControlModifier);
        QCOMPARE(e.text(), QStringLiteral("12,34"));
        QTest::keyClick(&e, Qt::Key_Home);
        QTest::keyClick(&e, Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(e.text(), QStringLiteral("12,34"));
        QCOMPARE(e.cursorPosition(), e.text().size());
    }

    void rateEditKeepsTheCommaAsTyped() {
        AmountEdit rate(AmountEdit::Kind::Rate);
        rate.clear();
        QTest::keyClicks(&rate, QStringLiteral("0,5x"));
        QCOMPARE(rate.text(), QStringLiteral("0,5"));
        AmountEdit withComma(AmountEdit::Kind::AmountWithComma);
        QTest::keyClicks(&withComma, QStringLiteral("6,"));
        QCOMPARE(withComma.text(), QStringLiteral("0,06"));
    }

private:
    windowtest::Dialogs dialogs;
};

QTEST_MAIN(AmountEditTest)
#include "shell_amountedit_test.moc"

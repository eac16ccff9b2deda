// Shows the February 1989 notice directly, as the configured-savings windows will.
#include "gui/support/windowtest.h"
#include "gui/tools/infowindow.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QToolButton>
#include <QtTest>

using ruvivavu::gui::InfoWindow;
using windowtest::child;

class TestInfoWindow : public QObject {
    Q_OBJECT
    windowtest::Dialogs dialogs;

private slots:
    void showsTheNoticeAndCloses() {
        InfoWindow window;
        window.show();
        QCOMPARE(window.windowTitle(), QStringLiteral("Fevereiro de 1989"));
        QVERIFY(window.windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(window.size(), QSize(405, 219));

        auto* memo = child<QPlainTextEdit>(&window, "Memo1");
        QCOMPARE(memo->document()->blockCount(), 12);
        const QStringList lines = InfoWindow::noticeLines();
        for (int i = 0; i < 12; ++i) QCOMPARE(memo->document()->findBlockByNumber(i).text(), lines[i]);
        QVERIFY(lines[0].isEmpty() && lines[1].isEmpty());
        QCOMPARE(lines[2], QStringLiteral("ATENÇÃO: Em 16 de janeiro de 1989 ocorreu a conversão do Cruzado para "));
        QCOMPARE(lines[8], QStringLiteral("Dezembro de 1988 para comparação de valores."));
        QCOMPARE(lines[11], QStringLiteral("posterior ao expurgo."));

        auto* fechar = child<QToolButton>(&window, "SpeedButton1");
        QCOMPARE(fechar->text(), QStringLiteral("Fechar"));
        QTest::mouseClick(fechar, Qt::LeftButton);
        QVERIFY(!window.isVisible());
        QVERIFY(dialogs.messages.isEmpty());
    }
};

QTEST_MAIN(TestInfoWindow)
#include "test_info_window.moc"

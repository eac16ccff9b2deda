// The layout of the savings windows: nothing clipped at their opening size, and the pictures of
// the plan page, the balance page and both table windows when RUVIVAVU_SCREENSHOTS names a folder.
#include "savings_gui_fixture.h"

#include <QAbstractButton>
#include <QLabel>
#include <QListWidget>
#include <QScreen>
#include <QStackedWidget>

using namespace savings_gui;

class WindowLayoutTest : public QObject {
    Q_OBJECT

private:
    static void grab(QWidget* window, const char* name) {
        const QString folder = qEnvironmentVariable("RUVIVAVU_SCREENSHOTS");
        if (folder.isEmpty()) return;
        QCoreApplication::processEvents();
        QVERIFY(window->grab().save(QDir(folder).filePath(QString::fromLatin1(name) + QStringLiteral(".png"))));
    }

    // Every visible label and button of the window shows its whole text.
    static void verifyNothingClipped(QWidget* window) {
        QCoreApplication::processEvents();
        for (auto* label : window->findChildren<QLabel*>()) {
            if (!label->isVisibleTo(window) || label->wordWrap() || label->text().isEmpty()) continue;
            QVERIFY2(label->width() >= label->sizeHint().width() - 1, qPrintable(label->text()));
        }
        for (auto* button : window->findChildren<QAbstractButton*>()) {
            if (!button->isVisibleTo(window) || button->text().isEmpty()) continue;
            QVERIFY2(button->width() >= button->minimumSizeHint().width() - 1, qPrintable(button->text()));
        }
    }

private slots:
    void wizardPagesFitTheWindow() {
        Program program;
        auto* form = program.launch();
        QVERIFY(form->width() >= 538 && form->height() >= 417);
        form->planList()->item(1)->setCheckState(Qt::Checked);
        form->planList()->item(3)->setCheckState(Qt::Checked);
        for (int page = 0; page <= 6; ++page) {
            form->pages()->setCurrentIndex(page);
            verifyNothingClipped(form);
            if (page == 0) grab(form, "wizard_plans");
            if (page == 3) grab(form, "wizard_interest");
            if (page == 6) grab(form, "wizard_texts");
            if (page < 6) click(form, "Proximo");
            if (page == 0) {
                typeIntoCell(form->gridView(GridId::Balances), form->gridModel(GridId::Balances), 4, 1,
                             QStringLiteral("12345,67"));
                form->gridView(GridId::Balances)->clearFocus();
                grab(form, "wizard_balance");
            }
            if (page == 4) grab(form, "wizard_sheet");
        }
    }

    void tabOrderFollowsThePages() {
        Program program;
        auto* form = program.launch();
        QStringList chain;
        QWidget* w = form;
        do {
            w = w->nextInFocusChain();
            // Widgets of the pages not shown count; the buttons hidden for good do not.
            if ((w->focusPolicy() & Qt::TabFocus) && !w->isHidden() && !w->objectName().isEmpty())
                chain << w->objectName();
        } while (w != form);
        const QStringList expected = {QStringLiteral("Novo"),
                                      QStringLiteral("Abrir"),
                                      QStringLiteral("AbrirBackup"),
                                      QStringLiteral("AdicionarExpurgo"),
                                      QStringLiteral("ConfigurarIndice"),
                                      QStringLiteral("CPlanos"),
                                      QStringLiteral("SPlanos"),
                                      QStringLiteral("SSaldo"),
                                      QStringLiteral("SBase"),
                                      QStringLiteral("Cprorata"),
                                      QStringLiteral("LimparJuros"),
                                      QStringLiteral("STJuros"),
                                      QStringLiteral("Rsemjuros"),
                                      QStringLiteral("RComjuros"),
                                      QStringLiteral("LimparJmes"),
                                      QStringLiteral("Jmes"),
                                      QStringLiteral("LimparAmortizacao"),
                                      QStringLiteral("amortizacao"),
                                      QStringLiteral("planilha"),
                                      QStringLiteral("Cnotas"),
                                      QStringLiteral("Gravar"),
                                      QStringLiteral("Memo1"),
                                      QStringLiteral("Memo2"),
                                      QStringLiteral("SalvarCalculo"),
                                      QStringLiteral("Fechar"),
                                      QStringLiteral("Anterior"),
                                      QStringLiteral("Proximo"),
                                      QStringLiteral("Finalizar")};
        QCOMPARE(chain, expected);
    }

    void theWizardOpensCentredOnTheMainWindow() {
        Program program;
        program.main()->setGeometry(40, 40, 1100, 800);
        program.main()->show();
        (void)QTest::qWaitForWindowExposed(program.main());
        auto* form = program.launch();
        QCoreApplication::processEvents();
        const QPoint offset = form->frameGeometry().center() - program.main()->frameGeometry().center();
        QVERIFY2(offset.manhattanLength() <= 40, qPrintable(QStringLiteral("%1,%2").arg(offset.x()).arg(offset.y())));
        click(form, "AdicionarExpurgo");
        const QString folder = qEnvironmentVariable("RUVIVAVU_SCREENSHOTS");
        if (!folder.isEmpty() && form->screen()) {
            QTest::qWait(200);
            form->screen()->grabWindow(0).save(QDir(folder).filePath(QStringLiteral("desktop.png")));
        }
    }

    void tableWindowsFit() {
        Program program;
        program.launch();
        auto* form3 = program.planTableWindow();
        auto* form4 = program.indexTableWindow();
        form3->show();
        form4->show();
        (void)QTest::qWaitForWindowExposed(form4);
        verifyNothingClipped(form3);
        verifyNothingClipped(form4);
        grab(form3, "plan_table");
        grab(form4, "index_table");
    }
};

QTEST_MAIN(WindowLayoutTest)
#include "savings_window_layout_test.moc"

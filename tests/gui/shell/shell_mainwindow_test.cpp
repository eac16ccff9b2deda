// The main window: strip, menus, pop-ups, the "Visualizar Impressão" rules, the error handler,
// font.ini, the start-up sequence with the first-run check, and the report viewer.
#include "gui/shell/shelltestsupport.h"

#include "core/common/errors.h"
#include "gui/shell/aboutbox.h"

#include <QAction>
#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QTextBrowser>
#include <QToolButton>
#include <QtTest>

using namespace shelltest;
using ruvivavu::gui::MainWindow;

namespace {

// A menu as text: entries by caption, "-" for a separator, "name>" for a sub-menu.
QStringList layoutOf(const QMenu* menu) {
    QStringList out;
    for (QAction* action : menu->actions()) {
        if (action->isSeparator())
            out << QStringLiteral("-");
        else if (action->menu())
            out << action->text() + QStringLiteral(">");
        else
            out << action->text();
    }
    return out;
}

QMenu* topMenu(MainWindow& window, const QString& title) {
    for (QAction* action : window.menuBar()->actions())
        if (action->text() == title) return action->menu();
    return nullptr;
}

const QStringList kCalculators = {
    QStringLiteral("PoupanaDiria1"),
    QStringLiteral("PoupanaJustiaFederal1"),
    QStringLiteral("PoupanaConfiguradacomPlanoCollorIeII1"),
    QStringLiteral("DbitosJudiciaisSoPaulo1"),
    QStringLiteral("DbitosJudiciaisSoPaulomsams2"),
    QStringLiteral("DbitosJudiciaisSoPaulomsams1"),
    QStringLiteral("ExpurgosdoFGTS1"),
    QStringLiteral("FGTSJurosProgressivos1"),
};

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init() { resetRecords(); }
    void cleanup() { QVERIFY2(unexpectedDialogs.isEmpty(), qPrintable(unexpectedDialogs.join(QStringLiteral("; ")))); }

    void stripHoldsTheToolbarButtonsInOrder() {
        Fixture f;
        MainWindow& w = f.make();
        QCOMPARE(w.windowTitle(), QStringLiteral("Quorvel - Ruvivavu da Dudovizu 2.0"));
        QCOMPARE(w.findChild<QWidget*>(QStringLiteral("Panel1"))->height(), 73);
        auto* pages = w.findChild<QStackedWidget*>(QStringLiteral("PageControl2"));
        QCOMPARE(pages->count(), 3);
        QCOMPARE(pages->currentWidget()->objectName(), QStringLiteral("TabSheet3"));

        const QStringList names = {QStringLiteral("SpeedButton3"), QStringLiteral("SpeedButton4"),
                                   QStringLiteral("Speedx2"),      QStringLiteral("SpeedButton8"),
                                   QStringLiteral("bfgt"),         QStringLiteral("SpeedButton2")};
        const QStringList captions = {QStringLiteral("Imprimir"),  QStringLiteral("Calcular"),
                                      QStringLiteral("Atualizar"), QStringLiteral("Rendimento"),
                                      QStringLiteral("FGTS"),      QStringLiteral("Fechar")};
        for (int i = 0; i < names.size(); ++i) {
            auto* button = w.findChild<QToolButton*>(names[i]);
            QVERIFY2(button, qPrintable(names[i]));
            QCOMPARE(button->text(), captions[i]);
            QCOMPARE(button->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
            QVERIFY(button->autoRaise());
            QVERIFY(!button->icon().isNull());
            QVERIFY(button->parentWidget()->objectName() == QStringLiteral("TabSheet3"));
            QCOMPARE(button->parentWidget()->layout()->indexOf(button), i);  // left to right
        }
        QCOMPARE(w.command(QStringLiteral("SpeedButton8"))->toolTip(),
                 QStringLiteral("Calcule o valor do índice usado no mês do expurgo"));
        QCOMPARE(w.findChild<QToolButton*>(QStringLiteral("SpeedButton5"))->text(),
                 QStringLiteral("Buscar Atualizações do Software no Site"));
        QCOMPARE(w.command(QStringLiteral("SpeedButton7"))->toolTip(), QStringLiteral("Atualizar Tabelas"));
    }

    void mainMenuHasEveryEntryAndSeparator() {
        Fixture f;
        MainWindow& w = f.make();
        QStringList titles;
        for (QAction* action : w.menuBar()->actions()) titles << action->text();
        QCOMPARE(titles, (QStringList{QStringLiteral("Arquivos"), QStringLiteral("Ajuda"),
                                      QStringLiteral("Cálculos On-Line")}));

        QCOMPARE(layoutOf(topMenu(w, QStringLiteral("Arquivos"))),
                 (QStringList{QStringLiteral("Calcular>"), QStringLiteral("-"), QStringLiteral("Selecionar tudo"),
                              QStringLiteral("Copiar"), QStringLiteral("-"), QStringLiteral("Configurar Impressão"),
                              QStringLiteral("Visualizar Impressão"), QStringLiteral("Exportar PDF…"),
                              QStringLiteral("Configurar Fonte"), QStringLiteral("-"), QStringLiteral("Fechar")}));
        QCOMPARE(layoutOf(w.findChild<QMenu*>(QStringLiteral("Calcular1"))),
                 (QStringList{QStringLiteral("Poupança Diária - com opções de configuração"), QStringLiteral("-"),
                              QStringLiteral("Poupança - configurado"),
                              QStringLiteral("Poupança Configurada - com Plano Collor I e II"), QStringLiteral("-"),
                              QStringLiteral("Débitos Judiciais São Paulo"),
                              QStringLiteral("Débitos Judiciais São Paulo (mês a mês)"),
                              QStringLiteral("Débitos Judiciais MG - MT - MS - ES (mês a mês)")}));
        QCOMPARE(layoutOf(topMenu(w, QStringLiteral("Ajuda"))),
                 (QStringList{QStringLiteral("Ajuda"), QStringLiteral("-"), QStringLiteral("Sobre")}));
        QMenu* online = topMenu(w, QStringLiteral("Cálculos On-Line"));
        QVERIFY(!online->menuAction()->isVisible());
        QCOMPARE(layoutOf(online), QStringList{QStringLiteral("Acessar")});

        // The entries carry their handler names.
        QCOMPARE(w.command(QStringLiteral("ExcluirBackupCorrompido1"))->text(), QStringLiteral("Configurar Impressão"));
        QCOMPARE(w.command(QStringLiteral("DbitosJudiciaisSoPaulomsams1"))->text(),
                 QStringLiteral("Débitos Judiciais MG - MT - MS - ES (mês a mês)"));
        QCOMPARE(w.command(QStringLiteral("Sobre2"))->text(), QStringLiteral("Sobre"));
    }

    void popupMenusHaveTheirEntries() {
        Fixture f;
        MainWindow& w = f.make();
        QCOMPARE(layoutOf(w.popupMenu(QStringLiteral("PopupMenu2"))),
                 (QStringList{QStringLiteral("Poupança Diária - com opções de configuração"), QStringLiteral("-"),
                              QStringLiteral("Poupança - configurado"),
                              QStringLiteral("Poupança Configurada - com Plano Collor I e II"), QStringLiteral("-"),
                              QStringLiteral("Débitos Judiciais São Paulo"),
                              QStringLiteral("Débitos Judiciais São Paulo (mês a mês)"),
                              QStringLiteral("Débitos Judiciais MG - MT - MS - ES (mês a mês)")}));
        QCOMPARE(layoutOf(w.popupMenu(QStringLiteral("Popupfgts"))),
                 (QStringList{QStringLiteral("Expurgos do FGTS"), QStringLiteral("FGTS - Juros Progressivos")}));
        QCOMPARE(layoutOf(w.popupMenu(QStringLiteral("Popupatualiza"))),
                 (QStringList{QStringLiteral("Atualização dos índices"),
                              QStringLiteral("Página de atualização do software na Internet")}));
    }

    void popupOpensAtTheButtonsBottomLeftAndOnRightClick() {
        Fixture f;
        MainWindow& w = f.make();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const std::pair<const char*, const char*> pairs[] = {
            {"SpeedButton4", "PopupMenu2"}, {"Speedx2", "Popupatualiza"}, {"bfgt", "Popupfgts"}};
        for (auto [buttonName, menuName] : pairs) {
            auto* button = w.findChild<QToolButton*>(QString::fromLatin1(buttonName));
            QMenu* menu = w.popupMenu(QString::fromLatin1(menuName));
            QTest::mouseClick(button, Qt::LeftButton);
            QTRY_VERIFY(menu->isVisible());
            QCOMPARE(menu->pos(), button->mapToGlobal(QPoint(0, button->height())));
            menu->hide();
            QTRY_VERIFY(!menu->isVisible());
            emit button->customContextMenuRequested(QPoint(5, 5));
            QTRY_VERIFY(menu->isVisible());
            menu->hide();
        }
    }

    void previewEnableRules_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("handler");
        QTest::addColumn<bool>("enables");
        auto row = [](const char* command, const char* handler, bool enables) {
            QTest::newRow(command) << QString::fromLatin1(command) << QString::fromLatin1(handler) << enables;
        };
        row("PoupanaDiria1", "PoupanaDiria1", false);
        row("MenuItem1", "PoupanaDiria1", true);
        row("PoupanaJustiaFederal1", "PoupanaJustiaFederal1", false);
        row("PoupanaJustiaFederal2", "PoupanaJustiaFederal1", true);
        row("PoupanaConfiguradacomPlanoCollorIeII1", "PoupanaConfiguradacomPlanoCollorIeII1", false);
        row("PoupanaConfiguradacomPlanoCollor1", "PoupanaConfiguradacomPlanoCollorIeII1", true);
        row("DbitosJudiciaisSoPaulo1", "DbitosJudiciaisSoPaulo1", false);
        row("MenuItem2", "DbitosJudiciaisSoPaulo1", true);
        // The month-by-month commands leave it to their handler (it enables once the table is found).
        row("DbitosJudiciaisSoPaulomsams2", "DbitosJudiciaisSoPaulomsams2", false);
        row("DbitosJudiciaisSPmsams1", "DbitosJudiciaisSoPaulomsams2", false);
        row("DbitosJudiciaisSoPaulomsams1", "DbitosJudiciaisSoPaulomsams1", false);
        row("DbitosJudiciaisMGmsams1", "DbitosJudiciaisSoPaulomsams1", false);
        row("ExpurgosdoFGTS1", "ExpurgosdoFGTS1", true);
        row("FGTSJurosProgressivos1", "FGTSJurosProgressivos1", true);
        row("Ajuda1", "", true);
        row("Sobre2", "", false);
        row("Selecionartudo1", "", false);
        row("Copiar1", "", false);
        row("PginadeatualizaodosoftwarenaInternet1", "", false);
    }

    void previewEnableRules() {
        QFETCH(QString, command);
        QFETCH(QString, handler);
        QFETCH(bool, enables);
        Fixture f;
        MainWindow& w = f.make();
        QStringList ran;
        for (const QString& name : kCalculators) w.setCommandHandler(name, [&ran, name] { ran << name; });
        QAction* preview = w.command(QStringLiteral("VisualizarImpresso1"));
        QVERIFY(!preview->isEnabled());

        w.command(command)->trigger();
        QCOMPARE(preview->isEnabled(), enables);
        QCOMPARE(f.shell.previewEnabled, enables);
        if (!handler.isEmpty()) QCOMPARE(ran, QStringList{handler});
        QVERIFY(messages.isEmpty());
        w.findChild<ruvivavu::gui::AboutBox*>()->close();
    }

    void previewStaysEnabledAndFollowsHandlersThatEnableIt() {
        Fixture f;
        MainWindow& w = f.make();
        w.setCommandHandler(QStringLiteral("DbitosJudiciaisSoPaulomsams2"), [&w] { w.shell().enablePreview(); });
        w.setCommandHandler(QStringLiteral("PoupanaDiria1"), [] {});
        QAction* preview = w.command(QStringLiteral("VisualizarImpresso1"));
        w.command(QStringLiteral("DbitosJudiciaisSPmsams1"))->trigger();
        QVERIFY(preview->isEnabled());
        w.command(QStringLiteral("PoupanaDiria1"))->trigger();
        QVERIFY(preview->isEnabled());
    }

    void commandWithoutCalculatorSaysItIsNotAvailable() {
        Fixture f;
        MainWindow& w = f.make();
        w.command(QStringLiteral("PoupanaJustiaFederal2"))->trigger();
        QCOMPARE(messages, QStringList{QStringLiteral("Esta função não está disponível nesta versão do programa.")});
        QVERIFY(w.command(QStringLiteral("VisualizarImpresso1"))->isEnabled());  // the twin enabled it first
        messages.clear();
        w.command(QStringLiteral("SpeedButton8"))->trigger();
        QCOMPARE(messages.size(), 1);
    }

    void errorsOfAHandlerAreShownAndTheProgramGoesOn() {
        Fixture f;
        MainWindow& w = f.make();
        bool after = false;
        w.setCommandHandler(QStringLiteral("PoupanaDiria1"), [&after] {
            throw ruvivavu::ConversionError("'1,2,3' is not a valid floating point value");
            after = true;
        });
        w.command(QStringLiteral("MenuItem1"))->trigger();
        QCOMPARE(messages, QStringList{QStringLiteral("'1,2,3' is not a valid floating point value")});
        QVERIFY(!after);
        QVERIFY(w.command(QStringLiteral("VisualizarImpresso1"))->isEnabled());
        w.setCommandHandler(QStringLiteral("PoupanaDiria1"), [] { throw ruvivavu::UserMessage("Mês inválido."); });
        w.command(QStringLiteral("PoupanaDiria1"))->trigger();
        QCOMPARE(messages.last(), QStringLiteral("Mês inválido."));
    }

    void fontIniIsReadAtStartAndWrittenOnClickAndOnLeaving() {
        Fixture f;
        writeBytes(f.data(QStringLiteral("font.ini")), "Courier New\r\ntamanho\r\n");
        MainWindow& w = f.make();
        w.firstShow();
        auto* name = w.findChild<QComboBox*>(QStringLiteral("Cnomefont"));
        auto* size = w.findChild<QComboBox*>(QStringLiteral("Cfont"));
        QCOMPARE(name->currentText(), QStringLiteral("Courier New"));
        QCOMPARE(size->currentText(), QStringLiteral("8"));  // a second line without a digit gives 8
        QVERIFY(name->count() > 0);                          // the installed fonts
        QStringList sizes;
        for (int i = 0; i < size->count(); ++i) sizes << size->itemText(i);
        QCOMPARE(sizes, (QStringList{QStringLiteral("12"), QStringLiteral("11"), QStringLiteral("10"),
                                     QStringLiteral("9"), QStringLiteral("8"), QStringLiteral("7")}));

        // A choice from the list writes the file.
        size->setCurrentIndex(0);
        emit size->activated(0);
        QCOMPARE(readBytes(f.data(QStringLiteral("font.ini"))), QByteArray("Courier New\r\n12\r\n"));

        // Leaving a box writes it too; a size without a digit is written as 8 while the box and
        // the statements keep the text.
        size->setEditText(QStringLiteral("xx"));
        name->setEditText(QStringLiteral("Times Nova Româna"));
        QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(size, &leave);
        QCOMPARE(readBytes(f.data(QStringLiteral("font.ini"))), QByteArray("Times Nova Rom\xe2na\r\n8\r\n"));
        QCOMPARE(size->currentText(), QStringLiteral("xx"));
        QCOMPARE(f.shell.fontStyle(), std::string("font-size:xx.0pt;font-family:Times Nova Româna"));

        // The list of a box opening is not leaving it.
        QFile::remove(f.data(QStringLiteral("font.ini")));
        QFocusEvent popup(QEvent::FocusOut, Qt::PopupFocusReason);
        QApplication::sendEvent(name, &popup);
        QVERIFY(!QFile::exists(f.data(QStringLiteral("font.ini"))));

        // Read back by the next start.
        size->setEditText(QStringLiteral("10"));
        QApplication::sendEvent(name, &leave);
        Fixture g;
        writeBytes(g.data(QStringLiteral("font.ini")), readBytes(f.data(QStringLiteral("font.ini"))));
        MainWindow& next = g.make();
        next.firstShow();
        QCOMPARE(next.findChild<QComboBox*>(QStringLiteral("Cnomefont"))->currentText(),
                 QStringLiteral("Times Nova Româna"));
        QCOMPARE(next.findChild<QComboBox*>(QStringLiteral("Cfont"))->currentText(), QStringLiteral("10"));
        QVERIFY(messages.isEmpty());
    }

    void fontIniIntoAMissingDataFolderShowsTheCreateFileMessage() {
        Fixture f;
        f.shell.dataFolder = f.data(QStringLiteral("missing/folder")).toStdString();
        MainWindow& w = f.make();
        auto* name = w.findChild<QComboBox*>(QStringLiteral("Cnomefont"));
        emit name->activated(0);
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages[0].startsWith(QStringLiteral("Cannot create file \"")), qPrintable(messages[0]));
        QCOMPARE(name->currentText(), QStringLiteral("Arial"));
    }

    void configurarFonteSwitchesTheStrip() {
        Fixture f;
        MainWindow& w = f.make();
        auto* pages = w.findChild<QStackedWidget*>(QStringLiteral("PageControl2"));
        w.command(QStringLiteral("ConfigurarFonte1"))->trigger();
        QCOMPARE(pages->currentWidget()->objectName(), QStringLiteral("TabSheet4"));
        w.findChild<QPushButton*>(QStringLiteral("VoltarFonte"))->click();
        QCOMPARE(pages->currentWidget()->objectName(), QStringLiteral("TabSheet3"));
        QVERIFY(!w.command(QStringLiteral("ConfigurarFonte1"))->isChecked());
    }

    void startupRunsTheStepsInOrderAndLoadsTheSavingsTable() {
        Fixture f;
        writeBytes(f.data(QStringLiteral("zurivodo13.tab")),
                   "01/01/1987\t1,00\r\n01/02/1987\t2,00\r\n01/03/1987\t3,00\r\n");
        MainWindow& w = f.make();
        QList<int> order;
        for (int step : {8, 3, 6, 4, 5}) w.addStartupStep(step, [&order, step] { order << step; });
        w.addStartupStep(8, [&order, &f] { order << (f.shell.indice.rowCount() == 0 ? -1 : 80); });
        w.show();  // the first show runs the sequence once
        w.firstShow();
        QCOMPARE(order, (QList<int>{3, 4, 5, 6, 8, 80}));
        QCOMPARE(QString::fromStdString(f.shell.indice.cell(1, 2)), QStringLiteral("3,00"));
        QVERIFY(questions.isEmpty());
    }

    void aFailingStepEndsTheSequenceWithItsMessage() {
        Fixture f;
        QFile::remove(f.data(QStringLiteral("lista.tab")));
        writeBytes(f.programDir.filePath(QStringLiteral("download")), "#!/bin/sh\n");
        MainWindow& w = f.make();
        bool later = false;
        w.addStartupStep(4, [] { throw ruvivavu::FileError("Cannot open file \"planos.ini\". Permission denied"); });
        w.addStartupStep(5, [&later] { later = true; });
        w.firstShow();
        QCOMPARE(messages, QStringList{QStringLiteral("Cannot open file \"planos.ini\". Permission denied")});
        QVERIFY(!later);
        QVERIFY(questions.isEmpty());  // the first-run check is skipped too
    }

    void firstRunOffersTheDownloadWhenTablesAreMissing() {
        for (bool yes : {false, true}) {
            resetRecords();
            Fixture f;
            QFile::remove(f.data(QStringLiteral("lista.tab")));
            const QString marker = f.data(QStringLiteral("download-ran"));
            const QString program = f.programDir.filePath(QStringLiteral("download"));
            writeBytes(program, "#!/bin/sh\ntouch '" + marker.toUtf8() + "'\n");
            QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            answer = yes;
            MainWindow& w = f.make();
            w.show();
            QCOMPARE(questions,
                     QStringList{QStringLiteral(
                         "O programa está ainda sem tabelas, é necessário baixá-las da Internet, continuar?")});
            if (yes) {
                QTRY_VERIFY(!w.isVisible());
                QTRY_VERIFY(QFile::exists(marker));
            } else {
                QTest::qWait(100);
                QVERIFY(w.isVisible());
                QVERIFY(!QFile::exists(marker));
            }
        }
    }

    void firstRunIsQuietWithTablesOrWithoutTheDownloadProgram() {
        Fixture withTables;
        writeBytes(withTables.programDir.filePath(QStringLiteral("download")), "#!/bin/sh\n");
        withTables.make().firstShow();
        Fixture withoutProgram;
        QFile::remove(withoutProgram.data(QStringLiteral("lista.tab")));
        withoutProgram.make().firstShow();
        QVERIFY(questions.isEmpty());
        QVERIFY(messages.isEmpty());
    }

    void viewerShowsWindows1252StatementsAsWritten() {
        Fixture f;
        MainWindow& w = f.make();
        QTextBrowser* viewer = w.viewer();
        QCOMPARE(viewer->palette().color(QPalette::Base), QColor(Qt::white));
        QVERIFY(!(viewer->textInteractionFlags() & Qt::TextSelectableByMouse));

        // Loose tags and a wrong charset declaration, bytes in Windows-1252.
        writeBytes(f.data(QStringLiteral("teste.html")),
                   "<html><head><meta charset=\"utf-8\"><title>Atualiza\xe7\xe3o</title></head><body>\r\n"
                   "<span style=\"font-size:8.0pt;font-family:Arial\"><tr><td>D\xe9"
                   "bitos Judiciais S\xe3o Paulo"
                   "<td><div align=Right>1.234,56</div></td></td></tr></span></table>\r\n"
                   "<b>TOTAL = 1.234,56</b>\r\n");
        f.shell.showStatement("teste.html");
        QVERIFY(viewer->toPlainText().contains(QStringLiteral("Débitos Judiciais São Paulo")));
        QVERIFY(viewer->toPlainText().contains(QStringLiteral("TOTAL = 1.234,56")));
        QVERIFY(w.hasDocument());

        // UTF-8 pages (the help) are read as UTF-8.
        writeBytes(f.data(QStringLiteral("images/index.htm")), "<p>Ajuda do c\xc3\xa1lculo</p>");
        w.command(QStringLiteral("Ajuda1"))->trigger();
        QCOMPARE(viewer->toPlainText(), QStringLiteral("Ajuda do cálculo"));

        // A missing statement leaves the viewer as it was, silently.
        f.shell.showStatement("fgt.html");
        QCOMPARE(viewer->toPlainText(), QStringLiteral("Ajuda do cálculo"));

        // Refresh shows what the file holds now.
        f.shell.showStatement("teste.html");
        writeBytes(f.data(QStringLiteral("teste.html")), "<b>TOTAL = 9,99</b>");
        f.shell.refreshViewer();
        QCOMPARE(viewer->toPlainText(), QStringLiteral("TOTAL = 9,99"));
        QVERIFY(messages.isEmpty());
    }

    void helpWithoutItsPageOnlyEnablesThePreview() {
        Fixture f;
        MainWindow& w = f.make();
        w.command(QStringLiteral("Ajuda1"))->trigger();
        QVERIFY(!w.hasDocument());
        QVERIFY(w.command(QStringLiteral("VisualizarImpresso1"))->isEnabled());
        QVERIFY(messages.isEmpty());
    }

    void vendorPageShowsItsAddressInTheViewer() {
        Fixture f;
        MainWindow& w = f.make();
        w.command(QStringLiteral("PginadeatualizaodosoftwarenaInternet1"))->trigger();
        QVERIFY(w.viewer()->toPlainText().contains(MainWindow::vendorPageAddress()));
        QVERIFY(MainWindow::vendorPageAddress().endsWith(QStringLiteral("/zurivodo.htm")));
    }

    void aboutBoxShowsItsLabelsWithoutBlocking() {
        Fixture f;
        MainWindow& w = f.make();
        w.show();
        w.command(QStringLiteral("Sobre2"))->trigger();
        auto* about = w.findChild<ruvivavu::gui::AboutBox*>();
        QTRY_VERIFY(about->isVisible());
        QVERIFY(!about->isModal());
        QCOMPARE(about->findChild<QLabel*>(QStringLiteral("ProductName"))->text(),
                 QStringLiteral("Quorvel - Ruvivavu da Dudovizu"));
        QVERIFY(about->findChild<QLabel*>(QStringLiteral("ProductName"))->font().bold());
        QCOMPARE(about->findChild<QLabel*>(QStringLiteral("Version"))->text(), QStringLiteral("Versão 2.0.0.19"));
        QVERIFY(!about->findChild<QLabel*>(QStringLiteral("Copyright"))->text().isEmpty());
        QVERIFY(!about->findChild<QLabel*>(QStringLiteral("Comments"))->text().isEmpty());
        QVERIFY(!about->findChild<QLabel*>(QStringLiteral("ProgramIcon"))->pixmap().isNull());
        auto* ok = about->findChild<QPushButton*>(QStringLiteral("OKButton"));
        QVERIFY(ok->isDefault());
        ok->click();
        QVERIFY(!about->isVisible());
    }

    void fecharClosesTheWindow() {
        for (const char* name : {"Fechar1", "SpeedButton2"}) {
            Fixture f;
            MainWindow& w = f.make();
            w.show();
            w.command(QString::fromLatin1(name))->trigger();
            QVERIFY(!w.isVisible());
        }
    }

private:
    ModalGuard guard_;
};

QTEST_MAIN(MainWindowTest)
#include "shell_mainwindow_test.moc"

// The main window: strip, menus, pop-ups, the "Visualizar Impressão" rules, the error handler,
// font.ini, the start-up sequence with the first-run check, and the report viewer.
#include "gui/support/windowtest.h"

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

#include <algorithm>

using namespace windowtest;
using Place = MainWindow::Place;
using ToolbarMenu = MainWindow::ToolbarMenu;

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

const Command kCalculators[] = {
    Command::DailySavings,      Command::ConfiguredSavings,       Command::CollorSavings,
    Command::SaoPauloCourtDebt, Command::SaoPauloMonthly,         Command::MinasMonthly,
    Command::FgtsPurge,         Command::FgtsProgressiveInterest, Command::Settlement,
};

// The buttons of a strip page, left to right.
QList<QToolButton*> buttonsOf(QWidget* page) {
    QList<QToolButton*> buttons;
    for (int i = 0; i < page->layout()->count(); ++i)
        if (auto* button = qobject_cast<QToolButton*>(page->layout()->itemAt(i)->widget())) buttons << button;
    return buttons;
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init() { dialogs.clear(); }

    void stripHoldsTheToolbarButtonsInOrder() {
        Program p;
        MainWindow& w = p.openMainWindow();
        QCOMPARE(w.windowTitle(), QStringLiteral("Quorvel - Ruvivavu da Dudovizu 2.0"));
        QCOMPARE(w.findChild<QWidget*>(QStringLiteral("Panel1"))->height(), 73);
        auto* pages = w.findChild<QStackedWidget*>(QStringLiteral("PageControl2"));
        QCOMPARE(pages->count(), 3);
        QCOMPARE(pages->currentWidget()->objectName(), QStringLiteral("TabSheet3"));

        const QStringList captions = {QStringLiteral("Imprimir"),  QStringLiteral("Calcular"),
                                      QStringLiteral("Atualizar"), QStringLiteral("Rendimento"),
                                      QStringLiteral("FGTS"),      QStringLiteral("Fechar")};
        const QList<QToolButton*> buttons = buttonsOf(pages->currentWidget());  // left to right
        QCOMPARE(buttons.size(), captions.size());
        for (int i = 0; i < buttons.size(); ++i) {
            QToolButton* button = buttons[i];
            QCOMPARE(button->text(), captions[i]);
            QCOMPARE(button->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
            QVERIFY(button->autoRaise());
            QVERIFY(!button->icon().isNull());
        }
        // The command buttons are the commands' toolbar entries.
        QCOMPARE(buttons[0]->defaultAction(), w.action(Command::Print, Place::Toolbar));
        QCOMPARE(buttons[3]->defaultAction(), w.action(Command::YieldTool, Place::Toolbar));
        QCOMPARE(buttons[5]->defaultAction(), w.action(Command::Close, Place::Toolbar));
        QCOMPARE(w.action(Command::YieldTool)->toolTip(),
                 QStringLiteral("Calcule o valor do índice usado no mês do expurgo"));

        const QList<QToolButton*> updates = buttonsOf(pages->widget(2));
        QCOMPARE(updates.size(), 2);
        QCOMPARE(updates[0]->text(), QStringLiteral("Buscar Atualizações do Software no Site"));
        QCOMPARE(updates[0]->defaultAction(), w.action(Command::OpenUpdateSite));
        QCOMPARE(updates[1]->defaultAction()->toolTip(), QStringLiteral("Atualizar Tabelas"));
    }

    void mainMenuHasEveryEntryAndSeparator() {
        Program p;
        MainWindow& w = p.openMainWindow();
        QStringList titles;
        for (QAction* action : w.menuBar()->actions()) titles << action->text();
        QCOMPARE(titles, (QStringList{QStringLiteral("Arquivos"), QStringLiteral("Ajuda"),
                                      QStringLiteral("Cálculos On-Line")}));

        QCOMPARE(layoutOf(topMenu(w, QStringLiteral("Arquivos"))),
                 (QStringList{QStringLiteral("Calcular>"), QStringLiteral("-"), QStringLiteral("Selecionar tudo"),
                              QStringLiteral("Copiar"), QStringLiteral("-"), QStringLiteral("Configurar Impressão"),
                              QStringLiteral("Visualizar Impressão"), QStringLiteral("Exportar PDF…"),
                              QStringLiteral("Configurar Fonte"), QStringLiteral("-"), QStringLiteral("Fechar")}));
        QCOMPARE(layoutOf(topMenu(w, QStringLiteral("Arquivos"))->actions().first()->menu()),
                 (QStringList{QStringLiteral("Poupança Diária - com opções de configuração"), QStringLiteral("-"),
                              QStringLiteral("Poupança - configurado"),
                              QStringLiteral("Poupança Configurada - com Plano Collor I e II"), QStringLiteral("-"),
                              QStringLiteral("Débitos Judiciais São Paulo"),
                              QStringLiteral("Débitos Judiciais São Paulo (mês a mês)"),
                              QStringLiteral("Débitos Judiciais MG - MT - MS - ES (mês a mês)"), QStringLiteral("-"),
                              QStringLiteral("Acordo dos Planos Econômicos")}));
        QCOMPARE(layoutOf(topMenu(w, QStringLiteral("Ajuda"))),
                 (QStringList{QStringLiteral("Ajuda"), QStringLiteral("-"), QStringLiteral("Sobre")}));
        QMenu* online = topMenu(w, QStringLiteral("Cálculos On-Line"));
        QVERIFY(!online->menuAction()->isVisible());
        QCOMPARE(layoutOf(online), QStringList{QStringLiteral("Acessar")});

        // The entries are their commands'.
        QCOMPARE(w.action(Command::PrintSetup)->text(), QStringLiteral("Configurar Impressão"));
        QCOMPARE(w.action(Command::MinasMonthly)->text(),
                 QStringLiteral("Débitos Judiciais MG - MT - MS - ES (mês a mês)"));
        QCOMPARE(w.action(Command::About)->text(), QStringLiteral("Sobre"));
        QCOMPARE(w.action(Command::AccessOnline)->text(), QStringLiteral("Acessar"));
        QCOMPARE(w.action(Command::Close), w.action(Command::Close, Place::MainMenu));
        for (Command calculator : kCalculators) {
            QAction* menuEntry = w.action(calculator, Place::MainMenu);
            QAction* twin = w.action(calculator, Place::Popup);
            QVERIFY(twin);
            if (menuEntry) QCOMPARE(twin->text(), menuEntry->text());
        }
        QVERIFY(!w.action(Command::FgtsPurge, Place::MainMenu));  // the FGTS is on the toolbar only
        QVERIFY(!w.action(Command::SaveCalculation));             // run by the calculator's windows
    }

    void popupMenusHaveTheirEntries() {
        Program p;
        MainWindow& w = p.openMainWindow();
        QCOMPARE(layoutOf(w.popupMenu(ToolbarMenu::Calculate)),
                 (QStringList{QStringLiteral("Poupança Diária - com opções de configuração"), QStringLiteral("-"),
                              QStringLiteral("Poupança - configurado"),
                              QStringLiteral("Poupança Configurada - com Plano Collor I e II"), QStringLiteral("-"),
                              QStringLiteral("Débitos Judiciais São Paulo"),
                              QStringLiteral("Débitos Judiciais São Paulo (mês a mês)"),
                              QStringLiteral("Débitos Judiciais MG - MT - MS - ES (mês a mês)"), QStringLiteral("-"),
                              QStringLiteral("Acordo dos Planos Econômicos")}));
        QCOMPARE(layoutOf(w.popupMenu(ToolbarMenu::Fgts)),
                 (QStringList{QStringLiteral("Expurgos do FGTS"), QStringLiteral("FGTS - Juros Progressivos")}));
        QCOMPARE(layoutOf(w.popupMenu(ToolbarMenu::Update)),
                 (QStringList{QStringLiteral("Atualização dos índices"),
                              QStringLiteral("Página de atualização do software na Internet")}));
    }

    void popupOpensAtTheButtonsBottomLeftAndOnRightClick() {
        Program p;
        MainWindow& w = p.openMainWindow();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const std::pair<const char*, ToolbarMenu> pairs[] = {
            {"Calcular", ToolbarMenu::Calculate}, {"Atualizar", ToolbarMenu::Update}, {"FGTS", ToolbarMenu::Fgts}};
        for (auto [caption, which] : pairs) {
            QToolButton* button = p.toolbarButton(QString::fromLatin1(caption));
            QMenu* menu = w.popupMenu(which);
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
        QTest::addColumn<Command>("command");
        QTest::addColumn<Place>("place");
        QTest::addColumn<bool>("enables");
        auto row = [](Command command, Place place, bool enables) {
            const QString name = QString::fromLatin1(QMetaEnum::fromType<Command>().valueToKey(int(command))) +
                                 QLatin1Char('/') +
                                 QString::fromLatin1(QMetaEnum::fromType<Place>().valueToKey(int(place)));
            QTest::newRow(qPrintable(name)) << command << place << enables;
        };
        // The calculators' pop-up twins enable it before they run the calculator.
        for (Command calculator : {Command::DailySavings, Command::ConfiguredSavings, Command::CollorSavings,
                                   Command::SaoPauloCourtDebt, Command::Settlement}) {
            row(calculator, Place::MainMenu, false);
            row(calculator, Place::Popup, true);
        }
        // The month-by-month commands leave it to their handler (it enables once the table is found).
        for (Command monthly : {Command::SaoPauloMonthly, Command::MinasMonthly}) {
            row(monthly, Place::MainMenu, false);
            row(monthly, Place::Popup, false);
        }
        row(Command::FgtsPurge, Place::Popup, true);
        row(Command::FgtsProgressiveInterest, Place::Popup, true);
        row(Command::Help, Place::MainMenu, true);
        row(Command::About, Place::MainMenu, false);
        row(Command::SelectAll, Place::MainMenu, false);
        row(Command::Copy, Place::MainMenu, false);
        row(Command::UpdatePage, Place::Popup, false);
    }

    void previewEnableRules() {
        QFETCH(Command, command);
        QFETCH(Place, place);
        QFETCH(bool, enables);
        Program p;
        MainWindow& w = p.openMainWindow();
        QList<Command> ran;
        for (Command calculator : kCalculators)
            w.setCommandHandler(calculator, [&ran, calculator] { ran << calculator; });
        QAction* preview = w.action(Command::PrintPreview);
        QVERIFY(!preview->isEnabled());

        p.run(command, place);
        QCOMPARE(preview->isEnabled(), enables);
        QCOMPARE(p.shell.previewEnabled, enables);
        if (std::find(std::begin(kCalculators), std::end(kCalculators), command) != std::end(kCalculators))
            QCOMPARE(ran, QList<Command>{command});  // a twin runs the same handler as the menu entry
        else
            QVERIFY(ran.isEmpty());
        QVERIFY(dialogs.messages.isEmpty());
        w.findChild<ruvivavu::gui::AboutBox*>()->close();
    }

    void previewStaysEnabledAndFollowsHandlersThatEnableIt() {
        Program p;
        MainWindow& w = p.openMainWindow();
        w.setCommandHandler(Command::SaoPauloMonthly, [&w] { w.shell().enablePreview(); });
        w.setCommandHandler(Command::DailySavings, [] {});
        QAction* preview = w.action(Command::PrintPreview);
        p.run(Command::SaoPauloMonthly, Place::Popup);
        QVERIFY(preview->isEnabled());
        p.run(Command::DailySavings);
        QVERIFY(preview->isEnabled());
    }

    void commandWithoutCalculatorSaysItIsNotAvailable() {
        Program p;
        MainWindow& w = p.openMainWindow();
        const QStringList notAvailable{QStringLiteral("Esta função não está disponível nesta versão do programa.")};
        p.run(Command::ConfiguredSavings, Place::Popup);
        QCOMPARE(dialogs.messages, notAvailable);
        QVERIFY(w.action(Command::PrintPreview)->isEnabled());  // the twin enabled it first
        dialogs.messages.clear();
        p.run(Command::YieldTool);
        QCOMPARE(dialogs.messages, notAvailable);
        // Nor without an entry; and an emptied handler is no handler.
        dialogs.messages.clear();
        w.runCommand(Command::SaveCalculation);
        w.setCommandHandler(Command::About, {});
        p.run(Command::About);
        QCOMPARE(dialogs.messages, notAvailable + notAvailable);
    }

    void errorsOfAHandlerAreShownAndTheProgramGoesOn() {
        Program p;
        MainWindow& w = p.openMainWindow();
        bool after = false;
        w.setCommandHandler(Command::DailySavings, [&after] {
            throw ruvivavu::ConversionError("'1,2,3' is not a valid floating point value");
            after = true;
        });
        p.run(Command::DailySavings, Place::Popup);
        QCOMPARE(dialogs.messages, QStringList{QStringLiteral("'1,2,3' is not a valid floating point value")});
        QVERIFY(!after);
        QVERIFY(w.action(Command::PrintPreview)->isEnabled());
        // A handler replaces the one before; a handler may also replace itself while it runs.
        w.setCommandHandler(Command::DailySavings, [&w] {
            w.setCommandHandler(Command::DailySavings, [] {});
            throw ruvivavu::UserMessage("Mês inválido.");
        });
        p.run(Command::DailySavings);
        QCOMPARE(dialogs.messages.last(), QStringLiteral("Mês inválido."));
        p.run(Command::DailySavings);
        QCOMPARE(dialogs.messages.size(), 2);
    }

    void fontIniIsReadAtStartAndWrittenOnClickAndOnLeaving() {
        Program f;
        f.writeData(QStringLiteral("font.ini"), "Courier New\r\ntamanho\r\n");
        MainWindow& w = f.openMainWindow();
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
        QCOMPARE(f.readData(QStringLiteral("font.ini")), QByteArray("Courier New\r\n12\r\n"));

        // Leaving a box writes it too; a size without a digit is written as 8 while the box and
        // the statements keep the text.
        size->setEditText(QStringLiteral("xx"));
        name->setEditText(QStringLiteral("Times Nova Româna"));
        QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(size, &leave);
        QCOMPARE(f.readData(QStringLiteral("font.ini")), QByteArray("Times Nova Rom\xe2na\r\n8\r\n"));
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
        Program g;
        g.writeData(QStringLiteral("font.ini"), f.readData(QStringLiteral("font.ini")));
        MainWindow& next = g.openMainWindow();
        next.firstShow();
        QCOMPARE(next.findChild<QComboBox*>(QStringLiteral("Cnomefont"))->currentText(),
                 QStringLiteral("Times Nova Româna"));
        QCOMPARE(next.findChild<QComboBox*>(QStringLiteral("Cfont"))->currentText(), QStringLiteral("10"));
        QVERIFY(dialogs.messages.isEmpty());
    }

    void fontIniIntoAMissingDataFolderShowsTheCreateFileMessage() {
        Program f;
        f.shell.dataFolder = f.data(QStringLiteral("missing/folder")).toStdString();
        MainWindow& w = f.openMainWindow();
        auto* name = w.findChild<QComboBox*>(QStringLiteral("Cnomefont"));
        emit name->activated(0);
        QCOMPARE(dialogs.messages.size(), 1);
        QVERIFY2(dialogs.messages[0].startsWith(QStringLiteral("Cannot create file \"")),
                 qPrintable(dialogs.messages[0]));
        QCOMPARE(name->currentText(), QStringLiteral("Arial"));
    }

    void configurarFonteSwitchesTheStrip() {
        Program p;
        MainWindow& w = p.openMainWindow();
        auto* pages = w.findChild<QStackedWidget*>(QStringLiteral("PageControl2"));
        p.run(Command::FontSettings);
        QCOMPARE(pages->currentWidget()->objectName(), QStringLiteral("TabSheet4"));
        QVERIFY(w.action(Command::FontSettings)->isChecked());
        w.findChild<QPushButton*>(QStringLiteral("VoltarFonte"))->click();
        QCOMPARE(pages->currentWidget()->objectName(), QStringLiteral("TabSheet3"));
        QVERIFY(!w.action(Command::FontSettings)->isChecked());
        // The entry toggles: a second click goes back too.
        p.run(Command::FontSettings);
        p.run(Command::FontSettings);
        QCOMPARE(pages->currentWidget()->objectName(), QStringLiteral("TabSheet3"));
    }

    void startupRunsTheStepsInOrderAndLoadsTheSavingsTable() {
        Program f;
        f.writeData(QStringLiteral("zurivodo13.tab"), "01/01/1987\t1,00\r\n01/02/1987\t2,00\r\n01/03/1987\t3,00\r\n");
        MainWindow& w = f.openMainWindow();
        QList<int> order;
        for (int step : {8, 3, 6, 4, 5}) w.addStartupStep(step, [&order, step] { order << step; });
        w.addStartupStep(8, [&order, &f] { order << (f.shell.indice.rowCount() == 0 ? -1 : 80); });
        w.show();  // the first show runs the sequence once
        w.firstShow();
        QCOMPARE(order, (QList<int>{3, 4, 5, 6, 8, 80}));
        QCOMPARE(QString::fromStdString(f.shell.indice.cell(1, 2)), QStringLiteral("3,00"));
        QVERIFY(dialogs.questions.isEmpty());
    }

    void aFailingStepEndsTheSequenceWithItsMessage() {
        Program f(Program::NoTables);
        writeFile(f.program("download"), "#!/bin/sh\n");
        MainWindow& w = f.openMainWindow();
        bool later = false;
        w.addStartupStep(4, [] { throw ruvivavu::FileError("Cannot open file \"planos.ini\". Permission denied"); });
        w.addStartupStep(5, [&later] { later = true; });
        w.firstShow();
        QCOMPARE(dialogs.messages, QStringList{QStringLiteral("Cannot open file \"planos.ini\". Permission denied")});
        QVERIFY(!later);
        QVERIFY(dialogs.questions.isEmpty());  // the first-run check is skipped too
    }

    void firstRunOffersTheDownloadWhenTablesAreMissing() {
        for (bool yes : {false, true}) {
            dialogs.clear();
            Program f(Program::NoTables);
            const QString marker = f.data("download-ran");
            const QString program = f.program("download");
            writeFile(program, "#!/bin/sh\ntouch '" + marker.toUtf8() + "'\n");
            QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            dialogs.answerQuestions({yes});
            MainWindow& w = f.openMainWindow();
            w.show();
            QCOMPARE(dialogs.questions,
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
        Program withTables;
        writeFile(withTables.program("download"), "#!/bin/sh\n");
        withTables.openMainWindow().firstShow();
        Program withoutProgram(Program::NoTables);
        withoutProgram.openMainWindow().firstShow();
        QVERIFY(dialogs.questions.isEmpty());
        QVERIFY(dialogs.messages.isEmpty());
    }

    void viewerShowsWindows1252StatementsAsWritten() {
        Program f;
        MainWindow& w = f.openMainWindow();
        QTextBrowser* viewer = w.viewer();
        QCOMPARE(viewer->palette().color(QPalette::Base), QColor(Qt::white));
        QVERIFY(!(viewer->textInteractionFlags() & Qt::TextSelectableByMouse));

        // Loose tags and a wrong charset declaration, bytes in Windows-1252.
        f.writeData(QStringLiteral("teste.html"),
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
        f.writeData(QStringLiteral("images/index.htm"), "<p>Ajuda do c\xc3\xa1lculo</p>");
        f.run(Command::Help);
        QCOMPARE(viewer->toPlainText(), QStringLiteral("Ajuda do cálculo"));

        // A missing statement leaves the viewer as it was, silently.
        f.shell.showStatement("fgt.html");
        QCOMPARE(viewer->toPlainText(), QStringLiteral("Ajuda do cálculo"));

        // Refresh shows what the file holds now.
        f.shell.showStatement("teste.html");
        f.writeData(QStringLiteral("teste.html"), "<b>TOTAL = 9,99</b>");
        f.shell.refreshViewer();
        QCOMPARE(viewer->toPlainText(), QStringLiteral("TOTAL = 9,99"));
        QVERIFY(dialogs.messages.isEmpty());
    }

    void helpWithoutItsPageOnlyEnablesThePreview() {
        Program p;
        MainWindow& w = p.openMainWindow();
        p.run(Command::Help);
        QVERIFY(!w.hasDocument());
        QVERIFY(w.action(Command::PrintPreview)->isEnabled());
        QVERIFY(dialogs.messages.isEmpty());
    }

    void vendorPageShowsItsAddressInTheViewer() {
        for (Command command : {Command::UpdatePage, Command::AccessOnline}) {
            Program p;
            MainWindow& w = p.openMainWindow();
            p.run(command);
            QVERIFY(w.viewer()->toPlainText().contains(MainWindow::vendorPageAddress()));
        }
        QVERIFY(MainWindow::vendorPageAddress().endsWith(QStringLiteral("/zurivodo.htm")));
    }

    void aboutBoxShowsItsLabelsWithoutBlocking() {
        Program p;
        MainWindow& w = p.openMainWindow();
        w.show();
        p.run(Command::About);
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
        for (Place place : {Place::MainMenu, Place::Toolbar}) {
            Program p;
            MainWindow& w = p.openMainWindow();
            w.show();
            p.run(Command::Close, place);
            QVERIFY(!w.isVisible());
        }
    }

private:
    Dialogs dialogs;
};

QTEST_MAIN(MainWindowTest)
#include "shell_mainwindow_test.moc"

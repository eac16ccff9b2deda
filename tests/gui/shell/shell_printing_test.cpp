// Printing, PDF export and copying of the statement shown in the report viewer.
#include "gui/shell/pdftestsupport.h"
#include "gui/support/windowtest.h"

#include "core/common/errors.h"
#include "print/printing.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QMimeData>
#include <QPageSetupDialog>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QTextCursor>
#include <QtTest>

using namespace shelltest;
using namespace windowtest;

namespace {

QString fixture(const char* name) {
    return sourceFile(QStringLiteral("tests/gui/shell/fixtures/") + QString::fromLatin1(name));
}

// The month rows of the long fixture statement, as their first cell reads.
QStringList fixtureMonths() {
    QStringList months;
    for (int i = 0; i < 150; ++i) {
        const int month = i % 12 + 1;
        const int year = 1987 + (i + 5) / 12;
        months << QStringLiteral("%1/%2").arg(month, 2, 10, QLatin1Char('0')).arg(year);
    }
    return months;
}

}  // namespace

class PrintingTest : public QObject {
    Q_OBJECT

private slots:
    void init() { dialogs.clear(); }

    void initTestCase() {
        QVERIFY2(pdfPageCount(QStringLiteral("/nonexistent.pdf")) == -1, "pdfinfo must not succeed on nothing");
        bool ok = false;
        runTool(QStringLiteral("pdftotext"), {QStringLiteral("-v")}, &ok);
        QVERIFY2(ok, "pdftotext (poppler-utils) is needed: run the test command, which installs it");
    }

    void sessionPageLayoutStartsA4PortraitWith15mmMargins() {
        Program f;
        MainWindow& w = f.openMainWindow();
        const QPageLayout layout = w.printer().pageLayout();
        QCOMPARE(layout.pageSize().id(), QPageSize::A4);
        QCOMPARE(layout.orientation(), QPageLayout::Portrait);
        QCOMPARE(layout.margins(QPageLayout::Millimeter), QMarginsF(15, 15, 15, 15));
    }

    void pdfOfALongStatementKeepsEveryRowOnceAndTheTotal() {
        Program f;
        MainWindow& w = f.openMainWindow();
        w.loadDocument(fixture("statement.html"));
        const QString pdf = f.data(QStringLiteral("demonstrativo.pdf"));
        const int pages = w.exportPdf(pdf);
        QVERIFY2(pages >= 3, qPrintable(QString::number(pages)));
        QCOMPARE(pdfPageCount(pdf), pages);

        const QString text = pdfText(pdf);
        QVERIFY(text.contains(QStringLiteral("TOTAL = 12.345,67")));
        QVERIFY(text.contains(QStringLiteral("Ação de cobrança - expurgos da poupança")));
        QVERIFY(text.contains(QStringLiteral("Página 1 de %1").arg(pages)));
        QVERIFY(text.contains(QStringLiteral("Página %1 de %1").arg(pages)));
        QCOMPARE(text.count(QLatin1Char('\f')), pages);
        // No row is lost or printed twice where a page breaks.
        for (const QString& month : fixtureMonths()) {
            const QRegularExpression row(QStringLiteral("^\\s*") + month + QStringLiteral(" "),
                                         QRegularExpression::MultilineOption);
            QCOMPARE(text.count(row), 1);
        }

        // The page layout of "Configurar Impressão" is the PDF's: landscape needs more pages.
        w.printer().setPageOrientation(QPageLayout::Landscape);
        const QString wide = f.data(QStringLiteral("paisagem.pdf"));
        const int widePages = w.exportPdf(wide);
        QVERIFY(widePages > pages);
        QCOMPARE(pdfPageCount(wide), widePages);
    }

    void pdfOfAShortStatementIsOnePage() {
        Program f;
        MainWindow& w = f.openMainWindow();
        w.loadDocument(fixture("short.html"));
        const QString pdf = f.data(QStringLiteral("curto.pdf"));
        QCOMPARE(w.exportPdf(pdf), 1);
        QCOMPARE(pdfPageCount(pdf), 1);
        QVERIFY(pdfText(pdf).contains(QStringLiteral("TOTAL = 987,65")));
    }

    void exportarPdfAsksForTheFileAndRemembersItsFolder() {
        Program f;
        MainWindow& w = f.openMainWindow();
        w.loadDocument(fixture("short.html"));

        // First in the documents folder, named after the statement shown; a name typed without
        // the suffix gets it.
        dialogs.answerFiles({f.data("saida")});
        f.run(Command::ExportPdf);
        QCOMPARE(dialogs.fileRequests.size(), 1);
        const FileRequest first = dialogs.fileRequests[0];
        QCOMPARE(first.kind, FileRequest::Save);
        QCOMPARE(first.title, QStringLiteral("Exportar PDF"));
        QCOMPARE(first.filter, QStringLiteral("Arquivos PDF (*.pdf)"));
        QCOMPARE(first.defaultSuffix, QStringLiteral("pdf"));
        QCOMPARE(first.proposedPath, QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
                                         .filePath(QStringLiteral("short.pdf")));
        QCOMPARE(pdfPageCount(f.data("saida.pdf")), 1);
        QVERIFY(!QFile::exists(f.data("saida")));

        // Then in the folder of the last export; a page made in memory (the vendor page) is
        // "demonstrativo". Any case of the suffix is kept; Cancel writes nothing and says nothing.
        f.run(Command::UpdatePage);
        const QString sub = f.data("sub");
        QVERIFY(QDir().mkpath(sub));
        dialogs.answerFiles({sub + QStringLiteral("/Outro.PDF"), QString()});
        f.run(Command::ExportPdf);
        QCOMPARE(dialogs.fileRequests[1].proposedPath,
                 QDir(f.dataDir.path()).filePath(QStringLiteral("demonstrativo.pdf")));
        f.run(Command::ExportPdf);
        QCOMPARE(dialogs.fileRequests.size(), 3);
        QCOMPARE(dialogs.fileRequests[2].proposedPath, sub + QStringLiteral("/demonstrativo.pdf"));
        QCOMPARE(QDir(sub).entryList(QDir::Files), QStringList{QStringLiteral("Outro.PDF")});
        QCOMPARE(pdfPageCount(sub + QStringLiteral("/Outro.PDF")), 1);
        QVERIFY(dialogs.messages.isEmpty());
    }

    void printCommandsOpenTheirDialogsOnTheSessionPrinter() {
        Program f;
        MainWindow& w = f.openMainWindow();
        w.loadDocument(fixture("short.html"));
        QStringList titles;
        auto look = [&titles](QWidget* dialog) { titles << dialog->windowTitle(); };
        dialogs.expectModal(look);
        f.run(Command::PrintSetup);
        dialogs.expectModal(look);
        f.run(Command::Print);
        w.enablePreview();
        dialogs.expectModal(look);
        f.run(Command::PrintPreview);
        QCOMPARE(titles, (QStringList{QStringLiteral("Configurar Impressão"), QStringLiteral("Imprimir"),
                                      QStringLiteral("Visualizar Impressão")}));
        QCOMPARE(dialogs.modals.expectedLeft(), 0);
        QVERIFY(dialogs.messages.isEmpty());
    }

    void pdfIntoAFolderThatDoesNotExistFailsWithTheCreateMessage() {
        Program f;
        MainWindow& w = f.openMainWindow();
        w.loadDocument(fixture("short.html"));
        try {
            w.exportPdf(f.data(QStringLiteral("no/such/folder/x.pdf")));
            QFAIL("no error");
        } catch (const ruvivavu::FileError& e) {
            QVERIFY2(QString::fromStdString(e.what()).startsWith(QStringLiteral("Cannot create file \"")), e.what());
        }
    }

    void withNothingShownTheCommandsSaySo() {
        Program f;
        MainWindow& w = f.openMainWindow();
        w.enablePreview();
        for (Command command : {Command::Print, Command::PrintPreview, Command::ExportPdf}) {
            dialogs.messages.clear();
            f.run(command);
            QCOMPARE(dialogs.messages, QStringList{QStringLiteral("Nenhum demonstrativo para imprimir.")});
        }
        QVERIFY(dialogs.fileRequests.isEmpty());  // no file is asked for
        QVERIFY_THROWS_EXCEPTION(ruvivavu::UserMessage, w.exportPdf(f.data(QStringLiteral("x.pdf"))));
        QVERIFY(!QFile::exists(f.data(QStringLiteral("x.pdf"))));
    }

    void copiarPutsHtmlAndPlainTextWithTheTotal() {
        Program f;
        MainWindow& w = f.openMainWindow();
        QApplication::clipboard()->clear();
        f.run(Command::Copy);  // nothing shown: nothing copied
        const QMimeData* empty = QApplication::clipboard()->mimeData();
        QVERIFY(!empty || !empty->hasHtml());

        w.loadDocument(fixture("statement.html"));
        f.run(Command::Copy);
        const QMimeData* mime = QApplication::clipboard()->mimeData();
        QVERIFY(mime);
        QVERIFY(mime->hasHtml());
        QVERIFY(mime->hasText());
        QVERIFY(mime->html().contains(QStringLiteral("TOTAL = 12.345,67")));
        QVERIFY(mime->html().contains(QStringLiteral("<table")));  // pastes as a table
        QVERIFY(mime->text().contains(QStringLiteral("TOTAL = 12.345,67")));
        QVERIFY(mime->text().contains(QStringLiteral("São Paulo")));
        QVERIFY(dialogs.messages.isEmpty());
    }

    void selecionarTudoSelectsTheWholeStatement() {
        Program f;
        MainWindow& w = f.openMainWindow();
        w.loadDocument(fixture("short.html"));
        f.run(Command::SelectAll);
        const QTextCursor cursor = w.viewer()->textCursor();
        QCOMPARE(cursor.selectionStart(), 0);
        QCOMPARE(cursor.selectionEnd(), w.viewer()->document()->characterCount() - 1);
    }

    void renderDocumentPaginatesForAnyPagedDevice() {
        QTextDocument document;
        document.setHtml(QStringLiteral("<p>um</p>"));
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("a.pdf"));
        QCOMPARE(ruvivavu::print::writePdf(document, path, ruvivavu::print::defaultPageLayout()), 1);
        QCOMPARE(pdfPageCount(path), 1);
    }

private:
    Dialogs dialogs;
};

QTEST_MAIN(PrintingTest)
#include "shell_printing_test.moc"

// The printing library on its own, in a program without widgets (QGuiApplication only), as the
// command-line tool uses it: the text of statement files and the PDF it writes.
#include "gui/shell/pdftestsupport.h"

#include "core/common/errors.h"
#include "print/printing.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QtTest>

using namespace shelltest;

class PrintPdfTest : public QObject {
    Q_OBJECT

private slots:
    void statementBytesDecodeAsUtf8OrElseWindows1252() {
        QCOMPARE(ruvivavu::print::decodeHtmlBytes(QByteArray("S\xc3\xa3o Paulo")), QStringLiteral("São Paulo"));
        // Not valid UTF-8: the whole text is Windows-1252, including its own characters (0x80-0x9F).
        QCOMPARE(ruvivavu::print::decodeHtmlBytes(QByteArray("S\xe3o Paulo \x80 1,00 \x96 Atualiza\xe7\xe3o")),
                 QStringLiteral("São Paulo € 1,00 – Atualização"));
        QCOMPARE(ruvivavu::print::decodeHtmlBytes(QByteArray()), QString());
    }

    void pdfIsA4WithTheDocumentTitleAndANumberedFooterOnEveryPage() {
        QTemporaryDir dir;
        QString html = QStringLiteral("<html><head><title>Atualização</title></head><body>");
        for (int row = 1; row <= 120; ++row) html += QStringLiteral("<p>linha %1</p>").arg(row);
        QTextDocument document;
        document.setHtml(html + QStringLiteral("</body></html>"));

        const QString path = dir.filePath(QStringLiteral("titulo.pdf"));
        const int pages = ruvivavu::print::writePdf(document, path, ruvivavu::print::defaultPageLayout());
        QVERIFY2(pages >= 2, qPrintable(QString::number(pages)));
        QCOMPARE(pdfPageCount(path), pages);
        const QString info = runTool(QStringLiteral("pdfinfo"), {path});
        QVERIFY2(info.contains(QStringLiteral("(A4)")), qPrintable(info));
        QVERIFY2(QRegularExpression(QStringLiteral("Title:\\s+Atualização\\n")).match(info).hasMatch(),
                 qPrintable(info));
        const QString text = pdfText(path);
        for (int page = 1; page <= pages; ++page)
            QVERIFY(text.contains(QStringLiteral("Página %1 de %2").arg(page).arg(pages)));
        QVERIFY(text.contains(QStringLiteral("linha 1\n")));
        QVERIFY(text.contains(QStringLiteral("linha 120\n")));

        // Without a title of its own the PDF is called "Demonstrativo".
        QTextDocument untitled;
        untitled.setHtml(QStringLiteral("<p>um</p>"));
        const QString plain = dir.filePath(QStringLiteral("sem-titulo.pdf"));
        QCOMPARE(ruvivavu::print::writePdf(untitled, plain, ruvivavu::print::defaultPageLayout()), 1);
        QVERIFY(QRegularExpression(QStringLiteral("Title:\\s+Demonstrativo\\n"))
                    .match(runTool(QStringLiteral("pdfinfo"), {plain}))
                    .hasMatch());
    }

    void aPdfIntoAFolderThatDoesNotExistNamesTheFile() {
        QTemporaryDir dir;
        QTextDocument document;
        document.setHtml(QStringLiteral("<p>um</p>"));
        const QString missing = dir.filePath(QStringLiteral("sumiu/x.pdf"));
        try {
            ruvivavu::print::writePdf(document, missing, ruvivavu::print::defaultPageLayout());
            QFAIL("no error");
        } catch (const ruvivavu::FileError& e) {
            QVERIFY2(
                QString::fromStdString(e.what()).startsWith(QStringLiteral("Cannot create file \"%1\". ").arg(missing)),
                e.what());
        }
        QVERIFY(!QFileInfo::exists(missing));
    }
};

QTEST_MAIN(PrintPdfTest)
#include "print_pdf_test.moc"

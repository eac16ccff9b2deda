// The command-line tool: usage and exit statuses, statement bytes passed through unchanged, and
// the PDF it renders without any display.
#include "gui/shell/pdftestsupport.h"
#include "gui/support/windowtest.h"

#include "gui/shell/printing.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QTextDocument>
#include <QtTest>

using namespace shelltest;
using windowtest::readFile;
using windowtest::sourceFile;

namespace {

const QString kTool = QStringLiteral(RUVIVAVU_BINARY_DIR "/ruvivavu-cli");

QString fixture(const char* name) {
    return sourceFile(QStringLiteral("tests/gui/shell/fixtures/") + QString::fromLatin1(name));
}

struct Run {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Runs the tool with no display at all: no DISPLAY, WAYLAND_DISPLAY nor QT_QPA_PLATFORM.
Run run(const QStringList& arguments) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(QString::fromLatin1(name));
    process.setProcessEnvironment(env);
    process.start(kTool, arguments);
    Run result;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) return result;
    result.exitCode = process.exitCode();
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

}  // namespace

class CliTest : public QObject {
    Q_OBJECT

private slots:
    void helpExplainsTheOptions() {
        const Run r = run({QStringLiteral("--help")});
        QCOMPARE(r.exitCode, 0);
        for (const char* option : {"--dados", "--calculadora", "--saida", "--pdf", "poupanca|sp-mes|mg-mes"})
            QVERIFY2(r.out.contains(option), option);
    }

    void usageErrorsExitWithTwo_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("no file") << QStringList{};
        QTest::newRow("unknown option") << QStringList{QStringLiteral("--cor"), QStringLiteral("a.e12")};
        QTest::newRow("option without value") << QStringList{QStringLiteral("a.e12"), QStringLiteral("--saida")};
        QTest::newRow("unknown calculator")
            << QStringList{QStringLiteral("--calculadora"), QStringLiteral("sp"), QStringLiteral("a.e12")};
        QTest::newRow("calculator for FGTS")
            << QStringList{QStringLiteral("--calculadora"), QStringLiteral("sp-mes"), QStringLiteral("a.fg")};
        QTest::newRow("unknown extension") << QStringList{QStringLiteral("calculo.txt")};
        QTest::newRow("two files") << QStringList{QStringLiteral("a.e12"), QStringLiteral("b.e12")};
    }

    void usageErrorsExitWithTwo() {
        QFETCH(QStringList, arguments);
        const Run r = run(arguments);
        QCOMPARE(r.exitCode, 2);
        QVERIFY(r.out.isEmpty());
        QVERIFY(r.err.startsWith("ruvivavu-cli: "));
    }

    void aCalculationThatFailsExitsWithOneAndItsMessage() {
        QTemporaryDir dir;
        for (const char* name : {"sumiu.e12", "sumiu.fg", "sumiu.html"}) {
            const Run r = run({QStringLiteral("--dados"), dir.path(), dir.filePath(QString::fromLatin1(name))});
            QCOMPARE(r.exitCode, 1);
            QVERIFY(r.out.isEmpty());
            QVERIFY2(!r.err.trimmed().isEmpty(), name);
        }
    }

    void statementBytesPassThroughUnchanged() {
        const QByteArray original = readFile(fixture("statement.html"));
        const Run toStdout = run({fixture("statement.html")});
        QCOMPARE(toStdout.exitCode, 0);
        QVERIFY(toStdout.out == original);

        QTemporaryDir dir;
        const QString out = dir.filePath(QStringLiteral("saida.html"));
        const Run toFile = run({QStringLiteral("--saida"), out, fixture("statement.html")});
        QCOMPARE(toFile.exitCode, 0);
        QVERIFY(toFile.out.isEmpty());
        QVERIFY(readFile(out) == original);

        // A folder that does not exist: the platform's message, and no file left behind.
        const QString missing = dir.filePath(QStringLiteral("sumiu/saida.html"));
        const Run failed = run({QStringLiteral("--saida"), missing, fixture("statement.html")});
        QCOMPARE(failed.exitCode, 1);
        QVERIFY2(failed.err.startsWith("Cannot create file \"" + missing.toUtf8() + "\". "), failed.err.constData());
        QVERIFY(!QFileInfo::exists(missing));
    }

    void pdfHasTheProgramsLayoutWithoutADisplay() {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("demonstrativo.pdf"));
        const Run r = run({QStringLiteral("--pdf"), pdf, fixture("statement.html")});
        QCOMPARE(r.exitCode, 0);
        QVERIFY2(r.err.isEmpty(), r.err.constData());
        QVERIFY(r.out.isEmpty());

        // The same pages as the program's export with the default page layout.
        QTextDocument document;
        document.setHtml(ruvivavu::gui::decodeHtmlBytes(readFile(fixture("statement.html"))));
        const int pages = ruvivavu::gui::writePdf(document, dir.filePath(QStringLiteral("programa.pdf")),
                                                  ruvivavu::gui::defaultPageLayout());
        QCOMPARE(pdfPageCount(pdf), pages);
        const QString text = pdfText(pdf);
        QVERIFY(text.contains(QStringLiteral("TOTAL = 12.345,67")));
        QVERIFY(text.contains(QStringLiteral("São Paulo, 09 de dezembro de 2026.")));
    }
};

QTEST_MAIN(CliTest)
#include "shell_cli_test.moc"

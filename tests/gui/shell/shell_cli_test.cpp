// The command-line tool: usage and exit statuses, statement bytes passed through unchanged, and
// the PDF it renders without any display.
#include "gui/shell/pdftestsupport.h"
#include "gui/support/windowtest.h"

#include "print/printing.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
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
    void tablesVersionNamesTheInstalledSetAndAnyFileChanged() {
        // The shipped data folder: its set, every file as published.
        const QString shipped = sourceFile(QStringLiteral("data"));
        const QByteArray date =
            readFile(shipped + QStringLiteral("/manifesto.txt")).split('\n').value(1).split('\t').value(1);
        Run r = run({QStringLiteral("--dados"), shipped, QStringLiteral("--versao-tabelas")});
        QCOMPARE(r.exitCode, 0);
        QVERIFY2(r.out.startsWith("Conjunto de tabelas de " + date + ", com meses até "), r.out.constData());
        QVERIFY(r.out.contains("  zurivodo13.tab\t07/2026\tconfere\n"));
        QVERIFY(!r.out.contains("DIFERENTE"));

        // A table edited by hand is named; a folder without a manifest is an error; a calculation
        // file with the option is a usage error.
        QTemporaryDir dir;
        for (const char* name : {"manifesto.txt", "fgts.tab"})
            QVERIFY(QFile::copy(shipped + QLatin1Char('/') + QLatin1String(name), dir.filePath(QLatin1String(name))));
        r = run({QStringLiteral("--dados"), dir.path(), QStringLiteral("--versao-tabelas")});
        QCOMPARE(r.exitCode, 0);
        QVERIFY(r.out.contains("  fgts.tab\t09/2026\tconfere\n"));
        QVERIFY(r.out.contains("  mes.tab\t08/2026\tFALTA\n"));
        QFile edited(dir.filePath(QStringLiteral("fgts.tab")));
        QVERIFY(edited.open(QIODevice::Append));
        edited.write("10/2026\t0,1\t\r\n");
        edited.close();
        r = run({QStringLiteral("--dados"), dir.path(), QStringLiteral("--versao-tabelas")});
        QVERIFY(r.out.contains("  fgts.tab\t09/2026\tDIFERENTE DO PUBLICADO\n"));
        QVERIFY(QFile::remove(dir.filePath(QStringLiteral("manifesto.txt"))));
        r = run({QStringLiteral("--dados"), dir.path(), QStringLiteral("--versao-tabelas")});
        QCOMPARE(r.exitCode, 1);
        QVERIFY(r.err.contains("não tem o manifesto das tabelas"));
        QCOMPARE(run({QStringLiteral("--versao-tabelas"), QStringLiteral("a.e12")}).exitCode, 2);
    }

    void helpExplainsTheOptions() {
        const Run r = run({QStringLiteral("--help")});
        QCOMPARE(r.exitCode, 0);
        for (const char* option :
             {"--dados", "--calculadora", "--saida", "--pdf", "--lote", "--importar", "poupanca|sp-mes|mg-mes"})
            QVERIFY2(r.out.contains(option), option);
    }

    void usageErrorsExitWithTwo_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("no file") << QStringList{};
        QTest::newRow("unknown option") << QStringList{QStringLiteral("--cor"), QStringLiteral("a.e12")};
        QTest::newRow("option without value") << QStringList{QStringLiteral("a.e12"), QStringLiteral("--saida")};
        QTest::newRow("unknown calculator")
            << QStringList{QStringLiteral("--calculadora"), QStringLiteral("sp"), QStringLiteral("a.e12")};
        QTest::newRow("empty calculator name")
            << QStringList{QStringLiteral("--calculadora"), QString(), QStringLiteral("a.fg")};
        QTest::newRow("calculator for FGTS")
            << QStringList{QStringLiteral("--calculadora"), QStringLiteral("sp-mes"), QStringLiteral("a.fg")};
        QTest::newRow("unknown extension") << QStringList{QStringLiteral("calculo.txt")};
        QTest::newRow("two files") << QStringList{QStringLiteral("a.e12"), QStringLiteral("b.e12")};
        QTest::newRow("batch without files") << QStringList{QStringLiteral("--lote"), QStringLiteral("saida")};
        QTest::newRow("batch with one output file")
            << QStringList{QStringLiteral("--saida"), QStringLiteral("x.html"), QStringLiteral("--lote"),
                           QStringLiteral("saida"), QStringLiteral("a.e12")};
        QTest::newRow("import without folder") << QStringList{QStringLiteral("--importar"), QStringLiteral("c.csv")};
        QTest::newRow("batch and import")
            << QStringList{QStringLiteral("--importar"), QStringLiteral("c.csv"), QStringLiteral("--lote"),
                           QStringLiteral("saida"), QStringLiteral("a.e12")};
    }

    void usageErrorsExitWithTwo() {
        QFETCH(QStringList, arguments);
        const Run r = run(arguments);
        QCOMPARE(r.exitCode, 2);
        QVERIFY(r.out.isEmpty());
        QVERIFY(r.err.startsWith("ruvivavu-cli: "));
    }

    // The messages list the calculators and their files, then the help follows as --help shows it.
    void usageMessagesNameTheCalculatorsAndTheirFiles_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("message");
        QTest::newRow("unknown calculator")
            << QStringList{QStringLiteral("--calculadora"), QStringLiteral("sp"), QStringLiteral("a.e12")}
            << QByteArray("calculadora desconhecida: sp (use poupanca, sp-mes ou mg-mes)");
        QTest::newRow("unknown extension")
            << QStringList{QStringLiteral("calculo.txt")}
            << QByteArray(
                   "tipo de arquivo de cálculo não reconhecido: \"calculo.txt\" (use um "
                   "arquivo .e12, .fg, .e20, .ex20 ou .jfgts, ou um demonstrativo .html)");
        QTest::newRow("calculator for FGTS")
            << QStringList{QStringLiteral("--calculadora"), QStringLiteral("poupanca"), QStringLiteral("a.fg")}
            << QByteArray("--calculadora vale apenas para arquivos .e12");
        QTest::newRow("calculator for a statement")
            << QStringList{QStringLiteral("--calculadora"), QStringLiteral("mg-mes"), QStringLiteral("a.html")}
            << QByteArray("--calculadora vale apenas para arquivos .e12");
        QTest::newRow("unknown regime") << QStringList{QStringLiteral("--acordo"), QStringLiteral("--regime"),
                                                       QStringLiteral("2019"), QStringLiteral("a.e12")}
                                        << QByteArray("regime desconhecido: 2019 (use 2017 ou 2020)");
        QTest::newRow("regime without the agreement")
            << QStringList{QStringLiteral("--regime"), QStringLiteral("2017"), QStringLiteral("a.e12")}
            << QByteArray("--regime vale apenas com --acordo");
        QTest::newRow("agreement for FGTS") << QStringList{QStringLiteral("--acordo"), QStringLiteral("a.fg")}
                                            << QByteArray("--acordo vale apenas para arquivos .e12 da Poupança Diária");
    }

    void usageMessagesNameTheCalculatorsAndTheirFiles() {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, message);
        const QByteArray help = run({QStringLiteral("--help")}).out;
        QVERIFY(help.startsWith("Uso: ruvivavu-cli"));
        const Run r = run(arguments);
        QCOMPARE(r.exitCode, 2);
        QCOMPARE(r.err, "ruvivavu-cli: " + message + "\n\n" + help);
    }

    // The month-by-month court-debt calculators run a daily-savings file when named; an .e12 file
    // is a daily-savings calculation unless a calculator is named or it begins with "estados".
    // The MG - MT - MS - ES table is not shipped: that calculator says so.
    void e12FilesGoToTheNamedCalculatorOrToDailySavings() {
        const QString data = QStringLiteral(RUVIVAVU_SOURCE_DIR "/data");
        const QString example = QStringLiteral(RUVIVAVU_SOURCE_DIR "/examples/bresser.e12");
        // The court table ends before the savings table: the same claim, updated to its last month.
        QTemporaryDir court;
        const QString courtExample = court.filePath(QStringLiteral("bresser.e12"));
        windowtest::writeFile(courtExample, readFile(example).replace("07/2026", "01/2026"));
        const Run saoPaulo = run(
            {QStringLiteral("--dados"), data, QStringLiteral("--calculadora"), QStringLiteral("sp-mes"), courtExample});
        QCOMPARE(saoPaulo.exitCode, 0);
        QVERIFY(saoPaulo.out.startsWith("<html><head><title>Atualiza\xE7\xE3o</title>\r\n<meta name="));
        QVERIFY(
            saoPaulo.out.contains("Tribunal de Justi\xE7"
                                  "a de S\xE3o Paulo (OTN / IPC / INPC / IPC-r / INPC)"));
        const Run minas =
            run({QStringLiteral("--dados"), data, QStringLiteral("--calculadora"), QStringLiteral("mg-mes"), example});
        QCOMPARE(minas.exitCode, 1);
        QVERIFY(minas.out.isEmpty());
        QCOMPARE(minas.err, QByteArray("tabela inexistente - fa\xC3\xA7"
                                       "a a atualiza\xC3\xA7\xC3\xA3o das tabelas\n"));

        const Run named = run(
            {QStringLiteral("--dados"), data, QStringLiteral("--calculadora"), QStringLiteral("poupanca"), example});
        QCOMPARE(named.exitCode, 0);
        QVERIFY(named.out == readFile(QStringLiteral(RUVIVAVU_SOURCE_DIR "/examples/esperado/bresser.html")));

        QTemporaryDir dir;
        const QString old = dir.filePath(QStringLiteral("antigo.e12"));
        QFile file(old);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("estados\r\n1\r\n");
        file.close();
        // An "estados" file goes to the São Paulo court-debt calculator, which stops at the
        // missing grid count of this truncated file.
        const Run truncated = run({QStringLiteral("--dados"), data, old});
        QCOMPARE(truncated.exitCode, 1);
        QVERIFY(truncated.err.contains("is not a valid integer value"));
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

    // The accounts of the example spreadsheet imported, then run as a batch with PDFs: the import's
    // files give the statements a single run gives, and a bad row stops neither.
    void importedAccountsRunAsABatchWithTheirPdfs() {
        QTemporaryDir dir;
        const QString data = QStringLiteral(RUVIVAVU_SOURCE_DIR "/data");
        QByteArray csv = readFile(QStringLiteral(RUVIVAVU_SOURCE_DIR "/examples/contas.csv"));
        csv += "Sem Saldo;;;;15;;;;;;;\r\n";
        const QString accounts = dir.filePath(QStringLiteral("contas.csv"));
        windowtest::writeFile(accounts, csv);
        const QString files = dir.filePath(QStringLiteral("calculos"));
        const Run imported = run({QStringLiteral("--dados"), data, QStringLiteral("--importar"), accounts, files});
        QCOMPARE(imported.exitCode, 1);
        QCOMPARE(imported.err, QByteArray("linha 4: nenhum saldo de plano informado\n"
                                          "2 arquivo(s) de c\xC3\xA1lculo gravado(s) em ") +
                                   files.toUtf8() + ", 1 linha(s) com erro\n");

        const QString out = dir.filePath(QStringLiteral("saida"));
        const Run batch =
            run({QStringLiteral("--dados"), data, QStringLiteral("--pdf"), QStringLiteral("--lote"), out, files});
        QCOMPARE(batch.exitCode, 0);
        QVERIFY2(batch.err.startsWith("2 arquivo(s) de c\xC3\xA1lculo: 2 demonstrativo(s), 0 com erro"),
                 batch.err.constData());
        const QString maria = QStringLiteral("Maria da Silva - Banco do Brasil 0123 45.678-9");
        QVERIFY(readFile(out + QLatin1Char('/') + maria + QStringLiteral(".html")) ==
                readFile(QStringLiteral(RUVIVAVU_SOURCE_DIR "/examples/esperado/bresser_verao_juros.html")));
        const QString pdf = out + QLatin1Char('/') + maria + QStringLiteral(".pdf");
        QVERIFY(pdfPageCount(pdf) > 1);
        QVERIFY(pdfText(pdf).contains(QStringLiteral("TOTAL = 13.816,05 X 190,00% = 40.066,55")));
        QVERIFY(readFile(out + QStringLiteral("/resumo.csv")).contains(";poupanca;;40.066,55;OK\r\n"));
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
        document.setHtml(ruvivavu::print::decodeHtmlBytes(readFile(fixture("statement.html"))));
        const int pages = ruvivavu::print::writePdf(document, dir.filePath(QStringLiteral("programa.pdf")),
                                                    ruvivavu::print::defaultPageLayout());
        QCOMPARE(pdfPageCount(pdf), pages);
        const QString text = pdfText(pdf);
        QVERIFY(text.contains(QStringLiteral("TOTAL = 12.345,67")));
        QVERIFY(text.contains(QStringLiteral("São Paulo, 09 de dezembro de 2026.")));
    }
};

QTEST_MAIN(CliTest)
#include "shell_cli_test.moc"

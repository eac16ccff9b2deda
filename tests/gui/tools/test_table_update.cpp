// "Atualização dos índices" against a server on the loopback interface, and from a folder without
// any network: a signed set replaces the tables together; a wrong digest, a bad signature, a
// truncated download, a missing file, no network and a cancel in the middle each leave every
// table byte for byte as it was; "Desfazer atualização" goes back one step. Also the main
// window's network operations and the vendor's page in the viewer.
#include "core/support/tableset.h"
#include "core/tools/tableupdate.h"
#include "gui/shell/modules.h"
#include "gui/support/httpserver.h"
#include "gui/support/windowtest.h"
#include "gui/tools/tableupdatewindow.h"

#include <QLabel>
#include <QNetworkAccessManager>
#include <QNetworkDiskCache>
#include <QProgressDialog>
#include <QPushButton>
#include <QTextBrowser>
#include <QtTest>

#include <functional>

using namespace windowtest;
namespace rt = ruvivavu::tools;
using enginetest::Files;

namespace {

const Files kInstalled = {
    {"zurivodo13.tab", "01/2026\t1,0\t\r\n02/2026\t1,1\t\r\n"},
    {"fgts.tab", "12/2025\t0,2\t\r\n"},
};
const Files kPublished = {
    {"zurivodo13.tab", "01/2026\t1,0\t\r\n02/2026\t1,1\t\r\n03/2026\t1,2\t\r\n"},
    {"fgts.tab", "12/2025\t0,2\t\r\n01/2026\t0,3\t\r\n"},
    {"mes.tab", std::string(200000, 'x') + "\r\n06/2026\t0,5\t\r\n"},  // long enough to stop midway
};
const QString kSuccess = QStringLiteral(
    "Tabelas atualizadas até 06/2026.\nConjunto de 10/07/2026; arquivos "
    "substituídos: fgts.tab (até 01/2026), mes.tab (até 06/2026), zurivodo13.tab (até 03/2026).");

QByteArray bytes(const std::string& s) {
    return QByteArray::fromStdString(s);
}

// An office: the program with the tables of 15/01/2026 installed, and the set of 10/07/2026
// published under /tabelas/ of the loopback server, which the update setting names.
struct Office {
    Program program;
    LoopbackServer server;
    QTemporaryDir published;

    explicit Office(const enginetest::TestKey& key) {
        enginetest::publishSet(data(), "15/01/2026", kInstalled, nullptr);
        rt::writeLista(data() + "/lista.tab", {{"zurivodo13.tab", "02/2026"}, {"fgts.tab", "12/2025"}});
        enginetest::publishSet(published.path().toStdString(), "10/07/2026", kPublished, &key);
        for (const auto& [name, content] : enginetest::snapshot(published.path().toStdString()))
            server.answer("/tabelas/" + bytes(name), {200, bytes(content)});
        setSource(server.url("/tabelas"));
    }
    std::string data() const { return program.dataDir.path().toStdString(); }
    void setSource(const QString& source) {
        program.writeData(QStringLiteral("atualizacao.ini"), source.toUtf8() + "\r\n");
    }
    MainWindow& open() {
        MainWindow& window = program.openMainWindow({&ruvivavu::gui::tools::install});
        window.show();
        return window;
    }
    // "Atualização dos índices", pressing a button of its window.
    void update(Dialogs& dialogs, const char* button) {
        dialogs.expectModal([button](QWidget* window) { child<QPushButton>(window, button)->click(); });
        program.run(Command::UpdateTables);
    }
};

}  // namespace

class TableUpdateTest : public QObject {
    Q_OBJECT
    Dialogs dialogs;
    enginetest::TestKey key;

private Q_SLOTS:
    void init() {
        dialogs.clear();
        ruvivavu::gui::tools::setUpdateKey(key.publicKey);
    }

    void networkUpdateReplacesTheTablesAndUndoGoesBack() {
        Office office(key);
        MainWindow& window = office.open();
        const Files before = enginetest::snapshot(office.data());

        // Nothing to undo yet; the window names the installed set.
        dialogs.expectModal([](QWidget* w) {
            QVERIFY(!child<QPushButton>(w, "desfazer")->isEnabled());
            QVERIFY(child<QLabel>(w, "instaladas")->text().contains(QStringLiteral("conjunto de 15/01/2026")));
            child<QPushButton>(w, "fechar")->click();
        });
        office.program.run(Command::UpdateTables);
        QVERIFY(dialogs.messages.isEmpty());

        office.update(dialogs, "buscar");
        QTRY_COMPARE_WITH_TIMEOUT(dialogs.messages.size(), 1, 20000);
        QCOMPARE(dialogs.messages[0], kSuccess);
        for (const auto& [name, content] : kPublished)
            QCOMPARE(office.program.readData(QString::fromStdString(name)), bytes(content));
        QCOMPARE(QString::fromStdString(rt::installedSetDate(office.data())), QStringLiteral("10/07/2026"));
        QVERIFY(!QFileInfo::exists(office.program.data(".atualizacao")));
        QVERIFY(office.server.requested.contains("/tabelas/manifesto.sig"));

        // "Desfazer atualização": "Não" keeps the new set, "Sim" brings back every byte of the old one.
        dialogs.answerQuestions({false, true});
        office.update(dialogs, "desfazer");
        const Files updated = enginetest::snapshot(office.data());
        office.update(dialogs, "desfazer");
        QCOMPARE(dialogs.questions.size(), 2);
        QCOMPARE(dialogs.messages.size(), 2);
        QCOMPARE(dialogs.messages[1],
                 QStringLiteral("Atualização desfeita: as tabelas voltaram ao conjunto de 15/01/2026."));
        QVERIFY(updated != before);
        QVERIFY(enginetest::snapshot(office.data()) == before);
        QVERIFY(window.isVisible());
    }

    void everyFailureLeavesTheTablesAsTheyWere() {
        struct Case {
            const char* what;
            std::function<void(Office&)> prepare;
            const char* message;  // the start of the message
            std::function<void(Office&, MainWindow&)> meanwhile = {};
        };
        const Case cases[] = {
            {"file missing on the server",
             [](Office& o) {
                 o.server.answer("/tabelas/mes.tab", {404, "nada"});
             },
             "O arquivo mes.tab não pôde ser baixado de http://127.0.0.1:"},
            {"wrong digest",
             [](Office& o) {
                 o.server.answer("/tabelas/fgts.tab", {200, "12/2025\t0,2\t\r\n01/2026\t0,4\t\r\n"});
             },
             "O arquivo fgts.tab recebido não confere com o manifesto"},
            {"signature of another key",
             [](Office& o) {
                 enginetest::TestKey other;
                 const std::string manifest = rt::renderManifest(enginetest::manifestOf("10/07/2026", kPublished));
                 o.server.answer("/tabelas/manifesto.sig", {200, bytes(other.sign(manifest))});
             },
             "A assinatura do manifesto das tabelas não confere"},
            {"no signature",
             [](Office& o) {
                 o.server.answer("/tabelas/manifesto.sig", {404, "nada"});
             },
             "A atualização não está assinada (falta manifesto.sig)."},
            {"truncated download",
             [](Office& o) {
                 const QByteArray body = bytes(kPublished.at("mes.tab"));
                 o.server.answer("/tabelas/mes.tab", {200, body, {}, body.size() / 2});
             },
             "O arquivo mes.tab"},
            {"no network",
             [](Office& o) {
                 quint16 closed;
                 {
                     LoopbackServer gone;
                     closed = gone.port();
                 }
                 o.setSource(QStringLiteral("http://127.0.0.1:%1/tabelas/").arg(closed));
             },
             "Não foi possível buscar a atualização das tabelas em http://127.0.0.1:"},
            {"cancel in the middle",
             [](Office& o) {
                 const QByteArray body = bytes(kPublished.at("mes.tab"));
                 o.server.answer("/tabelas/mes.tab", {200, body, {}, body.size() / 2, true});
             },
             "Atualização cancelada.",
             [](Office& o, MainWindow& w) {
                 QTRY_VERIFY_WITH_TIMEOUT(o.server.stalled, 20000);
                 auto* progress = w.findChild<QProgressDialog*>(QStringLiteral("progressoAtualizacao"));
                 QVERIFY(progress && progress->isVisible());
                 QTRY_VERIFY(progress->value() > 0);
                 auto* cancel = progress->findChild<QPushButton*>();
                 QVERIFY(cancel && cancel->text() == QStringLiteral("Cancelar"));
                 QTest::mouseClick(cancel, Qt::LeftButton);
             }},
        };
        for (const Case& c : cases) {
            dialogs.clear();
            Office office(key);
            c.prepare(office);
            MainWindow& window = office.open();
            const Files before = enginetest::snapshot(office.data());
            office.update(dialogs, "buscar");
            if (c.meanwhile) c.meanwhile(office, window);
            QTRY_COMPARE_WITH_TIMEOUT(dialogs.messages.size(), 1, 20000);
            const QString message = dialogs.messages[0];
            QVERIFY2(message.startsWith(QString::fromUtf8(c.message)),
                     qPrintable(QString::fromUtf8(c.what) + QStringLiteral(": ") + message));
            QVERIFY2(message.endsWith(QString::fromUtf8(rt::kNothingChanged)), qPrintable(message));
            QVERIFY2(enginetest::snapshot(office.data()) == before, c.what);
            QVERIFY(!QFileInfo::exists(office.program.data(".atualizacao")));
            QVERIFY(window.isVisible());
        }
    }

    void aFolderSourceWorksWithoutAnyNetwork() {
        // Picked by the user (its manifesto.txt), and named by the setting (a shared drive).
        for (const bool fromSetting : {false, true}) {
            dialogs.clear();
            Office office(key);
            office.open();
            if (fromSetting) {
                office.setSource(office.published.path());
                office.update(dialogs, "buscar");
            } else {
                dialogs.answerFiles({office.published.filePath(QStringLiteral("manifesto.txt"))});
                office.update(dialogs, "arquivo");
                QCOMPARE(dialogs.fileRequests.size(), 1);
            }
            QTRY_COMPARE_WITH_TIMEOUT(dialogs.messages.size(), 1, 20000);
            QCOMPARE(dialogs.messages[0], kSuccess);
            QVERIFY(office.server.requested.isEmpty());
        }
    }

    void checkUrlAndDownloadFile() {
        Office office(key);
        MainWindow& window = office.open();
        LoopbackServer& server = office.server;
        server.answer("/ok", {200, "conteúdo"});
        server.answer("/movido", {301, "", server.url("/ok").toLatin1()});
        server.answer("/achado", {302, "", server.url("/ok").toLatin1()});

        const struct {
            QString address;
            bool answers;
        } checks[] = {
            {server.url("/ok"), true},
            {server.url("/achado"), true},
            {server.url("/movido"), false},
            {server.url("/nada"), false},
            {server.url("/ok").mid(7), true},                              // "http://" put in front
            {QStringLiteral("HTTP://") + server.url("/ok").mid(7), true},  // capitals left as they are
        };
        for (const auto& check : checks) QCOMPARE(window.checkUrl(check.address), check.answers);
        QCOMPARE(server.requested.count("/ok"), 3);  // the redirects were not followed
        QVERIFY(server.heads.last().contains("InetURL:/1.0"));

        const QString target = office.program.data("baixado.txt");
        QVERIFY(!window.downloadFile(server.url("/nada"), target));
        QVERIFY(!QFileInfo::exists(target));
        QVERIFY(window.downloadFile(server.url("/achado"), target));  // a download follows the redirect
        QCOMPARE(readFile(target), QByteArray("conteúdo"));

        // The cache: entries whose address holds the pattern go, the others stay; "" empties it.
        auto* cache = qobject_cast<QNetworkDiskCache*>(window.network().cache());
        QVERIFY(cache);
        const QUrl first(QStringLiteral("http://exemplo.invalid/a/zurivodo13.tab"));
        const QUrl second(QStringLiteral("http://exemplo.invalid/b/fgts.tab"));
        for (const QUrl& url : {first, second}) {
            QNetworkCacheMetaData meta;
            meta.setUrl(url);
            meta.setSaveToDisk(true);
            QIODevice* device = cache->prepare(meta);
            QVERIFY(device);
            device->write("x");
            cache->insert(device);
        }
        window.clearCache(QStringLiteral("zurivodo13"));
        QVERIFY(!cache->metaData(first).isValid());
        QVERIFY(cache->metaData(second).isValid());
        window.clearCache(QString());
        QVERIFY(!cache->metaData(second).isValid());
    }

    void vendorPageComesOverTheNetworkOrSaysItCannot() {
        Office office(key);
        MainWindow& window = office.open();
        office.server.answer("/zurivodo.htm", {200, "<html><body><h1>Versão 2.1 disponível</h1></body></html>"});
        ruvivavu::gui::tools::showWebPage(window, QUrl(office.server.url("/zurivodo.htm")));
        QTRY_VERIFY(window.viewer()->toPlainText().contains(QStringLiteral("Versão 2.1 disponível")));

        ruvivavu::gui::tools::showWebPage(window, QUrl(office.server.url("/sumiu.htm")));
        QTRY_VERIFY(window.viewer()->toPlainText().contains(QStringLiteral("não pôde ser carregada")));
        QVERIFY(window.viewer()->toPlainText().contains(office.server.url("/sumiu.htm")));
        QVERIFY(dialogs.messages.isEmpty());
    }
};

QTEST_MAIN(TableUpdateTest)
#include "test_table_update.moc"

// The main window's network operations offered to an updater: emptying the cache, downloading a
// file, checking that an address answers. Each waits for its answer (bounded in time) while the
// program's events go on.
#include "core/common/fileio.h"
#include "gui/common/guard.h"
#include "gui/shell/mainwindow.h"

#include <QDir>
#include <QDirIterator>
#include <QEventLoop>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkDiskCache>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QTimer>

namespace ruvivavu::gui {

namespace {

// No answer in this time is a failure.
constexpr int kTimeoutMs = 30000;

// Waits for the reply to finish, or aborts it after the time limit.
void waitFor(QNetworkReply* reply) {
    if (reply->isFinished()) return;
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(kTimeoutMs, reply, [reply] { reply->abort(); });
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

int statusOf(const QNetworkReply* reply) {
    return reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
}

}  // namespace

QNetworkAccessManager& MainWindow::network() {
    const QString name = QStringLiteral("rede");
    if (auto* existing = findChild<QNetworkAccessManager*>(name, Qt::FindDirectChildrenOnly)) return *existing;
    auto* manager = new QNetworkAccessManager(this);
    manager->setObjectName(name);
    auto* cache = new QNetworkDiskCache(manager);
    cache->setCacheDirectory(qs(shell_.dataFile("cache")));
    manager->setCache(cache);
    manager->setTransferTimeout(kTimeoutMs);
    return *manager;
}

void MainWindow::clearCache(const QString& pattern) {
    auto* cache = qobject_cast<QNetworkDiskCache*>(network().cache());
    if (!cache) return;
    // Every entry is a file of the cache folder that names its address; an entry that cannot be
    // read is skipped and the walk goes on.
    QDirIterator entries(cache->cacheDirectory(), {QStringLiteral("*.d")}, QDir::Files, QDirIterator::Subdirectories);
    while (entries.hasNext()) {
        const QUrl address = cache->fileMetaData(entries.next()).url();
        if (address.isValid() && (pattern.isEmpty() || address.toString().contains(pattern, Qt::CaseInsensitive)))
            cache->remove(address);
    }
}

bool MainWindow::downloadFile(const QString& url, const QString& fileName) {
    try {
        clearCache(QFileInfo(fileName).fileName());
        QNetworkRequest request{QUrl(url)};
        QPointer<QNetworkReply> reply = network().get(request);
        waitFor(reply);
        if (!reply) return false;
        reply->deleteLater();
        if (reply->error() != QNetworkReply::NoError || statusOf(reply) != 200) return false;
        writeFileAtomic(ss(fileName), reply->readAll().toStdString());
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

bool MainWindow::checkUrl(const QString& url) {
    QString address = url;
    const QString lower = address.toLower();
    // "https://" is left as it is: with "http://" in front it would name no server at all.
    if (!lower.contains(QStringLiteral("http://")) && !lower.contains(QStringLiteral("https://")))
        address.prepend(QStringLiteral("http://"));
    QNetworkRequest request{QUrl(address)};
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("InetURL:/1.0"));
    QNetworkReply* reply = network().get(request);
    // The status is all that is wanted: the body is not waited for.
    int status = 0;
    QEventLoop loop;
    connect(reply, &QNetworkReply::metaDataChanged, &loop, [&] {
        status = statusOf(reply);
        if (status != 0) loop.quit();
    });
    connect(reply, &QNetworkReply::finished, &loop, [&] {
        if (reply->error() == QNetworkReply::NoError || status == 0) status = statusOf(reply);
        loop.quit();
    });
    QTimer::singleShot(kTimeoutMs, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    reply->disconnect(&loop);
    reply->abort();
    reply->deleteLater();
    return status == 200 || status == 302;
}

}  // namespace ruvivavu::gui

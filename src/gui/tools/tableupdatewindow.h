// "Atualização dos índices": the window that says which table set is installed and where updates
// come from, the update itself (over the network or from a folder or archive) with its progress
// dialog, "Desfazer atualização", and the vendor's page shown in the report viewer.
#pragma once

#include "core/tools/tablemanifest.h"
#include "core/tools/tableupdate.h"

#include <QDialog>
#include <QObject>
#include <QPointer>
#include <QProgressDialog>
#include <QString>
#include <QUrl>

#include <functional>
#include <memory>

class QNetworkReply;

namespace ruvivavu::shell {
class Shell;
}

namespace ruvivavu::gui {
class MainWindow;
}

namespace ruvivavu::gui::tools {

// The setting of the update source: the first line of this file of the data folder, an address
// ("https://…/", the folder of the published set) or a folder of this machine or a shared drive.
inline constexpr const char* kUpdateSettingFile = "atualizacao.ini";
// Where the vendor publishes the signed table set when the setting is missing.
inline constexpr const char* kDefaultUpdateAddress = "https://www.quorvel.com.br/tabelas/";

QString updateSource(const shell::Shell& shell);

// The key updates must be signed with: the published one; tests sign with a key of their own.
const ruvivavu::tools::PublicKey& updateKey();
void setUpdateKey(const ruvivavu::tools::PublicKey& key);

// The window of "Atualização dos índices". Its buttons close it with the user's choice.
class TableUpdateWindow : public QDialog {
    Q_OBJECT
public:
    enum Choice { Close = 0, FromSource, FromFile, Undo };
    explicit TableUpdateWindow(const shell::Shell& shell, QWidget* parent = nullptr);
};

// One update in progress: fetches the set's manifest and signature, then each changed file, from
// the network or from a local source, with a progress dialog whose "Cancelar" stops it. When it
// ends (done, failed or cancelled) it emits finished() with the message for the user, and the
// tables are either all new or all as they were.
class TableUpdateRun : public QObject {
    Q_OBJECT
public:
    TableUpdateRun(MainWindow& mainWindow, const ruvivavu::tools::PublicKey& key);
    ~TableUpdateRun() override;

    // Starts from a published set's address (the folder holding manifesto.txt).
    void startNetwork(const QUrl& folder);
    // Starts from a folder, its manifesto.txt, or a .zip archive.
    void startLocal(const QString& path);

    QProgressDialog* progressDialog() const { return progress_; }

Q_SIGNALS:
    void finished(const QString& message);

private:
    MainWindow& mainWindow_;
    ruvivavu::tools::PublicKey key_;
    std::unique_ptr<ruvivavu::tools::TableUpdate> update_;
    std::unique_ptr<ruvivavu::tools::LocalSource> local_;
    QUrl folder_;
    QPointer<QNetworkReply> reply_;
    QPointer<QProgressDialog> progress_;
    std::string manifest_;
    size_t next_ = 0;
    qint64 doneBytes_ = 0;
    bool canceled_ = false;
    bool ended_ = false;

    void begin();
    // Fetches one file of the set (whole, into memory, at most `limit` bytes) and hands it on.
    void fetch(const std::string& name, std::uint64_t limit, std::function<void(std::string bytes)> then);
    void fetchManifest();
    void fetchNextFile();
    void fail(const std::string& why);
    void end(const QString& message);
    void showStep(const QString& text);
};

// Shows a web page in the report viewer, fetched over the network; while it comes, and when it
// cannot come, the viewer says where the page is and that the program goes on without it.
void showWebPage(MainWindow& mainWindow, const QUrl& address);

}  // namespace ruvivavu::gui::tools

// "Atualização dos índices": the window, the update run with its progress dialog, and the
// vendor's page in the report viewer.
#include "gui/tools/tableupdatewindow.h"

#include "core/common/fileio.h"
#include "core/shell/shell.h"
#include "gui/common/guard.h"
#include "gui/shell/mainwindow.h"
#include "print/printing.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <climits>

namespace ruvivavu::gui::tools {

namespace rt = ruvivavu::tools;

namespace {

const QString kTitle = QStringLiteral("Atualização dos índices");

// The failure as the user reads it: why, and that nothing was changed.
QString failureText(const std::string& why) {
    return QString::fromUtf8(rt::UpdateFailed(why).what());
}

// Why a request failed, in the user's words.
QString networkReason(QNetworkReply* reply) {
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status != 0 && status != 200) return QStringLiteral("o servidor respondeu %1").arg(status);
    switch (reply->error()) {
        case QNetworkReply::ConnectionRefusedError:
            return QStringLiteral("conexão recusada");
        case QNetworkReply::HostNotFoundError:
            return QStringLiteral("servidor não encontrado");
        case QNetworkReply::TimeoutError:
        case QNetworkReply::OperationCanceledError:
            return QStringLiteral("o servidor não respondeu a tempo");
        case QNetworkReply::RemoteHostClosedError:
            return QStringLiteral("a conexão caiu antes do fim");
        case QNetworkReply::SslHandshakeFailedError:
            return QStringLiteral("a conexão segura falhou");
        case QNetworkReply::TemporaryNetworkFailureError:
        case QNetworkReply::NetworkSessionFailedError:
            return QStringLiteral("sem rede");
        default:
            return reply->errorString();
    }
}

}  // namespace

QString updateSource(const shell::Shell& shell) {
    const std::string setting = shell.dataFile(kUpdateSettingFile);
    if (fileExists(setting)) {
        for (const std::string& line : readTextLines(setting)) {
            const QString text = qs(line).trimmed();
            if (!text.isEmpty()) return text;
        }
    }
    return QString::fromUtf8(kDefaultUpdateAddress);
}

namespace {

rt::PublicKey& trustedKey() {
    static rt::PublicKey key = rt::publishedTablesKey();
    return key;
}

}  // namespace

const rt::PublicKey& updateKey() {
    return trustedKey();
}

void setUpdateKey(const rt::PublicKey& key) {
    trustedKey() = key;
}

// ---------------------------------------------------------------------------------------------
// The window

TableUpdateWindow::TableUpdateWindow(const shell::Shell& shell, QWidget* parent) : QDialog(parent) {
    setWindowTitle(kTitle);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(18, 16, 18, 14);
    column->setSpacing(12);

    QString installed;
    const std::string date = rt::installedSetDate(shell.dataFolder);
    if (date.empty()) {
        installed =
            QStringLiteral("Tabelas instaladas: sem manifesto (instaladas por uma versão anterior do programa).");
    } else {
        std::string month;
        try {
            month = rt::latestMonth(rt::parseManifest(readTextFileBytes(shell.dataFile(rt::kManifestFile))));
        } catch (const Error&) {
        }
        installed = QStringLiteral("Tabelas instaladas: conjunto de %1, com meses até %2.").arg(qs(date), qs(month));
    }
    auto* installedLabel = new QLabel(installed, this);
    installedLabel->setObjectName(QStringLiteral("instaladas"));
    QFont bold = installedLabel->font();
    bold.setBold(true);
    installedLabel->setFont(bold);
    column->addWidget(installedLabel);
    auto* source = new QLabel(QStringLiteral("Origem das atualizações: %1\nPara usar outra, escreva o endereço ou a "
                                             "pasta na primeira linha de %2, na pasta de dados.")
                                  .arg(updateSource(shell), QString::fromUtf8(kUpdateSettingFile)),
                              this);
    source->setTextInteractionFlags(Qt::TextSelectableByMouse);
    column->addWidget(source);
    auto* note = new QLabel(QStringLiteral("A atualização só é aceita com a assinatura da Quorvel, e as tabelas são "
                                           "substituídas todas juntas ou nenhuma."),
                            this);
    note->setWordWrap(true);
    column->addWidget(note);

    auto* buttons = new QDialogButtonBox(Qt::Horizontal, this);
    auto addButton = [&](const char* name, const QString& text, Choice choice, QDialogButtonBox::ButtonRole role) {
        QPushButton* button = buttons->addButton(text, role);
        button->setObjectName(QString::fromLatin1(name));
        connect(button, &QPushButton::clicked, this, [this, choice] { done(choice); });
        return button;
    };
    addButton("buscar", QStringLiteral("Buscar atualização"), FromSource, QDialogButtonBox::AcceptRole)
        ->setDefault(true);
    addButton("arquivo", QStringLiteral("De uma pasta ou arquivo…"), FromFile, QDialogButtonBox::ActionRole);
    addButton("desfazer", QStringLiteral("Desfazer atualização"), Undo, QDialogButtonBox::ActionRole)
        ->setEnabled(rt::canUndoUpdate(shell.dataFolder));
    addButton("fechar", QStringLiteral("Fechar"), Close, QDialogButtonBox::RejectRole);
    column->addWidget(buttons);
}

// ---------------------------------------------------------------------------------------------
// The update run

TableUpdateRun::TableUpdateRun(MainWindow& mainWindow, const rt::PublicKey& key)
    : QObject(&mainWindow), mainWindow_(mainWindow), key_(key) {}

TableUpdateRun::~TableUpdateRun() {
    if (reply_) reply_->abort();
    delete progress_;
}

void TableUpdateRun::begin() {
    progress_ = new QProgressDialog(&mainWindow_);
    progress_->setObjectName(QStringLiteral("progressoAtualizacao"));
    progress_->setWindowTitle(kTitle);
    progress_->setWindowModality(Qt::NonModal);
    progress_->setCancelButtonText(QStringLiteral("Cancelar"));
    progress_->setAutoClose(false);
    progress_->setAutoReset(false);
    progress_->setMinimumDuration(0);
    progress_->setRange(0, 0);
    progress_->setMinimumWidth(420);
    connect(progress_, &QProgressDialog::canceled, this, [this] {
        canceled_ = true;
        if (reply_) reply_->abort();  // its end reports the cancel
    });
    progress_->show();
    try {
        update_ = std::make_unique<rt::TableUpdate>(mainWindow_.shell().dataFolder, key_);
    } catch (const Error& e) {
        fail(e.what());
    }
}

void TableUpdateRun::startNetwork(const QUrl& folder) {
    folder_ = folder;
    if (!folder_.path().endsWith(QLatin1Char('/'))) folder_.setPath(folder_.path() + QLatin1Char('/'));
    begin();
    fetchManifest();
}

void TableUpdateRun::startLocal(const QString& path) {
    begin();
    try {
        local_ = std::make_unique<rt::LocalSource>(ss(QDir::toNativeSeparators(path)));
    } catch (const Error& e) {
        fail(e.what());
        return;
    }
    fetchManifest();
}

void TableUpdateRun::showStep(const QString& text) {
    if (progress_) progress_->setLabelText(text);
}

void TableUpdateRun::fetch(const std::string& name, std::uint64_t limit, std::function<void(std::string)> then) {
    if (ended_) return;
    if (local_) {
        // A step at a time, so the dialog is drawn and its "Cancelar" heard between files.
        QTimer::singleShot(0, this, [this, name, limit, then] {
            if (ended_) return;
            if (canceled_) return fail("Atualização cancelada.");
            try {
                std::string bytes = local_->read(name, limit);
                then(std::move(bytes));
            } catch (const Error& e) {
                fail(e.what());
            }
        });
        return;
    }
    const QUrl address = folder_.resolved(QUrl(qs(name)));
    QNetworkRequest request(address);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    reply_ = mainWindow_.network().get(request);
    auto bytes = std::make_shared<std::string>();
    QNetworkReply* reply = reply_;
    connect(reply, &QNetworkReply::readyRead, this, [this, reply, bytes, limit, name] {
        const QByteArray chunk = reply->readAll();
        bytes->append(chunk.constData(), size_t(chunk.size()));
        if (bytes->size() > limit) {
            reply->disconnect(this);
            reply->abort();
            reply->deleteLater();
            fail("O arquivo " + name + " recebido é maior que o publicado.");
            return;
        }
        if (progress_ && progress_->maximum() > 0) progress_->setValue(int(doneBytes_ + qint64(bytes->size())));
    });
    connect(reply, &QNetworkReply::finished, this, [this, reply, bytes, name, address, then] {
        reply->deleteLater();
        if (ended_) return;
        if (canceled_) return fail("Atualização cancelada.");
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (reply->error() != QNetworkReply::NoError || status != 200) {
            const std::string where = ss(address.toString());
            const std::string reason = ss(networkReason(reply));
            if (name == rt::kSignatureFile && status == 404) return fail(rt::unsignedSetReason());
            if (name == rt::kManifestFile && status == 0)
                return fail("Não foi possível buscar a atualização das tabelas em " + where + " (" + reason +
                            "). Sem conexão, o programa continua com as tabelas instaladas.");
            return fail("O arquivo " + name + " não pôde ser baixado de " + where + " (" + reason + ").");
        }
        bytes->append(reply->readAll().toStdString());
        try {
            then(std::move(*bytes));
        } catch (const Error& e) {
            fail(e.what());
        }
    });
}

void TableUpdateRun::fetchManifest() {
    showStep(QStringLiteral("Buscando o manifesto das tabelas…"));
    fetch(rt::kManifestFile, rt::kManifestLimit, [this](std::string manifest) {
        manifest_ = std::move(manifest);
        if (local_ && !local_->has(rt::kSignatureFile)) return fail(rt::unsignedSetReason());
        fetch(rt::kSignatureFile, rt::kSignatureLimit, [this](std::string signature) {
            update_->acceptManifest(manifest_, signature);
            qint64 total = 0;
            for (const rt::ManifestFile& f : update_->changedFiles()) total += qint64(f.size);
            if (progress_ && total > 0 && total < INT_MAX) progress_->setRange(0, int(total));
            fetchNextFile();
        });
    });
}

void TableUpdateRun::fetchNextFile() {
    const std::vector<rt::ManifestFile>& changed = update_->changedFiles();
    if (next_ >= changed.size()) {
        try {
            end(qs(update_->commit()));
        } catch (const Error& e) {
            fail(e.what());
        }
        return;
    }
    const rt::ManifestFile file = changed[next_];
    showStep(QStringLiteral("Baixando %1 (%2 de %3)…").arg(qs(file.name)).arg(next_ + 1).arg(changed.size()));
    fetch(file.name, file.size, [this, file](std::string bytes) {
        update_->storeFetched(file, bytes);
        doneBytes_ += qint64(file.size);
        if (progress_ && progress_->maximum() > 0) progress_->setValue(int(doneBytes_));
        ++next_;
        fetchNextFile();
    });
}

void TableUpdateRun::fail(const std::string& why) {
    // An UpdateFailed already says that nothing changed.
    const QString text = why.find(rt::kNothingChanged) == std::string::npos ? failureText(why) : qs(why);
    end(text);
}

void TableUpdateRun::end(const QString& message) {
    if (ended_) return;
    ended_ = true;
    if (reply_) {
        reply_->disconnect(this);
        reply_->abort();
        reply_->deleteLater();
    }
    update_.reset();  // what was fetched and not committed goes
    local_.reset();
    if (progress_) progress_->hide();
    Q_EMIT finished(message);
}

// ---------------------------------------------------------------------------------------------
// The vendor's page

void showWebPage(MainWindow& mainWindow, const QUrl& address) {
    const QString shown = address.toString().toHtmlEscaped();
    auto page = [shown](const QString& state) {
        return QStringLiteral(
                   "<html><body style=\"font-family:Arial,sans-serif;\">"
                   "<h2 style=\"color:#1f3a5f;\">Atualização do software</h2>"
                   "<p>A página de atualização do Ruvivavu da Dudovizu fica no site da Quorvel:</p>"
                   "<p style=\"font-size:large;\"><a href=\"%1\">%1</a></p><p>%2</p></body></html>")
            .arg(shown, state);
    };
    mainWindow.showPage(page(QStringLiteral("Carregando a página…")));
    QNetworkRequest request(address);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::PreferNetwork);
    QNetworkReply* reply = mainWindow.network().get(request);
    QPointer<MainWindow> window(&mainWindow);
    QObject::connect(reply, &QNetworkReply::finished, &mainWindow, [window, reply, address, page] {
        reply->deleteLater();
        if (!window) return;
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (reply->error() == QNetworkReply::NoError && status == 200) {
            window->showPage(print::decodeHtmlBytes(reply->readAll()), reply->url());
        } else {
            const QString reason = networkReason(reply);
            window->showPage(page(QStringLiteral("A página não pôde ser carregada (%1). Sem conexão com a Internet, o "
                                                 "programa continua normalmente; clique no endereço para tentar "
                                                 "no seu navegador.")
                                      .arg(reason.toHtmlEscaped())));
        }
    });
}

}  // namespace ruvivavu::gui::tools

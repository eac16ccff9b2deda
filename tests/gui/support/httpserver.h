// A small HTTP server on the loopback interface for the network tests: started by the test,
// stopped when it goes, answering a bounded number of requests from a table of canned answers.
// Nothing it does reaches beyond this machine.
//
//   LoopbackServer server;                     // listens on 127.0.0.1, a free port
//   server.answer("/a.txt", {200, "bytes"});   // what GET /a.txt gets
//   server.url("/a.txt")                       // http://127.0.0.1:<port>/a.txt
//
// An answer may be cut short: `sendOnly` bytes of the body are sent, then the connection is
// closed (a truncated download), or, with `stall`, kept open without sending more (a transfer
// the user cancels). Paths without an answer get 404.
#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>

#include <memory>
#include <utility>

namespace windowtest {

struct HttpAnswer {
    HttpAnswer(int status = 200, QByteArray body = {}, QByteArray location = {}, qsizetype sendOnly = -1,
               bool stall = false)
        : status(status), body(std::move(body)), location(std::move(location)), sendOnly(sendOnly), stall(stall) {}
    int status;
    QByteArray body;
    QByteArray location;  // for 301 and 302
    qsizetype sendOnly;
    bool stall;
};

class LoopbackServer : public QObject {
public:
    explicit LoopbackServer(int maxRequests = 64) : maxRequests_(maxRequests) {
        if (!server_.listen(QHostAddress::LocalHost)) qFatal("the loopback server cannot listen");
        QObject::connect(&server_, &QTcpServer::newConnection, this, [this] { accept(); });
    }
    ~LoopbackServer() override {
        server_.close();
        for (const QPointer<QTcpSocket>& socket : sockets_)
            if (socket) socket->abort();
    }

    void answer(const QByteArray& path, const HttpAnswer& answer) { answers_[path] = answer; }
    QString url(const QByteArray& path) const {
        return QStringLiteral("http://127.0.0.1:%1").arg(server_.serverPort()) + QString::fromLatin1(path);
    }
    quint16 port() const { return server_.serverPort(); }

    // The paths asked for, in order, and the request heads.
    QList<QByteArray> requested;
    QList<QByteArray> heads;
    // Set once a stalled answer has sent its part.
    bool stalled = false;

private:
    QTcpServer server_;
    QMap<QByteArray, HttpAnswer> answers_;
    QList<QPointer<QTcpSocket>> sockets_;
    int maxRequests_;

    void accept() {
        while (QTcpSocket* socket = server_.nextPendingConnection()) {
            sockets_ << socket;
            socket->setParent(this);
            auto buffer = std::make_shared<QByteArray>();
            QObject::connect(socket, &QTcpSocket::readyRead, this, [this, socket, buffer] {
                buffer->append(socket->readAll());
                qsizetype end;
                while ((end = buffer->indexOf("\r\n\r\n")) >= 0) {
                    const QByteArray head = buffer->left(end);
                    buffer->remove(0, end + 4);
                    respond(socket, head);
                }
            });
        }
    }

    void respond(QTcpSocket* socket, const QByteArray& head) {
        if (requested.size() >= maxRequests_) {
            socket->abort();
            return;
        }
        const QList<QByteArray> words = head.left(head.indexOf("\r\n")).split(' ');
        const QByteArray path = words.size() > 1 ? words[1] : QByteArray("/");
        requested << path;
        heads << head;
        const HttpAnswer answer = answers_.value(path, HttpAnswer(404, "nada aqui"));
        const QByteArray reason = answer.status == 200   ? "OK"
                                  : answer.status == 301 ? "Moved Permanently"
                                  : answer.status == 302 ? "Found"
                                                         : "Not Found";
        QByteArray out = "HTTP/1.1 " + QByteArray::number(answer.status) + " " + reason + "\r\n";
        out += "Content-Type: application/octet-stream\r\n";
        out += "Content-Length: " + QByteArray::number(answer.body.size()) + "\r\n";
        if (!answer.location.isEmpty()) out += "Location: " + answer.location + "\r\n";
        out += "Connection: close\r\n\r\n";
        const qsizetype sent = answer.sendOnly >= 0 ? answer.sendOnly : answer.body.size();
        socket->write(out + answer.body.left(sent));
        if (answer.stall) {
            socket->flush();
            stalled = true;
            return;
        }
        socket->disconnectFromHost();
    }
};

}  // namespace windowtest

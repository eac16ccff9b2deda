// The PDF library: Qt's text document laid out and painted as the program's PDF export does.
#include "cli/pdf/pdfmodule.h"

#include "print/printing.h"

#include <QGuiApplication>
#include <QTextDocument>

#include <algorithm>
#include <cstring>
#include <exception>
#include <iostream>
#include <memory>
#include <string>

namespace {

struct Session {
    int argc = 1;
    char name[16] = "ruvivavu-cli";
    char* argv[2] = {name, nullptr};
    std::unique_ptr<QGuiApplication> app;
};

void copyMessage(const std::string& message, char* error, std::size_t errorSize) {
    if (!error || errorSize == 0) return;
    const std::size_t n = std::min(message.size(), errorSize - 1);
    std::memcpy(error, message.data(), n);
    error[n] = '\0';
}

}  // namespace

RUVIVAVU_PDF_EXPORT void* ruvivavu_pdf_open() {
    try {
        // The tool never needs a display: Qt paints the PDF on its offscreen platform.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        // Qt's notes about the offscreen session are no concern of the tool's user.
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
            if (type == QtCriticalMsg || type == QtFatalMsg) std::cerr << message.toStdString() << '\n';
        });
        auto session = std::make_unique<Session>();
        session->app = std::make_unique<QGuiApplication>(session->argc, session->argv);
        return session.release();
    } catch (const std::exception&) {
        return nullptr;
    }
}

RUVIVAVU_PDF_EXPORT int ruvivavu_pdf_write(void* session, const char* statement, std::size_t size, const char* path,
                                           char* error, std::size_t errorSize) {
    if (!session) {
        copyMessage("Qt não iniciou", error, errorSize);
        return 1;
    }
    try {
        QTextDocument document;
        document.setHtml(ruvivavu::print::decodeHtmlBytes(QByteArray(statement, static_cast<qsizetype>(size))));
        ruvivavu::print::writePdf(document, QString::fromUtf8(path), ruvivavu::print::defaultPageLayout());
        return 0;
    } catch (const std::exception& e) {
        copyMessage(e.what(), error, errorSize);
        return 1;
    }
}

RUVIVAVU_PDF_EXPORT void ruvivavu_pdf_close(void* session) {
    delete static_cast<Session*>(session);
}

// Test support for the main-window tests: an isolated data folder, recorded message boxes and
// questions, and a guard that fails a test instead of letting an unexpected modal dialog hang it.
#pragma once

#include "core/shell/shell.h"
#include "gui/common/guard.h"
#include "gui/shell/mainwindow.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <memory>

namespace shelltest {

inline QStringList messages;
inline QStringList questions;
inline bool answer = false;
inline QStringList unexpectedDialogs;

inline void recordMessage(QWidget*, const QString& message) {
    messages << message;
}
inline bool recordQuestion(QWidget*, const QString& question) {
    questions << question;
    return answer;
}

// Closes any modal dialog that opens and records it; the test checks `unexpectedDialogs` is empty.
class ModalGuard : public QObject {
public:
    ModalGuard() {
        timer_.setInterval(50);
        QObject::connect(&timer_, &QTimer::timeout, [] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                unexpectedDialogs << QString::fromLatin1(modal->metaObject()->className()) + QStringLiteral(": ") +
                                         modal->windowTitle();
                if (auto* dialog = qobject_cast<QDialog*>(modal))
                    dialog->reject();
                else
                    modal->close();
            }
        });
        timer_.start();
    }

private:
    QTimer timer_;
};

inline void resetRecords() {
    messages.clear();
    questions.clear();
    unexpectedDialogs.clear();
    answer = false;
    ruvivavu::gui::setMessagePresenter(&recordMessage);
    ruvivavu::gui::setQuestionAnswerer(&recordQuestion);
}

inline void writeBytes(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) qFatal("cannot write %s", qPrintable(path));
    file.write(bytes);
}

inline QByteArray readBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

// A main window over its own temporary program and data folders (the data folder holds lista.tab,
// so the first-run check stays quiet unless a test removes it).
struct Fixture {
    QTemporaryDir programDir;
    QTemporaryDir dataDir;
    ruvivavu::shell::Shell shell;
    std::unique_ptr<ruvivavu::gui::MainWindow> window;

    Fixture() {
        shell.programFolder = (programDir.path() + QStringLiteral("/")).toStdString();
        shell.dataFolder = dataDir.path().toStdString();
        writeBytes(data(QStringLiteral("lista.tab")), "zurivodo13.tab\r\n");
    }
    QString data(const QString& name) const { return dataDir.filePath(name); }
    ruvivavu::gui::MainWindow& make() {
        window = std::make_unique<ruvivavu::gui::MainWindow>(shell);
        return *window;
    }
};

}  // namespace shelltest

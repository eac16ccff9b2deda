// Support for the window tests: a program on temporary folders, the program's message boxes,
// questions and file dialogs answered by the test, and no test left hanging on a modal dialog.
//
// How to use it in a Qt Test program (tests/gui/<subsystem>/<name>.cpp):
//
//   #include "gui/support/windowtest.h"
//   using namespace windowtest;
//
//   class MyTest : public QObject {
//       Q_OBJECT
//       Dialogs dialogs;  // installed for the whole program; fails a test on a stray modal dialog
//   private slots:
//       void init() { dialogs.clear(); }
//
//       void exportsThePdf() {
//           Program program;                          // empty program and data folders, tables "installed"
//           program.writeData(QStringLiteral("teste.html"), "<b>TOTAL</b>");
//           MainWindow& window = program.openMainWindow({&ruvivavu::gui::tools::install});
//           window.loadDocument(program.data("teste.html"));
//           dialogs.answerFiles({program.data("saida")});  // the next file dialog picks this path
//           program.run(Command::ExportPdf);          // as the user: through the menu entry
//           QCOMPARE(dialogs.fileRequests.size(), 1);
//           QVERIFY(dialogs.messages.isEmpty());
//       }
//   };
//
// Dialogs replaces the message box (showMessage), the Yes/No question (askYesNo) and the file
// dialog (askForFile) for as long as it lives:
//   - messages and questions are recorded in order; questions are answered from answerQuestions(),
//     then with defaultAnswer (No);
//   - file dialogs are answered from answerFiles() in order (an empty text is Cancel) and recorded in
//     fileRequests; one with no answer left fails the test and is cancelled;
//   - any other modal dialog (a print dialog, a real message box) fails the test and is closed,
//     unless the test announced it with expectModal(), which hands it over.
// Program holds an isolated program folder and data folder (data(), program(), writeData(),
// copyShippedData()), a Shell pointed at them and, once opened, a main window with the modules the
// test installs. Its steps drive the main window as the user does: run(Command) clicks the
// command's entry, run(Command, Place) a given one (a pop-up twin, a toolbar button), and
// toolbarButton("FGTS") finds a strip button by its caption. A calculator window test that needs
// no main window uses Program only for its folders and shell.
// Also here: writeFile/readFile, sourceFile() for files of the source tree, and child<T>(parent,
// name), which stops the test program with the name of a missing widget.
// The files in this folder are headers only: every .cpp under tests/gui/ becomes a test program.
#pragma once

#include "core/shell/shell.h"
#include "gui/common/filedialog.h"
#include "gui/common/guard.h"
#include "gui/shell/mainwindow.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLayout>
#include <QList>
#include <QMetaEnum>
#include <QPointer>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QWidget>

#include <deque>
#include <functional>
#include <initializer_list>
#include <memory>

namespace windowtest {

using ruvivavu::gui::Command;
using ruvivavu::gui::FileRequest;
using ruvivavu::gui::MainWindow;

// ---------------------------------------------------------------------------------------------
// Files

inline void writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) qFatal("cannot write %s", qPrintable(path));
    file.write(bytes);
}

// The file's bytes; empty when it cannot be read.
inline QByteArray readFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

#ifdef RUVIVAVU_SOURCE_DIR
// A file of the source tree, e.g. sourceFile("tests/gui/shell/fixtures/short.html").
inline QString sourceFile(const QString& relativePath) {
    return QDir(QStringLiteral(RUVIVAVU_SOURCE_DIR)).filePath(relativePath);
}
#endif

// A named child widget or object; a missing one ends the test program with its name rather than
// crashing on a null pointer later.
template <class T>
T* child(const QObject* parent, const QString& name) {
    T* found = parent->findChild<T*>(name);
    if (!found) qFatal("no %s named %s", T::staticMetaObject.className(), qPrintable(name));
    return found;
}
template <class T>
T* child(const QObject* parent, const char* name) {
    return child<T>(parent, QString::fromLatin1(name));
}

// ---------------------------------------------------------------------------------------------
// Modal dialogs

// Watches for modal dialogs while it lives. One the test did not announce fails the test and is
// closed, so the test goes on instead of waiting for a click that never comes.
class ModalGuard {
public:
    using Handler = std::function<void(QWidget* dialog)>;

    ModalGuard() {
        timer_.setInterval(50);
        QObject::connect(&timer_, &QTimer::timeout, [this] { check(); });
        timer_.start();
    }
    ModalGuard(const ModalGuard&) = delete;
    ModalGuard& operator=(const ModalGuard&) = delete;

    // The next modal dialog is expected: `handle` gets it (to look at it, fill it in, accept it);
    // the guard closes it afterwards if it is still open.
    void expectModal(Handler handle) { expected_.push_back(std::move(handle)); }

    // Modal dialogs seen, as "Class: title": the expected ones handed over, the others closed.
    QStringList handed;
    QStringList unexpected;
    int expectedLeft() const { return int(expected_.size()); }

    void clear() {
        handed.clear();
        unexpected.clear();
        expected_.clear();
    }

private:
    QTimer timer_;
    std::deque<Handler> expected_;
    bool busy_ = false;

    void check() {
        if (busy_) return;  // a handler's own event loop
        QPointer<QWidget> modal = QApplication::activeModalWidget();
        if (!modal) return;
        const QString what =
            QString::fromLatin1(modal->metaObject()->className()) + QStringLiteral(": ") + modal->windowTitle();
        busy_ = true;
        if (!expected_.empty()) {
            Handler handle = std::move(expected_.front());
            expected_.pop_front();
            handed << what;
            handle(modal);
        } else {
            unexpected << what;
            QTest::qFail(qPrintable(QStringLiteral("unexpected modal dialog: ") + what), __FILE__, __LINE__);
        }
        if (modal && modal->isVisible()) {
            if (auto* dialog = qobject_cast<QDialog*>(modal.data()))
                dialog->reject();
            else
                modal->close();
        }
        busy_ = false;
    }
};

// ---------------------------------------------------------------------------------------------
// Message boxes, questions and file dialogs

// Answers the program's message boxes, Yes/No questions and file dialogs while it lives, and
// guards against any other modal dialog. One at a time.
class Dialogs {
public:
    Dialogs() {
        previous_ = current();
        current() = this;
        ruvivavu::gui::setMessagePresenter(&presentMessage);
        ruvivavu::gui::setQuestionAnswerer(&answerQuestion);
        ruvivavu::gui::setFileDialogAnswerer([](const FileRequest& request) { return current()->answerFile(request); });
    }
    ~Dialogs() {
        current() = previous_;
        if (previous_) return;  // the outer one stays installed
        ruvivavu::gui::setMessagePresenter(nullptr);
        ruvivavu::gui::setQuestionAnswerer(nullptr);
        ruvivavu::gui::setFileDialogAnswerer({});
    }
    Dialogs(const Dialogs&) = delete;
    Dialogs& operator=(const Dialogs&) = delete;

    // Forgets what was recorded and the answers not used (call it from init()).
    void clear() {
        messages.clear();
        questions.clear();
        fileRequests.clear();
        answers_.clear();
        files_.clear();
        defaultAnswer = false;
        modals.clear();
    }

    // The texts of the message boxes and of the questions, in order.
    QStringList messages;
    QStringList questions;

    // Answers for the next questions, in order; after them every question gets defaultAnswer.
    void answerQuestions(std::initializer_list<bool> answers) { answers_.insert(answers_.end(), answers); }
    bool defaultAnswer = false;

    // Answers for the next file dialogs, in order: the chosen path, or an empty text for Cancel.
    void answerFiles(const QStringList& paths) {
        for (const QString& path : paths) files_.push_back(path);
    }
    // Every file dialog asked for, answered or not.
    QList<FileRequest> fileRequests;
    int fileAnswersLeft() const { return int(files_.size()); }

    // The other modal dialogs (see ModalGuard::expectModal).
    ModalGuard modals;
    void expectModal(ModalGuard::Handler handle) { modals.expectModal(std::move(handle)); }

private:
    Dialogs* previous_ = nullptr;
    std::deque<bool> answers_;
    std::deque<QString> files_;

    static Dialogs*& current() {
        static Dialogs* instance = nullptr;
        return instance;
    }
    static void presentMessage(QWidget*, const QString& message) { current()->messages << message; }
    static bool answerQuestion(QWidget*, const QString& question) {
        Dialogs* self = current();
        self->questions << question;
        if (self->answers_.empty()) return self->defaultAnswer;
        const bool answer = self->answers_.front();
        self->answers_.pop_front();
        return answer;
    }
    QString answerFile(const FileRequest& request) {
        fileRequests << request;
        if (files_.empty()) {
            QTest::qFail(qPrintable(QStringLiteral("unexpected file dialog: ") + request.title), __FILE__, __LINE__);
            return {};
        }
        const QString path = files_.front();
        files_.pop_front();
        return path;
    }
};

// ---------------------------------------------------------------------------------------------
// The program

// A program over its own temporary program folder and data folder. The data folder holds lista.tab
// unless the test asks for no tables, so the first-run check stays quiet.
class Program {
public:
    enum Tables { TablesInstalled, NoTables };
    using Module = void (*)(MainWindow&);

    explicit Program(Tables tables = TablesInstalled) {
        if (!programDir.isValid() || !dataDir.isValid()) qFatal("cannot make temporary folders");
        shell.programFolder = (programDir.path() + QStringLiteral("/")).toStdString();
        shell.dataFolder = dataDir.path().toStdString();
        if (tables == TablesInstalled) writeData(QStringLiteral("lista.tab"), "zurivodo13.tab\r\n");
    }
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    QTemporaryDir programDir;
    QTemporaryDir dataDir;
    ruvivavu::shell::Shell shell;

    // Paths in the data and program folders.
    QString data(const QString& name) const { return dataDir.filePath(name); }
    QString data(const char* name) const { return data(QString::fromUtf8(name)); }
    QString program(const QString& name) const { return programDir.filePath(name); }
    QString program(const char* name) const { return program(QString::fromUtf8(name)); }

    void writeData(const QString& name, const QByteArray& bytes) { writeFile(data(name), bytes); }
    QByteArray readData(const QString& name) const { return readFile(data(name)); }

#ifdef RUVIVAVU_SOURCE_DIR
    // Copies files of the shipped data folder (the repository's data/) into the data folder.
    void copyShippedData(const QStringList& names) {
        for (const QString& name : names) {
            QFile::remove(data(name));
            QDir().mkpath(QFileInfo(data(name)).absolutePath());
            if (!QFile::copy(sourceFile(QStringLiteral("data/") + name), data(name)))
                qFatal("cannot copy the shipped %s", qPrintable(name));
        }
    }
#endif

    // Makes the main window over the shell, with the given modules installed (e.g.
    // &ruvivavu::gui::tools::install). It is not shown: show() or firstShow() runs the start-up.
    MainWindow& openMainWindow(std::initializer_list<Module> modules = {}) {
        window_ = std::make_unique<MainWindow>(shell);
        for (Module install : modules) install(*window_);
        return *window_;
    }
    MainWindow& mainWindow() const {
        if (!window_) qFatal("the main window is not open");
        return *window_;
    }
    void closeMainWindow() {
        window_.reset();
    }

    // Runs a command as the user does, from its entry: the main menu's, else the pop-up's, else the
    // toolbar's. A disabled entry fails the test. A command without any entry runs directly.
    void run(Command command) {
        if (QAction* entry = mainWindow().action(command))
            trigger(entry, command);
        else
            mainWindow().runCommand(command);
    }
    // From one entry in particular: the pop-up twins, for instance, enable "Visualizar Impressão".
    void run(Command command, MainWindow::Place place) {
        QAction* entry = mainWindow().action(command, place);
        if (!entry) {
            QTest::qFail(qPrintable(entryName(command) + QStringLiteral(" has no entry there")), __FILE__, __LINE__);
            return;
        }
        trigger(entry, command);
    }

    // A button of the main window's toolbar strip by its caption ("Calcular", "FGTS", ...).
    QToolButton* toolbarButton(const QString& caption) const {
        for (QToolButton* button : mainWindow().findChildren<QToolButton*>())
            if (button->text() == caption) return button;
        qFatal("no toolbar button %s", qPrintable(caption));
        return nullptr;
    }

private:
    std::unique_ptr<MainWindow> window_;  // goes before the shell and the folders

    static QString entryName(Command command) {
        return QString::fromLatin1(QMetaEnum::fromType<Command>().valueToKey(int(command)));
    }
    static void trigger(QAction* entry, Command command) {
        if (!entry->isEnabled()) {
            QTest::qFail(qPrintable(entryName(command) + QStringLiteral(" is disabled")), __FILE__, __LINE__);
            return;
        }
        entry->trigger();
    }
};

}  // namespace windowtest

// A main window with the savings windows installed, on a temporary copy of the shipped data
// folder. Message boxes and file dialogs are answered by the fixture, never shown.
#pragma once

#include "core/dailysavings/model.h"
#include "core/shell/plantables.h"
#include "core/shell/shell.h"
#include "gui/common/filedialog.h"
#include "gui/common/gridmodel.h"
#include "gui/common/gridview.h"
#include "gui/common/guard.h"
#include "gui/savings/dailysavingswindow.h"
#include "gui/savings/indextablewindow.h"
#include "gui/savings/plantablewindow.h"
#include "gui/shell/mainwindow.h"
#include "gui/shell/modules.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <memory>

namespace savings_gui {

using namespace ruvivavu;
using GridId = ruvivavu::dailysavings::GridId;

inline QStringList& messages() {
    static QStringList list;
    return list;
}

inline void recordMessage(QWidget*, const QString& message) {
    messages() << message;
}
inline bool answerNo(QWidget*, const QString&) {
    return false;
}

inline QString& nextFileName() {
    static QString name;
    return name;
}

struct Program {
    QTemporaryDir dir;
    shell::Shell shell;
    std::unique_ptr<gui::MainWindow> main;

    // Copies the named files of the shipped data folder and starts the main window.
    explicit Program(const QStringList& files = {QStringLiteral("zurivodo13.tab"), QStringLiteral("planos.ini"),
                                                 QStringLiteral("indice.ini"), QStringLiteral("lista.tab")}) {
        messages().clear();
        gui::setMessagePresenter(&recordMessage);
        gui::setQuestionAnswerer(&answerNo);
        gui::setFileDialogAnswerer([](const gui::FileRequest&) { return nextFileName(); });
        const QString source = QStringLiteral(RUVIVAVU_SOURCE_DIR "/data/");
        for (const QString& name : files) QFile::copy(source + name, dir.filePath(name));
        shell.programFolder = ss(QDir(dir.path()).filePath(QStringLiteral("programa/")));
        shell.dataFolder = ss(dir.path());
        main = std::make_unique<gui::MainWindow>(shell);
        gui::savings::install(*main);
        main->resize(1000, 760);
        main->firstShow();
    }

    ~Program() {
        main.reset();
        gui::setMessagePresenter(nullptr);
        gui::setQuestionAnswerer(nullptr);
        gui::setFileDialogAnswerer({});
    }

    static std::string ss(const QString& s) { return s.toStdString(); }
    QString file(const QString& name) const { return dir.filePath(name); }

    gui::savings::DailySavingsWindow* form2() const {
        return main->findChild<gui::savings::DailySavingsWindow*>(QStringLiteral("DailySavingsWindow"));
    }
    gui::savings::PlanTableWindow* form3() const {
        return main->findChild<gui::savings::PlanTableWindow*>(QStringLiteral("PlanTableWindow"));
    }
    gui::savings::IndexTableWindow* form4() const {
        return main->findChild<gui::savings::IndexTableWindow*>(QStringLiteral("IndexTableWindow"));
    }

    // "Poupança Diária - com opções de configuração" from the main menu.
    gui::savings::DailySavingsWindow* launch() {
        main->action(gui::Command::DailySavings, gui::MainWindow::Place::MainMenu)->trigger();
        auto* form = form2();
        if (form) {
            form->activateWindow();
            (void)QTest::qWaitForWindowExposed(form);
        }
        return form;
    }
};

template <class W>
W* child(QWidget* parent, const char* name) {
    return parent->findChild<W*>(QString::fromLatin1(name));
}

inline void click(QWidget* parent, const char* name) {
    auto* button = child<QAbstractButton>(parent, name);
    QVERIFY2(button, name);
    QVERIFY2(button->isEnabled(), name);
    button->click();
}

// Types into a cell through its in-place editor (with the cell's mask) and commits the text.
inline void typeIntoCell(gui::GridView* view, gui::GridModel* model, int col, int gridRow, const QString& keys) {
    const QModelIndex index = model->indexOf(col, gridRow);
    view->setFocus();
    view->setCurrentIndex(index);
    view->edit(index);
    auto* editor = qobject_cast<QLineEdit*>(view->indexWidget(index));
    QVERIFY2(editor, "no cell editor");
    editor->selectAll();  // typing replaces the cell's text, as when typing starts the editor
    QTest::keyClicks(editor, keys);
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();  // the item view commits the editor queued
}

inline QString cell(const StringGrid& grid, int col, int row) {
    return QString::fromStdString(grid.cell(col, row));
}

}  // namespace savings_gui

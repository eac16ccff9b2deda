// The daily-savings and table windows driven as the user drives them, on the window-test support.
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
#include "gui/support/windowtest.h"

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

// The main window with the savings windows, over a copy of the named shipped data files, and the
// wizard's steps as the user takes them.
struct Program : windowtest::Program {
    windowtest::Dialogs dialogs;

    explicit Program(const QStringList& files = {QStringLiteral("zurivodo13.tab"), QStringLiteral("planos.ini"),
                                                 QStringLiteral("indice.ini"), QStringLiteral("lista.tab")})
        : windowtest::Program(NoTables) {
        copyShippedData(files);
        gui::MainWindow& window = openMainWindow({&gui::savings::install});
        window.resize(1000, 760);
        window.firstShow();
    }

    gui::MainWindow* main() const { return &mainWindow(); }
    QString file(const QString& name) const { return data(name); }

    gui::savings::DailySavingsWindow* dailySavingsWindow() const {
        return main()->findChild<gui::savings::DailySavingsWindow*>(QStringLiteral("DailySavingsWindow"));
    }
    gui::savings::PlanTableWindow* planTableWindow() const {
        return main()->findChild<gui::savings::PlanTableWindow*>(QStringLiteral("PlanTableWindow"));
    }
    gui::savings::IndexTableWindow* indexTableWindow() const {
        return main()->findChild<gui::savings::IndexTableWindow*>(QStringLiteral("IndexTableWindow"));
    }

    // "Poupança Diária - com opções de configuração" from the main menu.
    gui::savings::DailySavingsWindow* launch() {
        run(gui::Command::DailySavings, gui::MainWindow::Place::MainMenu);
        auto* window = dailySavingsWindow();
        if (window) {
            window->activateWindow();
            (void)QTest::qWaitForWindowExposed(window);
        }
        return window;
    }

    // The wizard's buttons.
    void next() { press("Proximo"); }
    void previous() { press("Anterior"); }
    void finish() { press("Finalizar"); }
    // "Abrir" of the calculation file `path` (the file dialog answered with it).
    void open(const QString& path) {
        dialogs.answerFiles({path});
        press("Abrir");
    }
    // "Para Salvar o Cálculo Clique Aqui", saving under `path`.
    void finishAndSave(const QString& path) {
        dialogs.answerFiles({path});
        press("SalvarCalculo");
    }

private:
    void press(const char* name) {
        auto* button = dailySavingsWindow()->findChild<QAbstractButton*>(QString::fromLatin1(name));
        if (!button) qFatal("no button %s", name);
        if (!button->isEnabled()) QTest::qFail(name, __FILE__, __LINE__);
        button->click();
    }
};

using windowtest::child;

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

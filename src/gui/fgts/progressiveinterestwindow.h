// The FGTS progressive-interest window "Cálculo de Diferenças dos Juros Progressivos no FGTS"
// (TForm_FGTS): one screen with the header, the buttons, the end month, the IPC option and, side
// by side, the values typed and the calculation grid, recomputed on every keystroke.
#pragma once

#include "core/progressiveinterest/model.h"
#include "core/shell/shell.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QPlainTextEdit;
class QSplitter;

namespace ruvivavu::gui {

class GridModel;
class GridView;

class ProgressiveInterestWindow : public QWidget {
    Q_OBJECT
public:
    explicit ProgressiveInterestWindow(shell::Shell& shell, QWidget* parent = nullptr);
    ~ProgressiveInterestWindow() override;

    ruvivavu::progressiveinterest::ProgressiveInterest& calculator() { return calculator_; }

    // Start-up: the table into both grids and the end-month choices.
    void loadAtStart();
    // "FGTS - Juros Progressivos": shows the window (the table is not reloaded).
    void present();
    // Opens a calculation file without asking for it (a file given to the program), showing the
    // window first; the title then names the file.
    void openFile(const QString& path);

    // The buttons' actions.
    void reset();
    void open();
    void save();
    void repeat();
    void finish();
    // Whether the calculator holds typing neither saved nor finalised (asked when the program
    // closes): the fields as they stand on screen against the last ones settled.
    bool holdsUnsavedTyping();

    // The controls and the model back in step (after the engine changed the model).
    void syncFromModel();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* buildTop();
    // A keystroke in a value cell of the grid row.
    void typed(int row, const QString& text);
    // The current cell of a grid view to a grid row, without taking it as the user's selection.
    void follow(GridView* view, GridModel* model, int row, int column);
    // Commits the cell being edited and takes the header, end month and option into the model.
    void takeTyping();
    void readFile(const QString& path);

    shell::Shell& shell_;
    ruvivavu::progressiveinterest::ProgressiveInterest calculator_;
    bool centred_ = false;
    bool following_ = false;

    QPlainTextEdit* header_ = nullptr;
    QComboBox* endMonth_ = nullptr;
    QCheckBox* ipc_ = nullptr;
    QSplitter* splitter_ = nullptr;
    GridView* valuesView_ = nullptr;
    GridModel* valuesModel_ = nullptr;
    GridView* sheetView_ = nullptr;
    GridModel* sheetModel_ = nullptr;
};

}  // namespace ruvivavu::gui

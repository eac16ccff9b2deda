// The daily-savings wizard window "Ruvivavu da Dudovizu" (DailySavingsWindow): seven pages with hidden tabs
// moved by "Anterior" and "Próximo". It shows the calculator model and forwards every user action
// to it; all values live in the model's grids.
#pragma once

#include "core/dailysavings/model.h"

#include <QWidget>

#include <array>
#include <functional>

class QCheckBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QToolButton;

namespace ruvivavu::gui {
class GridModel;
class GridView;
}  // namespace ruvivavu::gui

namespace ruvivavu::gui::savings {

class DailySavingsWindow : public QWidget {
    Q_OBJECT
public:
    using GridId = ruvivavu::dailysavings::GridId;

    // `tables` are the plan-table and index-application windows opened from page 0.
    DailySavingsWindow(QWidget* mainWindow, ruvivavu::dailysavings::DailySavings& model, QWidget* planWindow,
                       QWidget* indexWindow);
    ~DailySavingsWindow() override;

    ruvivavu::dailysavings::DailySavings& model() { return model_; }

    GridView* gridView(GridId id) const;
    GridModel* gridModel(GridId id) const;
    QStackedWidget* pages() const { return pages_; }
    QListWidget* planList() const { return planList_; }

    // Re-reads every control from the model (after an operation changed it).
    void syncFromModel();

    // The routines the main window binds as well: "Abrir" of a calculation file and "Salvar" of
    // the last finished calculation under a name the user chooses.
    void openCalculation();
    void saveCalculation();
    // Opens a calculation file without asking for it (a file given to the program); the title
    // then names the file.
    void openCalculationFile(const QString& path);
    // "Poupança Diária": a new calculation, the title naming no file.
    void startCalculation();
    // The month-by-month court-debt entries: the calculator launched with the caption of its court
    // table (the window keeps the caption as its title).
    void startMonthlyCalculation(const std::string& caption);

    // Files of another calculator opened here (an "estados" file belongs to the São Paulo
    // calculator): the handler answers whether it took the file, which this window then leaves.
    using ForeignFileHandler = std::function<bool(const QString& path)>;
    void setForeignFileHandler(ForeignFileHandler handler) { foreignFile_ = std::move(handler); }
    // "Para Salvar o Cálculo Clique Aqui": everything "Finalizar" does, then "Salvar".
    void finishAndSave();
    // Whether the calculator holds typing neither saved nor finalised (asked when the program
    // closes); a cell being edited counts once its editor is closed, which this does first.
    bool holdsUnsavedTyping();

protected:
    void showEvent(QShowEvent* event) override;

private:
    ForeignFileHandler foreignFile_;
    struct GridSlot {
        GridModel* model = nullptr;
        GridView* view = nullptr;
    };

    QWidget* buildPlanPage();
    QWidget* buildBalancePage();
    QWidget* buildDifferencePage();
    QWidget* buildInterestPage();
    QWidget* buildAmortisationPage();
    QWidget* buildSheetPage();
    QWidget* buildTextsPage();
    GridView* makeGrid(GridId id, const QString& objectName);

    // Runs a user action inside the program's error handler, then shows the model again.
    template <class F>
    bool act(F&& action);
    void leaveGrids();
    void finishAndClose(bool& ok);
    void centreOnMainWindow();
    void closeExcludedWindows();

    ruvivavu::dailysavings::DailySavings& model_;
    QWidget* mainWindow_;
    QWidget* planWindow_;
    QWidget* indexWindow_;
    bool syncing_ = false;

    std::array<GridSlot, 7> grids_{};

    QToolButton* newButton_ = nullptr;
    QToolButton* openButton_ = nullptr;
    QToolButton* openBackupButton_ = nullptr;
    QStackedWidget* pages_ = nullptr;
    QLabel* tableLabel_ = nullptr;
    QListWidget* planList_ = nullptr;
    QCheckBox* proRata_ = nullptr;
    QRadioButton* compound_ = nullptr;
    QRadioButton* simple_ = nullptr;
    QRadioButton* monthByMonth_ = nullptr;
    QRadioButton* withoutMonthlyInterest_ = nullptr;
    QRadioButton* withMonthlyInterest_ = nullptr;
    QCheckBox* showNotes_ = nullptr;
    QPlainTextEdit* header_ = nullptr;
    QPlainTextEdit* footer_ = nullptr;
    QPushButton* closeButton_ = nullptr;
    QPushButton* previousButton_ = nullptr;
    QPushButton* nextButton_ = nullptr;
    QPushButton* finishButton_ = nullptr;
};

}  // namespace ruvivavu::gui::savings

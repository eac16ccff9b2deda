// The São Paulo court-debt window "Cálculos por Estado - Débitos Judiciais São Paulo"
// (SaoPauloWindow): six pages with hidden tabs moved by "Anterior" and "Próximo" — plans,
// balances, differences, court interest, the factor sheet, header and footer. It shows the
// calculator model and forwards every user action to it; all values live in the model's grids.
#pragma once

#include "core/saopaulo/model.h"

#include <QWidget>

#include <functional>

#include <array>

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

class SaoPauloWindow : public QWidget {
    Q_OBJECT
public:
    // The window's grids, in page order.
    enum class Grid { ChosenPlans, Balances, Differences, CourtInterest, Sheet };

    // `planWindow` is the plan-table window opened by "Adicionar Expurgo".
    SaoPauloWindow(QWidget* mainWindow, ruvivavu::saopaulo::SaoPauloCourtDebt& model, QWidget* planWindow);
    ~SaoPauloWindow() override;

    ruvivavu::saopaulo::SaoPauloCourtDebt& model() { return model_; }

    GridView* gridView(Grid which) const;
    GridModel* gridModel(Grid which) const;
    QStackedWidget* pages() const { return pages_; }
    QListWidget* planList() const { return planList_; }

    // Re-reads every control from the model (after an operation changed it).
    void syncFromModel();

    // "Débitos Judiciais São Paulo": a new calculation, the title naming no file.
    void startCalculation();
    // Opens a calculation file without asking for it; the title then names the file.
    void openCalculationFile(const QString& path);
    // Files of another calculator opened here (a "Vers 1.2" file belongs to daily savings): the
    // handler answers whether it took the file, which this window then leaves.
    using ForeignFileHandler = std::function<bool(const QString& path)>;
    void setForeignFileHandler(ForeignFileHandler handler) { foreignFile_ = std::move(handler); }
    // "Abrir": asks for the calculation file, then opens it.
    void openCalculation();
    // "Para Salvar o Cálculo Clique Aqui": copies the last finished calculation under a name the
    // user chooses (nothing before a first "Finalizar").
    void saveCalculation();
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
    QWidget* buildSheetPage();
    QWidget* buildTextsPage();
    GridView* makeGrid(Grid which, const QString& objectName);
    StringGrid& grid(Grid which);
    void leaveGrid(Grid which);

    // Runs a user action inside the program's error handler, then shows the model again.
    template <class F>
    bool act(F&& action);
    void leaveGrids();
    void endEditing();
    void backToFirstPage();
    void closeExcludedWindows();

    ruvivavu::saopaulo::SaoPauloCourtDebt& model_;
    QWidget* mainWindow_;
    QWidget* planWindow_;
    bool syncing_ = false;

    std::array<GridSlot, 5> grids_{};

    QStackedWidget* pages_ = nullptr;
    QLabel* tableLabel_ = nullptr;
    QListWidget* planList_ = nullptr;
    QCheckBox* proRata_ = nullptr;
    QRadioButton* simple_ = nullptr;
    QRadioButton* compound_ = nullptr;
    QCheckBox* showNotes_ = nullptr;
    QPlainTextEdit* header_ = nullptr;
    QPlainTextEdit* footer_ = nullptr;
    QPushButton* finishButton_ = nullptr;
};

}  // namespace ruvivavu::gui::savings

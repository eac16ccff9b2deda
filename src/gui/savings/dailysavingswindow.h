// The daily-savings wizard window "Ruvivavu da Dudovizu" (TForm2): seven pages with hidden tabs
// moved by "Anterior" and "Próximo". It shows the calculator model and forwards every user action
// to it; all values live in the model's grids.
#pragma once

#include "core/savings/dailysavings.h"

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

class TForm2 : public QWidget {
    Q_OBJECT
public:
    using GridId = ruvivavu::savings::GridId;

    // `tables` are the plan-table and index-application windows opened from page 0.
    TForm2(QWidget* mainWindow, ruvivavu::savings::DailySavings& model, QWidget* planWindow, QWidget* indexWindow);
    ~TForm2() override;

    ruvivavu::savings::DailySavings& model() { return model_; }

    GridView* gridView(GridId id) const;
    GridModel* gridModel(GridId id) const;
    QStackedWidget* pages() const { return pages_; }
    QListWidget* planList() const { return cplanos_; }

    // Re-reads every control from the model (after an operation changed it).
    void syncFromModel();

    // The routines the main window binds as well: "Abrir" of a calculation file and "Salvar" of
    // the last finished calculation under a name the user chooses.
    void openCalculation();
    void saveCalculation();
    // "Para Salvar o Cálculo Clique Aqui": everything "Finalizar" does, then "Salvar".
    void finalizeAndSave();

    // The file dialogs; tests replace them. `save` tells the save dialog from the open dialog; an
    // empty answer means the user cancelled.
    using FileChooser = std::function<QString(QWidget* parent, bool save)>;
    static void setFileChooser(FileChooser chooser);

protected:
    void showEvent(QShowEvent* event) override;

private:
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
    void finalizeAndClose(bool& ok);
    void centreOnMainWindow();
    void closeExcludedWindows();

    ruvivavu::savings::DailySavings& model_;
    QWidget* mainWindow_;
    QWidget* planWindow_;
    QWidget* indexWindow_;
    bool syncing_ = false;

    std::array<GridSlot, 7> grids_{};

    QToolButton* novo_ = nullptr;
    QToolButton* abrir_ = nullptr;
    QToolButton* abrirBackup_ = nullptr;
    QStackedWidget* pages_ = nullptr;
    QLabel* label5_ = nullptr;
    QListWidget* cplanos_ = nullptr;
    QCheckBox* cprorata_ = nullptr;
    QRadioButton* rcomposto_ = nullptr;
    QRadioButton* rsimples_ = nullptr;
    QRadioButton* rmes_ = nullptr;
    QRadioButton* rsemjuros_ = nullptr;
    QRadioButton* rcomjuros_ = nullptr;
    QCheckBox* cnotas_ = nullptr;
    QPlainTextEdit* memo1_ = nullptr;
    QPlainTextEdit* memo2_ = nullptr;
    QPushButton* fechar_ = nullptr;
    QPushButton* anterior_ = nullptr;
    QPushButton* proximo_ = nullptr;
    QPushButton* finalizar_ = nullptr;
};

}  // namespace ruvivavu::gui::savings

// The window "Acordo dos Planos Econômicos": the saver's accounts, typed or taken from the
// daily-savings calculator with one button, the regime, every step of the agreement with its
// figure, and the agreement's net amount beside the claim's TOTAL; "Finalizar" writes acordo.html
// and shows it in the main window.
#pragma once

#include "core/settlement/model.h"

#include <QWidget>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace ruvivavu::dailysavings {
class DailySavings;
}

namespace ruvivavu::gui {

class GridModel;
class GridView;

class SettlementWindow : public QWidget {
    Q_OBJECT
public:
    // `dailySavings` is the daily-savings calculator the accounts may be taken from (null: the
    // button is disabled).
    SettlementWindow(QWidget* mainWindow, shell::Shell& shell, dailysavings::DailySavings* dailySavings);
    // The views and their grid adapters go before the grids they show.
    ~SettlementWindow() override;

    ruvivavu::settlement::Settlement& model() { return model_; }

    // The command: shows the window (its contents as they were) and brings it to the front.
    void present();

    // The buttons' actions.
    void addAccount();
    void removeAccount();
    void fillFromDailySavings();
    void reset();
    // "Finalizar": acordo.html written and shown in the main window; the window closes.
    void finish();
    // Whether the calculator holds typing neither saved nor finalised (asked when the program
    // closes): the accounts and the header as they stand on screen against the last ones settled.
    bool holdsUnsavedTyping();

    // The model into the widgets, and the steps recomputed.
    void syncFromModel();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void recompute();
    // Ends the editing of the accounts, applies their leave rule and takes the header.
    void takeTyping();

    ruvivavu::settlement::Settlement model_;
    dailysavings::DailySavings* dailySavings_;
    QWidget* mainWindow_;
    StringGrid stepGrid_;
    bool centred_ = false;

    QPlainTextEdit* header_ = nullptr;
    QRadioButton* original_ = nullptr;
    QRadioButton* amendment_ = nullptr;
    GridView* accountsView_ = nullptr;
    GridModel* accountsModel_ = nullptr;
    GridView* stepsView_ = nullptr;
    GridModel* stepsModel_ = nullptr;
    QLabel* net_ = nullptr;
    QLabel* claimTotal_ = nullptr;
    QLabel* difference_ = nullptr;
};

}  // namespace ruvivavu::gui

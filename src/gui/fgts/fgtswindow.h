// The FGTS purge window "Expurgos FGTS" (TFormFGTS): the wizard that computes the FGTS purge differences of Plano Verão
// and Plano Collor I with the JAM coefficients, writes fgt.html and keeps fgts.back.
#pragma once

#include "core/fgts/model.h"
#include "core/shell/shell.h"

#include <QWidget>

#include <functional>

class QCheckBox;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QToolButton;

namespace ruvivavu::gui {

class AmountEdit;
class DateEdit;
class GridModel;
class GridView;

class FgtsWindow : public QWidget {
    Q_OBJECT
public:
    explicit FgtsWindow(shell::Shell& shell, QWidget* parent = nullptr);

    // "Expurgos do FGTS": fgts.tab into an emptied `indice`, then the wizard on page 0. Raises
    // UserMessage when the table is missing (the window is not opened).
    void launch();

    const ruvivavu::fgts::FgtsPurge& calculator() const { return calculator_; }
    int currentPage() const;

    // The buttons' actions.
    void next();
    void previous();
    void reset();
    void open();
    // Opens a calculation file without asking for it (a file given to the program), opening the
    // window first; the title then names the file.
    void openFile(const QString& path);
    void openBackup();
    void saveCalculation();
    void finish();
    // Whether the calculator holds typing neither saved nor finalised (asked when the program
    // closes): the fields as they stand on screen against the last ones settled.
    bool holdsUnsavedTyping();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildPages();
    QWidget* buildBars();
    // The fields into the model and back.
    void readFields();
    void writeFields();
    void showPage(int page);
    // Takes the focus off the current field so that its leave rule runs.
    void leaveField();
    // The leave rule of the current field, then every field into the model. A rule that fails
    // shows its message and leaves the typing as it was; answers whether all went through.
    bool takeTyping();

    shell::Shell& shell_;
    ruvivavu::fgts::FgtsPurge calculator_;
    bool centred_ = false;

    QStackedWidget* pages_ = nullptr;
    QPlainTextEdit* header_ = nullptr;
    QCheckBox* withInterest_ = nullptr;
    QCheckBox* withFees_ = nullptr;
    QCheckBox* withCosts_ = nullptr;
    DateEdit* updateDate_ = nullptr;
    DateEdit* interestStart_ = nullptr;
    AmountEdit* interestRate_ = nullptr;
    AmountEdit* feePercent_ = nullptr;
    AmountEdit* costs_ = nullptr;
    QCheckBox* withVerao_ = nullptr;
    AmountEdit* veraoBalance_ = nullptr;
    QCheckBox* withCollor_ = nullptr;
    AmountEdit* collorBalance_ = nullptr;
    QRadioButton* jam3_ = nullptr;
    QRadioButton* jam6_ = nullptr;
    QPushButton* finish_ = nullptr;
    GridView* sheetView_ = nullptr;
    GridModel* sheetModel_ = nullptr;
};

}  // namespace ruvivavu::gui

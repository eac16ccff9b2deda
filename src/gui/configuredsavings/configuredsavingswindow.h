// The configured-savings wizards: "Cálculo - Poupança Configurada" (TForm7) and "Poupança
// Configurada - com os planos Collor I e II" (TForm_conftodos), one window class over the model of
// core/configuredsavings with the calculator's variant. The window shows the model's fields,
// forwards the user's typing and buttons to it, and runs a month's derivation when a month field is
// left.
#pragma once

#include "core/configuredsavings/model.h"

#include <QHash>
#include <QString>
#include <QWidget>

#include <array>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;

namespace ruvivavu::gui {

class AmountEdit;
class DateEdit;

class ConfiguredSavingsWindow : public QWidget {
    Q_OBJECT
public:
    ConfiguredSavingsWindow(QWidget* mainWindow, shell::Shell& shell,
                            const ruvivavu::configuredsavings::Variant& variant);

    ruvivavu::configuredsavings::ConfiguredSavings& model() { return model_; }
    int currentPage() const;

    // The menu command: the window shown (its show routine runs) and brought to the front.
    void start();

    // The buttons' actions.
    void next();
    void previous();
    void reset();
    void open();
    // Opens a calculation file without asking for it (a file given to the program), showing the
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
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct MonthEdit {
        int month;
        ruvivavu::configuredsavings::MonthField field;
    };

    QWidget* buildStartPage();
    QWidget* buildOptionsPage();
    QWidget* buildMonthPage(int page);
    QWidget* buildInterestPage(const QString& heading, DateEdit*& start, DateEdit*& end, AmountEdit*& rate,
                               const char* names[3]);
    QWidget* buildFeesPage();
    QWidget* buildFinalPage();
    void buildBars(QWidget* pages);

    void readFields();
    void writeFields();
    void writeMonth(int month);
    void showPage(int page);
    // Takes the focus off the current field so that its leave rule runs.
    void leaveField();
    void leaveMonthEdit(const MonthEdit& edit);
    // The current field's leave rule, then every field into the model; a rule that fails shows
    // its message. Answers whether all went through.
    bool takeTyping();
    void closeExcludedWindows();
    void openPath(const QString& path);

    ruvivavu::configuredsavings::ConfiguredSavings model_;
    shell::Shell& shell_;
    QWidget* mainWindow_;
    QString title_;

    QStackedWidget* pages_ = nullptr;
    QLineEdit* name_ = nullptr;
    QLineEdit* bank_ = nullptr;
    QLineEdit* branch_ = nullptr;
    QLineEdit* account_ = nullptr;
    QLineEdit* day_ = nullptr;
    DateEdit* updateDate_ = nullptr;
    QLabel* tableLabel_ = nullptr;
    std::array<QRadioButton*, 4> options_{};  // Rjsi, Rjcm, Rsaldoant, Rsaldopost
    QCheckBox* remuneratory_ = nullptr;
    QCheckBox* moratory_ = nullptr;
    QCheckBox* fees_ = nullptr;
    std::vector<std::array<AmountEdit*, 5>> monthEdits_;  // by month, then by MonthField
    QHash<QObject*, MonthEdit> monthOf_;
    DateEdit* remuneratoryStart_ = nullptr;
    DateEdit* remuneratoryEnd_ = nullptr;
    AmountEdit* remuneratoryRate_ = nullptr;
    DateEdit* moratoryStart_ = nullptr;
    DateEdit* moratoryEnd_ = nullptr;
    AmountEdit* moratoryRate_ = nullptr;
    QRadioButton* feesAsPercentage_ = nullptr;
    QRadioButton* feesAsValue_ = nullptr;
    AmountEdit* feeValue_ = nullptr;
    QPushButton* finish_ = nullptr;
    bool filled_ = false;   // the fields were written from the model (the window was shown)
    bool leaving_ = false;  // a rule run by leaveField(): the focus-out that follows runs none
};

}  // namespace ruvivavu::gui

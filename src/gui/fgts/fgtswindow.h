// TFormFGTS, "Expurgos FGTS": the wizard that computes the FGTS purge differences of Plano Verão
// and Plano Collor I with the JAM coefficients, writes fgt.html and keeps fgts.back.
#pragma once

#include "core/fgts/calculo.h"
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

    // The file choosers; tests replace them. An empty answer is a cancelled dialog.
    std::function<QString()> chooseOpenFile;
    std::function<QString()> chooseSaveFile;

    const ruvivavu::fgts::Calculo& calculo() const { return calculo_; }
    int currentPage() const;

    // The buttons' actions.
    void proximo();
    void anterior();
    void novo();
    void abrir();
    void abrirBackup();
    void salvarCalculo();
    void finalizar();

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

    shell::Shell& shell_;
    ruvivavu::fgts::Calculo calculo_;
    bool centred_ = false;

    QStackedWidget* pages_ = nullptr;
    QPlainTextEdit* edit1_ = nullptr;
    QCheckBox* cjuros_ = nullptr;
    QCheckBox* chonorarios_ = nullptr;
    QCheckBox* ccustas_ = nullptr;
    DateEdit* dataini_ = nullptr;
    DateEdit* datajuros_ = nullptr;
    AmountEdit* txjur_ = nullptr;
    AmountEdit* hono_ = nullptr;
    AmountEdit* cust_ = nullptr;
    QCheckBox* cverao_ = nullptr;
    AmountEdit* jcsaldos_ = nullptr;
    QCheckBox* ccollor_ = nullptr;
    AmountEdit* jcollor_ = nullptr;
    QRadioButton* jr3_ = nullptr;
    QRadioButton* jr6_ = nullptr;
    QPushButton* bfim_ = nullptr;
    GridView* planilhaView_ = nullptr;
    GridModel* planilhaModel_ = nullptr;
};

}  // namespace ruvivavu::gui

// TForm6, "Rendimento no mês": the month's yield from two balances, and the comparison table of
// the official indexers read from exp.ini.
#pragma once

#include "core/common/grid.h"
#include "core/shell/shell.h"

#include <QWidget>

class QCheckBox;
class QLineEdit;

namespace ruvivavu::gui {

class GridModel;
class GridView;

class YieldWindow : public QWidget {
    Q_OBJECT
public:
    explicit YieldWindow(shell::Shell& shell, QWidget* parent = nullptr);

    // "Calcular".
    void calculate();

    const StringGrid& comparison() const { return comparison_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    shell::Shell& shell_;
    StringGrid comparison_;
    QLineEdit* purgeBalance_ = nullptr;
    QLineEdit* nextBalance_ = nullptr;
    QLineEdit* yield_ = nullptr;
    QLineEdit* divisor_ = nullptr;
    QCheckBox* withoutSavingsInterest_ = nullptr;
    QCheckBox* currencyChange_ = nullptr;
    GridView* gridView_ = nullptr;
    GridModel* gridModel_ = nullptr;
    bool centred_ = false;
};

}  // namespace ruvivavu::gui

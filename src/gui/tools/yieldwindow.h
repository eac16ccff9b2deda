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
    void calcular();

    const StringGrid& comparison() const { return comparison_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    shell::Shell& shell_;
    StringGrid comparison_;
    QLineEdit* edit1_ = nullptr;
    QLineEdit* edit2_ = nullptr;
    QLineEdit* edit3_ = nullptr;
    QLineEdit* edit4_ = nullptr;
    QCheckBox* checkBox1_ = nullptr;
    QCheckBox* checkBox2_ = nullptr;
    GridView* gridView_ = nullptr;
    GridModel* gridModel_ = nullptr;
    bool centred_ = false;
};

}  // namespace ruvivavu::gui

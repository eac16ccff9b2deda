// The anniversary-day edit box: only digits and Backspace reach it, always at its end.
#pragma once

#include <QLineEdit>

namespace ruvivavu::gui {

class DayEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit DayEdit(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace ruvivavu::gui

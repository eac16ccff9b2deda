// Edit boxes for amounts typed by the cent: only digits reach the box, always at its end, and the
// text is re-formatted after every change so that digits shift in from the right ("0,00", "0,01",
// "0,12", "1,23"). Delete removes the last digit, as Backspace does.
#pragma once

#include <QLineEdit>

namespace ruvivavu::gui {

class AmountEdit : public QLineEdit {
    Q_OBJECT
public:
    enum class Kind {
        Amount,           // digits only, re-formatted with "#,##0.00"
        AmountWithComma,  // the same, the comma also passes the key filter (re-formatting drops it)
        Rate,             // digits and the comma, kept as typed
    };

    explicit AmountEdit(Kind kind = Kind::Amount, QWidget* parent = nullptr);

    Kind kind() const { return kind_; }
    // A fee edit switches between an amount and a rate with its radio buttons.
    void setKind(Kind kind);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void reformat();

    Kind kind_;
    bool reformatting_ = false;
};

}  // namespace ruvivavu::gui

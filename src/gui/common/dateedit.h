// A date field with the mask "99/99/9999": unfilled places read as blanks, so an untouched field
// reads "  /  /    ". Leaving the field repairs the date with validadata (February days clamped
// from the 29th), or validadata30 in the windows that clamp them from the 30th.
#pragma once

#include <QLineEdit>

namespace ruvivavu::gui {

class DateEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit DateEdit(QWidget* parent = nullptr);

    // The leave rule repairs February from day 30 on instead of day 29.
    void setFebruaryFrom30(bool on) { februaryFrom30_ = on; }

    // The field's text with its blanks: "  /  /    " when empty.
    QString maskText() const;
    // Shows a text; the empty text shows the empty mask.
    void setMaskText(const QString& text);

    // The leave rule: the text becomes validadata of itself. Raises the conversion error of a
    // half-typed day or month ("1 /02/2000").
    void applyExitRule();

    // Takes the focus off the field as a button that moves on does: the leave rule runs and its
    // error reaches the caller, leaving the focus where it was.
    void leave();

protected:
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool leaving_ = false;
    bool februaryFrom30_ = false;
};

}  // namespace ruvivavu::gui

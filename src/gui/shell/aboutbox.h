// The about box TAboutBox: product, version, authors and maker, and "OK".
#pragma once

#include <QDialog>

class QLabel;

namespace ruvivavu::gui {

class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* parent = nullptr);

    // Shows the box (not modal) centred on its parent.
    void present();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLabel* productName_;
    QLabel* version_;
    QLabel* copyright_;
    QLabel* comments_;
};

}  // namespace ruvivavu::gui

// TForm8, "Fevereiro de 1989": the notice about the cruzado conversion of January 1989 that the
// configured-savings calculators show from their "Ajuda" buttons.
#pragma once

#include <QStringList>
#include <QWidget>

class QPlainTextEdit;

namespace ruvivavu::gui {

class InfoWindow : public QWidget {
    Q_OBJECT
public:
    explicit InfoWindow(QWidget* parent = nullptr);

    // The memo's lines, trailing blanks included.
    static QStringList noticeLines();

    // The window created at start-up (nullptr before); the calculators show it from here.
    static InfoWindow* instance();
    static void setInstance(InfoWindow* window);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void fitMemoFont();

    QPlainTextEdit* memo_ = nullptr;
    bool centred_ = false;
};

}  // namespace ruvivavu::gui

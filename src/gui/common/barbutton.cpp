// The wizards' bar buttons.
#include "gui/common/barbutton.h"

#include <QBoxLayout>
#include <QToolButton>

namespace ruvivavu::gui {

QToolButton* barButton(QWidget* bar, QBoxLayout* layout, const char* name, const QString& text, const QString& hint,
                       QStyle::StandardPixmap icon) {
    auto* b = new QToolButton(bar);
    b->setObjectName(QString::fromLatin1(name));
    b->setText(text);
    b->setToolTip(hint);
    b->setIcon(bar->style()->standardIcon(icon));
    b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::NoFocus);
    layout->addWidget(b);
    return b;
}

}  // namespace ruvivavu::gui

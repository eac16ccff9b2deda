// The about box.
#include "gui/shell/aboutbox.h"

#include "gui/shell/icons.h"

#include <QDialogButtonBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace ruvivavu::gui {

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("Sobre"));

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setFrameShadow(QFrame::Sunken);

    auto* programIcon = new QLabel(panel);
    programIcon->setObjectName(QStringLiteral("ProgramIcon"));
    programIcon->setPixmap(icons::application().pixmap(64, 64));
    programIcon->setAlignment(Qt::AlignTop);

    productName_ = new QLabel(panel);
    productName_->setObjectName(QStringLiteral("ProductName"));
    QFont big = productName_->font();
    big.setPointSizeF(big.pointSizeF() * 1.5);
    big.setBold(true);
    productName_->setFont(big);
    version_ = new QLabel(panel);
    version_->setObjectName(QStringLiteral("Version"));
    copyright_ = new QLabel(panel);
    copyright_->setObjectName(QStringLiteral("Copyright"));
    comments_ = new QLabel(panel);
    comments_->setObjectName(QStringLiteral("Comments"));
    comments_->setWordWrap(true);

    auto* texts = new QVBoxLayout;
    texts->addWidget(productName_);
    texts->addWidget(version_);
    texts->addSpacing(12);
    texts->addWidget(copyright_);
    texts->addWidget(comments_);
    texts->addStretch();
    auto* panelLayout = new QHBoxLayout(panel);
    panelLayout->setContentsMargins(16, 16, 16, 16);
    panelLayout->setSpacing(16);
    panelLayout->addWidget(programIcon);
    panelLayout->addLayout(texts, 1);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(panel);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);  // a fixed border
}

void AboutBox::showEvent(QShowEvent* event) {
    productName_->setText(QStringLiteral("Quorvel - Ruvivavu da Dudovizu"));
    version_->setText(QStringLiteral("Versão 2.0.0.19"));
    copyright_->setText(QStringLiteral("Autores: equipe de cálculos judiciais da Quorvel"));
    comments_->setText(QStringLiteral("Quorvel Sistemas - www.quorvel.com.br"));
    QDialog::showEvent(event);
}

void AboutBox::present() {
    adjustSize();
    if (QWidget* owner = parentWidget()) {
        const QRect area = owner->frameGeometry();
        move(area.center() - rect().center());
    }
    show();
    raise();
    activateWindow();
}

}  // namespace ruvivavu::gui

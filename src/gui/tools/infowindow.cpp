// The February 1989 notice window.
#include "gui/tools/infowindow.h"

#include <QFontMetrics>
#include <QFrame>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QScreen>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace ruvivavu::gui {

namespace {
InfoWindow* g_instance = nullptr;
}

InfoWindow* InfoWindow::instance() {
    return g_instance;
}
void InfoWindow::setInstance(InfoWindow* window) {
    g_instance = window;
}

QStringList InfoWindow::noticeLines() {
    return {
        QString(),
        QString(),
        QStringLiteral("ATENÇÃO: Em 16 de janeiro de 1989 ocorreu a conversão do Cruzado para "),
        QStringLiteral("Cruzado Novo . Alguns extratos bancários, informam os valores de janeiro em "),
        QStringLiteral("Cruzado (Cz$) e em fevereiro, em Cruzado Novo (NCz$), com o corte de "),
        QStringLiteral("3 zeros. Outros extratos exibem em fevereiro os valores AINDA em Cruzados. "),
        QStringLiteral("E outros exibem tanto para janeiro como para fevereiro o valor em Cruzado Novo. "),
        QStringLiteral("Certifique-se dos valores, uma das maneiras é tendo em mãos o extrato de "),
        QStringLiteral("Dezembro de 1988 para comparação de valores."),
        QStringLiteral("Só têm direito a correção contas com aniversário até 15."),
        QStringLiteral("É aconselhavel que se junte ao processo o extrato com o saldo anterior e "),
        QStringLiteral("posterior ao expurgo."),
    };
}

InfoWindow::InfoWindow(QWidget* parent) : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("Form8"));
    setWindowTitle(QStringLiteral("Fevereiro de 1989"));
    setAttribute(Qt::WA_QuitOnClose, false);  // closing the main window ends the program
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto* bar = new QWidget(this);
    auto* bl = new QHBoxLayout(bar);
    bl->setContentsMargins(4, 2, 4, 2);
    auto* fechar = new QToolButton(bar);
    fechar->setObjectName(QStringLiteral("SpeedButton1"));
    fechar->setText(QStringLiteral("Fechar"));
    fechar->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    fechar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    fechar->setAutoRaise(true);
    bl->addWidget(fechar);
    bl->addStretch();
    connect(fechar, &QToolButton::clicked, this, &QWidget::close);
    layout->addWidget(bar);
    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    layout->addWidget(line);

    memo_ = new QPlainTextEdit(this);
    memo_->setObjectName(QStringLiteral("Memo1"));
    memo_->setPlainText(noticeLines().join(QLatin1Char('\n')));
    memo_->setReadOnly(true);
    layout->addWidget(memo_, 1);
    setFixedSize(405, 219);
    fitMemoFont();
}

void InfoWindow::fitMemoFont() {
    // The notice's lines are broken by hand; the type shrinks (down to 6 pt) until the longest
    // line fits the memo, so that the platform's wider type does not break them again.
    QFont f = memo_->font();
    const int room = 405 - 2 * memo_->frameWidth() - 2 * int(memo_->document()->documentMargin()) -
                     memo_->style()->pixelMetric(QStyle::PM_ScrollBarExtent) - 4;
    for (qreal size = f.pointSizeF(); size >= 6; size -= 0.5) {
        f.setPointSizeF(size);
        const QFontMetrics metrics(f);
        int widest = 0;
        for (const QString& line : noticeLines()) widest = qMax(widest, metrics.horizontalAdvance(line));
        if (widest <= room) break;
    }
    memo_->setFont(f);
}

void InfoWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!centred_) {
        centred_ = true;
        if (QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
    }
}

}  // namespace ruvivavu::gui

// The monthly yield check tool window.
#include "gui/tools/yieldwindow.h"

#include "core/tools/yieldtool.h"
#include "gui/common/gridmodel.h"
#include "gui/common/gridview.h"
#include "gui/common/guard.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace ruvivavu::gui {

namespace {
template <class W>
W* named(W* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}
}  // namespace

YieldWindow::YieldWindow(shell::Shell& shell, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint),
      shell_(shell),
      comparison_(tools::makeComparisonGrid()) {
    setObjectName(QStringLiteral("Form6"));
    // The tool's small type; where the platform's type is still wider, the window grows beyond its
    // usual 391 x 395 rather than cutting its option texts.
    QFont small = font();
    small.setPointSizeF(qMin<qreal>(small.pointSizeF(), 8));
    setFont(small);
    setWindowTitle(QStringLiteral("Rendimento no mês"));
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(6, 6, 6, 6);
    auto* tabs = named(new QTabWidget(this), "PageControl1");
    outer->addWidget(tabs);

    // "Cálculo".
    auto* calc = named(new QWidget(tabs), "TabSheet1");
    auto* cl = new QVBoxLayout(calc);
    cl->setContentsMargins(10, 8, 10, 8);
    cl->setSpacing(6);
    auto* title = new QLabel(QStringLiteral("Calcule o valor do índice usado no mês do expurgo"), calc);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    cl->addWidget(title);
    cl->addWidget(new QLabel(QStringLiteral("Saiba se foi usado o índice correto ou não"), calc));

    auto* valores = new QGroupBox(QStringLiteral("Valor em conta "), calc);
    auto* vl = new QGridLayout(valores);
    vl->addWidget(new QLabel(QStringLiteral("No mês do expurgo: "), valores), 0, 0);
    vl->addWidget(new QLabel(QStringLiteral("No mês seguinte: "), valores), 0, 1);
    purgeBalance_ = named(new QLineEdit(valores), "Edit1");
    nextBalance_ = named(new QLineEdit(valores), "Edit2");
    vl->addWidget(purgeBalance_, 1, 0);
    vl->addWidget(nextBalance_, 1, 1);
    cl->addWidget(valores);

    auto* opcoes = new QGroupBox(QStringLiteral("Opções para cálculo "), calc);
    auto* ol = new QVBoxLayout(opcoes);
    ol->setSpacing(4);
    withoutSavingsInterest_ =
        named(new QCheckBox(QStringLiteral("Excluir 0,5% - somente no caso de uso do índice da poupança"), opcoes),
              "CheckBox1");
    ol->addWidget(withoutSavingsInterest_);
    auto* bevel = new QFrame(opcoes);
    bevel->setFrameShape(QFrame::HLine);
    bevel->setFrameShadow(QFrame::Sunken);
    ol->addWidget(bevel);
    ol->addWidget(new QLabel(QStringLiteral("Mudança de moeda - use esta opção se os valores estiverem\n"
                                            "espressos em moedas diferentes"),
                             opcoes));
    currencyChange_ = named(new QCheckBox(QStringLiteral("Mudança de moeda "), opcoes), "CheckBox2");
    ol->addWidget(currencyChange_);
    auto* dl = new QHBoxLayout;
    dl->addWidget(new QLabel(QStringLiteral("Mudança de moeda - divisão por: "), opcoes));
    divisor_ = named(new QLineEdit(QStringLiteral("1.000"), opcoes), "Edit4");
    divisor_->setFixedWidth(80);
    dl->addWidget(divisor_);
    dl->addStretch();
    ol->addLayout(dl);
    cl->addWidget(opcoes);

    auto* bottom = new QGridLayout;
    bottom->addWidget(new QLabel(QStringLiteral("Rendimento (índice usado): "), calc), 0, 0);
    yield_ = named(new QLineEdit(calc), "Edit3");
    yield_->setFocusPolicy(Qt::ClickFocus);  // not a Tab stop
    bottom->addWidget(yield_, 1, 0);
    auto* calculate = named(new QPushButton(QStringLiteral("Calcular"), calc), "Button1");
    auto* sair = named(new QPushButton(QStringLiteral("Sair"), calc), "Button2");
    bottom->addWidget(calculate, 1, 1);
    bottom->addWidget(sair, 1, 2);
    bottom->setColumnStretch(0, 1);
    cl->addLayout(bottom);
    cl->addStretch();
    connect(calculate, &QPushButton::clicked, this, &YieldWindow::calculate);
    connect(sair, &QPushButton::clicked, this, &QWidget::hide);
    tabs->addTab(calc, QStringLiteral("Cálculo"));

    // "Quadro comparativo dos indexadores oficiais": editable, never saved.
    auto* table = named(new QWidget(tabs), "TabSheet2");
    auto* tl = new QVBoxLayout(table);
    tl->setContentsMargins(0, 0, 0, 0);
    gridView_ = named(new GridView(table), "StringAlignGrid1");
    gridModel_ = new GridModel(comparison_, GridModel::FixedRows::AsHeadings, this);
    gridModel_->setEditable([](int, int) { return true; });
    gridView_->setModel(gridModel_);
    gridView_->setColumnWidths({119, 129, 121});
    tl->addWidget(gridView_);
    tabs->addTab(table, QStringLiteral("Quadro comparativo dos indexadores oficiais"));

    setTabOrder(purgeBalance_, nextBalance_);
    setTabOrder(nextBalance_, withoutSavingsInterest_);
    setTabOrder(withoutSavingsInterest_, currencyChange_);
    setTabOrder(currencyChange_, divisor_);
    setTabOrder(divisor_, calculate);
    setTabOrder(calculate, sair);
    const QSize hint = sizeHint();
    setFixedSize(qMax(391, hint.width()), qMax(395, hint.height()));
}

void YieldWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    guarded(this, [this] { tools::loadComparison(shell_, comparison_); });
    gridModel_->refresh();
    if (!centred_) {
        centred_ = true;
        if (QWidget* owner = parentWidget()) move(owner->geometry().center() - rect().center());
    }
}

void YieldWindow::calculate() {
    tools::MonthlyYield r;
    r.purgeBalance = ss(purgeBalance_->text());
    r.nextBalance = ss(nextBalance_->text());
    r.yield = ss(yield_->text());
    r.divisor = ss(divisor_->text());
    r.withoutSavingsInterest = withoutSavingsInterest_->isChecked();
    r.currencyChange = currencyChange_->isChecked();
    guarded(this, [&r] { r.calculate(); });
    yield_->setText(qs(r.yield));
}

}  // namespace ruvivavu::gui

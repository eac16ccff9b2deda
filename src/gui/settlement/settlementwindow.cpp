// The agreement window: accounts, regime, steps and the two totals.
#include "gui/settlement/settlementwindow.h"

#include "core/common/text.h"
#include "core/settlement/calculationfile.h"
#include "core/settlement/statement.h"
#include "gui/common/gridmodel.h"
#include "gui/common/gridview.h"
#include "gui/common/guard.h"
#include "gui/common/maskdelegate.h"
#include "gui/common/placement.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include <functional>

namespace ruvivavu::gui {

namespace {

using namespace ruvivavu::settlement;

// A cell chosen from a list: the plan of an account, or the currency its plan allows.
class ChoiceDelegate : public QStyledItemDelegate {
public:
    using Choices = std::function<std::vector<std::string>(const QModelIndex&)>;
    ChoiceDelegate(Choices choices, QObject* parent) : QStyledItemDelegate(parent), choices_(std::move(choices)) {}

    // The cell's own text stays among the choices (a plan named by the plan table, a currency the
    // plan does not take), so that opening the list never changes it; with no choices it is typed.
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const override {
        auto* combo = new QComboBox(parent);
        for (const std::string& choice : choices_(index)) combo->addItem(qs(choice));
        const QString current = index.data(Qt::EditRole).toString();
        if (!current.isEmpty() && combo->findText(current) < 0) combo->insertItem(0, current);
        combo->setEditable(combo->count() == 0);
        return combo;
    }
    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        auto* combo = static_cast<QComboBox*>(editor);
        const int at = combo->findText(index.data(Qt::EditRole).toString());
        if (at >= 0) combo->setCurrentIndex(at);
    }
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override {
        model->setData(index, static_cast<QComboBox*>(editor)->currentText(), Qt::EditRole);
    }

private:
    Choices choices_;
};

template <class W>
W* named(W* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QPushButton* button(const QString& caption, const char* name, QWidget* parent) {
    return named(new QPushButton(caption, parent), name);
}

}  // namespace

SettlementWindow::SettlementWindow(QWidget* mainWindow, shell::Shell& shell, dailysavings::DailySavings* dailySavings)
    : QWidget(mainWindow, Qt::Window),
      model_(shell),
      dailySavings_(dailySavings),
      mainWindow_(mainWindow),
      stepGrid_(4, 1, 0, 1) {
    setObjectName(QStringLiteral("SettlementWindow"));
    setWindowTitle(qs(kCaption));
    setAttribute(Qt::WA_QuitOnClose, false);  // closing the main window ends the program
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 10, 12, 10);
    layout->setSpacing(6);

    // Header and regime side by side.
    auto* top = new QHBoxLayout;
    auto* headerBox = new QVBoxLayout;
    headerBox->addWidget(new QLabel(QStringLiteral("Cabeçalho do demonstrativo:"), this));
    header_ = named(new QPlainTextEdit(this), "header");
    header_->setTabChangesFocus(true);
    header_->setFixedHeight(64);
    headerBox->addWidget(header_);
    top->addLayout(headerBox, 1);
    auto* regime = named(new QGroupBox(QStringLiteral(" Regime da adesão "), this), "regime");
    auto* regimeLayout = new QVBoxLayout(regime);
    original_ =
        named(new QRadioButton(QStringLiteral("Termos originais (acordo de dezembro de 2017)"), regime), "regime2017");
    amendment_ = named(new QRadioButton(QStringLiteral("Termo aditivo (11/03/2020)"), regime), "regime2020");
    regimeLayout->addWidget(original_);
    regimeLayout->addWidget(amendment_);
    top->addWidget(regime);
    layout->addLayout(top);

    // The accounts.
    layout->addWidget(new QLabel(
        QStringLiteral("Contas do poupador: plano, dia do aniversário e saldo base na moeda impressa no extrato"),
        this));
    accountsModel_ = new GridModel(model_.accounts, GridModel::FixedRows::AsHeadings, this);
    accountsModel_->setEditable([](int, int row) { return row >= 1; });
    accountsView_ = named(new GridView(this), "accounts");
    accountsView_->setModel(accountsModel_);
    auto* masks = new MaskDelegate(accountsView_);
    masks->setColumnMask(MonthColumn, QStringLiteral("!99/0000;1"));
    masks->setColumnFilter(DayColumn, MaskDelegate::Filter::Day);
    masks->setColumnFilter(BalanceColumn, MaskDelegate::Filter::Amount);
    accountsView_->setItemDelegate(masks);
    accountsView_->setItemDelegateForColumn(
        PlanColumn, new ChoiceDelegate([](const QModelIndex&) { return planChoices(); }, accountsView_));
    accountsView_->setItemDelegateForColumn(
        CurrencyColumn, new ChoiceDelegate(
                            [this](const QModelIndex& index) {
                                const int row = accountsModel_->gridRow(index);
                                return currencyChoices(planNamed(model_.accounts.cell(PlanColumn, row)));
                            },
                            accountsView_));
    accountsView_->setColumnWidths({190, 90, 80, 60, 130});
    accountsView_->setMinimumHeight(130);
    layout->addWidget(accountsView_, 1);
    accountsModel_->setEditHook([this](int col, int row) {
        if (col == PlanColumn) model_.planChosen(row);
        recompute();
    });
    connect(accountsView_, &GridView::left, this, [this] {
        model_.leaveAccounts();
        accountsModel_->refresh();
        recompute();
    });

    auto* accountButtons = new QHBoxLayout;
    auto* add = button(QStringLiteral("Nova conta"), "addAccount", this);
    auto* remove = button(QStringLiteral("Excluir conta"), "removeAccount", this);
    auto* fill = button(QStringLiteral("Preencher com a Poupança Diária"), "fillFromDailySavings", this);
    fill->setToolTip(QStringLiteral("Usa os saldos e o TOTAL do cálculo da Poupança Diária"));
    fill->setEnabled(dailySavings_ != nullptr);
    accountButtons->addWidget(add);
    accountButtons->addWidget(remove);
    accountButtons->addStretch();
    accountButtons->addWidget(fill);
    layout->addLayout(accountButtons);

    // The steps and the two totals.
    layout->addWidget(new QLabel(QStringLiteral("Cálculo pelo acordo:"), this));
    stepsModel_ = new GridModel(stepGrid_, GridModel::FixedRows::AsHeadings, this);
    stepsView_ = named(new GridView(this), "steps");
    stepsView_->setModel(stepsModel_);
    // The figure beside its step, the long texts after it.
    stepsView_->setColumnWidths({240, 100, 420, 360});
    layout->addWidget(stepsView_, 2);

    auto* totals = new QHBoxLayout;
    auto boldLabel = [this](const char* name) {
        auto* label = named(new QLabel(this), name);
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        return label;
    };
    claimTotal_ = boldLabel("claimTotal");
    net_ = boldLabel("netAmount");
    difference_ = boldLabel("difference");
    totals->addWidget(claimTotal_);
    totals->addSpacing(24);
    totals->addWidget(net_);
    totals->addSpacing(24);
    totals->addWidget(difference_);
    totals->addStretch();
    layout->addLayout(totals);

    auto* bottom = new QHBoxLayout;
    auto* newButton = button(QStringLiteral("Novo"), "Novo", this);
    auto* close = button(QStringLiteral("Fechar"), "Fechar", this);
    auto* finishButton = button(QStringLiteral("Finalizar"), "Finalizar", this);
    bottom->addWidget(newButton);
    bottom->addStretch();
    bottom->addWidget(close);
    bottom->addWidget(finishButton);
    layout->addLayout(bottom);

    connect(add, &QPushButton::clicked, this, &SettlementWindow::addAccount);
    connect(remove, &QPushButton::clicked, this, &SettlementWindow::removeAccount);
    connect(fill, &QPushButton::clicked, this, &SettlementWindow::fillFromDailySavings);
    connect(newButton, &QPushButton::clicked, this, &SettlementWindow::reset);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(finishButton, &QPushButton::clicked, this, &SettlementWindow::finish);
    auto regimeChosen = [this] {
        model_.regime = original_->isChecked() ? Regime::Original : Regime::Amendment;
        recompute();
    };
    connect(original_, &QRadioButton::toggled, this, regimeChosen);
    connect(amendment_, &QRadioButton::toggled, this, regimeChosen);

    resize(1180, 680);
    syncFromModel();
}

SettlementWindow::~SettlementWindow() {
    delete accountsView_;
    delete stepsView_;
    delete accountsModel_;
    delete stepsModel_;
}

void SettlementWindow::present() {
    show();
    raise();
    activateWindow();
}

void SettlementWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!centred_) {
        centreOn(*this, mainWindow_);
        centred_ = true;
    }
}

void SettlementWindow::syncFromModel() {
    header_->setPlainText(qs(memoText(model_.header)));
    const QSignalBlocker a(original_);
    const QSignalBlocker b(amendment_);
    original_->setChecked(model_.regime == Regime::Original);
    amendment_->setChecked(model_.regime == Regime::Amendment);
    accountsModel_->refresh();
    recompute();
}

void SettlementWindow::recompute() {
    guarded(this, [this] {
        const Result result = model_.result();
        const Comparison comparison = compare(model_.claim, result);
        const std::vector<Step> list = steps(result, model_.claim, comparison);
        stepGrid_.clearRows();
        stepGrid_.setRowCount(static_cast<int>(list.size()) + 1);
        stepGrid_.setRow(0, {"Etapa", "Valor (R$)", "Cálculo", "Fonte"});
        for (size_t k = 0; k < list.size(); ++k)
            stepGrid_.setRow(static_cast<int>(k) + 1, {list[k].label, list[k].amount, list[k].detail, list[k].source});
        stepsModel_->refresh();
        net_->setText(QStringLiteral("Valor líquido pelo acordo: ") + qs(result.net));
        const bool claim = model_.claim.present;
        claimTotal_->setVisible(claim);
        difference_->setVisible(claim);
        if (claim) {
            claimTotal_->setText(QStringLiteral("TOTAL do cálculo: ") +
                                 qs(checkinteiro(model_.claim.total) ? model_.claim.total : "não calculado"));
            difference_->setText(QStringLiteral("Diferença: ") +
                                 qs(comparison.computed ? comparison.difference : "não calculada"));
        }
    });
}

void SettlementWindow::takeTyping() {
    accountsView_->endEditing();
    model_.leaveAccounts();
    model_.header = memoLines(ss(header_->toPlainText()));
    accountsModel_->refresh();
}

void SettlementWindow::addAccount() {
    takeTyping();
    model_.addAccount();
    accountsModel_->refresh();
    recompute();
    const QModelIndex index = accountsModel_->indexOf(PlanColumn, model_.accounts.rowCount() - 1);
    accountsView_->setCurrentIndex(index);
}

void SettlementWindow::removeAccount() {
    takeTyping();
    const QModelIndex current = accountsView_->currentIndex();
    if (!current.isValid()) return;
    model_.removeAccount(accountsModel_->gridRow(current));
    accountsModel_->refresh();
    recompute();
}

void SettlementWindow::fillFromDailySavings() {
    if (!dailySavings_) return;
    takeTyping();
    if (guarded(this, [this] { takeDailySavings(*dailySavings_, model_); })) syncFromModel();
}

void SettlementWindow::reset() {
    takeTyping();
    model_.reset();
    syncFromModel();
}

void SettlementWindow::finish() {
    takeTyping();
    // The statement goes to the main window's viewer; the window steps aside, keeping its contents.
    if (guarded(this, [this] { model_.finish(); })) close();
}

bool SettlementWindow::holdsUnsavedTyping() {
    takeTyping();
    return model_.hasUnsavedTyping();
}

}  // namespace ruvivavu::gui

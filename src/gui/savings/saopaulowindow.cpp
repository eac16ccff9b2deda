// The São Paulo court-debt window.
#include "gui/savings/saopaulowindow.h"

#include "core/shell/shell.h"
#include "gui/common/gridmodel.h"
#include "gui/common/gridview.h"
#include "gui/common/guard.h"
#include "gui/common/maskdelegate.h"
#include "gui/common/placement.h"
#include "gui/savings/wizardparts.h"

#include <algorithm>

#include <QApplication>
#include <QBoxLayout>
#include <QCheckBox>
#include <QFileInfo>
#include <QFrame>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QStackedWidget>
#include <QStyle>
#include <QToolButton>

namespace ruvivavu::gui::savings {

using ruvivavu::saopaulo::SaoPauloCourtDebt;

namespace {

QString caption() {
    return QString::fromUtf8(ruvivavu::saopaulo::kCaption);
}

int slot(SaoPauloWindow::Grid which) {
    return static_cast<int>(which);
}

std::vector<int> columnWidths(SaoPauloWindow::Grid which) {
    switch (which) {
        case SaoPauloWindow::Grid::ChosenPlans:
            return {122, 89};
        case SaoPauloWindow::Grid::Balances:
            return {109, 64, 70, 64, 64};
        case SaoPauloWindow::Grid::Differences:
            return {64, 103, 132, 101, 81};
        case SaoPauloWindow::Grid::CourtInterest:
            return {80, 80, 64, 64};
        case SaoPauloWindow::Grid::Sheet:
            return {97, 111, 130, 64, 119};
    }
    return {};
}

// Only the plan months, the balances' day and amount and the court-interest periods are typed;
// differences and the sheet are the calculator's.
bool isEditable(SaoPauloWindow::Grid which, int column, int row) {
    if (row < 1 || column < 0) return false;
    switch (which) {
        case SaoPauloWindow::Grid::ChosenPlans:
            return column == 1;
        case SaoPauloWindow::Grid::Balances:
            return column == 3 || column == 4;
        case SaoPauloWindow::Grid::CourtInterest:
            return column <= 2;
        default:
            return false;
    }
}

QString editMask(SaoPauloWindow::Grid which, const std::string& heading) {
    switch (which) {
        case SaoPauloWindow::Grid::ChosenPlans:
            return heading == "Data" ? QStringLiteral("!99/0000;1") : QString();
        case SaoPauloWindow::Grid::CourtInterest:
            return heading == "Data Inicial" || heading == "Data Final" ? QStringLiteral("!99/99/0000;1") : QString();
        default:
            return {};
    }
}

}  // namespace

template <class F>
bool SaoPauloWindow::act(F&& action) {
    const bool ok = guarded(this, std::forward<F>(action));
    syncFromModel();
    return ok;
}

SaoPauloWindow::SaoPauloWindow(QWidget* mainWindow, SaoPauloCourtDebt& model, QWidget* planWindow)
    : QWidget(mainWindow, Qt::Tool | Qt::WindowStaysOnTopHint),
      model_(model),
      mainWindow_(mainWindow),
      planWindow_(planWindow) {
    setObjectName(QStringLiteral("SaoPauloWindow"));
    setWindowTitle(caption());

    // Top bar.
    auto* top = new QFrame(this);
    top->setFrameShape(QFrame::StyledPanel);
    auto* topLayout = new QHBoxLayout(top);
    topLayout->setContentsMargins(4, 2, 4, 2);
    topLayout->setSpacing(2);
    auto topButton = [&](const QString& text, const QString& name, const QString& hint, QStyle::StandardPixmap icon) {
        auto* button = new QToolButton(top);
        button->setText(text);
        button->setObjectName(name);
        button->setToolTip(hint);
        button->setIcon(style()->standardIcon(icon));
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        button->setAutoRaise(true);
        topLayout->addWidget(button);
        return button;
    };
    QToolButton* newButton =
        topButton(QStringLiteral("Novo"), QStringLiteral("Novo"), QStringLiteral("Novo"), QStyle::SP_FileIcon);
    QToolButton* openButton = topButton(QStringLiteral("Abrir"), QStringLiteral("Abrir"),
                                        QStringLiteral("Abrir o Cálculo"), QStyle::SP_DialogOpenButton);
    QToolButton* openBackupButton =
        topButton(QStringLiteral("Abrir Backup"), QStringLiteral("AbrirBackup"),
                  QStringLiteral("Abrir o último cálculo realizado."), QStyle::SP_BrowserReload);
    topLayout->addStretch(1);

    // The page control with hidden tabs.
    pages_ = new QStackedWidget(this);
    pages_->setObjectName(QStringLiteral("pages"));
    pages_->addWidget(buildPlanPage());
    pages_->addWidget(buildBalancePage());
    pages_->addWidget(buildDifferencePage());
    pages_->addWidget(buildInterestPage());
    pages_->addWidget(buildSheetPage());
    pages_->addWidget(buildTextsPage());

    // Bottom bar.
    auto bottomButton = [&](const QString& text, const QString& name, QStyle::StandardPixmap icon) {
        auto* button = new QPushButton(style()->standardIcon(icon), text, this);
        button->setObjectName(name);
        return button;
    };
    QPushButton* closeButton =
        bottomButton(QStringLiteral("Fechar"), QStringLiteral("Fechar"), QStyle::SP_DialogCloseButton);
    QPushButton* previousButton =
        bottomButton(QStringLiteral("Anterior"), QStringLiteral("Anterior"), QStyle::SP_ArrowLeft);
    QPushButton* nextButton = bottomButton(QStringLiteral("Próximo"), QStringLiteral("Proximo"), QStyle::SP_ArrowRight);
    finishButton_ =
        bottomButton(QStringLiteral("Finalizar"), QStringLiteral("Finalizar"), QStyle::SP_DialogApplyButton);
    finishButton_->setEnabled(false);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(closeButton);
    bottom->addStretch(1);
    bottom->addWidget(previousButton);
    bottom->addWidget(nextButton);
    bottom->addWidget(finishButton_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->setSpacing(4);
    layout->addWidget(top);
    layout->addWidget(pages_, 1);
    layout->addLayout(bottom);

    // Actions.
    connect(newButton, &QToolButton::clicked, this, [this] {
        backToFirstPage();
        act([&] { model_.reset(); });
    });
    connect(openButton, &QToolButton::clicked, this, [this] { openCalculation(); });
    connect(openBackupButton, &QToolButton::clicked, this, [this] {
        backToFirstPage();
        act([&] { model_.openBackup(); });
    });
    connect(closeButton, &QPushButton::clicked, this, [this] {
        endEditing();
        close();
    });
    connect(previousButton, &QPushButton::clicked, this, [this] {
        leaveGrids();
        act([&] { model_.previous(); });
    });
    connect(nextButton, &QPushButton::clicked, this, [this] {
        leaveGrids();
        act([&] { model_.next(); });
    });
    connect(finishButton_, &QPushButton::clicked, this, [this] {
        leaveGrids();
        if (act([&] { model_.finish(); })) hide();
    });

    model_.showWindow = [this] {
        if (!isVisible()) show();
        raise();
        activateWindow();
    };

    syncFromModel();
    resize(540, 419);
}

SaoPauloWindow::~SaoPauloWindow() {
    model_.showWindow = nullptr;
    // The grids lose the focus while the window is torn down: no leave rule runs then.
    for (const GridSlot& g : grids_) disconnect(g.view, nullptr, this, nullptr);
}

GridView* SaoPauloWindow::gridView(Grid which) const {
    return grids_[slot(which)].view;
}
GridModel* SaoPauloWindow::gridModel(Grid which) const {
    return grids_[slot(which)].model;
}

StringGrid& SaoPauloWindow::grid(Grid which) {
    switch (which) {
        case Grid::ChosenPlans:
            return model_.chosenPlans;
        case Grid::Balances:
            return model_.balances;
        case Grid::Differences:
            return model_.differences;
        case Grid::CourtInterest:
            return model_.courtInterest;
        case Grid::Sheet:
            break;
    }
    return model_.sheet;
}

void SaoPauloWindow::leaveGrid(Grid which) {
    switch (which) {
        case Grid::ChosenPlans:
            model_.leaveChosenPlans();
            break;
        case Grid::Balances:
            model_.leaveBalances();
            break;
        case Grid::Differences:
            model_.leaveDifferences();
            break;
        case Grid::CourtInterest:
            model_.leaveCourtInterest();
            break;
        case Grid::Sheet:
            break;
    }
}

GridView* SaoPauloWindow::makeGrid(Grid which, const QString& objectName) {
    auto* model = new GridModel(grid(which), GridModel::FixedRows::AsHeadings, this);
    model->setEditable([which](int col, int row) { return isEditable(which, col, row); });
    auto* view = new GridView(this);
    view->setObjectName(objectName);
    view->setModel(model);
    auto* masks = new MaskDelegate(view);
    masks->setMaskProvider(
        [this, which](const QModelIndex& index) { return editMask(which, grid(which).cell(index.column(), 0)); });
    view->setItemDelegate(masks);
    view->setColumnWidths(columnWidths(which));
    grids_[slot(which)] = {model, view};

    connect(view, &GridView::left, this, [this, which] { act([&] { leaveGrid(which); }); });
    return view;
}

QWidget* SaoPauloWindow::buildPlanPage() {
    const PlanPage parts = savings::buildPlanPage(makeGrid(Grid::ChosenPlans, QStringLiteral("SPlanos")), false);
    tableLabel_ = parts.tableLabel;
    planList_ = parts.planList;
    connect(parts.addPlan, &QPushButton::clicked, this, [this] {
        if (!planWindow_) return;
        planWindow_->show();
        planWindow_->raise();
        planWindow_->activateWindow();
    });
    connect(planList_, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        if (syncing_) return;
        const int row = planList_->row(item);
        const bool checked = item->checkState() == Qt::Checked;
        act([&] { model_.setPlanChecked(row, checked); });
    });
    return parts.page;
}

QWidget* SaoPauloWindow::buildBalancePage() {
    return savings::buildBalancePage(makeGrid(Grid::Balances, QStringLiteral("SSaldo")));
}

QWidget* SaoPauloWindow::buildDifferencePage() {
    return savings::buildDifferencePage(makeGrid(Grid::Differences, QStringLiteral("SBase")),
                                        columnWidths(Grid::Differences));
}

QWidget* SaoPauloWindow::buildInterestPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("interestPage"));
    page->setWindowTitle(QStringLiteral("Juros"));

    auto* court = new QGroupBox(
        QStringLiteral("Aplicar Juros Processuais - Digite o valor e a data inicial e final para contagem dos juros "),
        page);
    court->setObjectName(QStringLiteral("courtInterestGroup"));
    proRata_ = new QCheckBox(QStringLiteral("Pró-rata"), court);
    proRata_->setObjectName(QStringLiteral("Cprorata"));
    simple_ = new QRadioButton(QStringLiteral("Simples"), court);
    compound_ = new QRadioButton(QStringLiteral("Compostos"), court);
    simple_->setObjectName(QStringLiteral("Rsimples"));
    compound_->setObjectName(QStringLiteral("Rcomposto"));
    auto* limpar = limparButton(court, QStringLiteral("LimparJuros"));
    GridView* stjuros = makeGrid(Grid::CourtInterest, QStringLiteral("STJuros"));
    stjuros->setParent(court);
    static_cast<MaskDelegate*>(stjuros->itemDelegate())
        ->setHeadingFilter(QStringLiteral("Juros %"), MaskDelegate::Filter::Rate);

    auto* side = new QVBoxLayout;
    side->addWidget(proRata_);
    side->addWidget(simple_);
    side->addWidget(compound_);
    side->addWidget(limpar);
    side->addStretch(1);
    auto* courtLayout = new QHBoxLayout(court);
    courtLayout->addLayout(side);
    courtLayout->addWidget(stjuros, 1);

    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(court, 1);

    setTabOrder(proRata_, simple_);
    setTabOrder(simple_, compound_);
    setTabOrder(compound_, limpar);
    setTabOrder(limpar, stjuros);

    connect(proRata_, &QCheckBox::toggled, this, [this](bool on) {
        if (!syncing_) model_.proRata = on;
    });
    connect(compound_, &QRadioButton::toggled, this, [this](bool on) {
        if (!syncing_) model_.setCompound(on);
    });
    connect(limpar, &QPushButton::clicked, this, [this] {
        gridView(Grid::CourtInterest)->endEditing();
        act([&] { model_.clearCourtInterest(); });
    });
    return page;
}

QWidget* SaoPauloWindow::buildSheetPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("sheetPage"));
    page->setWindowTitle(QStringLiteral("Planilha"));
    GridView* planilha = makeGrid(Grid::Sheet, QStringLiteral("planilha"));
    planilha->setParent(page);
    planilha->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter |
                                                      Qt::Alignment(Qt::TextWordWrap));
    planilha->horizontalHeader()->setFixedHeight(58);
    planilha->setFitHeadings(false);
    planilha->setColumnWidths(columnWidths(Grid::Sheet));
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(planilha, 1);
    return page;
}

QWidget* SaoPauloWindow::buildTextsPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("textsPage"));
    page->setWindowTitle(QStringLiteral("Cabeçalho/Rodapé/Notas"));

    showNotes_ = new QCheckBox(QStringLiteral("Exibir Notas Finais sobre cálculos"), page);
    showNotes_->setObjectName(QStringLiteral("Cnotas"));
    header_ = new QPlainTextEdit(page);
    footer_ = new QPlainTextEdit(page);
    header_->setObjectName(QStringLiteral("Memo1"));
    footer_->setObjectName(QStringLiteral("Memo2"));
    for (QPlainTextEdit* memo : {header_, footer_}) {
        memo->setLineWrapMode(QPlainTextEdit::NoWrap);
        memo->setTabChangesFocus(true);
    }
    auto* complete = new QLabel(QStringLiteral("O cálculo está completo, para visualizar o Formulário\n"
                                               "clique no botão Finalizar.\n"
                                               "Se desejar salvar o cálculo use o botão ao lado.\n"
                                               "Após visualizar o formulário você poderá refazer o cálculo\n"
                                               "usando o botão Calcular/Débitos Judiciais São Paulo."),
                                page);
    auto* salvar = new QPushButton(style()->standardIcon(QStyle::SP_DialogSaveButton),
                                   QStringLiteral("Para Salvar o Cálculo Clique Aqui"), page);
    salvar->setObjectName(QStringLiteral("SalvarCalculo"));
    salvar->setToolTip(QStringLiteral("Salvar o Cálculo"));

    auto* texts = new QVBoxLayout;
    texts->addWidget(new QLabel(QStringLiteral("Cabeçalho"), page));
    texts->addWidget(header_, 1);
    texts->addWidget(new QLabel(QStringLiteral("Rodapé"), page));
    texts->addWidget(footer_, 1);

    auto* side = new QVBoxLayout;
    side->addWidget(complete);
    side->addWidget(salvar);
    side->addStretch(1);

    auto* body = new QHBoxLayout;
    body->addLayout(texts, 1);
    body->addLayout(side);

    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(showNotes_);
    layout->addLayout(body, 1);

    setTabOrder(showNotes_, header_);
    setTabOrder(header_, footer_);
    setTabOrder(footer_, salvar);

    connect(showNotes_, &QCheckBox::toggled, this, [this](bool on) {
        if (!syncing_) model_.showNotes = on;
    });
    connect(header_, &QPlainTextEdit::textChanged, this, [this] {
        if (!syncing_) model_.header = memoLines(header_);
    });
    connect(footer_, &QPlainTextEdit::textChanged, this, [this] {
        if (!syncing_) model_.footer = memoLines(footer_);
    });
    connect(salvar, &QPushButton::clicked, this, [this] { saveCalculation(); });
    return page;
}

void SaoPauloWindow::syncFromModel() {
    syncing_ = true;
    for (const GridSlot& g : grids_) g.model->refresh();

    tableLabel_->setText(qs(model_.tableLabel()));
    showPlanList(planList_, model_.planList);

    proRata_->setChecked(model_.proRata);
    // The checked one first: an exclusive button is unchecked by checking the other.
    if (model_.compound) {
        compound_->setChecked(true);
    } else if (model_.simple) {
        simple_->setChecked(true);
    }
    showNotes_->setChecked(model_.showNotes);
    if (memoLines(header_) != model_.header) header_->setPlainText(memoText(model_.header));
    if (memoLines(footer_) != model_.footer) footer_->setPlainText(memoText(model_.footer));

    pages_->setCurrentIndex(std::clamp(model_.page, 0, SaoPauloCourtDebt::kLastPage));
    finishButton_->setEnabled(model_.finishEnabled);
    syncing_ = false;
}

void SaoPauloWindow::leaveGrids() {
    // The grid being edited is left as if the focus moved to the button.
    for (const GridSlot& g : grids_) g.view->leaveNow();
}

void SaoPauloWindow::endEditing() {
    for (const GridSlot& g : grids_) g.view->endEditing();
}

void SaoPauloWindow::backToFirstPage() {
    leaveGrids();
    model_.page = 0;
    syncFromModel();
}

void SaoPauloWindow::openCalculation() {
    backToFirstPage();
    const QString path = chooseCalculationFile(this, false);
    if (path.isEmpty()) return;
    openCalculationFile(path);
}

void SaoPauloWindow::openCalculationFile(const QString& path) {
    if (foreignFile_ && foreignFile_(path)) return;
    backToFirstPage();
    if (act([&] { model_.open(ss(path)); }))
        setWindowTitle(caption() + QStringLiteral(" - ") + QFileInfo(path).fileName());
}

void SaoPauloWindow::startCalculation() {
    setWindowTitle(caption());
    act([this] { model_.launch(); });
}

void SaoPauloWindow::saveCalculation() {
    leaveGrids();
    if (!model_.backupExists()) return;
    QWidget* parent = isVisible() ? static_cast<QWidget*>(this) : mainWindow_;
    const QString target = chooseCalculationFile(parent, true);
    if (target.isEmpty()) return;
    guarded(parent, [&] { model_.saveCopy(ss(target)); });
}

void SaoPauloWindow::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        guarded(this, [&] { model_.shown(); });
        closeExcludedWindows();
        centreOn(*this, mainWindow_);
    }
    syncFromModel();
    QWidget::showEvent(event);
}

void SaoPauloWindow::closeExcludedWindows() {
    // The daily-savings window and the configured-savings window give way to this one.
    for (QWidget* w : QApplication::topLevelWidgets()) {
        const QString name = w->objectName();
        if (w != this && w->isVisible() &&
            (name == QLatin1String("DailySavingsWindow") || name == QLatin1String("TForm7")))
            w->close();
    }
}

bool SaoPauloWindow::holdsUnsavedTyping() {
    endEditing();
    return model_.hasUnsavedTyping();
}

}  // namespace ruvivavu::gui::savings

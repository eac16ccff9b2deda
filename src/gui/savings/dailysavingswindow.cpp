// The daily-savings wizard window.
#include "gui/savings/dailysavingswindow.h"

#include "core/common/text.h"
#include "core/shell/shell.h"
#include "gui/common/filedialog.h"
#include "gui/common/gridmodel.h"
#include "gui/common/gridview.h"
#include "gui/common/guard.h"
#include "gui/common/maskdelegate.h"
#include "gui/common/placement.h"
#include "gui/common/toggledelegate.h"
#include "gui/savings/wizardparts.h"

#include <algorithm>

#include <QApplication>
#include <QBoxLayout>
#include <QButtonGroup>
#include <QCheckBox>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShowEvent>
#include <QStackedWidget>
#include <QStyle>
#include <QToolButton>

namespace ruvivavu::gui::savings {

using ruvivavu::dailysavings::DailySavings;

namespace {

// The month-by-month court-debt window is titled by its caption, which names its table.
QString titleOf(const DailySavings& model) {
    return model.caption.empty() ? kAppTitle : qs(model.caption);
}

int slot(DailySavingsWindow::GridId id) {
    return static_cast<int>(id);
}

}  // namespace

template <class F>
bool DailySavingsWindow::act(F&& action) {
    const bool ok = guarded(this, std::forward<F>(action));
    syncFromModel();
    return ok;
}

DailySavingsWindow::DailySavingsWindow(QWidget* mainWindow, DailySavings& model, QWidget* planWindow,
                                       QWidget* indexWindow)
    : QWidget(mainWindow, Qt::Tool | Qt::WindowStaysOnTopHint),
      model_(model),
      mainWindow_(mainWindow),
      planWindow_(planWindow),
      indexWindow_(indexWindow) {
    setObjectName(QStringLiteral("DailySavingsWindow"));
    setWindowTitle(titleOf(model_));

    // Top bar.
    auto* top = new QFrame(this);
    top->setFrameShape(QFrame::StyledPanel);
    auto* topLayout = new QHBoxLayout(top);
    topLayout->setContentsMargins(4, 2, 4, 2);
    topLayout->setSpacing(2);
    auto topButton = [&](const QString& caption, const QString& hint, QStyle::StandardPixmap icon) {
        auto* button = new QToolButton(top);
        button->setText(caption);
        button->setToolTip(hint);
        button->setIcon(style()->standardIcon(icon));
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        button->setAutoRaise(true);
        topLayout->addWidget(button);
        return button;
    };
    newButton_ = topButton(QStringLiteral("Novo"), QStringLiteral("Novo"), QStyle::SP_FileIcon);
    openButton_ = topButton(QStringLiteral("Abrir"), QStringLiteral("Abrir o Cálculo"), QStyle::SP_DialogOpenButton);
    openBackupButton_ = topButton(QStringLiteral("Abrir Backup"), QStringLiteral("Abrir o último cálculo realizado."),
                                  QStyle::SP_BrowserReload);
    newButton_->setObjectName(QStringLiteral("Novo"));
    openButton_->setObjectName(QStringLiteral("Abrir"));
    openBackupButton_->setObjectName(QStringLiteral("AbrirBackup"));
    topLayout->addStretch(1);

    // The page control with hidden tabs.
    pages_ = new QStackedWidget(this);
    pages_->setObjectName(QStringLiteral("pages"));
    pages_->addWidget(buildPlanPage());
    pages_->addWidget(buildBalancePage());
    pages_->addWidget(buildDifferencePage());
    pages_->addWidget(buildInterestPage());
    pages_->addWidget(buildAmortisationPage());
    pages_->addWidget(buildSheetPage());
    pages_->addWidget(buildTextsPage());

    // Bottom bar.
    closeButton_ = new QPushButton(style()->standardIcon(QStyle::SP_DialogCloseButton), QStringLiteral("Fechar"), this);
    previousButton_ = new QPushButton(style()->standardIcon(QStyle::SP_ArrowLeft), QStringLiteral("Anterior"), this);
    nextButton_ = new QPushButton(style()->standardIcon(QStyle::SP_ArrowRight), QStringLiteral("Próximo"), this);
    finishButton_ =
        new QPushButton(style()->standardIcon(QStyle::SP_DialogApplyButton), QStringLiteral("Finalizar"), this);
    closeButton_->setObjectName(QStringLiteral("Fechar"));
    previousButton_->setObjectName(QStringLiteral("Anterior"));
    nextButton_->setObjectName(QStringLiteral("Proximo"));
    finishButton_->setObjectName(QStringLiteral("Finalizar"));
    finishButton_->setEnabled(false);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(closeButton_);
    bottom->addStretch(1);
    bottom->addWidget(previousButton_);
    bottom->addWidget(nextButton_);
    bottom->addWidget(finishButton_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->setSpacing(4);
    layout->addWidget(top);
    layout->addWidget(pages_, 1);
    layout->addLayout(bottom);

    // Actions.
    connect(newButton_, &QToolButton::clicked, this, [this] {
        leaveGrids();
        act([&] {
            model_.page = 0;
            model_.reset();
        });
    });
    connect(openButton_, &QToolButton::clicked, this, [this] { openCalculation(); });
    connect(openBackupButton_, &QToolButton::clicked, this, [this] {
        leaveGrids();
        act([&] {
            model_.page = 0;
            model_.openBackup();
        });
    });
    connect(closeButton_, &QPushButton::clicked, this, [this] {
        for (const GridSlot& g : grids_) g.view->endEditing();
        close();
    });
    connect(previousButton_, &QPushButton::clicked, this, [this] {
        for (const GridSlot& g : grids_) g.view->endEditing();
        act([&] { model_.previous(); });
    });
    connect(nextButton_, &QPushButton::clicked, this, [this] {
        leaveGrids();
        act([&] { model_.next(); });
    });
    connect(finishButton_, &QPushButton::clicked, this, [this] {
        bool ok = false;
        finishAndClose(ok);
    });

    model_.showWindow = [this] {
        if (!isVisible()) show();
        raise();
        activateWindow();
    };

    syncFromModel();
    resize(538, 417);
}

DailySavingsWindow::~DailySavingsWindow() {
    model_.showWindow = nullptr;
    // The grids lose the focus while the window is torn down: no leave rule runs then.
    for (const GridSlot& g : grids_) disconnect(g.view, nullptr, this, nullptr);
}

GridView* DailySavingsWindow::gridView(GridId id) const {
    return grids_[slot(id)].view;
}
GridModel* DailySavingsWindow::gridModel(GridId id) const {
    return grids_[slot(id)].model;
}

GridView* DailySavingsWindow::makeGrid(GridId id, const QString& objectName) {
    StringGrid& grid = model_.grid(id);
    auto* model = new GridModel(grid, GridModel::FixedRows::AsHeadings, this);
    model->setEditable([id](int col, int row) { return DailySavings::isEditable(id, col, row); });
    auto* view = new GridView(this);
    view->setObjectName(objectName);
    view->setModel(model);
    auto* masks = new MaskDelegate(view);
    masks->setMaskProvider([this, id](const QModelIndex& index) { return qs(model_.editMask(id, index.column())); });
    view->setItemDelegate(masks);
    view->setColumnWidths(DailySavings::columnWidths(id));
    grids_[slot(id)] = {model, view};

    connect(view, &GridView::left, this, [this, id] { act([&] { model_.leaveGrid(id); }); });
    return view;
}

QWidget* DailySavingsWindow::buildPlanPage() {
    const PlanPage parts = savings::buildPlanPage(makeGrid(GridId::ChosenPlans, QStringLiteral("SPlanos")), true);
    tableLabel_ = parts.tableLabel;
    planList_ = parts.planList;
    QPushButton* adicionar = parts.addPlan;
    QPushButton* configurar = parts.configureIndex;
    // The court-debt calculator applies no index-application table.
    configurar->setVisible(indexWindow_ != nullptr);

    connect(adicionar, &QPushButton::clicked, this, [this] {
        planWindow_->show();
        planWindow_->raise();
        planWindow_->activateWindow();
    });
    connect(configurar, &QPushButton::clicked, this, [this] {
        indexWindow_->show();
        indexWindow_->raise();
        indexWindow_->activateWindow();
    });
    connect(planList_, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        if (syncing_) return;
        const int row = planList_->row(item);
        const bool checked = item->checkState() == Qt::Checked;
        act([&] { model_.setPlanChecked(row, checked); });
    });
    return parts.page;
}

QWidget* DailySavingsWindow::buildBalancePage() {
    return savings::buildBalancePage(makeGrid(GridId::Balances, QStringLiteral("SSaldo")));
}

QWidget* DailySavingsWindow::buildDifferencePage() {
    return savings::buildDifferencePage(makeGrid(GridId::Differences, QStringLiteral("SBase")),
                                        DailySavings::columnWidths(GridId::Differences));
}

QWidget* DailySavingsWindow::buildInterestPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("interestPage"));
    page->setWindowTitle(QStringLiteral("Juros"));

    // Court interest.
    auto* court = new QGroupBox(
        QStringLiteral("Aplicar Juros Processuais - Digite o valor e a data inicial e final para contagem dos juros "),
        page);
    court->setObjectName(QStringLiteral("courtInterestGroup"));
    proRata_ = new QCheckBox(QStringLiteral("Pró-rata"), court);
    proRata_->setObjectName(QStringLiteral("Cprorata"));
    auto* limparJuros = limparButton(court, QStringLiteral("LimparJuros"));
    // The interest kind of this calculator is always simple; the buttons exist but stay hidden.
    compound_ = new QRadioButton(QStringLiteral("Compostos"), court);
    simple_ = new QRadioButton(QStringLiteral("Simples"), court);
    monthByMonth_ = new QRadioButton(QStringLiteral("Mês a mês"), court);
    compound_->setObjectName(QStringLiteral("Rcomposto"));
    simple_->setObjectName(QStringLiteral("Rsimples"));
    monthByMonth_->setObjectName(QStringLiteral("Rmes"));
    for (QRadioButton* r : {compound_, simple_, monthByMonth_}) r->setVisible(false);
    GridView* stjuros = makeGrid(GridId::CourtInterest, QStringLiteral("STJuros"));
    stjuros->setParent(court);
    static_cast<MaskDelegate*>(stjuros->itemDelegate())
        ->setHeadingFilter(QStringLiteral("Juros %"), MaskDelegate::Filter::Rate);
    grids_[slot(GridId::CourtInterest)].model->setEditHook(
        [this](int, int row) { guarded(this, [&] { model_.cellEdited(GridId::CourtInterest, row); }); });
    auto* courtSide = new QVBoxLayout;
    courtSide->addWidget(proRata_);
    courtSide->addWidget(limparJuros);
    courtSide->addStretch(1);
    auto* courtLayout = new QHBoxLayout(court);
    courtLayout->addLayout(courtSide);
    courtLayout->addWidget(stjuros, 1);

    // Monthly interest.
    auto* monthly = new QGroupBox(QStringLiteral("Aplicar Juros  mês a mês (juros capitalizados)  "), page);
    monthly->setObjectName(QStringLiteral("monthlyInterestGroup"));
    withoutMonthlyInterest_ = new QRadioButton(QStringLiteral("Não"), monthly);
    withMonthlyInterest_ = new QRadioButton(QStringLiteral("Sim"), monthly);
    withoutMonthlyInterest_->setObjectName(QStringLiteral("Rsemjuros"));
    withMonthlyInterest_->setObjectName(QStringLiteral("RComjuros"));
    auto* monthlyGroup = new QButtonGroup(monthly);
    monthlyGroup->addButton(withoutMonthlyInterest_);
    monthlyGroup->addButton(withMonthlyInterest_);
    auto* limparJmes = limparButton(monthly, QStringLiteral("LimparJmes"));
    GridView* jmes = makeGrid(GridId::MonthlyInterest, QStringLiteral("Jmes"));
    jmes->setParent(monthly);
    static_cast<MaskDelegate*>(jmes->itemDelegate())
        ->setHeadingFilter(QStringLiteral("Juros %"), MaskDelegate::Filter::Rate);
    grids_[slot(GridId::MonthlyInterest)].model->setEditHook(
        [this](int, int row) { guarded(this, [&] { model_.cellEdited(GridId::MonthlyInterest, row); }); });
    auto* toggle = new ToggleDelegate(jmes);
    toggle->setToggler([this](const QModelIndex& index) {
        GridModel* m = grids_[slot(GridId::MonthlyInterest)].model;
        act([&] { model_.toggleQuarterly(index.column(), m->gridRow(index)); });
    });
    jmes->setItemDelegateForColumn(3, toggle);
    auto* monthlySide = new QVBoxLayout;
    monthlySide->addWidget(withoutMonthlyInterest_);
    monthlySide->addWidget(withMonthlyInterest_);
    monthlySide->addWidget(limparJmes);
    monthlySide->addStretch(1);
    auto* monthlyLayout = new QHBoxLayout(monthly);
    monthlyLayout->addLayout(monthlySide);
    monthlyLayout->addWidget(jmes, 1);

    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(court, 1);
    layout->addWidget(monthly, 1);

    setTabOrder(proRata_, limparJuros);
    setTabOrder(limparJuros, stjuros);
    setTabOrder(stjuros, withoutMonthlyInterest_);
    setTabOrder(withoutMonthlyInterest_, withMonthlyInterest_);
    setTabOrder(withMonthlyInterest_, limparJmes);
    setTabOrder(limparJmes, jmes);

    connect(proRata_, &QCheckBox::toggled, this, [this](bool on) {
        if (!syncing_) model_.proRata = on;
    });
    connect(withMonthlyInterest_, &QRadioButton::toggled, this, [this](bool on) {
        if (!syncing_) model_.setWithMonthlyInterest(on);
    });
    connect(limparJuros, &QPushButton::clicked, this, [this] {
        gridView(GridId::CourtInterest)->endEditing();
        act([&] { model_.clearCourtInterest(); });
    });
    connect(limparJmes, &QPushButton::clicked, this, [this] {
        gridView(GridId::MonthlyInterest)->endEditing();
        act([&] { model_.clearMonthlyInterest(); });
    });
    return page;
}

QWidget* DailySavingsWindow::buildAmortisationPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("paidBackPage"));
    page->setWindowTitle(QStringLiteral("Amortização"));
    auto* line1 =
        new QLabel(QStringLiteral("Preencha estes campos com o valor ofertado pelo banco - Valor Incontroverso"), page);
    auto* line2 = new QLabel(QStringLiteral("ou outro valor para amortização."), page);
    auto* limpar = limparButton(page, QStringLiteral("LimparAmortizacao"));
    GridView* amortizacao = makeGrid(GridId::PaidBack, QStringLiteral("amortizacao"));
    amortizacao->setParent(page);
    static_cast<MaskDelegate*>(amortizacao->itemDelegate())
        ->setHeadingFilter(QStringLiteral("Valor"), MaskDelegate::Filter::Amount);

    auto* texts = new QVBoxLayout;
    texts->addWidget(line1);
    texts->addWidget(line2);
    auto* head = new QHBoxLayout;
    head->addLayout(texts, 1);
    head->addWidget(limpar, 0, Qt::AlignTop);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(head);
    layout->addWidget(amortizacao, 1);
    setTabOrder(limpar, amortizacao);

    connect(limpar, &QPushButton::clicked, this, [this] {
        gridView(GridId::PaidBack)->endEditing();
        act([&] { model_.clearPaidBack(); });
    });
    return page;
}

QWidget* DailySavingsWindow::buildSheetPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("sheetPage"));
    page->setWindowTitle(QStringLiteral("Planilha"));
    GridView* planilha = makeGrid(GridId::Sheet, QStringLiteral("planilha"));
    planilha->setParent(page);
    planilha->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter |
                                                      Qt::Alignment(Qt::TextWordWrap));
    planilha->horizontalHeader()->setFixedHeight(58);
    planilha->setFitHeadings(false);
    planilha->setColumnWidths(DailySavings::columnWidths(GridId::Sheet));
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(planilha, 1);
    return page;
}

QWidget* DailySavingsWindow::buildTextsPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("textsPage"));
    page->setWindowTitle(QStringLiteral("Cabeçalho/Rodapé/Notas"));

    showNotes_ = new QCheckBox(QStringLiteral("Exibir Notas Finais sobre cálculos"), page);
    showNotes_->setObjectName(QStringLiteral("Cnotas"));
    auto* gravar = new QPushButton(style()->standardIcon(QStyle::SP_DialogSaveButton), QStringLiteral("Gravar"), page);
    gravar->setObjectName(QStringLiteral("Gravar"));
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
                                               "usando o botão Calcular/Poupança Diária."),
                                page);
    auto* salvar = new QPushButton(style()->standardIcon(QStyle::SP_DialogSaveButton),
                                   QStringLiteral("Para Salvar o Cálculo Clique Aqui"), page);
    salvar->setObjectName(QStringLiteral("SalvarCalculo"));
    salvar->setToolTip(QStringLiteral("Salvar o Cálculo"));
    auto* note =
        wrappedLabel(QStringLiteral("Obs: junte ao processo os extratos do mês anterior e posterior ao expurgo"), page);
    note->setObjectName(QStringLiteral("saveNote"));
    QPalette red = note->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    note->setPalette(red);
    QFont bold = note->font();
    bold.setBold(true);
    note->setFont(bold);

    auto* texts = new QVBoxLayout;
    texts->addWidget(new QLabel(QStringLiteral("Cabeçalho"), page));
    texts->addWidget(header_, 1);
    texts->addWidget(new QLabel(QStringLiteral("Rodapé"), page));
    texts->addWidget(footer_, 1);

    auto* side = new QVBoxLayout;
    side->addWidget(complete);
    side->addWidget(salvar);
    side->addStretch(1);
    side->addWidget(note);

    auto* head = new QHBoxLayout;
    head->addWidget(showNotes_);
    head->addStretch(1);
    head->addWidget(gravar);

    auto* body = new QHBoxLayout;
    body->addLayout(texts, 1);
    body->addLayout(side);

    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(head);
    layout->addLayout(body, 1);

    setTabOrder(showNotes_, gravar);
    setTabOrder(gravar, header_);
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
    connect(gravar, &QPushButton::clicked, this, [this] { act([&] { model_.saveHeaderFooter(); }); });
    connect(salvar, &QPushButton::clicked, this, [this] { finishAndSave(); });
    return page;
}

void DailySavingsWindow::syncFromModel() {
    syncing_ = true;
    for (const GridSlot& g : grids_) g.model->refresh();

    tableLabel_->setText(qs(model_.tableLabel()));

    showPlanList(planList_, model_.planList);

    proRata_->setChecked(model_.proRata);
    compound_->setChecked(model_.compound);
    simple_->setChecked(model_.simple);
    monthByMonth_->setChecked(model_.monthByMonth);
    // The two monthly-interest buttons may both be off (a file opened with "false" leaves "Não"
    // alone), so they are set without the group's exclusivity.
    if (auto* group = withMonthlyInterest_->group()) group->setExclusive(false);
    withoutMonthlyInterest_->setChecked(model_.withoutMonthlyInterest);
    withMonthlyInterest_->setChecked(model_.withMonthlyInterest);
    if (auto* group = withMonthlyInterest_->group()) group->setExclusive(true);
    showNotes_->setChecked(model_.showNotes);
    if (memoLines(header_) != model_.header) header_->setPlainText(memoText(model_.header));
    if (memoLines(footer_) != model_.footer) footer_->setPlainText(memoText(model_.footer));

    pages_->setCurrentIndex(std::clamp(model_.page, 0, DailySavings::kLastPage));
    finishButton_->setEnabled(model_.finishEnabled);
    syncing_ = false;
}

void DailySavingsWindow::leaveGrids() {
    // The grid being edited is left as if the focus moved to the button.
    for (const GridSlot& g : grids_) g.view->leaveNow();
}

void DailySavingsWindow::finishAndClose(bool& ok) {
    leaveGrids();
    ok = guarded(this, [&] { model_.finish(); });
    if (ok) {
        close();
        model_.shell().refreshViewer();
    }
    syncFromModel();
}

void DailySavingsWindow::openCalculation() {
    leaveGrids();
    model_.page = 0;
    syncFromModel();
    const QString path = chooseCalculationFile(this, false);
    if (path.isEmpty()) return;
    openCalculationFile(path);
}

void DailySavingsWindow::openCalculationFile(const QString& path) {
    leaveGrids();
    if (foreignFile_ && foreignFile_(path)) return;
    model_.page = 0;
    if (act([&] { model_.open(ss(path)); }))
        setWindowTitle(titleOf(model_) + QStringLiteral(" - ") + QFileInfo(path).fileName());
}

void DailySavingsWindow::startCalculation() {
    setWindowTitle(titleOf(model_));
    act([this] { model_.launch(); });
}

void DailySavingsWindow::startMonthlyCalculation(const std::string& caption) {
    if (act([&] { model_.launchMonthly(caption); })) setWindowTitle(titleOf(model_));
}

void DailySavingsWindow::saveCalculation() {
    leaveGrids();
    if (!model_.backupExists()) return;
    QWidget* parent = isVisible() ? static_cast<QWidget*>(this) : mainWindow_;
    const QString target = chooseCalculationFile(parent, true);
    if (target.isEmpty()) return;
    guarded(parent, [&] { model_.saveCopy(ss(target)); });
}

void DailySavingsWindow::finishAndSave() {
    bool ok = false;
    finishAndClose(ok);
    if (ok) saveCalculation();
}

void DailySavingsWindow::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        guarded(this, [&] { model_.shown(); });
        closeExcludedWindows();
        centreOnMainWindow();
    }
    syncFromModel();
    QWidget::showEvent(event);
}

void DailySavingsWindow::closeExcludedWindows() {
    // The São Paulo court-debt window and the configured-savings window give way to daily savings.
    if (model_.variant != ruvivavu::dailysavings::Variant::DailySavings) return;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        const QString name = w->objectName();
        if (w != this && w->isVisible() && (name == QLatin1String("SaoPauloWindow") || name == QLatin1String("TForm7")))
            w->close();
    }
}

void DailySavingsWindow::centreOnMainWindow() {
    centreOn(*this, mainWindow_);
}

bool DailySavingsWindow::holdsUnsavedTyping() {
    for (const GridSlot& g : grids_) g.view->endEditing();
    return model_.hasUnsavedTyping();
}

}  // namespace ruvivavu::gui::savings

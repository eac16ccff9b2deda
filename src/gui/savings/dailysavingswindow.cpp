// The daily-savings wizard window.
#include "gui/savings/dailysavingswindow.h"

#include "core/shell/shell.h"
#include "gui/common/gridmodel.h"
#include "gui/common/gridview.h"
#include "gui/common/guard.h"
#include "gui/common/placement.h"
#include "gui/common/maskdelegate.h"
#include "gui/common/toggledelegate.h"

#include <algorithm>

#include <QApplication>
#include <QBoxLayout>
#include <QButtonGroup>
#include <QCheckBox>
#include <QFileDialog>
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

using ruvivavu::savings::DailySavings;

namespace {

TForm2::FileChooser g_fileChooser;

// Calculation files: "Quorvel (*.e12)", default extension "e12".
const QString kFilter = QStringLiteral("Quorvel (*.e12 *.E12)");
const QString kExtension = QStringLiteral("e12");

QString chooseFile(QWidget* parent, bool save) {
    if (g_fileChooser) return g_fileChooser(parent, save);
    QFileDialog dialog(parent, save ? QStringLiteral("Salvar o Cálculo") : QStringLiteral("Abrir o Cálculo"));
    dialog.setNameFilter(kFilter);
    dialog.setDefaultSuffix(kExtension);
    if (save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().first();
}

int slot(TForm2::GridId id) {
    return static_cast<int>(id);
}

// The lines of a memo are its paragraphs; the empty paragraph after a final line break (where the
// cursor stands after Enter) is not a line of its own.
std::vector<std::string> memoLines(const QPlainTextEdit* memo) {
    const QString text = memo->toPlainText();
    std::vector<std::string> lines;
    if (text.isEmpty()) return lines;
    for (const QString& line : text.split(QLatin1Char('\n'))) lines.push_back(ss(line));
    if (lines.back().empty()) lines.pop_back();
    return lines;
}

// The text showing the lines again: a last empty line needs the line break that ends it.
QString memoText(const std::vector<std::string>& lines) {
    QStringList list;
    for (const std::string& line : lines) list << qs(line);
    QString text = list.join(QLatin1Char('\n'));
    if (!lines.empty() && lines.back().empty()) text += QLatin1Char('\n');
    return text;
}

QLabel* wrappedLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

QPushButton* limparButton(QWidget* parent, const QString& objectName) {
    auto* button = new QPushButton(QStringLiteral("Limpar"), parent);
    button->setObjectName(objectName);
    button->setIcon(parent->style()->standardIcon(QStyle::SP_LineEditClearButton));
    return button;
}

}  // namespace

void TForm2::setFileChooser(FileChooser chooser) {
    g_fileChooser = std::move(chooser);
}

template <class F>
bool TForm2::act(F&& action) {
    const bool ok = guarded(this, std::forward<F>(action));
    syncFromModel();
    return ok;
}

TForm2::TForm2(QWidget* mainWindow, DailySavings& model, QWidget* planWindow, QWidget* indexWindow)
    : QWidget(mainWindow, Qt::Tool | Qt::WindowStaysOnTopHint),
      model_(model),
      mainWindow_(mainWindow),
      planWindow_(planWindow),
      indexWindow_(indexWindow) {
    setObjectName(QStringLiteral("TForm2"));
    setWindowTitle(kAppTitle);

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
    novo_ = topButton(QStringLiteral("Novo"), QStringLiteral("Novo"), QStyle::SP_FileIcon);
    abrir_ = topButton(QStringLiteral("Abrir"), QStringLiteral("Abrir o Cálculo"), QStyle::SP_DialogOpenButton);
    abrirBackup_ = topButton(QStringLiteral("Abrir Backup"), QStringLiteral("Abrir o último cálculo realizado."),
                             QStyle::SP_BrowserReload);
    novo_->setObjectName(QStringLiteral("Novo"));
    abrir_->setObjectName(QStringLiteral("Abrir"));
    abrirBackup_->setObjectName(QStringLiteral("AbrirBackup"));
    topLayout->addStretch(1);

    // The page control with hidden tabs.
    pages_ = new QStackedWidget(this);
    pages_->setObjectName(QStringLiteral("PageControl1"));
    pages_->addWidget(buildPlanPage());
    pages_->addWidget(buildBalancePage());
    pages_->addWidget(buildDifferencePage());
    pages_->addWidget(buildInterestPage());
    pages_->addWidget(buildAmortisationPage());
    pages_->addWidget(buildSheetPage());
    pages_->addWidget(buildTextsPage());

    // Bottom bar.
    fechar_ = new QPushButton(style()->standardIcon(QStyle::SP_DialogCloseButton), QStringLiteral("Fechar"), this);
    anterior_ = new QPushButton(style()->standardIcon(QStyle::SP_ArrowLeft), QStringLiteral("Anterior"), this);
    proximo_ = new QPushButton(style()->standardIcon(QStyle::SP_ArrowRight), QStringLiteral("Próximo"), this);
    finalizar_ =
        new QPushButton(style()->standardIcon(QStyle::SP_DialogApplyButton), QStringLiteral("Finalizar"), this);
    fechar_->setObjectName(QStringLiteral("Fechar"));
    anterior_->setObjectName(QStringLiteral("Anterior"));
    proximo_->setObjectName(QStringLiteral("Proximo"));
    finalizar_->setObjectName(QStringLiteral("Finalizar"));
    finalizar_->setEnabled(false);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(fechar_);
    bottom->addStretch(1);
    bottom->addWidget(anterior_);
    bottom->addWidget(proximo_);
    bottom->addWidget(finalizar_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->setSpacing(4);
    layout->addWidget(top);
    layout->addWidget(pages_, 1);
    layout->addLayout(bottom);

    // Actions.
    connect(novo_, &QToolButton::clicked, this, [this] {
        leaveGrids();
        act([&] {
            model_.page = 0;
            model_.reset();
        });
    });
    connect(abrir_, &QToolButton::clicked, this, [this] { openCalculation(); });
    connect(abrirBackup_, &QToolButton::clicked, this, [this] {
        leaveGrids();
        act([&] {
            model_.page = 0;
            model_.openBackup();
        });
    });
    connect(fechar_, &QPushButton::clicked, this, [this] {
        for (const GridSlot& g : grids_) g.view->endEditing();
        close();
    });
    connect(anterior_, &QPushButton::clicked, this, [this] {
        for (const GridSlot& g : grids_) g.view->endEditing();
        act([&] { model_.previous(); });
    });
    connect(proximo_, &QPushButton::clicked, this, [this] {
        leaveGrids();
        act([&] { model_.next(); });
    });
    connect(finalizar_, &QPushButton::clicked, this, [this] {
        bool ok = false;
        finalizeAndClose(ok);
    });

    model_.showWindow = [this] {
        if (!isVisible()) show();
        raise();
        activateWindow();
    };

    syncFromModel();
    resize(538, 417);
}

TForm2::~TForm2() {
    model_.showWindow = nullptr;
    // The grids lose the focus while the window is torn down: no leave rule runs then.
    for (const GridSlot& g : grids_) disconnect(g.view, nullptr, this, nullptr);
}

GridView* TForm2::gridView(GridId id) const {
    return grids_[slot(id)].view;
}
GridModel* TForm2::gridModel(GridId id) const {
    return grids_[slot(id)].model;
}

GridView* TForm2::makeGrid(GridId id, const QString& objectName) {
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

QWidget* TForm2::buildPlanPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet1"));
    page->setWindowTitle(QStringLiteral("Escolha o plano  "));

    label5_ = new QLabel(page);
    label5_->setObjectName(QStringLiteral("Label5"));
    QPalette red = label5_->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    label5_->setPalette(red);

    auto* adicionar = new QPushButton(QStringLiteral("Adicionar Expurgo"), page);
    adicionar->setObjectName(QStringLiteral("AdicionarExpurgo"));
    auto* configurar = new QPushButton(QStringLiteral("Configurar Índice"), page);
    configurar->setObjectName(QStringLiteral("ConfigurarIndice"));

    auto* group = new QGroupBox(QStringLiteral(" Escolha os Expurgos"), page);
    group->setObjectName(QStringLiteral("GroupBox1"));
    cplanos_ = new QListWidget(group);
    cplanos_->setObjectName(QStringLiteral("CPlanos"));
    GridView* splanos = makeGrid(GridId::Planos, QStringLiteral("SPlanos"));
    splanos->setParent(group);
    splanos->setMinimumWidth(232);
    auto* groupLayout = new QHBoxLayout(group);
    groupLayout->addWidget(cplanos_, 1);
    groupLayout->addWidget(splanos, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(label5_, 1);
    buttons->addWidget(adicionar);
    buttons->addWidget(configurar);

    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(buttons);
    layout->addWidget(group, 1);

    setTabOrder(cplanos_, splanos);

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
    connect(cplanos_, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        if (syncing_) return;
        const int row = cplanos_->row(item);
        const bool checked = item->checkState() == Qt::Checked;
        act([&] { model_.setPlanChecked(row, checked); });
    });
    return page;
}

QWidget* TForm2::buildBalancePage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet2"));
    page->setWindowTitle(QStringLiteral("Saldo"));
    auto* label = wrappedLabel(QStringLiteral("Digite o DIA do aniversário e o SALDO da conta poupança no dia "
                                              "indicado e na moeda indicada: "),
                               page);
    GridView* ssaldo = makeGrid(GridId::Saldo, QStringLiteral("SSaldo"));
    ssaldo->setParent(page);
    ssaldo->horizontalHeader()->setFixedHeight(28);
    ssaldo->verticalHeader()->setDefaultSectionSize(24);
    auto* masks = static_cast<MaskDelegate*>(ssaldo->itemDelegate());
    masks->setHeadingFilter(QStringLiteral("Saldo"), MaskDelegate::Filter::Amount);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(label);
    layout->addWidget(ssaldo, 1);
    return page;
}

QWidget* TForm2::buildDifferencePage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet3"));
    page->setWindowTitle(QStringLiteral("Diferença"));
    GridView* sbase = makeGrid(GridId::Base, QStringLiteral("SBase"));
    sbase->setParent(page);
    sbase->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter | Qt::Alignment(Qt::TextWordWrap));
    sbase->horizontalHeader()->setFixedHeight(44);
    sbase->setFitHeadings(false);
    sbase->setColumnWidths(DailySavings::columnWidths(GridId::Base));
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(sbase, 1);
    return page;
}

QWidget* TForm2::buildInterestPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet4"));
    page->setWindowTitle(QStringLiteral("Juros"));

    // Court interest.
    auto* court = new QGroupBox(
        QStringLiteral("Aplicar Juros Processuais - Digite o valor e a data inicial e final para contagem dos juros "),
        page);
    court->setObjectName(QStringLiteral("GroupBox2"));
    cprorata_ = new QCheckBox(QStringLiteral("Pró-rata"), court);
    cprorata_->setObjectName(QStringLiteral("Cprorata"));
    auto* limparJuros = limparButton(court, QStringLiteral("LimparJuros"));
    // The interest kind of this calculator is always simple; the buttons exist but stay hidden.
    rcomposto_ = new QRadioButton(QStringLiteral("Compostos"), court);
    rsimples_ = new QRadioButton(QStringLiteral("Simples"), court);
    rmes_ = new QRadioButton(QStringLiteral("Mês a mês"), court);
    rcomposto_->setObjectName(QStringLiteral("Rcomposto"));
    rsimples_->setObjectName(QStringLiteral("Rsimples"));
    rmes_->setObjectName(QStringLiteral("Rmes"));
    for (QRadioButton* r : {rcomposto_, rsimples_, rmes_}) r->setVisible(false);
    GridView* stjuros = makeGrid(GridId::TJuros, QStringLiteral("STJuros"));
    stjuros->setParent(court);
    static_cast<MaskDelegate*>(stjuros->itemDelegate())
        ->setHeadingFilter(QStringLiteral("Juros %"), MaskDelegate::Filter::Rate);
    grids_[slot(GridId::TJuros)].model->setEditHook(
        [this](int, int row) { guarded(this, [&] { model_.cellEdited(GridId::TJuros, row); }); });
    auto* courtSide = new QVBoxLayout;
    courtSide->addWidget(cprorata_);
    courtSide->addWidget(limparJuros);
    courtSide->addStretch(1);
    auto* courtLayout = new QHBoxLayout(court);
    courtLayout->addLayout(courtSide);
    courtLayout->addWidget(stjuros, 1);

    // Monthly interest.
    auto* monthly = new QGroupBox(QStringLiteral("Aplicar Juros  mês a mês (juros capitalizados)  "), page);
    monthly->setObjectName(QStringLiteral("GroupBox3"));
    rsemjuros_ = new QRadioButton(QStringLiteral("Não"), monthly);
    rcomjuros_ = new QRadioButton(QStringLiteral("Sim"), monthly);
    rsemjuros_->setObjectName(QStringLiteral("Rsemjuros"));
    rcomjuros_->setObjectName(QStringLiteral("RComjuros"));
    auto* monthlyGroup = new QButtonGroup(monthly);
    monthlyGroup->addButton(rsemjuros_);
    monthlyGroup->addButton(rcomjuros_);
    auto* limparJmes = limparButton(monthly, QStringLiteral("LimparJmes"));
    GridView* jmes = makeGrid(GridId::Jmes, QStringLiteral("Jmes"));
    jmes->setParent(monthly);
    static_cast<MaskDelegate*>(jmes->itemDelegate())
        ->setHeadingFilter(QStringLiteral("Juros %"), MaskDelegate::Filter::Rate);
    grids_[slot(GridId::Jmes)].model->setEditHook(
        [this](int, int row) { guarded(this, [&] { model_.cellEdited(GridId::Jmes, row); }); });
    auto* toggle = new ToggleDelegate(jmes);
    toggle->setToggler([this](const QModelIndex& index) {
        GridModel* m = grids_[slot(GridId::Jmes)].model;
        act([&] { model_.clickJmes(index.column(), m->gridRow(index)); });
    });
    jmes->setItemDelegateForColumn(3, toggle);
    auto* monthlySide = new QVBoxLayout;
    monthlySide->addWidget(rsemjuros_);
    monthlySide->addWidget(rcomjuros_);
    monthlySide->addWidget(limparJmes);
    monthlySide->addStretch(1);
    auto* monthlyLayout = new QHBoxLayout(monthly);
    monthlyLayout->addLayout(monthlySide);
    monthlyLayout->addWidget(jmes, 1);

    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(court, 1);
    layout->addWidget(monthly, 1);

    setTabOrder(cprorata_, limparJuros);
    setTabOrder(limparJuros, stjuros);
    setTabOrder(stjuros, rsemjuros_);
    setTabOrder(rsemjuros_, rcomjuros_);
    setTabOrder(rcomjuros_, limparJmes);
    setTabOrder(limparJmes, jmes);

    connect(cprorata_, &QCheckBox::toggled, this, [this](bool on) {
        if (!syncing_) model_.cprorata = on;
    });
    connect(rcomjuros_, &QRadioButton::toggled, this, [this](bool on) {
        if (!syncing_) model_.setMonthlyInterest(on);
    });
    connect(limparJuros, &QPushButton::clicked, this, [this] {
        gridView(GridId::TJuros)->endEditing();
        act([&] { model_.clearCourtInterest(); });
    });
    connect(limparJmes, &QPushButton::clicked, this, [this] {
        gridView(GridId::Jmes)->endEditing();
        act([&] { model_.clearMonthly(); });
    });
    return page;
}

QWidget* TForm2::buildAmortisationPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet5"));
    page->setWindowTitle(QStringLiteral("Amortização"));
    auto* line1 =
        new QLabel(QStringLiteral("Preencha estes campos com o valor ofertado pelo banco - Valor Incontroverso"), page);
    auto* line2 = new QLabel(QStringLiteral("ou outro valor para amortização."), page);
    auto* limpar = limparButton(page, QStringLiteral("LimparAmortizacao"));
    GridView* amortizacao = makeGrid(GridId::Amortizacao, QStringLiteral("amortizacao"));
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
        gridView(GridId::Amortizacao)->endEditing();
        act([&] { model_.clearAmortisation(); });
    });
    return page;
}

QWidget* TForm2::buildSheetPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet6"));
    page->setWindowTitle(QStringLiteral("Planilha"));
    GridView* planilha = makeGrid(GridId::Planilha, QStringLiteral("planilha"));
    planilha->setParent(page);
    planilha->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter |
                                                      Qt::Alignment(Qt::TextWordWrap));
    planilha->horizontalHeader()->setFixedHeight(58);
    planilha->setFitHeadings(false);
    planilha->setColumnWidths(DailySavings::columnWidths(GridId::Planilha));
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(planilha, 1);
    return page;
}

QWidget* TForm2::buildTextsPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet7"));
    page->setWindowTitle(QStringLiteral("Cabeçalho/Rodapé/Notas"));

    cnotas_ = new QCheckBox(QStringLiteral("Exibir Notas Finais sobre cálculos"), page);
    cnotas_->setObjectName(QStringLiteral("Cnotas"));
    auto* gravar = new QPushButton(style()->standardIcon(QStyle::SP_DialogSaveButton), QStringLiteral("Gravar"), page);
    gravar->setObjectName(QStringLiteral("Gravar"));
    memo1_ = new QPlainTextEdit(page);
    memo2_ = new QPlainTextEdit(page);
    memo1_->setObjectName(QStringLiteral("Memo1"));
    memo2_->setObjectName(QStringLiteral("Memo2"));
    for (QPlainTextEdit* memo : {memo1_, memo2_}) {
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
    note->setObjectName(QStringLiteral("LabelObs"));
    QPalette red = note->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    note->setPalette(red);
    QFont bold = note->font();
    bold.setBold(true);
    note->setFont(bold);

    auto* texts = new QVBoxLayout;
    texts->addWidget(new QLabel(QStringLiteral("Cabeçalho"), page));
    texts->addWidget(memo1_, 1);
    texts->addWidget(new QLabel(QStringLiteral("Rodapé"), page));
    texts->addWidget(memo2_, 1);

    auto* side = new QVBoxLayout;
    side->addWidget(complete);
    side->addWidget(salvar);
    side->addStretch(1);
    side->addWidget(note);

    auto* head = new QHBoxLayout;
    head->addWidget(cnotas_);
    head->addStretch(1);
    head->addWidget(gravar);

    auto* body = new QHBoxLayout;
    body->addLayout(texts, 1);
    body->addLayout(side);

    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(head);
    layout->addLayout(body, 1);

    setTabOrder(cnotas_, gravar);
    setTabOrder(gravar, memo1_);
    setTabOrder(memo1_, memo2_);
    setTabOrder(memo2_, salvar);

    connect(cnotas_, &QCheckBox::toggled, this, [this](bool on) {
        if (!syncing_) model_.cnotas = on;
    });
    connect(memo1_, &QPlainTextEdit::textChanged, this, [this] {
        if (!syncing_) model_.memo1 = memoLines(memo1_);
    });
    connect(memo2_, &QPlainTextEdit::textChanged, this, [this] {
        if (!syncing_) model_.memo2 = memoLines(memo2_);
    });
    connect(gravar, &QPushButton::clicked, this, [this] { act([&] { model_.saveHeaderFooter(); }); });
    connect(salvar, &QPushButton::clicked, this, [this] { finalizeAndSave(); });
    return page;
}

void TForm2::syncFromModel() {
    syncing_ = true;
    for (const GridSlot& g : grids_) g.model->refresh();

    label5_->setText(qs(model_.tableLabel()));

    // The plan list: rebuilt when the plan table changed its items, checks otherwise.
    const auto& plans = model_.plans;
    bool sameItems = cplanos_->count() == static_cast<int>(plans.size());
    for (int i = 0; sameItems && i < cplanos_->count(); ++i) sameItems = cplanos_->item(i)->text() == qs(plans[i].text);
    if (!sameItems) {
        cplanos_->clear();
        for (const auto& plan : plans) {
            auto* item = new QListWidgetItem(qs(plan.text), cplanos_);
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        }
    }
    for (int i = 0; i < cplanos_->count(); ++i)
        cplanos_->item(i)->setCheckState(plans[i].checked ? Qt::Checked : Qt::Unchecked);

    cprorata_->setChecked(model_.cprorata);
    rcomposto_->setChecked(model_.rcomposto);
    rsimples_->setChecked(model_.rsimples);
    rmes_->setChecked(model_.rmes);
    // The two monthly-interest buttons may both be off (a file opened with "false" leaves "Não"
    // alone), so they are set without the group's exclusivity.
    if (auto* group = rcomjuros_->group()) group->setExclusive(false);
    rsemjuros_->setChecked(model_.rsemjuros);
    rcomjuros_->setChecked(model_.rcomjuros);
    if (auto* group = rcomjuros_->group()) group->setExclusive(true);
    cnotas_->setChecked(model_.cnotas);
    if (memoLines(memo1_) != model_.memo1) memo1_->setPlainText(memoText(model_.memo1));
    if (memoLines(memo2_) != model_.memo2) memo2_->setPlainText(memoText(model_.memo2));

    pages_->setCurrentIndex(std::clamp(model_.page, 0, DailySavings::kLastPage));
    finalizar_->setEnabled(model_.finalizarEnabled);
    syncing_ = false;
}

void TForm2::leaveGrids() {
    // The grid being edited is left as if the focus moved to the button.
    for (const GridSlot& g : grids_) g.view->leaveNow();
}

void TForm2::finalizeAndClose(bool& ok) {
    leaveGrids();
    ok = guarded(this, [&] { model_.finalize(); });
    if (ok) {
        close();
        model_.shell().refreshViewer();
    }
    syncFromModel();
}

void TForm2::openCalculation() {
    leaveGrids();
    model_.page = 0;
    syncFromModel();
    const QString path = chooseFile(this, false);
    if (path.isEmpty()) return;
    act([&] { model_.open(ss(path)); });
}

void TForm2::saveCalculation() {
    leaveGrids();
    if (!model_.backupExists()) return;
    QWidget* parent = isVisible() ? static_cast<QWidget*>(this) : mainWindow_;
    const QString target = chooseFile(parent, true);
    if (target.isEmpty()) return;
    guarded(parent, [&] { model_.saveCopy(ss(target)); });
}

void TForm2::finalizeAndSave() {
    bool ok = false;
    finalizeAndClose(ok);
    if (ok) saveCalculation();
}

void TForm2::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        guarded(this, [&] { model_.shown(); });
        closeExcludedWindows();
        centreOnMainWindow();
    }
    syncFromModel();
    QWidget::showEvent(event);
}

void TForm2::closeExcludedWindows() {
    // The São Paulo court-debt window and the configured-savings window give way to this one.
    for (QWidget* w : QApplication::topLevelWidgets()) {
        const QString name = w->objectName();
        if (w != this && w->isVisible() && (name == QLatin1String("TForm5") || name == QLatin1String("TForm7")))
            w->close();
    }
}

void TForm2::centreOnMainWindow() {
    centreOn(*this, mainWindow_);
}

}  // namespace ruvivavu::gui::savings

// The configured-savings wizard window: its pages, its bars and what each button does.
#include "gui/configuredsavings/configuredsavingswindow.h"

#include "core/common/text.h"
#include "core/shell/shell.h"
#include "gui/common/amountedit.h"
#include "gui/common/barbutton.h"
#include "gui/common/dateedit.h"
#include "gui/common/dayedit.h"
#include "gui/common/filedialog.h"
#include "gui/common/guard.h"
#include "gui/common/placement.h"
#include "gui/tools/infowindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileInfo>
#include <QFocusEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include <cstring>

namespace ruvivavu::gui {

namespace cs = ::ruvivavu::configuredsavings;
using cs::MonthField;

namespace {

// The edit names of a purge month, in MonthField order; found by the month's heading.
struct MonthNames {
    const char* heading;
    const char* edits[5];
};
constexpr MonthNames kMonthNames[] = {
    {"Jul/87", {"Ejsijurosjul87", "Ejsisegjun87", "Ejcmjul87", "ESAjun87", "ESPjun87"}},
    {"Fev/89", {"Ejsijurosfev89", "Ejsisegfev89", "Ejcmfev89", "ESAfev89", "ESPfev89"}},
    {"Abr/90", {"Ejsijurosabril90", "Ejsisegabril90", "Ejcmabril90", "ESAmarco90", "ESPabril90"}},
    {"Mai/90", {"Ejsijurosmaio90", "Ejsisegmaio90", "Ejcmmaio90", "ESAmaio90", "ESPmaio90"}},
    {"Jun/90", {"Ejsijurosjun90", "Ejsisegjun90", "Ejcmjun90", "ESAjun90", "ESPjun90"}},
    {"Mar/91", {"Ejsijurosmarco91", "Ejsisegmarco91", "Ejcmmarco91", "ESAfev91", "ESPmarco91"}},
};

const char* editName(const cs::PurgeMonth& month, MonthField field) {
    for (const MonthNames& names : kMonthNames)
        if (std::strcmp(names.heading, month.heading) == 0) return names.edits[static_cast<int>(field)];
    return "";
}

// The row labels of pages 2 to 5, by page, for four and for six months.
const char* const kFourMonthRows[4][4] = {
    {"Julho/87:", "Fevereiro/89 (*)", "Maio/90:", "Junho/90"},
    {"Julho/87:", "Fevereiro/89 (*)", "Maio/90:", "Junho/90"},
    {"Junho/87:", "Janeiro/89 (*)", "Abril/90:", "Maio/90"},
    {"Julho/87:", "Fevereiro/89 (*)", "Maio/90:", "Junho/90"},
};
const char* const kSixMonthRows[4][6] = {
    {"Julho/87:", "Fevereiro/89 (*)", "Abril/90:", "Maio/90:", "Junho/90", "Março/91:"},
    {"Julho/87:", "Fevereiro/89 (*)", "Abril/90", "Maio/90:", "Junho/90", "Março/91"},
    {"Junho/87:", "Janeiro/89 (*)", "Março/90", "Abril/90:", "Maio/90", "Fevereiro/91"},
    {"Julho/87:", "Fevereiro/89 (*)", "Abril/90", "Maio/90:", "Junho/90", "Março/91"},
};

const char* const kMonthPageHeadings[4][2] = {
    {"Digite os valores do Seguro Inflação e os ", "Juros creditados nos campos abaixo"},
    {"Digite abaixo os valores relativos aos Juros somados à Correção (Atualização) ",
     "Monetária (JCM ou JAM) creditados nos meses de Jul/87, Fev/89, e Mai/Jun/90."},
    {"Se você não tiver os extratos dos meses nos quais ocorreu o expurgo e ",
     "tiver apenas o extrato do mês anterior, uma opção é fazer uma projeção. "},
    {"Se você tiver apenas o extrato do mês seguinte, poderá optar em fazer uma ", "estimativa."},
};

template <class W>
W* named(W* widget, const char* name) {
    widget->setObjectName(QString::fromUtf8(name));
    return widget;
}

QLabel* label(const QString& text, QWidget* parent, bool bold = false) {
    auto* l = new QLabel(text, parent);
    if (bold) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    return l;
}

QLabel* redLabel(const QString& text, QWidget* parent) {
    QLabel* l = label(text, parent);
    l->setStyleSheet(QStringLiteral("color: #c00000;"));
    return l;
}

QVBoxLayout* pageLayout(QWidget* page) {
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(18, 12, 18, 12);
    layout->setSpacing(6);
    return layout;
}

// Sets a group of radio buttons as a file may leave it: one checked, or none.
template <std::size_t N>
void setRadios(const std::array<QRadioButton*, N>& buttons, const std::array<bool, N>& checked) {
    for (QRadioButton* b : buttons) b->setAutoExclusive(false);
    for (std::size_t i = 0; i < N; ++i) buttons[i]->setChecked(checked[i]);
    for (QRadioButton* b : buttons) b->setAutoExclusive(true);
}

}  // namespace

ConfiguredSavingsWindow::ConfiguredSavingsWindow(QWidget* mainWindow, shell::Shell& shell, const cs::Variant& variant)
    : QWidget(mainWindow, Qt::Tool | Qt::WindowStaysOnTopHint),
      model_(shell, variant),
      shell_(shell),
      mainWindow_(mainWindow),
      title_(QString::fromUtf8(variant.caption)) {
    const bool six = variant.months.size() == 6;
    setObjectName(six ? QStringLiteral("TForm_conftodos") : QStringLiteral("TForm7"));
    setWindowTitle(title_);
    monthEdits_.resize(variant.months.size());

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    pages_ = new QStackedWidget(this);
    pages_->addWidget(buildStartPage());
    pages_->addWidget(buildOptionsPage());
    for (int page = cs::kInterestPage; page <= cs::kAfterPage; ++page) pages_->addWidget(buildMonthPage(page));
    const char* remuneratoryNames[3] = {"Datejurcompinicial", "Datejurcompfinal", "Ejurcomp"};
    pages_->addWidget(buildInterestPage(QStringLiteral("Lance aqui os Juros Remuneratórios"), remuneratoryStart_,
                                        remuneratoryEnd_, remuneratoryRate_, remuneratoryNames));
    const char* moratoryNames[3] = {"Datejurmorinicial", "Datejurmorfinal", "Ejurmor"};
    pages_->addWidget(buildInterestPage(QStringLiteral("Lance aqui os Juros Moratórios"), moratoryStart_, moratoryEnd_,
                                        moratoryRate_, moratoryNames));
    pages_->addWidget(buildFeesPage());
    pages_->addWidget(buildFinalPage());
    pages_->addWidget(new QWidget(pages_));  // page 10: the statement of account, never shown
    buildBars(pages_);
    for (DateEdit* date : {updateDate_, remuneratoryStart_, remuneratoryEnd_, moratoryStart_, moratoryEnd_})
        date->setFebruaryFrom30(!variant.februaryFrom29);
    resize(six ? QSize(640, 500) : QSize(580, 440));
    writeFields();
    showPage(cs::kStartPage);
}

QWidget* ConfiguredSavingsWindow::buildStartPage() {
    auto* page = new QWidget(pages_);
    auto* l = pageLayout(page);
    if (model_.variant.months.size() == 6) {
        l->addWidget(redLabel(QStringLiteral("Atenção: "), page));
        l->addWidget(label(QStringLiteral("O índice de fevereiro/março de 1991 aplicado à tabela nesta seção:"), page));
        l->addWidget(
            label(QStringLiteral(" \"Poupança Configurada - com os planos Collor I e II\" é de 22,4793."), page));
        l->addWidget(label(
            QStringLiteral("Caso deseje que seja aplicado o índice oficial 7,535% use a opção Poupança Configurada."),
            page));
        l->addSpacing(8);
    }
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(6);
    auto row = [&](const QString& caption, QWidget* field, int width) {
        const int r = grid->rowCount();
        grid->addWidget(label(caption, page), r, 0);
        field->setFixedWidth(width);
        grid->addWidget(field, r, 1, Qt::AlignLeft);
    };
    name_ = named(new QLineEdit(page), "Enome");
    bank_ = named(new QLineEdit(page), "Ebanco");
    branch_ = named(new QLineEdit(page), "Eagencia");
    account_ = named(new QLineEdit(page), "Econta");
    updateDate_ = named(new DateEdit(page), "Dateate");
    day_ = named(model_.variant.lenientFields ? new DayEdit(page) : new QLineEdit(page), "Edia");
    day_->setMaxLength(2);
    row(QStringLiteral("Nome"), name_, 330);
    row(QStringLiteral("Banco"), bank_, 330);
    row(QStringLiteral("Número da Agência"), branch_, 140);
    row(QStringLiteral("Número da Conta"), account_, 140);
    row(QStringLiteral("Atualizar o cálculo até a data"), updateDate_, 100);
    row(QStringLiteral("Dia de Aniversário da conta"), day_, 40);
    grid->setColumnStretch(2, 1);
    l->addLayout(grid);
    l->addSpacing(10);
    tableLabel_ = named(redLabel(QString(), page), "Label47");
    l->addWidget(tableLabel_);
    l->addStretch();
    return page;
}

QWidget* ConfiguredSavingsWindow::buildOptionsPage() {
    auto* page = new QWidget(pages_);
    auto* l = pageLayout(page);
    l->addWidget(label(QStringLiteral("Marque as Opções de Cálculo"), page, true));
    l->addSpacing(6);
    const char* names[4] = {"Rjsi", "Rjcm", "Rsaldoant", "Rsaldopost"};
    const QString captions[4] = {
        QStringLiteral("Juros e Seguro Inflação"), QStringLiteral("Juros e Correção Monetária (JCM)"),
        QStringLiteral("Estimativa Saldo Anterior"), QStringLiteral("Estimativa Saldo Posterior")};
    for (int i = 0; i < 4; ++i) {
        options_[i] = named(new QRadioButton(captions[i], page), names[i]);
        l->addWidget(options_[i]);
    }
    l->addSpacing(10);
    remuneratory_ = named(new QCheckBox(QStringLiteral("Juros Remuneratórios"), page), "Cjc");
    moratory_ = named(new QCheckBox(QStringLiteral("Juros Moratórios"), page), "Cjm");
    fees_ = named(new QCheckBox(QStringLiteral("Honorários"), page), "Chonorarios");
    for (QCheckBox* c : {remuneratory_, moratory_, fees_}) l->addWidget(c);
    l->addStretch();
    return page;
}

QWidget* ConfiguredSavingsWindow::buildMonthPage(int pageIndex) {
    const int which = pageIndex - cs::kInterestPage;
    const auto& months = model_.variant.months;
    const bool six = months.size() == 6;
    auto* page = new QWidget(pages_);
    auto* l = pageLayout(page);
    for (const char* line : kMonthPageHeadings[which]) l->addWidget(label(QString::fromUtf8(line), page, true));
    l->addSpacing(6);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(14);
    grid->setVerticalSpacing(5);
    std::vector<MonthField> fields;
    if (pageIndex == cs::kInterestPage) {
        fields = {MonthField::Interest, MonthField::Correction};
        grid->addWidget(label(QStringLiteral("Mês de Referência"), page, true), 0, 0);
        grid->addWidget(label(QStringLiteral("Juros"), page, true), 0, 1);
        grid->addWidget(label(QStringLiteral("Cor Mon / Seg Inf"), page, true), 0, 2);
    } else {
        fields = {pageIndex == cs::kJcmPage      ? MonthField::Jcm
                  : pageIndex == cs::kBeforePage ? MonthField::Before
                                                 : MonthField::After};
    }
    for (int k = 0; k < static_cast<int>(months.size()); ++k) {
        const int r = k + 1;
        const char* rowLabel = six ? kSixMonthRows[which][k] : kFourMonthRows[which][k];
        grid->addWidget(label(QString::fromUtf8(rowLabel), page), r, 0);
        for (std::size_t c = 0; c < fields.size(); ++c) {
            auto* edit = named(new AmountEdit(AmountEdit::Kind::Amount, page), editName(months[k], fields[c]));
            edit->setFixedWidth(120);
            edit->setAlignment(Qt::AlignRight);
            edit->installEventFilter(this);
            monthEdits_[k][static_cast<int>(fields[c])] = edit;
            monthOf_.insert(edit, MonthEdit{k, fields[c]});
            grid->addWidget(edit, r, static_cast<int>(c) + 1);
        }
        if (k == 1) {
            auto* help =
                named(new QPushButton(QStringLiteral("Ajuda"), page), ("Ajuda" + std::to_string(pageIndex)).c_str());
            help->setFocusPolicy(Qt::NoFocus);
            connect(help, &QPushButton::clicked, this, [] {
                if (InfoWindow* notice = InfoWindow::instance()) {
                    notice->show();
                    notice->raise();
                    notice->activateWindow();
                }
            });
            grid->addWidget(help, r, static_cast<int>(fields.size()) + 1);
        }
    }
    grid->setColumnStretch(static_cast<int>(fields.size()) + 2, 1);
    l->addLayout(grid);
    l->addSpacing(8);
    l->addWidget(redLabel(pageIndex == cs::kBeforePage
                              ? QStringLiteral("(*) Em Janeiro de 89, digite o valor já convertido para NCz$ (Novo "
                                               "Cruzado), ")
                              : QStringLiteral("(*) Em fevereiro de 89, digite o valor já convertido para NCz$ (Novo "
                                               "Cruzado), "),
                          page));
    l->addWidget(redLabel(QStringLiteral("retirando 3 zeros. (Divida o valor por 1000(mil))"), page));
    l->addStretch();
    return page;
}

QWidget* ConfiguredSavingsWindow::buildInterestPage(const QString& heading, DateEdit*& start, DateEdit*& end,
                                                    AmountEdit*& rate, const char* names[3]) {
    auto* page = new QWidget(pages_);
    auto* l = pageLayout(page);
    l->addWidget(label(heading, page, true));
    l->addSpacing(6);
    auto* grid = new QGridLayout;
    start = named(new DateEdit(page), names[0]);
    end = named(new DateEdit(page), names[1]);
    rate = named(new AmountEdit(AmountEdit::Kind::Rate, page), names[2]);
    const QString captions[3] = {QStringLiteral("Data Inicial"), QStringLiteral("Data Final"), QStringLiteral("Juros")};
    QWidget* fields[3] = {start, end, rate};
    for (int i = 0; i < 3; ++i) {
        grid->addWidget(label(captions[i], page), 0, i);
        fields[i]->setFixedWidth(100);
        grid->addWidget(fields[i], 1, i);
    }
    grid->setColumnStretch(3, 1);
    l->addLayout(grid);
    l->addStretch();
    return page;
}

QWidget* ConfiguredSavingsWindow::buildFeesPage() {
    auto* page = new QWidget(pages_);
    auto* l = pageLayout(page);
    l->addWidget(label(QStringLiteral("Honorários"), page, true));
    l->addSpacing(6);
    feesAsPercentage_ =
        named(new QRadioButton(QStringLiteral("Aplicar como porcentagem sobre o cálculo"), page), "Rhonporcentagem");
    feesAsValue_ = named(new QRadioButton(QStringLiteral("Digitarei um valor específico"), page), "Rhonvalor");
    l->addWidget(feesAsPercentage_);
    l->addWidget(feesAsValue_);
    l->addSpacing(6);
    l->addWidget(label(QStringLiteral("Valor/Porcentagem"), page));
    feeValue_ = named(new AmountEdit(AmountEdit::Kind::Rate, page), "Ehonvalor");
    feeValue_->setFixedWidth(120);
    l->addWidget(feeValue_);
    // An amount while a value is chosen, a percentage typed as it stands otherwise.
    connect(feesAsValue_, &QRadioButton::toggled, this,
            [this](bool on) { feeValue_->setKind(on ? AmountEdit::Kind::Amount : AmountEdit::Kind::Rate); });
    l->addStretch();
    return page;
}

QWidget* ConfiguredSavingsWindow::buildFinalPage() {
    auto* page = new QWidget(pages_);
    auto* l = pageLayout(page);
    l->addStretch();
    for (const char* line :
         {"O cálculo está completo, para visualizar o Formulário", "clique no botão Finalizar.",
          "Se desejar salvar o cálculo use o botão abaixo.",
          "Após visualizar o formulário você poderá refazer o cálculo", "usando o botão \"Poupança Configurado\"."}) {
        QLabel* text = label(QString::fromUtf8(line), page);
        text->setAlignment(Qt::AlignHCenter);
        l->addWidget(text);
    }
    l->addSpacing(14);
    auto* save = named(new QPushButton(style()->standardIcon(QStyle::SP_DialogSaveButton),
                                       QStringLiteral("Para Salvar o Cálculo Clique Aqui"), page),
                       "Salvar");
    save->setToolTip(QStringLiteral("Salvar o Cálculo"));
    save->setFocusPolicy(Qt::NoFocus);
    save->setMinimumHeight(36);
    connect(save, &QPushButton::clicked, this, &ConfiguredSavingsWindow::saveCalculation);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(save);
    row->addStretch();
    l->addLayout(row);
    l->addStretch();
    return page;
}

void ConfiguredSavingsWindow::buildBars(QWidget* pages) {
    auto* outer = qobject_cast<QVBoxLayout*>(layout());
    auto* top = new QFrame(this);
    top->setFrameShape(QFrame::StyledPanel);
    auto* tl = new QHBoxLayout(top);
    tl->setContentsMargins(4, 2, 4, 2);
    tl->setSpacing(2);
    connect(barButton(top, tl, "Novo", QStringLiteral("Novo"), QStringLiteral("Novo"), QStyle::SP_FileIcon),
            &QToolButton::clicked, this, &ConfiguredSavingsWindow::reset);
    connect(barButton(top, tl, "Abrir", QStringLiteral("Abrir"), QStringLiteral("Abrir o Cálculo"),
                      QStyle::SP_DialogOpenButton),
            &QToolButton::clicked, this, &ConfiguredSavingsWindow::open);
    connect(barButton(top, tl, "AbrirBackup", QStringLiteral("Abrir Backup"),
                      QStringLiteral("Abrir o último cálculo realizado."), QStyle::SP_BrowserReload),
            &QToolButton::clicked, this, &ConfiguredSavingsWindow::openBackup);
    tl->addStretch();
    outer->addWidget(top);
    outer->addWidget(pages, 1);

    auto* bottom = new QFrame(this);
    bottom->setFrameShape(QFrame::StyledPanel);
    auto* bl = new QHBoxLayout(bottom);
    bl->setContentsMargins(6, 4, 6, 4);
    connect(barButton(bottom, bl, "Fechar", QStringLiteral("Fechar"), QString(), QStyle::SP_DialogCloseButton),
            &QToolButton::clicked, this, &QWidget::close);
    bl->addStretch();
    connect(barButton(bottom, bl, "Anterior", QStringLiteral("Anterior"), QString(), QStyle::SP_ArrowLeft),
            &QToolButton::clicked, this, &ConfiguredSavingsWindow::previous);
    auto* next = barButton(bottom, bl, "Proximo", QStringLiteral("Próximo"), QString(), QStyle::SP_ArrowRight);
    next->setLayoutDirection(Qt::RightToLeft);  // the arrow after the text
    connect(next, &QToolButton::clicked, this, &ConfiguredSavingsWindow::next);
    bl->addSpacing(12);
    finish_ =
        named(new QPushButton(style()->standardIcon(QStyle::SP_DialogApplyButton), QStringLiteral("Finalizar"), bottom),
              "Finalizar");
    finish_->setFocusPolicy(Qt::NoFocus);
    bl->addWidget(finish_);
    connect(finish_, &QPushButton::clicked, this, &ConfiguredSavingsWindow::finish);
    outer->addWidget(bottom);
}

int ConfiguredSavingsWindow::currentPage() const {
    return pages_->currentIndex();
}

void ConfiguredSavingsWindow::showPage(int page) {
    pages_->setCurrentIndex(page);
    finish_->setEnabled(model_.finishEnabled);
}

void ConfiguredSavingsWindow::readFields() {
    cs::Fields& f = model_.fields;
    f.name = ss(name_->text());
    f.bank = ss(bank_->text());
    f.branch = ss(branch_->text());
    f.account = ss(account_->text());
    f.anniversaryDay = ss(day_->text());
    f.updateDate = ss(updateDate_->maskText());
    f.byInterest = options_[0]->isChecked();
    f.byJcm = options_[1]->isChecked();
    f.byBalanceBefore = options_[2]->isChecked();
    f.byBalanceAfter = options_[3]->isChecked();
    f.remuneratory = remuneratory_->isChecked();
    f.moratory = moratory_->isChecked();
    f.fees = fees_->isChecked();
    for (std::size_t k = 0; k < monthEdits_.size(); ++k)
        for (int field = 0; field < 5; ++field)
            f.months[k][static_cast<MonthField>(field)] = ss(monthEdits_[k][field]->text());
    f.remuneratoryStart = ss(remuneratoryStart_->maskText());
    f.remuneratoryEnd = ss(remuneratoryEnd_->maskText());
    f.remuneratoryRate = ss(remuneratoryRate_->text());
    f.moratoryStart = ss(moratoryStart_->maskText());
    f.moratoryEnd = ss(moratoryEnd_->maskText());
    f.moratoryRate = ss(moratoryRate_->text());
    f.feesAsPercentage = feesAsPercentage_->isChecked();
    f.feesAsValue = feesAsValue_->isChecked();
    f.feeValue = ss(feeValue_->text());
}

void ConfiguredSavingsWindow::writeFields() {
    const cs::Fields& f = model_.fields;
    name_->setText(qs(f.name));
    bank_->setText(qs(f.bank));
    branch_->setText(qs(f.branch));
    account_->setText(qs(f.account));
    day_->setText(qs(f.anniversaryDay));
    updateDate_->setMaskText(qs(f.updateDate));
    setRadios(options_, {f.byInterest, f.byJcm, f.byBalanceBefore, f.byBalanceAfter});
    remuneratory_->setChecked(f.remuneratory);
    moratory_->setChecked(f.moratory);
    fees_->setChecked(f.fees);
    for (std::size_t k = 0; k < monthEdits_.size(); ++k) writeMonth(static_cast<int>(k));
    remuneratoryStart_->setMaskText(qs(f.remuneratoryStart));
    remuneratoryEnd_->setMaskText(qs(f.remuneratoryEnd));
    remuneratoryRate_->setText(qs(f.remuneratoryRate));
    moratoryStart_->setMaskText(qs(f.moratoryStart));
    moratoryEnd_->setMaskText(qs(f.moratoryEnd));
    moratoryRate_->setText(qs(f.moratoryRate));
    setRadios(std::array{feesAsPercentage_, feesAsValue_}, {f.feesAsPercentage, f.feesAsValue});
    feeValue_->setKind(f.feesAsValue ? AmountEdit::Kind::Amount : AmountEdit::Kind::Rate);
    feeValue_->setText(qs(f.feeValue));
    tableLabel_->setText(qs(model_.tableLabel));
    finish_->setEnabled(model_.finishEnabled);
}

void ConfiguredSavingsWindow::writeMonth(int month) {
    for (int field = 0; field < 5; ++field)
        monthEdits_[month][field]->setText(qs(model_.fields.months[month][static_cast<MonthField>(field)]));
}

void ConfiguredSavingsWindow::leaveMonthEdit(const MonthEdit& edit) {
    guarded(this, [&] {
        readFields();
        model_.leaveMonthField(edit.month, edit.field);
    });
    writeMonth(edit.month);
}

bool ConfiguredSavingsWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && !leaving_) {
        // Another window taking over (a message box, a menu) is not leaving the field.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        auto it = monthOf_.constFind(watched);
        if (it != monthOf_.constEnd() && reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            leaveMonthEdit(*it);
    }
    return QWidget::eventFilter(watched, event);
}

void ConfiguredSavingsWindow::leaveField() {
    QWidget* field = focusWidget();
    if (!field) return;
    if (auto* date = qobject_cast<DateEdit*>(field)) {
        date->leave();
        return;
    }
    if (auto it = monthOf_.constFind(field); it != monthOf_.constEnd()) leaveMonthEdit(*it);
    leaving_ = true;
    field->clearFocus();
    leaving_ = false;
}

bool ConfiguredSavingsWindow::takeTyping() {
    return guarded(this, [this] {
        leaveField();
        readFields();
    });
}

void ConfiguredSavingsWindow::start() {
    show();
    raise();
    activateWindow();
}

void ConfiguredSavingsWindow::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        guarded(this, [this] { model_.shown(); });
        closeExcludedWindows();
        // The four-month window opens on the main window, the six-month one on the screen.
        centreOn(*this, model_.variant.months.size() == 6 ? nullptr : mainWindow_);
        writeFields();
        filled_ = true;
        showPage(cs::kStartPage);
    }
    QWidget::showEvent(event);
}

void ConfiguredSavingsWindow::closeExcludedWindows() {
    // The daily-savings and São Paulo court-debt windows give way to this one.
    for (QWidget* w : QApplication::topLevelWidgets()) {
        const QString name = w->objectName();
        if (w != this && w->isVisible() &&
            (name == QLatin1String("DailySavingsWindow") || name == QLatin1String("SaoPauloWindow")))
            w->close();
    }
}

void ConfiguredSavingsWindow::next() {
    if (!takeTyping()) return;
    guarded(this, [this] { model_.next(); });
    showPage(model_.page);
}

void ConfiguredSavingsWindow::previous() {
    if (!takeTyping()) return;
    model_.previous();
    showPage(model_.page);
}

void ConfiguredSavingsWindow::reset() {
    readFields();
    model_.reset();
    writeFields();
    showPage(model_.page);
}

void ConfiguredSavingsWindow::openPath(const QString& path) {
    if (guarded(this, [&] { model_.open(ss(path)); }))
        setWindowTitle(title_ + QStringLiteral(" - ") + QFileInfo(path).fileName());
    writeFields();
    showPage(model_.page);
}

void ConfiguredSavingsWindow::open() {
    // A field whose typing cannot be taken keeps it: nothing is opened over it.
    if (!takeTyping()) return;
    model_.page = cs::kStartPage;
    showPage(cs::kStartPage);
    const QString extension = QString::fromUtf8(model_.variant.extension);
    const QString path = askForFile(
        this, {FileRequest::Open, QString(), QStringLiteral("Quorvel (*.%1 *.%2)").arg(extension, extension.toUpper()),
               extension, QString()});
    if (!path.isEmpty()) openPath(path);
}

void ConfiguredSavingsWindow::openFile(const QString& path) {
    if (!isVisible()) start();
    if (!takeTyping()) return;
    openPath(path);
}

void ConfiguredSavingsWindow::openBackup() {
    if (!takeTyping()) return;
    guarded(this, [this] { model_.openBackup(); });
    writeFields();
    showPage(model_.page);
}

void ConfiguredSavingsWindow::saveCalculation() {
    if (!takeTyping() || !model_.backupExists()) return;
    const QString extension = QString::fromUtf8(model_.variant.extension);
    const QString path = askForFile(
        this, {FileRequest::Save, QString(), QStringLiteral("Quorvel (*.%1)").arg(extension), extension, QString()});
    if (path.isEmpty()) return;
    guarded(this, [&] { model_.saveCopy(ss(path)); });
}

void ConfiguredSavingsWindow::finish() {
    const bool done = guarded(this, [this] {
        leaveField();
        readFields();
        model_.finish();
    });
    if (!done) return;
    close();
    shell_.refreshViewer();
}

bool ConfiguredSavingsWindow::holdsUnsavedTyping() {
    // A window never shown has empty fields: what there is lies in the model.
    if (filled_) readFields();
    return model_.hasUnsavedTyping();
}

}  // namespace ruvivavu::gui

// The FGTS purge wizard window: its pages, its bars and what each button does.
#include "gui/fgts/fgtswindow.h"

#include "core/common/fileio.h"
#include "core/common/text.h"
#include "core/fgts/model.h"
#include "gui/common/amountedit.h"
#include "gui/common/barbutton.h"
#include "gui/common/dateedit.h"
#include "gui/common/filedialog.h"
#include "gui/common/gridmodel.h"
#include "gui/common/gridview.h"
#include "gui/common/guard.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStackedWidget>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace ruvivavu::gui {

namespace {

const QString kTitle = QStringLiteral("Expurgos FGTS");

QLabel* label(const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    return l;
}

template <class W>
W* named(W* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// A page laid out top to bottom with the window's margins.
QVBoxLayout* pageLayout(QWidget* page) {
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(16, 12, 16, 12);
    layout->setSpacing(6);
    return layout;
}

void setRadio(QRadioButton* a, QRadioButton* b, bool aOn, bool bOn) {
    // A calculation file may select neither rate; the buttons then show neither.
    a->setAutoExclusive(false);
    b->setAutoExclusive(false);
    a->setChecked(aOn);
    b->setChecked(bOn);
    a->setAutoExclusive(true);
    b->setAutoExclusive(true);
}

}  // namespace

FgtsWindow::FgtsWindow(shell::Shell& shell, QWidget* parent)
    : QWidget(parent, Qt::Window), shell_(shell), calculator_(shell) {
    setObjectName(QStringLiteral("FormFGTS"));
    setWindowTitle(kTitle);
    setAttribute(Qt::WA_QuitOnClose, false);  // closing the main window ends the program
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    pages_ = new QStackedWidget(this);
    buildPages();
    QWidget* bottom = buildBars();
    layout->addWidget(pages_, 1);
    layout->addWidget(bottom);
    setFixedSize(500, 380);
    writeFields();
    showPage(0);
}

void FgtsWindow::buildPages() {
    // Page 0: header, options and the update date.
    auto* p0 = new QWidget(pages_);
    auto* l0 = pageLayout(p0);
    l0->addWidget(label(QStringLiteral("Cabeçalho do formulário:"), p0));
    header_ = named(new QPlainTextEdit(p0), "header");
    header_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    header_->setTabChangesFocus(true);
    header_->setFixedHeight(110);
    l0->addWidget(header_);
    withInterest_ = named(new QCheckBox(QStringLiteral("Cálcular juros de mora"), p0), "withInterest");
    withFees_ = named(new QCheckBox(QStringLiteral("Calcular Honorários"), p0), "withFees");
    withCosts_ = named(new QCheckBox(QStringLiteral("Calcular custas"), p0), "withCosts");
    l0->addWidget(withInterest_);
    l0->addWidget(withFees_);
    l0->addWidget(withCosts_);
    l0->addSpacing(6);
    l0->addWidget(label(QStringLiteral("Data de atualização"), p0));
    updateDate_ = named(new DateEdit(p0), "updateDate");
    updateDate_->setFixedWidth(100);
    l0->addWidget(updateDate_);
    l0->addStretch();

    // Page 1: moratory interest.
    auto* p1 = new QWidget(pages_);
    auto* l1 = pageLayout(p1);
    l1->addWidget(label(QStringLiteral("Data de início  - juros de mora"), p1));
    interestStart_ = named(new DateEdit(p1), "interestStart");
    interestStart_->setFixedWidth(100);
    l1->addWidget(interestStart_);
    l1->addSpacing(10);
    l1->addWidget(label(QStringLiteral("Taxa de juros moratórios ao ano% \"6 ou 12\""), p1));
    interestRate_ = named(new AmountEdit(AmountEdit::Kind::AmountWithComma, p1), "interestRate");
    interestRate_->setFixedWidth(100);
    l1->addWidget(interestRate_);
    l1->addStretch();

    // Page 2: fees.
    auto* p2 = new QWidget(pages_);
    auto* l2 = pageLayout(p2);
    l2->addWidget(label(QStringLiteral("Honorários%"), p2));
    feePercent_ = named(new AmountEdit(AmountEdit::Kind::Amount, p2), "feePercent");
    feePercent_->setFixedWidth(100);
    l2->addWidget(feePercent_);
    l2->addStretch();

    // Page 3: court costs.
    auto* p3 = new QWidget(pages_);
    auto* l3 = pageLayout(p3);
    l3->addWidget(label(QStringLiteral("Reembolso de Custas \"Valor\""), p3));
    costs_ = named(new AmountEdit(AmountEdit::Kind::Amount, p3), "costs");
    costs_->setFixedWidth(120);
    l3->addWidget(costs_);
    l3->addStretch();

    // Page 4: the plans and the remuneratory interest.
    auto* p4 = new QWidget(pages_);
    auto* l4 = pageLayout(p4);
    auto* plans = new QGroupBox(QStringLiteral("Diferenças do FGTS"), p4);
    auto* grid = new QGridLayout(plans);
    grid->setHorizontalSpacing(14);
    grid->setVerticalSpacing(10);
    withVerao_ = named(new QCheckBox(QStringLiteral("Plano Verão"), plans), "withVerao");
    veraoBalance_ = named(new AmountEdit(AmountEdit::Kind::Amount, plans), "veraoBalance");
    withCollor_ = named(new QCheckBox(QStringLiteral("Plano Collor I"), plans), "withCollor");
    collorBalance_ = named(new AmountEdit(AmountEdit::Kind::Amount, plans), "collorBalance");
    grid->addWidget(withVerao_, 0, 0);
    grid->addWidget(label(QStringLiteral("Valor - Extrato FGTS\nMarço de 1989"), plans), 0, 1);
    grid->addWidget(veraoBalance_, 0, 2);
    grid->addWidget(withCollor_, 1, 0);
    grid->addWidget(label(QStringLiteral("Valor - Extrato FGTS\nMaio de 1990"), plans), 1, 1);
    grid->addWidget(collorBalance_, 1, 2);
    grid->setColumnStretch(1, 1);
    veraoBalance_->setFixedWidth(130);
    collorBalance_->setFixedWidth(130);
    l4->addWidget(plans);
    auto* rates = new QGroupBox(QStringLiteral("Juros Remuneratórios "), p4);
    auto* rl = new QHBoxLayout(rates);
    jam3_ = named(new QRadioButton(QStringLiteral("3%"), rates), "jam3");
    jam6_ = named(new QRadioButton(QStringLiteral("6%"), rates), "jam6");
    rl->addWidget(jam3_);
    rl->addWidget(jam6_);
    rl->addStretch();
    l4->addWidget(rates);
    l4->addStretch();

    // Page 5: save and finish.
    auto* p5 = new QWidget(pages_);
    auto* l5 = pageLayout(p5);
    l5->addStretch();
    auto* save = named(
        new QPushButton(style()->standardIcon(QStyle::SP_DialogSaveButton), QStringLiteral("Salvar o cálculo"), p5),
        "saveButton");
    save->setToolTip(QStringLiteral("Salvar Cálculo"));
    finish_ =
        named(new QPushButton(style()->standardIcon(QStyle::SP_DialogApplyButton), QStringLiteral("Finalizar"), p5),
              "finishButton");
    for (QPushButton* b : {save, finish_}) {
        b->setMinimumSize(180, 40);
        auto* row = new QHBoxLayout;
        row->addStretch();
        row->addWidget(b);
        row->addStretch();
        l5->addLayout(row);
    }
    l5->addStretch();
    connect(save, &QPushButton::clicked, this, &FgtsWindow::saveCalculation);
    connect(finish_, &QPushButton::clicked, this, &FgtsWindow::finish);

    // Page 6: the result grid, kept for the statement and never shown.
    auto* p6 = new QWidget(pages_);
    auto* l6 = new QVBoxLayout(p6);
    l6->setContentsMargins(0, 0, 0, 0);
    sheetView_ = named(new GridView(p6), "sheet");
    sheetModel_ = new GridModel(calculator_.sheet, GridModel::FixedRows::AsRows, this);
    sheetView_->setModel(sheetModel_);
    l6->addWidget(sheetView_);

    for (QWidget* page : {p0, p1, p2, p3, p4, p5, p6}) pages_->addWidget(page);
}

QWidget* FgtsWindow::buildBars() {
    // Top bar: "Novo", "Abrir", "Abrir Backup".
    auto* top = new QWidget(this);
    top->setObjectName(QStringLiteral("ToolBar"));
    auto* tl = new QHBoxLayout(top);
    tl->setContentsMargins(6, 4, 6, 4);
    tl->setSpacing(2);
    connect(barButton(top, tl, "newButton", QStringLiteral("Novo"), QStringLiteral("Novo"), QStyle::SP_FileIcon),
            &QToolButton::clicked, this, &FgtsWindow::reset);
    connect(barButton(top, tl, "openButton", QStringLiteral("Abrir"), QStringLiteral("Abrir Cálculo"),
                      QStyle::SP_DialogOpenButton),
            &QToolButton::clicked, this, &FgtsWindow::open);
    connect(barButton(top, tl, "openBackupButton", QStringLiteral("Abrir Backup"),
                      QStringLiteral("Abrir último cálculo"), QStyle::SP_BrowserReload),
            &QToolButton::clicked, this, &FgtsWindow::openBackup);
    tl->addStretch();
    auto* outer = qobject_cast<QVBoxLayout*>(layout());
    auto* line1 = new QFrame(this);
    line1->setFrameShape(QFrame::HLine);
    line1->setFrameShadow(QFrame::Sunken);
    outer->addWidget(top);
    outer->addWidget(line1);

    // Bottom bar: "Fechar" on the left, "Anterior" and "Próximo" on the right.
    auto* bottom = new QWidget(this);
    auto* bl = new QHBoxLayout(bottom);
    bl->setContentsMargins(6, 4, 6, 6);
    connect(barButton(bottom, bl, "closeButton", QStringLiteral("Fechar"), QString(), QStyle::SP_DialogCloseButton),
            &QToolButton::clicked, this, &QWidget::hide);
    bl->addStretch();
    connect(barButton(bottom, bl, "previousButton", QStringLiteral("Anterior"), QString(), QStyle::SP_ArrowLeft),
            &QToolButton::clicked, this, &FgtsWindow::previous);
    auto* next = barButton(bottom, bl, "nextButton", QStringLiteral("Próximo"), QString(), QStyle::SP_ArrowRight);
    next->setLayoutDirection(Qt::RightToLeft);  // the arrow after the text
    connect(next, &QToolButton::clicked, this, &FgtsWindow::next);

    auto* wrap = new QWidget(this);
    auto* wl = new QVBoxLayout(wrap);
    wl->setContentsMargins(0, 0, 0, 0);
    wl->setSpacing(0);
    auto* line2 = new QFrame(wrap);
    line2->setFrameShape(QFrame::HLine);
    line2->setFrameShadow(QFrame::Sunken);
    wl->addWidget(line2);
    wl->addWidget(bottom);
    return wrap;
}

int FgtsWindow::currentPage() const {
    return pages_->currentIndex();
}

void FgtsWindow::showPage(int page) {
    pages_->setCurrentIndex(page);
}

void FgtsWindow::readFields() {
    ruvivavu::fgts::Fields& f = calculator_.fields;
    f.header = ruvivavu::memoLines(ss(header_->toPlainText()));
    f.updateDate = ss(updateDate_->maskText());
    f.withInterest = withInterest_->isChecked();
    f.withFees = withFees_->isChecked();
    f.withCosts = withCosts_->isChecked();
    f.interestStart = ss(interestStart_->maskText());
    f.interestRate = ss(interestRate_->text());
    f.feePercent = ss(feePercent_->text());
    f.costs = ss(costs_->text());
    f.withVerao = withVerao_->isChecked();
    f.veraoBalance = ss(veraoBalance_->text());
    f.withCollor = withCollor_->isChecked();
    f.collorBalance = ss(collorBalance_->text());
    f.jam3 = jam3_->isChecked();
    f.jam6 = jam6_->isChecked();
}

void FgtsWindow::writeFields() {
    const ruvivavu::fgts::Fields& f = calculator_.fields;
    header_->setPlainText(qs(ruvivavu::memoText(f.header)));
    updateDate_->setMaskText(qs(f.updateDate));
    withInterest_->setChecked(f.withInterest);
    withFees_->setChecked(f.withFees);
    withCosts_->setChecked(f.withCosts);
    interestStart_->setMaskText(qs(f.interestStart));
    interestRate_->setText(qs(f.interestRate));
    feePercent_->setText(qs(f.feePercent));
    costs_->setText(qs(f.costs));
    withVerao_->setChecked(f.withVerao);
    veraoBalance_->setText(qs(f.veraoBalance));
    withCollor_->setChecked(f.withCollor);
    collorBalance_->setText(qs(f.collorBalance));
    setRadio(jam3_, jam6_, f.jam3, f.jam6);
    finish_->setEnabled(calculator_.finishEnabled);
}

void FgtsWindow::leaveField() {
    QWidget* field = focusWidget();
    if (auto* date = qobject_cast<DateEdit*>(field)) {
        date->leave();
    } else if (field) {
        field->clearFocus();
    }
}

void FgtsWindow::launch() {
    shell_.enablePreview();
    calculator_.launch();
    setWindowTitle(kTitle);
    showPage(0);
    show();
    raise();
    activateWindow();
    calculator_.page = 0;
}

void FgtsWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    calculator_.shown();
    sheetModel_->refresh();
    showPage(0);
    if (!centred_) {
        centred_ = true;
        if (QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
    }
}

bool FgtsWindow::takeTyping() {
    return guarded(this, [this] {
        leaveField();
        readFields();
    });
}

void FgtsWindow::next() {
    if (!takeTyping()) return;
    try {
        calculator_.next();
    } catch (const ruvivavu::fgts::PageCheckFailed& check) {
        showMessage(this, qs(check.what()));
        (check.field == ruvivavu::fgts::DateField::UpdateDate ? updateDate_ : interestStart_)->setFocus();
        return;
    }
    showPage(calculator_.page);
    finish_->setEnabled(calculator_.finishEnabled);
}

void FgtsWindow::previous() {
    if (!takeTyping()) return;
    calculator_.previous();
    showPage(calculator_.page);
}

void FgtsWindow::reset() {
    calculator_.reset();
    writeFields();
    showPage(0);
    show();
}

void FgtsWindow::open() {
    // A field whose typing cannot be taken keeps it: nothing is opened over it.
    if (!takeTyping()) return;
    showPage(0);
    const QString path = askForFile(
        this, {FileRequest::Open, QString(), QStringLiteral("Quorvel (*.FG *.fg)"), QStringLiteral("fg"), QString()});
    if (path.isEmpty()) {
        calculator_.page = 0;
        calculator_.finishEnabled = false;
    } else if (guarded(this, [&] { calculator_.open(ss(path)); })) {
        setWindowTitle(kTitle + QStringLiteral(" - ") + QFileInfo(path).fileName());
    }
    writeFields();
    showPage(0);
}

void FgtsWindow::openFile(const QString& path) {
    if (!isVisible()) launch();
    if (!takeTyping()) return;
    showPage(0);
    if (guarded(this, [&] { calculator_.open(ss(path)); }))
        setWindowTitle(kTitle + QStringLiteral(" - ") + QFileInfo(path).fileName());
    writeFields();
    showPage(0);
}

void FgtsWindow::openBackup() {
    if (!takeTyping()) return;
    showPage(0);
    guarded(this, [this] { calculator_.openBackup(); });
    writeFields();
    showPage(0);
}

void FgtsWindow::saveCalculation() {
    guarded(this, [this] {
        leaveField();
        if (!fileExists(shell_.dataFile(ruvivavu::fgts::kBackupFile))) return;
        const QString path = askForFile(
            this, {FileRequest::Save, QString(), QStringLiteral("Quorvel (*.fg)"), QStringLiteral("fg"), QString()});
        if (path.isEmpty()) return;
        calculator_.saveCopy(ss(path));
    });
}

void FgtsWindow::finish() {
    const bool done = guarded(this, [this] {
        leaveField();
        readFields();
        calculator_.finish();
    });
    sheetModel_->refresh();
    if (!done) return;
    hide();
    shell_.refreshViewer();
}

bool FgtsWindow::holdsUnsavedTyping() {
    readFields();
    return calculator_.hasUnsavedTyping();
}

}  // namespace ruvivavu::gui

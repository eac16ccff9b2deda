// The FGTS purge wizard window: its pages, its bars and what each button does.
#include "gui/fgts/fgtswindow.h"

#include "core/common/fileio.h"
#include "core/fgts/acoes.h"
#include "core/fgts/calcfile.h"
#include "gui/common/amountedit.h"
#include "gui/common/dateedit.h"
#include "gui/common/gridmodel.h"
#include "gui/common/gridview.h"
#include "gui/common/guard.h"

#include <QCheckBox>
#include <QFileDialog>
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

FgtsWindow::FgtsWindow(shell::Shell& shell, QWidget* parent) : QWidget(parent, Qt::Window), shell_(shell) {
    setObjectName(QStringLiteral("FormFGTS"));
    setWindowTitle(QStringLiteral("Expurgos FGTS"));
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
    edit1_ = named(new QPlainTextEdit(p0), "Edit1");
    edit1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    edit1_->setTabChangesFocus(true);
    edit1_->setFixedHeight(110);
    l0->addWidget(edit1_);
    cjuros_ = named(new QCheckBox(QStringLiteral("Cálcular juros de mora"), p0), "Cjuros");
    chonorarios_ = named(new QCheckBox(QStringLiteral("Calcular Honorários"), p0), "Chonorarios");
    ccustas_ = named(new QCheckBox(QStringLiteral("Calcular custas"), p0), "Ccustas");
    l0->addWidget(cjuros_);
    l0->addWidget(chonorarios_);
    l0->addWidget(ccustas_);
    l0->addSpacing(6);
    l0->addWidget(label(QStringLiteral("Data de atualização"), p0));
    dataini_ = named(new DateEdit(p0), "Dataini");
    dataini_->setFixedWidth(100);
    l0->addWidget(dataini_);
    l0->addStretch();

    // Page 1: moratory interest.
    auto* p1 = new QWidget(pages_);
    auto* l1 = pageLayout(p1);
    l1->addWidget(label(QStringLiteral("Data de início  - juros de mora"), p1));
    datajuros_ = named(new DateEdit(p1), "Datajuros");
    datajuros_->setFixedWidth(100);
    l1->addWidget(datajuros_);
    l1->addSpacing(10);
    l1->addWidget(label(QStringLiteral("Taxa de juros moratórios ao ano% \"6 ou 12\""), p1));
    txjur_ = named(new AmountEdit(AmountEdit::Kind::AmountWithComma, p1), "Txjur");
    txjur_->setFixedWidth(100);
    l1->addWidget(txjur_);
    l1->addStretch();

    // Page 2: fees.
    auto* p2 = new QWidget(pages_);
    auto* l2 = pageLayout(p2);
    l2->addWidget(label(QStringLiteral("Honorários%"), p2));
    hono_ = named(new AmountEdit(AmountEdit::Kind::Amount, p2), "hono");
    hono_->setFixedWidth(100);
    l2->addWidget(hono_);
    l2->addStretch();

    // Page 3: court costs.
    auto* p3 = new QWidget(pages_);
    auto* l3 = pageLayout(p3);
    l3->addWidget(label(QStringLiteral("Reembolso de Custas \"Valor\""), p3));
    cust_ = named(new AmountEdit(AmountEdit::Kind::Amount, p3), "cust");
    cust_->setFixedWidth(120);
    l3->addWidget(cust_);
    l3->addStretch();

    // Page 4: the plans and the remuneratory interest.
    auto* p4 = new QWidget(pages_);
    auto* l4 = pageLayout(p4);
    auto* plans = new QGroupBox(QStringLiteral("Diferenças do FGTS"), p4);
    auto* grid = new QGridLayout(plans);
    grid->setHorizontalSpacing(14);
    grid->setVerticalSpacing(10);
    cverao_ = named(new QCheckBox(QStringLiteral("Plano Verão"), plans), "Cverao");
    jcsaldos_ = named(new AmountEdit(AmountEdit::Kind::Amount, plans), "JCsaldos");
    ccollor_ = named(new QCheckBox(QStringLiteral("Plano Collor I"), plans), "Ccollor");
    jcollor_ = named(new AmountEdit(AmountEdit::Kind::Amount, plans), "JCollor");
    grid->addWidget(cverao_, 0, 0);
    grid->addWidget(label(QStringLiteral("Valor - Extrato FGTS\nMarço de 1989"), plans), 0, 1);
    grid->addWidget(jcsaldos_, 0, 2);
    grid->addWidget(ccollor_, 1, 0);
    grid->addWidget(label(QStringLiteral("Valor - Extrato FGTS\nMaio de 1990"), plans), 1, 1);
    grid->addWidget(jcollor_, 1, 2);
    grid->setColumnStretch(1, 1);
    jcsaldos_->setFixedWidth(130);
    jcollor_->setFixedWidth(130);
    l4->addWidget(plans);
    auto* rates = new QGroupBox(QStringLiteral("Juros Remuneratórios "), p4);
    auto* rl = new QHBoxLayout(rates);
    jr3_ = named(new QRadioButton(QStringLiteral("3%"), rates), "JR3");
    jr6_ = named(new QRadioButton(QStringLiteral("6%"), rates), "JR6");
    rl->addWidget(jr3_);
    rl->addWidget(jr6_);
    rl->addStretch();
    l4->addWidget(rates);
    l4->addStretch();

    // Page 5: save and finish.
    auto* p5 = new QWidget(pages_);
    auto* l5 = pageLayout(p5);
    l5->addStretch();
    auto* save = named(
        new QPushButton(style()->standardIcon(QStyle::SP_DialogSaveButton), QStringLiteral("Salvar o cálculo"), p5),
        "SpeedButton3");
    save->setToolTip(QStringLiteral("Salvar Cálculo"));
    bfim_ = named(new QPushButton(style()->standardIcon(QStyle::SP_DialogApplyButton), QStringLiteral("Finalizar"), p5),
                  "Bfim");
    for (QPushButton* b : {save, bfim_}) {
        b->setMinimumSize(180, 40);
        auto* row = new QHBoxLayout;
        row->addStretch();
        row->addWidget(b);
        row->addStretch();
        l5->addLayout(row);
    }
    l5->addStretch();
    connect(save, &QPushButton::clicked, this, &FgtsWindow::salvarCalculo);
    connect(bfim_, &QPushButton::clicked, this, &FgtsWindow::finalizar);

    // Page 6: the result grid, kept for the statement and never shown.
    auto* p6 = new QWidget(pages_);
    auto* l6 = new QVBoxLayout(p6);
    l6->setContentsMargins(0, 0, 0, 0);
    planilhaView_ = named(new GridView(p6), "planilha");
    planilhaModel_ = new GridModel(calculo_.planilha, GridModel::FixedRows::AsRows, this);
    planilhaView_->setModel(planilhaModel_);
    l6->addWidget(planilhaView_);

    for (QWidget* page : {p0, p1, p2, p3, p4, p5, p6}) pages_->addWidget(page);
}

QWidget* FgtsWindow::buildBars() {
    // Top bar: "Novo", "Abrir", "Abrir Backup".
    auto* top = new QWidget(this);
    top->setObjectName(QStringLiteral("ToolBar"));
    auto* tl = new QHBoxLayout(top);
    tl->setContentsMargins(6, 4, 6, 4);
    tl->setSpacing(2);
    auto tool = [&](QWidget* bar, QHBoxLayout* l, const char* name, const QString& text, const QString& hint,
                    QStyle::StandardPixmap icon) {
        auto* b = named(new QToolButton(bar), name);
        b->setText(text);
        b->setToolTip(hint);
        b->setIcon(style()->standardIcon(icon));
        b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        b->setAutoRaise(true);
        b->setFocusPolicy(Qt::NoFocus);
        l->addWidget(b);
        return b;
    };
    connect(tool(top, tl, "ToolbarButton971", QStringLiteral("Novo"), QStringLiteral("Novo"), QStyle::SP_FileIcon),
            &QToolButton::clicked, this, &FgtsWindow::novo);
    connect(
        tool(top, tl, "Sabrir", QStringLiteral("Abrir"), QStringLiteral("Abrir Cálculo"), QStyle::SP_DialogOpenButton),
        &QToolButton::clicked, this, &FgtsWindow::abrir);
    connect(tool(top, tl, "SpeedButton8", QStringLiteral("Abrir Backup"), QStringLiteral("Abrir último cálculo"),
                 QStyle::SP_BrowserReload),
            &QToolButton::clicked, this, &FgtsWindow::abrirBackup);
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
    connect(tool(bottom, bl, "SpeedButton4", QStringLiteral("Fechar"), QString(), QStyle::SP_DialogCloseButton),
            &QToolButton::clicked, this, &QWidget::hide);
    bl->addStretch();
    connect(tool(bottom, bl, "SpeedButton1", QStringLiteral("Anterior"), QString(), QStyle::SP_ArrowLeft),
            &QToolButton::clicked, this, &FgtsWindow::anterior);
    auto* next = tool(bottom, bl, "SpeedButton2", QStringLiteral("Próximo"), QString(), QStyle::SP_ArrowRight);
    next->setLayoutDirection(Qt::RightToLeft);  // the arrow after the text
    connect(next, &QToolButton::clicked, this, &FgtsWindow::proximo);

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
    ruvivavu::fgts::Fields& f = calculo_.fields;
    f.header = ruvivavu::fgts::memoLines(ss(edit1_->toPlainText()));
    f.dataini = ss(dataini_->maskText());
    f.cjuros = cjuros_->isChecked();
    f.chonorarios = chonorarios_->isChecked();
    f.ccustas = ccustas_->isChecked();
    f.datajuros = ss(datajuros_->maskText());
    f.txjur = ss(txjur_->text());
    f.hono = ss(hono_->text());
    f.cust = ss(cust_->text());
    f.cverao = cverao_->isChecked();
    f.jcsaldos = ss(jcsaldos_->text());
    f.ccollor = ccollor_->isChecked();
    f.jcollor = ss(jcollor_->text());
    f.jr3 = jr3_->isChecked();
    f.jr6 = jr6_->isChecked();
}

void FgtsWindow::writeFields() {
    const ruvivavu::fgts::Fields& f = calculo_.fields;
    edit1_->setPlainText(qs(ruvivavu::fgts::memoText(f.header)));
    dataini_->setMaskText(qs(f.dataini));
    cjuros_->setChecked(f.cjuros);
    chonorarios_->setChecked(f.chonorarios);
    ccustas_->setChecked(f.ccustas);
    datajuros_->setMaskText(qs(f.datajuros));
    txjur_->setText(qs(f.txjur));
    hono_->setText(qs(f.hono));
    cust_->setText(qs(f.cust));
    cverao_->setChecked(f.cverao);
    jcsaldos_->setText(qs(f.jcsaldos));
    ccollor_->setChecked(f.ccollor);
    jcollor_->setText(qs(f.jcollor));
    setRadio(jr3_, jr6_, f.jr3, f.jr6);
    bfim_->setEnabled(calculo_.finalizarEnabled);
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
    ruvivavu::fgts::loadTable(shell_);
    showPage(0);
    show();
    raise();
    activateWindow();
    calculo_.page = 0;
}

void FgtsWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    calculo_.onShow();
    planilhaModel_->refresh();
    showPage(0);
    if (!centred_) {
        centred_ = true;
        if (QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
    }
}

void FgtsWindow::proximo() {
    guarded(this, [this] {
        leaveField();
        readFields();
        if (auto check = calculo_.proximo()) {
            showMessage(this, qs(check->message));
            DateEdit* field = check->campo == ruvivavu::fgts::Campo::Dataini ? dataini_ : datajuros_;
            field->setFocus();
            return;
        }
        showPage(calculo_.page);
        bfim_->setEnabled(calculo_.finalizarEnabled);
    });
}

void FgtsWindow::anterior() {
    guarded(this, [this] {
        leaveField();
        readFields();
        calculo_.anterior();
        showPage(calculo_.page);
    });
}

void FgtsWindow::novo() {
    calculo_.novo();
    writeFields();
    showPage(0);
    show();
}

void FgtsWindow::abrir() {
    showPage(0);
    guarded(this, [this] {
        leaveField();
        readFields();
        QString path;
        if (chooseOpenFile) {
            path = chooseOpenFile();
        } else {
            QFileDialog dialog(this, QString(), QString(), QStringLiteral("Quorvel (*.FG *.fg)"));
            dialog.setAcceptMode(QFileDialog::AcceptOpen);
            dialog.setFileMode(QFileDialog::ExistingFile);
            dialog.setDefaultSuffix(QStringLiteral("fg"));
            if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
                path = dialog.selectedFiles().first();
        }
        if (path.isEmpty()) {
            calculo_.afterOpen();
            return;
        }
        ruvivavu::fgts::abrir(ss(path), calculo_);
    });
    writeFields();
    showPage(0);
}

void FgtsWindow::abrirBackup() {
    showPage(0);
    readFields();
    guarded(this, [this] { ruvivavu::fgts::abrirBackup(shell_, calculo_); });
    writeFields();
    showPage(0);
}

void FgtsWindow::salvarCalculo() {
    guarded(this, [this] {
        leaveField();
        if (!fileExists(shell_.dataFile(ruvivavu::fgts::kBackupFile))) return;
        QString path;
        if (chooseSaveFile) {
            path = chooseSaveFile();
        } else {
            QFileDialog dialog(this, QString(), QString(), QStringLiteral("Quorvel (*.fg)"));
            dialog.setAcceptMode(QFileDialog::AcceptSave);
            dialog.setDefaultSuffix(QStringLiteral("fg"));
            if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
                path = dialog.selectedFiles().first();
        }
        if (path.isEmpty()) return;
        ruvivavu::fgts::salvarComo(shell_, ss(path));
    });
}

void FgtsWindow::finalizar() {
    const bool done = guarded(this, [this] {
        leaveField();
        readFields();
        ruvivavu::fgts::finalizar(shell_, calculo_);
    });
    planilhaModel_->refresh();
    if (!done) return;
    hide();
    shell_.refreshViewer();
}

}  // namespace ruvivavu::gui

// The main window: the toolbar strip, the menus, the report viewer and the statement font settings.
#include "gui/shell/mainwindow.h"

#include "core/common/errors.h"
#include "core/common/fileio.h"
#include "core/common/text.h"
#include "core/tools/firstrun.h"
#include "gui/common/guard.h"
#include "gui/shell/aboutbox.h"
#include "gui/shell/icons.h"
#include "print/printing.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFocusEvent>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include <map>

namespace ruvivavu::gui {

namespace {

const QString kNotAvailable = QStringLiteral("Esta função não está disponível nesta versão do programa.");
const QString kNothingToPrint = QStringLiteral("Nenhum demonstrativo para imprimir.");
const QString kFirstRunQuestion = QString::fromUtf8(tools::kFirstRunQuestion);

// The report viewer: until a statement is shown it says where the statements will appear.
class ReportViewer : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;

protected:
    void paintEvent(QPaintEvent* event) override {
        QTextBrowser::paintEvent(event);
        if (!document()->isEmpty()) return;
        QPainter painter(viewport());
        const QRect area = viewport()->rect();
        const QPixmap picture = icons::application().pixmap(72, 72);
        painter.setOpacity(0.35);
        painter.drawPixmap(area.center().x() - 36, area.center().y() - 96, picture);
        painter.setOpacity(1.0);
        painter.setPen(QColor(0x8a, 0x93, 0xa0));
        QFont font = painter.font();
        font.setPointSizeF(font.pointSizeF() * 1.15);
        painter.setFont(font);
        painter.drawText(QRect(area.left(), area.center().y() - 12, area.width(), 60), Qt::AlignHCenter | Qt::AlignTop,
                         QStringLiteral("Escolha um cálculo em \"Calcular\" ou \"FGTS\".\n"
                                        "O demonstrativo aparece aqui ao \"Finalizar\"."));
    }
};

}  // namespace

struct MainWindow::Private {
    QWidget* panel = nullptr;
    QStackedWidget* pages = nullptr;
    QComboBox* fontName = nullptr;
    QComboBox* fontSize = nullptr;
    QTextBrowser* viewer = nullptr;
    AboutBox* about = nullptr;
    std::map<QString, QMenu*> popups;
    std::map<QString, QAction*> actions;
    std::map<QString, std::function<void()>> handlers;
    std::multimap<int, std::function<void()>> steps;
    QString documentPath;  // the file shown in the viewer; empty for a page made in memory
    QPrinter printer{QPrinter::HighResolution};
    QString pdfFolder;
    bool started = false;
    bool writingFont = false;
};

// ---------------------------------------------------------------------------------------------
// Construction

MainWindow::MainWindow(shell::Shell& shell, QWidget* parent) : QMainWindow(parent), shell_(shell), d_(new Private) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Quorvel - Ruvivavu da Dudovizu 2.0"));
    setWindowIcon(icons::application());
    resize(1024, 720);
    d_->printer.setPageLayout(print::defaultPageLayout());
    d_->printer.setDocName(QStringLiteral("Demonstrativo"));

    // Creates a command: an action named after its handler which runs the handler registered
    // under its own name or, for a pop-up twin, the main-menu entry's handler.
    auto addCommand = [this](QMenu* menu, const QString& name, const QString& text, const QString& target,
                             bool enablesPreview) {
        auto* action = new QAction(text, this);
        action->setObjectName(name);
        if (menu) menu->addAction(action);
        if (!d_->actions.count(name)) d_->actions[name] = action;
        connect(action, &QAction::triggered, this, [this, name, target, enablesPreview] {
            if (enablesPreview) enablePreview();
            runCommand(d_->handlers.count(name) ? name : target, false);
        });
        return action;
    };
    auto addMenu = [this](QMenu* parentMenu, const QString& name, const QString& title) {
        QMenu* menu = parentMenu ? parentMenu->addMenu(title) : menuBar()->addMenu(title);
        menu->setObjectName(name);
        menu->menuAction()->setObjectName(name);
        return menu;
    };

    // Main menu.
    QMenu* files = addMenu(nullptr, QStringLiteral("Arquivos1"), QStringLiteral("Arquivos"));
    QMenu* calc = addMenu(files, QStringLiteral("Calcular1"), QStringLiteral("Calcular"));
    auto mainEntry = [&](QMenu* menu, const char* name, const QString& text) {
        const QString handler = QString::fromLatin1(name);
        return addCommand(menu, handler, text, handler, false);
    };
    mainEntry(calc, "PoupanaDiria1", QStringLiteral("Poupança Diária - com opções de configuração"));
    calc->addSeparator();
    mainEntry(calc, "PoupanaJustiaFederal1", QStringLiteral("Poupança - configurado"));
    mainEntry(calc, "PoupanaConfiguradacomPlanoCollorIeII1",
              QStringLiteral("Poupança Configurada - com Plano Collor I e II"));
    calc->addSeparator();
    mainEntry(calc, "DbitosJudiciaisSoPaulo1", QStringLiteral("Débitos Judiciais São Paulo"));
    // The month-by-month commands enable "Visualizar Impressão" themselves once their table is found.
    mainEntry(calc, "DbitosJudiciaisSoPaulomsams2", QStringLiteral("Débitos Judiciais São Paulo (mês a mês)"));
    mainEntry(calc, "DbitosJudiciaisSoPaulomsams1", QStringLiteral("Débitos Judiciais MG - MT - MS - ES (mês a mês)"));
    files->addSeparator();
    mainEntry(files, "Selecionartudo1", QStringLiteral("Selecionar tudo"))->setShortcut(QKeySequence::SelectAll);
    mainEntry(files, "Copiar1", QStringLiteral("Copiar"))->setShortcut(QKeySequence::Copy);
    files->addSeparator();
    mainEntry(files, "ExcluirBackupCorrompido1", QStringLiteral("Configurar Impressão"));
    QAction* preview = mainEntry(files, "VisualizarImpresso1", QStringLiteral("Visualizar Impressão"));
    preview->setEnabled(false);
    mainEntry(files, "ExportarPDF1", QStringLiteral("Exportar PDF…"));
    QAction* fontPage = mainEntry(files, "ConfigurarFonte1", QStringLiteral("Configurar Fonte"));
    fontPage->setCheckable(true);
    files->addSeparator();
    mainEntry(files, "Fechar1", QStringLiteral("Fechar"));
    connect(files, &QMenu::aboutToShow, this, &MainWindow::syncPreviewAction);

    QMenu* help = addMenu(nullptr, QStringLiteral("Ajuda2"), QStringLiteral("Ajuda"));
    addCommand(help, QStringLiteral("Ajuda1"), QStringLiteral("Ajuda"), QStringLiteral("Ajuda1"), true)
        ->setShortcut(QKeySequence::HelpContents);
    help->addSeparator();
    mainEntry(help, "Sobre2", QStringLiteral("Sobre"));

    QMenu* online = addMenu(nullptr, QStringLiteral("CculosOnLine1"), QStringLiteral("Cálculos On-Line"));
    mainEntry(online, "Acessar1", QStringLiteral("Acessar"));
    online->menuAction()->setVisible(false);

    // Pop-up menus of the toolbar.
    auto addPopup = [this](const QString& name) {
        auto* menu = new QMenu(this);
        menu->setObjectName(name);
        d_->popups[name] = menu;
        return menu;
    };
    QMenu* popCalc = addPopup(QStringLiteral("PopupMenu2"));
    addCommand(popCalc, QStringLiteral("MenuItem1"), QStringLiteral("Poupança Diária - com opções de configuração"),
               QStringLiteral("PoupanaDiria1"), true);
    popCalc->addSeparator();
    addCommand(popCalc, QStringLiteral("PoupanaJustiaFederal2"), QStringLiteral("Poupança - configurado"),
               QStringLiteral("PoupanaJustiaFederal1"), true);
    addCommand(popCalc, QStringLiteral("PoupanaConfiguradacomPlanoCollor1"),
               QStringLiteral("Poupança Configurada - com Plano Collor I e II"),
               QStringLiteral("PoupanaConfiguradacomPlanoCollorIeII1"), true);
    popCalc->addSeparator();
    addCommand(popCalc, QStringLiteral("MenuItem2"), QStringLiteral("Débitos Judiciais São Paulo"),
               QStringLiteral("DbitosJudiciaisSoPaulo1"), true);
    addCommand(popCalc, QStringLiteral("DbitosJudiciaisSPmsams1"),
               QStringLiteral("Débitos Judiciais São Paulo (mês a mês)"),
               QStringLiteral("DbitosJudiciaisSoPaulomsams2"), false);
    // The same handler as the main-menu entry; the action keeps a name of its own.
    addCommand(popCalc, QStringLiteral("DbitosJudiciaisMGmsams1"),
               QStringLiteral("Débitos Judiciais MG - MT - MS - ES (mês a mês)"),
               QStringLiteral("DbitosJudiciaisSoPaulomsams1"), false);

    QMenu* popFgts = addPopup(QStringLiteral("Popupfgts"));
    addCommand(popFgts, QStringLiteral("ExpurgosdoFGTS1"), QStringLiteral("Expurgos do FGTS"),
               QStringLiteral("ExpurgosdoFGTS1"), true);
    addCommand(popFgts, QStringLiteral("FGTSJurosProgressivos1"), QStringLiteral("FGTS - Juros Progressivos"),
               QStringLiteral("FGTSJurosProgressivos1"), true);

    QMenu* popUpdate = addPopup(QStringLiteral("Popupatualiza"));
    addCommand(popUpdate, QStringLiteral("Atualizaodosndices1"), QStringLiteral("Atualização dos índices"),
               QStringLiteral("Atualizaodosndices1"), false);
    addCommand(popUpdate, QStringLiteral("PginadeatualizaodosoftwarenaInternet1"),
               QStringLiteral("Página de atualização do software na Internet"),
               QStringLiteral("PginadeatualizaodosoftwarenaInternet1"), false);

    // The strip: a page control whose tabs are never shown.
    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    d_->panel = new QWidget(central);
    d_->panel->setObjectName(QStringLiteral("Panel1"));
    d_->panel->setFixedHeight(73);
    d_->panel->setAttribute(Qt::WA_StyledBackground);
    d_->panel->setStyleSheet(
        QStringLiteral("#Panel1 { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fbfcfe, stop:1 #e6ebf2);"
                       " border-bottom: 1px solid #b8c2d0; }"));
    auto* panelLayout = new QHBoxLayout(d_->panel);
    panelLayout->setContentsMargins(4, 0, 4, 0);
    d_->pages = new QStackedWidget(d_->panel);
    d_->pages->setObjectName(QStringLiteral("PageControl2"));
    panelLayout->addWidget(d_->pages);

    auto makePage = [this](const char* name) {
        auto* page = new QWidget(d_->pages);
        page->setObjectName(QString::fromLatin1(name));
        d_->pages->addWidget(page);
        auto* row = new QHBoxLayout(page);
        row->setContentsMargins(0, 2, 0, 2);
        row->setSpacing(2);
        return page;
    };
    QWidget* buttonsPage = makePage("TabSheet3");
    buttonsPage->setWindowTitle(QStringLiteral("Botões"));
    auto toolButton = [&](QWidget* page, const char* name, const QString& caption, const QIcon& icon) {
        const QString objectName = QString::fromLatin1(name);
        auto* action = new QAction(icon, caption, this);
        action->setObjectName(objectName);
        d_->actions[objectName] = action;
        auto* button = new QToolButton(page);
        button->setObjectName(objectName);
        button->setDefaultAction(action);
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setAutoRaise(true);  // flat
        button->setIconSize(QSize(32, 32));
        button->setMinimumWidth(78);
        button->setFixedHeight(66);
        button->setFocusPolicy(Qt::NoFocus);
        page->layout()->addWidget(button);
        return std::make_pair(action, button);
    };
    auto popupButton = [&](const char* name, const QString& caption, const QIcon& icon, QMenu* menu) {
        auto [action, button] = toolButton(buttonsPage, name, caption, icon);
        // The menu opens with its top-left corner at the button's bottom-left corner.
        connect(action, &QAction::triggered, this,
                [button = button, menu] { menu->popup(button->mapToGlobal(QPoint(0, button->height()))); });
        button->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(button, &QWidget::customContextMenuRequested, this,
                [button = button, menu](const QPoint& at) { menu->popup(button->mapToGlobal(at)); });
    };
    auto commandButton = [&](const char* name, const QString& caption, const QIcon& icon) {
        auto [action, button] = toolButton(buttonsPage, name, caption, icon);
        const QString handler = QString::fromLatin1(name);
        connect(action, &QAction::triggered, this, [this, handler] { runCommand(handler, false); });
        return action;
    };
    commandButton("SpeedButton3", QStringLiteral("Imprimir"), icons::print())->setShortcut(QKeySequence::Print);
    popupButton("SpeedButton4", QStringLiteral("Calcular"), icons::calculate(), popCalc);
    popupButton("Speedx2", QStringLiteral("Atualizar"), icons::update(), popUpdate);
    QAction* yield = commandButton("SpeedButton8", QStringLiteral("Rendimento"), icons::yield());
    yield->setToolTip(QStringLiteral("Calcule o valor do índice usado no mês do expurgo"));
    popupButton("bfgt", QStringLiteral("FGTS"), icons::fgts(), popFgts);
    commandButton("SpeedButton2", QStringLiteral("Fechar"), icons::close());
    qobject_cast<QHBoxLayout*>(buttonsPage->layout())->addStretch();

    QWidget* fontSheet = makePage("TabSheet4");
    fontSheet->setWindowTitle(QStringLiteral("Configurar Fonte"));
    auto* fontRow = qobject_cast<QHBoxLayout*>(fontSheet->layout());
    fontRow->setContentsMargins(12, 0, 12, 0);
    fontRow->setSpacing(8);
    auto* fontLabel = new QLabel(QStringLiteral("Fonte dos demonstrativos:"), fontSheet);
    d_->fontName = new QComboBox(fontSheet);
    d_->fontName->setObjectName(QStringLiteral("Cnomefont"));
    d_->fontName->setEditable(true);
    d_->fontName->setInsertPolicy(QComboBox::NoInsert);
    d_->fontName->setMinimumWidth(240);
    d_->fontName->setEditText(QStringLiteral("Arial"));
    fontLabel->setBuddy(d_->fontName);
    auto* sizeLabel = new QLabel(QStringLiteral("Tamanho:"), fontSheet);
    d_->fontSize = new QComboBox(fontSheet);
    d_->fontSize->setObjectName(QStringLiteral("Cfont"));
    d_->fontSize->setEditable(true);
    d_->fontSize->setInsertPolicy(QComboBox::NoInsert);
    d_->fontSize->addItems({QStringLiteral("12"), QStringLiteral("11"), QStringLiteral("10"), QStringLiteral("9"),
                            QStringLiteral("8"), QStringLiteral("7")});
    d_->fontSize->setEditText(QStringLiteral("8"));
    sizeLabel->setBuddy(d_->fontSize);
    auto* back = new QPushButton(QStringLiteral("Voltar aos botões"), fontSheet);
    back->setObjectName(QStringLiteral("VoltarFonte"));
    connect(back, &QPushButton::clicked, this, [this] { showFontPage(false); });
    fontRow->addWidget(fontLabel);
    fontRow->addWidget(d_->fontName);
    fontRow->addSpacing(12);
    fontRow->addWidget(sizeLabel);
    fontRow->addWidget(d_->fontSize);
    fontRow->addSpacing(12);
    fontRow->addWidget(back);
    fontRow->addStretch();
    for (QComboBox* box : {d_->fontName, d_->fontSize}) {
        box->installEventFilter(this);
        connect(box, &QComboBox::activated, this, [this] { writeFontIni(); });
    }
    connect(d_->fontName, &QComboBox::editTextChanged, this,
            [this](const QString& text) { shell_.fontName = ss(text); });
    connect(d_->fontSize, &QComboBox::editTextChanged, this,
            [this](const QString& text) { shell_.fontSize = ss(text); });
    shell_.fontName = "Arial";
    shell_.fontSize = "8";

    QWidget* updatesSheet = makePage("TabSheet5");
    updatesSheet->setWindowTitle(QStringLiteral("Atualizações do Software"));
    commandButton("SpeedButton5", QStringLiteral("Buscar Atualizações do Software no Site"), icons::update());
    updatesSheet->layout()->addWidget(findChild<QToolButton*>(QStringLiteral("SpeedButton5")));
    auto [tablesAction, tablesButton] =
        toolButton(updatesSheet, "SpeedButton7", QStringLiteral("Atualizar Tabelas"), icons::update());
    tablesAction->setToolTip(QStringLiteral("Atualizar Tabelas"));
    qobject_cast<QHBoxLayout*>(updatesSheet->layout())->addStretch();
    d_->pages->setCurrentIndex(0);

    // The report viewer below the strip.
    d_->viewer = new ReportViewer(central);
    d_->viewer->setObjectName(QStringLiteral("WebBrowser1"));
    d_->viewer->setFrameShape(QFrame::NoFrame);
    d_->viewer->setTextInteractionFlags(Qt::LinksAccessibleByMouse);  // no selection by the mouse
    d_->viewer->setOpenLinks(false);
    QPalette palette = d_->viewer->palette();
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, Qt::black);
    d_->viewer->setPalette(palette);
    d_->viewer->setAutoFillBackground(true);
    connect(d_->viewer, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
        guarded(this, [&] {
            if (url.isRelative() && url.path().isEmpty() && url.hasFragment()) {
                d_->viewer->scrollToAnchor(url.fragment());
                return;
            }
            QUrl target = url;
            if (url.isRelative() && !d_->documentPath.isEmpty())
                target = QUrl::fromLocalFile(d_->documentPath).resolved(url);
            if (target.isLocalFile() && QFileInfo(target.toLocalFile()).isFile()) {
                loadDocument(target.toLocalFile());
                if (target.hasFragment()) d_->viewer->scrollToAnchor(target.fragment());
            } else if (!target.isLocalFile()) {
                QDesktopServices::openUrl(target);
            }
        });
    });
    column->addWidget(d_->panel);
    column->addWidget(d_->viewer, 1);
    setCentralWidget(central);

    d_->about = new AboutBox(this);

    // The engine's statement writers reach the viewer through the shell.
    shell_.viewerLoad = [this](const std::string& path) { loadDocument(qs(path)); };
    shell_.viewerRefresh = [this] { refreshViewer(); };

    // The commands the main window answers itself; calculators may replace any of them.
    auto closeWindow = [this] { close(); };
    setCommandHandler(QStringLiteral("Fechar1"), closeWindow);
    setCommandHandler(QStringLiteral("SpeedButton2"), closeWindow);
    setCommandHandler(QStringLiteral("Sobre2"), [this] { d_->about->present(); });
    setCommandHandler(QStringLiteral("Ajuda1"), [this] {
        const std::string page = shell_.dataFile("images/index.htm");
        if (fileExists(page)) loadDocument(qs(page));
    });
    setCommandHandler(QStringLiteral("ConfigurarFonte1"), [this, fontPage] { showFontPage(fontPage->isChecked()); });
    setCommandHandler(QStringLiteral("Selecionartudo1"), [this] { d_->viewer->selectAll(); });
    setCommandHandler(QStringLiteral("Copiar1"), [this] { copyStatement(); });
    setCommandHandler(QStringLiteral("ExcluirBackupCorrompido1"), [this] {
        QPageSetupDialog dialog(&d_->printer, this);
        dialog.setWindowTitle(QStringLiteral("Configurar Impressão"));
        dialog.exec();
    });
    auto requireDocument = [this] {
        if (!hasDocument()) throw UserMessage(kNothingToPrint.toStdString());
    };
    setCommandHandler(QStringLiteral("SpeedButton3"), [this, requireDocument] {
        requireDocument();
        QPrintDialog dialog(&d_->printer, this);
        dialog.setWindowTitle(QStringLiteral("Imprimir"));
        if (dialog.exec() == QDialog::Accepted) print::renderDocument(*d_->viewer->document(), d_->printer);
    });
    setCommandHandler(QStringLiteral("VisualizarImpresso1"), [this, requireDocument] {
        requireDocument();
        QPrintPreviewDialog dialog(&d_->printer, this);
        dialog.setWindowTitle(QStringLiteral("Visualizar Impressão"));
        connect(&dialog, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* printer) {
            guarded(this, [&] { print::renderDocument(*d_->viewer->document(), *printer); });
        });
        dialog.resize(size() * 9 / 10);
        dialog.exec();
    });
    setCommandHandler(QStringLiteral("ExportarPDF1"), [this, requireDocument] {
        requireDocument();
        if (d_->pdfFolder.isEmpty())
            d_->pdfFolder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        const QString base = d_->documentPath.isEmpty() ? QStringLiteral("demonstrativo")
                                                        : QFileInfo(d_->documentPath).completeBaseName();
        QFileDialog dialog(this, QStringLiteral("Exportar PDF"),
                           QDir(d_->pdfFolder).filePath(base + QStringLiteral(".pdf")),
                           QStringLiteral("Arquivos PDF (*.pdf)"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QStringLiteral("pdf"));
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
        QString path = dialog.selectedFiles().first();
        if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) path += QStringLiteral(".pdf");
        d_->pdfFolder = QFileInfo(path).absolutePath();
        exportPdf(path);
    });
    auto vendorPage = [this] {
        const QString address = vendorPageAddress();
        // The viewer does not reach the network: it shows where the page is, and the link opens the
        // page in the user's browser.
        d_->documentPath.clear();
        d_->viewer->setHtml(
            QStringLiteral(
                "<html><body style=\"font-family:Arial,sans-serif;\">"
                "<h2 style=\"color:#1f3a5f;\">Atualização do software</h2>"
                "<p>A página de atualização do Ruvivavu da Dudovizu fica no site da Quorvel:</p>"
                "<p style=\"font-size:large;\"><a href=\"%1\">%1</a></p>"
                "<p>Clique no endereço para abri-lo no seu navegador. É preciso estar conectado à Internet.</p>"
                "</body></html>")
                .arg(address.toHtmlEscaped()));
    };
    setCommandHandler(QStringLiteral("PginadeatualizaodosoftwarenaInternet1"), vendorPage);
    setCommandHandler(QStringLiteral("Acessar1"), vendorPage);
    setCommandHandler(QStringLiteral("SpeedButton5"), [this] {
        if (!QDesktopServices::openUrl(QUrl(vendorPageAddress())))
            throw UserMessage("Não foi possível abrir o navegador. Endereço: " + ss(vendorPageAddress()));
    });

    // Start-up steps of the main window itself.
    addStartupStep(7, [this] {
        if (!fileExists(shell_.dataFile("font.ini"))) return;
        shell_.loadFontIni();
        const QSignalBlocker blockName(d_->fontName), blockSize(d_->fontSize);
        d_->fontName->setEditText(qs(shell_.fontName));
        d_->fontSize->setEditText(qs(shell_.fontSize));
    });
    addStartupStep(9, [this] {
        if (fileExists(shell_.dataFile("zurivodo13.tab"))) shell_.loadIndice("zurivodo13.tab");
    });
}

MainWindow::~MainWindow() {
    shell_.viewerLoad = nullptr;
    shell_.viewerRefresh = nullptr;
    delete d_;
}

QString MainWindow::vendorPageAddress() {
    return QStringLiteral("https://www.quorvel.com.br/zurivodo.htm");
}

// ---------------------------------------------------------------------------------------------
// Commands

QAction* MainWindow::command(const QString& handlerName) const {
    auto it = d_->actions.find(handlerName);
    return it == d_->actions.end() ? nullptr : it->second;
}

QMenu* MainWindow::popupMenu(const QString& name) const {
    auto it = d_->popups.find(name);
    return it == d_->popups.end() ? nullptr : it->second;
}

void MainWindow::setCommandHandler(const QString& handlerName, std::function<void()> handler) {
    d_->handlers[handlerName] = std::move(handler);
}

void MainWindow::runCommand(const QString& handlerName, bool enablesPreview) {
    if (enablesPreview) enablePreview();
    auto it = d_->handlers.find(handlerName);
    if (it == d_->handlers.end() || !it->second) {
        showMessage(this, kNotAvailable);
    } else {
        std::function<void()> handler = it->second;  // the handler may replace itself
        guarded(this, handler);
    }
    syncPreviewAction();
}

void MainWindow::addStartupStep(int step, std::function<void()> load) {
    d_->steps.emplace(step, std::move(load));
}

void MainWindow::enablePreview() {
    shell_.enablePreview();
    syncPreviewAction();
}

void MainWindow::syncPreviewAction() {
    if (QAction* preview = command(QStringLiteral("VisualizarImpresso1"))) preview->setEnabled(shell_.previewEnabled);
}

void MainWindow::showFontPage(bool show) {
    d_->pages->setCurrentIndex(show ? 1 : 0);
    if (QAction* action = command(QStringLiteral("ConfigurarFonte1"))) action->setChecked(show);
    if (show) d_->fontName->setFocus();
}

// ---------------------------------------------------------------------------------------------
// Start-up

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!shown_) {
        shown_ = true;
        firstShow();
    }
}

void MainWindow::firstShow() {
    if (d_->started) return;
    d_->started = true;

    // Step 1: the installed fonts, keeping the text the box holds.
    {
        const QSignalBlocker block(d_->fontName);
        const QString text = d_->fontName->currentText();
        d_->fontName->clear();
        d_->fontName->addItems(QFontDatabase::families());
        d_->fontName->setEditText(text);
    }
    // Steps 2 to 9 in order; a file that exists but cannot be read ends the sequence.
    const bool loaded = guarded(this, [this] {
        for (auto& [step, load] : d_->steps) load();
    });
    syncPreviewAction();
    if (!loaded) return;

    // The first-run check: without the tables, offer to fetch them and end the program.
    guarded(this, [this] {
        if (!tools::shouldOfferDownload(shell_.dataFolder, shell_.programFolder)) return;
        const QString downloadProgram = qs(tools::downloadProgramPath(shell_.programFolder));
        if (!askYesNo(this, kFirstRunQuestion)) return;
        QProcess::startDetached(downloadProgram, {});  // a failure to start is not reported
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
    });
}

// ---------------------------------------------------------------------------------------------
// Font settings

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && (watched == d_->fontName || watched == d_->fontSize)) {
        // The list of the box opening is not leaving it.
        if (static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) writeFontIni();
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::writeFontIni() {
    if (d_->writingFont) return;  // the error box of a failed write takes the focus away again
    d_->writingFont = true;
    shell_.fontName = ss(d_->fontName->currentText());
    shell_.fontSize = ss(d_->fontSize->currentText());
    guarded(this, [this] { shell_.saveFontIni(); });
    d_->writingFont = false;
}

// ---------------------------------------------------------------------------------------------
// Report viewer

QTextBrowser* MainWindow::viewer() const {
    return d_->viewer;
}

void MainWindow::loadDocument(const QString& path) {
    if (path.isEmpty()) return;
    const std::string bytes = readFileBytes(ss(path));
    const QFileInfo info(path);
    d_->documentPath = info.absoluteFilePath();
    d_->viewer->setSearchPaths({info.absolutePath()});
    d_->viewer->document()->setBaseUrl(QUrl::fromLocalFile(d_->documentPath));
    d_->viewer->setHtml(print::decodeHtmlBytes(QByteArray::fromStdString(bytes)));
}

void MainWindow::refreshViewer() {
    if (!d_->documentPath.isEmpty() && QFileInfo::exists(d_->documentPath)) {
        const int vertical = d_->viewer->verticalScrollBar()->value();
        const int horizontal = d_->viewer->horizontalScrollBar()->value();
        loadDocument(d_->documentPath);
        d_->viewer->verticalScrollBar()->setValue(vertical);
        d_->viewer->horizontalScrollBar()->setValue(horizontal);
    } else {
        d_->viewer->viewport()->update();
    }
}

bool MainWindow::hasDocument() const {
    return !d_->viewer->document()->isEmpty();
}

void MainWindow::copyStatement() {
    if (!hasDocument()) return;
    auto* mime = new QMimeData;
    mime->setHtml(d_->viewer->document()->toHtml());
    mime->setText(d_->viewer->document()->toPlainText());
    QApplication::clipboard()->setMimeData(mime);
}

int MainWindow::exportPdf(const QString& path) {
    if (!hasDocument()) throw UserMessage(kNothingToPrint.toStdString());
    return print::writePdf(*d_->viewer->document(), path, d_->printer.pageLayout());
}

QPrinter& MainWindow::printer() {
    return d_->printer;
}

}  // namespace ruvivavu::gui

// The main window: the toolbar strip, the menus, the report viewer and the statement font settings.
#include "gui/shell/mainwindow.h"

#include "core/common/errors.h"
#include "core/common/fileio.h"
#include "core/common/text.h"
#include "core/tools/firstrun.h"
#include "gui/common/filedialog.h"
#include "gui/common/guard.h"
#include "gui/shell/aboutbox.h"
#include "gui/shell/icons.h"
#include "print/printing.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QEvent>
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

#include <algorithm>
#include <map>
#include <utility>
#include <vector>

namespace ruvivavu::gui {

namespace {

const QString kNotAvailable = QStringLiteral("Esta função não está disponível nesta versão do programa.");
const QString kNothingToPrint = QStringLiteral("Nenhum demonstrativo para imprimir.");
const QString kFirstRunQuestion = QString::fromUtf8(tools::kFirstRunQuestion);

// The calculation files of the calculators this program does not have yet: their types are known
// to the desktop, so a file manager may hand one over.
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
    std::map<ToolbarMenu, QMenu*> popups;
    std::map<std::pair<Command, Place>, QAction*> entries;
    std::map<Command, QAction*> firstEntries;
    std::map<Command, std::function<void()>> handlers;
    std::multimap<int, std::function<void()>> steps;
    std::vector<std::function<bool()>> unsavedTypingQueries;
    std::map<QString, std::function<void(const QString&)>> fileHandlers;
    QString startupFile;
    QString documentPath;  // the file shown in the viewer; empty for a page made in memory
    QPrinter printer{QPrinter::HighResolution};
    QString pdfFolder;
    bool started = false;
    bool writingFont = false;
};

// ---------------------------------------------------------------------------------------------
// Construction

MainWindow::MainWindow(shell::Shell& shell, QWidget* parent) : QMainWindow(parent), shell_(shell), d_(new Private) {
    setWindowTitle(QStringLiteral("Quorvel - Ruvivavu da Dudovizu 2.0"));
    setWindowIcon(icons::application());
    resize(1024, 720);
    d_->printer.setPageLayout(print::defaultPageLayout());
    d_->printer.setDocName(QStringLiteral("Demonstrativo"));

    // Creates an entry of a command. A pop-up twin of a calculator enables "Visualizar Impressão"
    // before it runs the command.
    auto addEntry = [this](QMenu* menu, Command command, Place place, const QString& text, bool enablesPreview) {
        auto* action = new QAction(text, this);
        if (menu) menu->addAction(action);
        d_->entries[{command, place}] = action;
        d_->firstEntries.try_emplace(command, action);
        connect(action, &QAction::triggered, this, [this, command, enablesPreview] {
            if (enablesPreview) enablePreview();
            runCommand(command);
        });
        return action;
    };
    auto menuEntry = [&](QMenu* menu, Command command, const QString& text) {
        return addEntry(menu, command, Place::MainMenu, text, false);
    };
    auto popupEntry = [&](QMenu* menu, Command command, const QString& text, bool enablesPreview) {
        return addEntry(menu, command, Place::Popup, text, enablesPreview);
    };
    auto addMenu = [this](QMenu* parentMenu, const QString& title) {
        return parentMenu ? parentMenu->addMenu(title) : menuBar()->addMenu(title);
    };

    // Main menu.
    QMenu* files = addMenu(nullptr, QStringLiteral("Arquivos"));
    QMenu* calc = addMenu(files, QStringLiteral("Calcular"));
    menuEntry(calc, Command::DailySavings, QStringLiteral("Poupança Diária - com opções de configuração"));
    calc->addSeparator();
    menuEntry(calc, Command::ConfiguredSavings, QStringLiteral("Poupança - configurado"));
    menuEntry(calc, Command::CollorSavings, QStringLiteral("Poupança Configurada - com Plano Collor I e II"));
    calc->addSeparator();
    menuEntry(calc, Command::SaoPauloCourtDebt, QStringLiteral("Débitos Judiciais São Paulo"));
    // The month-by-month commands enable "Visualizar Impressão" themselves once their table is found.
    menuEntry(calc, Command::SaoPauloMonthly, QStringLiteral("Débitos Judiciais São Paulo (mês a mês)"));
    menuEntry(calc, Command::MinasMonthly, QStringLiteral("Débitos Judiciais MG - MT - MS - ES (mês a mês)"));
    calc->addSeparator();
    menuEntry(calc, Command::Settlement, QStringLiteral("Acordo dos Planos Econômicos"));
    files->addSeparator();
    menuEntry(files, Command::SelectAll, QStringLiteral("Selecionar tudo"))->setShortcut(QKeySequence::SelectAll);
    menuEntry(files, Command::Copy, QStringLiteral("Copiar"))->setShortcut(QKeySequence::Copy);
    files->addSeparator();
    menuEntry(files, Command::PrintSetup, QStringLiteral("Configurar Impressão"));
    QAction* preview = menuEntry(files, Command::PrintPreview, QStringLiteral("Visualizar Impressão"));
    preview->setEnabled(false);
    menuEntry(files, Command::ExportPdf, QStringLiteral("Exportar PDF…"));
    QAction* fontPage = menuEntry(files, Command::FontSettings, QStringLiteral("Configurar Fonte"));
    fontPage->setCheckable(true);
    files->addSeparator();
    menuEntry(files, Command::Close, QStringLiteral("Fechar"));
    connect(files, &QMenu::aboutToShow, this, &MainWindow::syncPreviewAction);

    QMenu* help = addMenu(nullptr, QStringLiteral("Ajuda"));
    addEntry(help, Command::Help, Place::MainMenu, QStringLiteral("Ajuda"), true)
        ->setShortcut(QKeySequence::HelpContents);
    help->addSeparator();
    menuEntry(help, Command::About, QStringLiteral("Sobre"));

    QMenu* online = addMenu(nullptr, QStringLiteral("Cálculos On-Line"));
    menuEntry(online, Command::AccessOnline, QStringLiteral("Acessar"));
    online->menuAction()->setVisible(false);

    // Pop-up menus of the toolbar.
    auto addPopup = [this](ToolbarMenu which) {
        auto* menu = new QMenu(this);
        d_->popups[which] = menu;
        return menu;
    };
    QMenu* popCalc = addPopup(ToolbarMenu::Calculate);
    popupEntry(popCalc, Command::DailySavings, QStringLiteral("Poupança Diária - com opções de configuração"), true);
    popCalc->addSeparator();
    popupEntry(popCalc, Command::ConfiguredSavings, QStringLiteral("Poupança - configurado"), true);
    popupEntry(popCalc, Command::CollorSavings, QStringLiteral("Poupança Configurada - com Plano Collor I e II"), true);
    popCalc->addSeparator();
    popupEntry(popCalc, Command::SaoPauloCourtDebt, QStringLiteral("Débitos Judiciais São Paulo"), true);
    popupEntry(popCalc, Command::SaoPauloMonthly, QStringLiteral("Débitos Judiciais São Paulo (mês a mês)"), false);
    popupEntry(popCalc, Command::MinasMonthly, QStringLiteral("Débitos Judiciais MG - MT - MS - ES (mês a mês)"),
               false);
    popCalc->addSeparator();
    popupEntry(popCalc, Command::Settlement, QStringLiteral("Acordo dos Planos Econômicos"), true);

    QMenu* popFgts = addPopup(ToolbarMenu::Fgts);
    popupEntry(popFgts, Command::FgtsPurge, QStringLiteral("Expurgos do FGTS"), true);
    popupEntry(popFgts, Command::FgtsProgressiveInterest, QStringLiteral("FGTS - Juros Progressivos"), true);

    QMenu* popUpdate = addPopup(ToolbarMenu::Update);
    popupEntry(popUpdate, Command::UpdateTables, QStringLiteral("Atualização dos índices"), false);
    popupEntry(popUpdate, Command::UpdatePage, QStringLiteral("Página de atualização do software na Internet"), false);

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
    auto toolButton = [&](QWidget* page, const QString& caption, const QIcon& icon) {
        auto* action = new QAction(icon, caption, this);
        auto* button = new QToolButton(page);
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
    auto popupButton = [&](const QString& caption, const QIcon& icon, QMenu* menu) {
        auto [action, button] = toolButton(buttonsPage, caption, icon);
        // The menu opens with its top-left corner at the button's bottom-left corner.
        connect(action, &QAction::triggered, this,
                [button = button, menu] { menu->popup(button->mapToGlobal(QPoint(0, button->height()))); });
        button->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(button, &QWidget::customContextMenuRequested, this,
                [button = button, menu](const QPoint& at) { menu->popup(button->mapToGlobal(at)); });
    };
    auto commandButton = [&](QWidget* page, Command command, const QString& caption, const QIcon& icon) {
        auto [action, button] = toolButton(page, caption, icon);
        d_->entries[{command, Place::Toolbar}] = action;
        d_->firstEntries.try_emplace(command, action);
        connect(action, &QAction::triggered, this, [this, command] { runCommand(command); });
        return action;
    };
    commandButton(buttonsPage, Command::Print, QStringLiteral("Imprimir"), icons::print())
        ->setShortcut(QKeySequence::Print);
    popupButton(QStringLiteral("Calcular"), icons::calculate(), popCalc);
    popupButton(QStringLiteral("Atualizar"), icons::update(), popUpdate);
    QAction* yield = commandButton(buttonsPage, Command::YieldTool, QStringLiteral("Rendimento"), icons::yield());
    yield->setToolTip(QStringLiteral("Calcule o valor do índice usado no mês do expurgo"));
    popupButton(QStringLiteral("FGTS"), icons::fgts(), popFgts);
    commandButton(buttonsPage, Command::Close, QStringLiteral("Fechar"), icons::close());
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
    commandButton(updatesSheet, Command::OpenUpdateSite, QStringLiteral("Buscar Atualizações do Software no Site"),
                  icons::update());
    auto [tablesAction, tablesButton] = toolButton(updatesSheet, QStringLiteral("Atualizar Tabelas"), icons::update());
    tablesAction->setToolTip(QStringLiteral("Atualizar Tabelas"));
    qobject_cast<QHBoxLayout*>(updatesSheet->layout())->addStretch();
    d_->pages->setCurrentIndex(0);

    // The report viewer below the strip.
    d_->viewer = new ReportViewer(central);
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
            else if (url.isRelative())
                target = d_->viewer->document()->baseUrl().resolved(url);
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
    setCommandHandler(Command::Close, [this] { close(); });
    setCommandHandler(Command::About, [this] { d_->about->present(); });
    setCommandHandler(Command::Help, [this] {
        const std::string page = shell_.dataFile("images/index.htm");
        if (fileExists(page)) loadDocument(qs(page));
    });
    setCommandHandler(Command::FontSettings, [this, fontPage] { showFontPage(fontPage->isChecked()); });
    setCommandHandler(Command::SelectAll, [this] { d_->viewer->selectAll(); });
    setCommandHandler(Command::Copy, [this] { copyStatement(); });
    setCommandHandler(Command::PrintSetup, [this] {
        QPageSetupDialog dialog(&d_->printer, this);
        dialog.setWindowTitle(QStringLiteral("Configurar Impressão"));
        dialog.exec();
    });
    auto requireDocument = [this] {
        if (!hasDocument()) throw UserMessage(kNothingToPrint.toStdString());
    };
    setCommandHandler(Command::Print, [this, requireDocument] {
        requireDocument();
        QPrintDialog dialog(&d_->printer, this);
        dialog.setWindowTitle(QStringLiteral("Imprimir"));
        if (dialog.exec() == QDialog::Accepted) print::renderDocument(*d_->viewer->document(), d_->printer);
    });
    setCommandHandler(Command::PrintPreview, [this, requireDocument] {
        requireDocument();
        QPrintPreviewDialog dialog(&d_->printer, this);
        dialog.setWindowTitle(QStringLiteral("Visualizar Impressão"));
        connect(&dialog, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* printer) {
            guarded(this, [&] { print::renderDocument(*d_->viewer->document(), *printer); });
        });
        dialog.resize(size() * 9 / 10);
        dialog.exec();
    });
    setCommandHandler(Command::ExportPdf, [this, requireDocument] {
        requireDocument();
        if (d_->pdfFolder.isEmpty())
            d_->pdfFolder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        const QString base = d_->documentPath.isEmpty() ? QStringLiteral("demonstrativo")
                                                        : QFileInfo(d_->documentPath).completeBaseName();
        FileRequest request;
        request.kind = FileRequest::Save;
        request.title = QStringLiteral("Exportar PDF");
        request.filter = QStringLiteral("Arquivos PDF (*.pdf)");
        request.defaultSuffix = QStringLiteral("pdf");
        request.proposedPath = QDir(d_->pdfFolder).filePath(base + QStringLiteral(".pdf"));
        QString path = askForFile(this, request);
        if (path.isEmpty()) return;
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
    setCommandHandler(Command::UpdatePage, vendorPage);
    setCommandHandler(Command::AccessOnline, vendorPage);
    setCommandHandler(Command::OpenUpdateSite, [this] {
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

QAction* MainWindow::action(Command command) const {
    auto it = d_->firstEntries.find(command);
    return it == d_->firstEntries.end() ? nullptr : it->second;
}

QAction* MainWindow::action(Command command, Place place) const {
    auto it = d_->entries.find({command, place});
    return it == d_->entries.end() ? nullptr : it->second;
}

QMenu* MainWindow::popupMenu(ToolbarMenu menu) const {
    auto it = d_->popups.find(menu);
    return it == d_->popups.end() ? nullptr : it->second;
}

void MainWindow::setCommandHandler(Command command, std::function<void()> handler) {
    d_->handlers[command] = std::move(handler);
}

void MainWindow::runCommand(Command command) {
    auto it = d_->handlers.find(command);
    if (it == d_->handlers.end() || !it->second) {
        showMessage(this, kNotAvailable);
    } else {
        std::function<void()> handler = it->second;  // the handler may replace itself
        guarded(this, handler);
    }
    syncPreviewAction();
}

void MainWindow::setFileHandler(const QString& extension, std::function<void(const QString& path)> handler) {
    d_->fileHandlers[extension.toLower()] = std::move(handler);
}

void MainWindow::openFile(const QString& path) {
    const QFileInfo file(path);
    const QString extension = file.suffix().toLower();
    const QString shown = QDir::toNativeSeparators(file.absoluteFilePath());
    auto it = d_->fileHandlers.find(extension);
    if (!file.isFile()) {
        showMessage(this, QStringLiteral("O arquivo não foi encontrado: ") + shown);
    } else if (it != d_->fileHandlers.end() && it->second) {
        std::function<void(const QString&)> handler = it->second;
        guarded(this, [&] { handler(file.absoluteFilePath()); });
    } else {
        QStringList known;
        for (const auto& [name, handler] : d_->fileHandlers) known << QLatin1Char('.') + name;
        showMessage(this, QStringLiteral("O programa não abre este tipo de arquivo: ") + shown +
                              QStringLiteral("\nOs cálculos que ele abre: ") + known.join(QStringLiteral(", ")) +
                              QLatin1Char('.'));
    }
    syncPreviewAction();
}

void MainWindow::setStartupFile(const QString& path) {
    d_->startupFile = path.isEmpty() ? QString() : QFileInfo(path).absoluteFilePath();
}

void MainWindow::addStartupStep(int step, std::function<void()> load) {
    d_->steps.emplace(step, std::move(load));
}

void MainWindow::addUnsavedTypingQuery(std::function<bool()> holdsUnsavedTyping) {
    d_->unsavedTypingQueries.push_back(std::move(holdsUnsavedTyping));
}

void MainWindow::closeEvent(QCloseEvent* event) {
    const auto& queries = d_->unsavedTypingQueries;
    const bool unsaved = std::any_of(queries.begin(), queries.end(), [](const auto& holds) { return holds(); });
    // "Não" is the default: a stray Enter keeps the typing.
    if (unsaved && !askYesNo(this, QStringLiteral("Existem cálculos não salvos. Deseja sair assim mesmo?"), true)) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

void MainWindow::enablePreview() {
    shell_.enablePreview();
    syncPreviewAction();
}

void MainWindow::syncPreviewAction() {
    if (QAction* preview = action(Command::PrintPreview)) preview->setEnabled(shell_.previewEnabled);
}

void MainWindow::showFontPage(bool show) {
    d_->pages->setCurrentIndex(show ? 1 : 0);
    if (QAction* entry = action(Command::FontSettings)) entry->setChecked(show);
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
    const QString startupFile = std::exchange(d_->startupFile, QString());
    if (!loaded) return;

    // The first-run check: without the tables, offer to fetch them and end the program. The
    // download program starts it again, with the file it was asked to open.
    bool closing = false;
    guarded(this, [&] {
        if (!tools::shouldOfferDownload(shell_.dataFolder, shell_.programFolder)) return;
        const QString downloadProgram = qs(tools::downloadProgramPath(shell_.programFolder));
        if (!askYesNo(this, kFirstRunQuestion)) return;
        QStringList arguments;
        if (!startupFile.isEmpty()) arguments << startupFile;
        QProcess::startDetached(downloadProgram, arguments);  // a failure to start is not reported
        closing = true;
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
    });
    // The file opens once the main window is on screen, above it.
    if (!closing && !startupFile.isEmpty())
        QMetaObject::invokeMethod(
            this, [this, startupFile] { openFile(startupFile); }, Qt::QueuedConnection);
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
    const std::string bytes = readFileBytesAtMost(ss(path));
    const QFileInfo info(path);
    d_->documentPath = info.absoluteFilePath();
    d_->viewer->setSearchPaths({info.absolutePath()});
    d_->viewer->document()->setBaseUrl(QUrl::fromLocalFile(d_->documentPath));
    d_->viewer->setHtml(print::decodeHtmlBytes(QByteArray::fromStdString(bytes)));
}

void MainWindow::showPage(const QString& html, const QUrl& base) {
    d_->documentPath.clear();
    d_->viewer->setSearchPaths({});
    d_->viewer->document()->setBaseUrl(base);
    d_->viewer->setHtml(html);
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

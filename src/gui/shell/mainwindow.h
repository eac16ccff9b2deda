// The main window: toolbar strip, menus, report viewer and statement font settings. Every
// calculator is opened from here and hands its finished statement to the viewer.
#pragma once

#include "core/shell/shell.h"

#include <QMainWindow>
#include <QString>
#include <QUrl>

#include <functional>

class QAction;
class QMenu;
class QNetworkAccessManager;
class QPrinter;
class QTextBrowser;

namespace ruvivavu::gui {

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(shell::Shell& shell, QWidget* parent = nullptr);
    ~MainWindow() override;

    shell::Shell& shell() { return shell_; }

    // What the user can ask of the main window from its menus, pop-up menus and toolbar. A
    // calculator answers a command by registering a handler for it.
    enum class Command {
        // "Calcular" (main menu and the toolbar's pop-up)
        DailySavings,       // Poupança Diária - com opções de configuração
        ConfiguredSavings,  // Poupança - configurado
        CollorSavings,      // Poupança Configurada - com Plano Collor I e II
        SaoPauloCourtDebt,  // Débitos Judiciais São Paulo
        SaoPauloMonthly,    // Débitos Judiciais São Paulo (mês a mês)
        MinasMonthly,       // Débitos Judiciais MG - MT - MS - ES (mês a mês)
        Settlement,         // Acordo dos Planos Econômicos
        // "FGTS" (toolbar pop-up only)
        FgtsPurge,                // Expurgos do FGTS
        FgtsProgressiveInterest,  // FGTS - Juros Progressivos
        // The savings calculation file; no entry of their own, run by the calculator's windows.
        SaveCalculation,
        OpenCalculation,
        // "Arquivos"
        SelectAll,     // Selecionar tudo
        Copy,          // Copiar
        PrintSetup,    // Configurar Impressão
        PrintPreview,  // Visualizar Impressão
        ExportPdf,     // Exportar PDF…
        FontSettings,  // Configurar Fonte
        Close,         // Fechar (also on the toolbar)
        // "Ajuda" and "Cálculos On-Line"
        Help,          // Ajuda
        About,         // Sobre
        AccessOnline,  // Acessar
        // The toolbar and its "Atualizar" pop-up
        Print,           // Imprimir
        YieldTool,       // Rendimento
        UpdateTables,    // Atualização dos índices
        UpdatePage,      // Página de atualização do software na Internet
        OpenUpdateSite,  // Buscar Atualizações do Software no Site
    };
    Q_ENUM(Command)

    // Where an entry of a command sits. A calculator command has an entry in the main menu and a
    // twin in the toolbar's pop-up; "Fechar" is in the menu and on the toolbar.
    enum class Place { MainMenu, Popup, Toolbar };
    Q_ENUM(Place)

    // The three pop-up menus the toolbar buttons "Calcular", "Atualizar" and "FGTS" open.
    enum class ToolbarMenu { Calculate, Update, Fgts };
    Q_ENUM(ToolbarMenu)

    // The entry of a command: the first one made (main menu, else pop-up, else toolbar), or the one
    // at a place; nullptr when there is none.
    QAction* action(Command command) const;
    QAction* action(Command command, Place place) const;

    // What a calculator does for a command; it replaces any handler the command had. Errors the
    // handler raises are shown by the program's error handler.
    void setCommandHandler(Command command, std::function<void()> handler);

    // Runs a command's handler as its entries do: through the error handler, with the "not
    // available" message when there is none. (A pop-up twin first enables "Visualizar Impressão",
    // then runs the same handler.)
    void runCommand(Command command);

    // Opening a calculation file given to the program (its command line, a file manager): the
    // calculator that registered the file's extension (lower case, no dot) opens it.
    void setFileHandler(const QString& extension, std::function<void(const QString& path)> handler);
    // Opens a calculation file in its calculator. A missing file, a type the program does not know
    // and a calculator it does not have yet are told in a message; the program goes on.
    void openFile(const QString& path);
    // The file the program was started with: opened when the first show is done, or handed to the
    // download program when the first run installs the tables (it restarts the program with it).
    void setStartupFile(const QString& path);

    // Start-up loading steps supplied by the calculators (numbered as in the first-show sequence:
    // 3 fgtsjuros.tab, 4 planos.ini, 5 cabecalho.dat, 6 rodape.dat, 8 indice.ini). The first show
    // runs its own steps and these in order.
    void addStartupStep(int step, std::function<void()> load);

    // Each calculator window answers whether it holds typing neither saved nor finalised. Closing
    // the program with any such typing first asks "Existem cálculos não salvos. Deseja sair assim
    // mesmo?"; "Não" keeps the program open with every window as it was.
    void addUnsavedTypingQuery(std::function<bool()> holdsUnsavedTyping);

    // Enables "Visualizar Impressão" (once; it is never disabled again).
    void enablePreview();

    QTextBrowser* viewer() const;

    // Runs the first-show sequence (called once when the window is first shown).
    void firstShow();

    // The report viewer's operations: load an HTML file (statements are Windows-1252) in place of
    // the document shown, and refresh it from its file.
    void loadDocument(const QString& path);
    void refreshViewer();
    bool hasDocument() const;
    // Shows a page made in memory (no file behind it); its relative links start from `base`.
    void showPage(const QString& html, const QUrl& base = {});

    // The statement commands: copy the whole statement (HTML and plain text), write it as PDF with
    // the session's page layout (answers the page count, raises FileError), and the session's
    // printer settings ("Configurar Impressão").
    void copyStatement();
    int exportPdf(const QString& path);
    QPrinter& printer();

    QMenu* popupMenu(ToolbarMenu menu) const;

    // Switches the strip between the toolbar and the font settings ("Configurar Fonte").
    void showFontPage(bool show);

    // The vendor's software page.
    static QString vendorPageAddress();

    // Network operations offered to an updater (network.cpp). The disk cache in the data folder's
    // "cache" folder stands in for the system's URL cache.
    // `LimpaCache`: removes every cache entry whose address contains the pattern (all for "").
    void clearCache(const QString& pattern);
    // `DownloadFile`: clears the cache entries of the file's name, then downloads the address into
    // the file, whole or not at all; true when the server answered 200 (after any redirects).
    bool downloadFile(const QString& url, const QString& fileName);
    // `CheckUrl`: true when the server answers status 200 or 302 (redirects not followed, never
    // from the cache); an address with neither "http://" nor "https://" gets "http://" in front.
    bool checkUrl(const QString& url);
    // The program's one network access, with that cache.
    QNetworkAccessManager& network();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Private;
    shell::Shell& shell_;
    Private* d_;
    bool shown_ = false;

    void writeFontIni();
    void syncPreviewAction();
};

using Command = MainWindow::Command;

}  // namespace ruvivavu::gui

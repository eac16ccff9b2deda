// The main window TForm1: toolbar strip, menus, report viewer and statement font settings. Every
// calculator is opened from here and hands its finished statement to the viewer.
#pragma once

#include "core/shell/shell.h"

#include <QMainWindow>
#include <QString>

#include <functional>
#include <map>

class QAction;
class QMenu;
class QPrinter;
class QTextBrowser;

namespace ruvivavu::gui {

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(shell::Shell& shell, QWidget* parent = nullptr);
    ~MainWindow() override;

    shell::Shell& shell() { return shell_; }

    // A menu or toolbar command by its handler name without "Click" (for example "PoupanaDiria1",
    // "MenuItem1", "ExpurgosdoFGTS1", "SpeedButton8", "VisualizarImpresso1").
    QAction* command(const QString& handlerName) const;

    // What a calculator does for a command, by the handler name of the main-menu entry (the
    // pop-up twins first enable "Visualizar Impressão", then run the same handler). Errors the
    // handler raises are shown by the program's error handler.
    void setCommandHandler(const QString& handlerName, std::function<void()> handler);

    // Runs the handler registered under a name as a command does: through the error handler, with
    // the "not available" message when there is none.
    void runHandler(const QString& handlerName) { runCommand(handlerName, false); }

    // Start-up loading steps supplied by the calculators (numbered as in the first-show sequence:
    // 3 fgtsjuros.tab, 4 planos.ini, 5 cabecalho.dat, 6 rodape.dat, 8 indice.ini). The first show
    // runs its own steps and these in order.
    void addStartupStep(int step, std::function<void()> load);

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

    // The statement commands: copy the whole statement (HTML and plain text), write it as PDF with
    // the session's page layout (answers the page count, raises FileError), and the session's
    // printer settings ("Configurar Impressão").
    void copyStatement();
    int exportPdf(const QString& path);
    QPrinter& printer();

    // The three pop-up menus of the toolbar by name: "PopupMenu2", "Popupatualiza", "Popupfgts".
    QMenu* popupMenu(const QString& name) const;

    // Switches the strip between the toolbar and the font settings ("Configurar Fonte").
    void showFontPage(bool show);

    // The vendor's software page.
    static QString vendorPageAddress();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Private;
    shell::Shell& shell_;
    Private* d_;
    bool shown_ = false;

    void runCommand(const QString& handlerName, bool enablesPreview);
    void writeFontIni();
    void syncPreviewAction();
};

}  // namespace ruvivavu::gui

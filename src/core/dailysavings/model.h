// The daily-savings calculator ("Poupança Diária - com opções de configuração"): every grid, text
// and switch of the wizard, and the operations its buttons, grids and pages trigger. The window
// shows this state and calls these operations; the command-line tool and the tests drive it
// without a window. The computation lives in sheet.h and interest.h, the statement in
// statement.h, the file layout in calculationfile.h and the run without a window in headlessrun.h.
//
// Messages. The program's own messages (plain Portuguese message boxes) are thrown as
// UserMessage after the model has been left in the state the calculator has when the message box
// appears (e.g. next() from page 0 without a plan throws "escolha um plano" with the page back at
// 0). Conversion, arithmetic and file failures are thrown as ConversionError, ArithmeticError and
// FileError; the step stops there and whatever was written before stays in the grids. The window
// catches both kinds and shows the text in one message box captioned "Ruvivavu da Dudovizu".
//
// Every value is text in a grid cell; each step reads the texts it needs and writes formatted
// text back, so figures are rounded at every stored step exactly as the calculation orders them.
#pragma once

#include "core/common/grid.h"
#include "core/dailysavings/pages.h"
#include "core/shell/unsavedtyping.h"

#include <functional>
#include <string>
#include <vector>

namespace ruvivavu::shell {
class Shell;
class PlanTable;
class IndexApplicationTable;
}  // namespace ruvivavu::shell

namespace ruvivavu::dailysavings {

// The grids of the wizard, for the generic accessors below.
enum class GridId { ChosenPlans, Balances, Differences, CourtInterest, MonthlyInterest, PaidBack, Sheet };

// The calculators this model serves: daily savings, and the month-by-month court-debt calculator
// (TForm_tjsp_d), which walks the same sheet with a court-debt correction table instead of the
// savings yields, without the plan-month check, the currency from the plan table, the yield
// overrides or the joining plan's currency divisor, and heads its statement for court use.
enum class Variant { DailySavings, CourtDebtMonthly };

inline constexpr const char* kSavingsTable = "zurivodo13.tab";
inline constexpr const char* kSaoPauloTable = "tjsp.tab";
inline constexpr const char* kMinasTable = "tjmg.tab";
inline constexpr const char* kSaoPauloMonthlyCaption = "Débitos Judiciais São Paulo (mês a mês)";
inline constexpr const char* kMinasMonthlyCaption = "Débitos Judiciais MG - MT - MS - ES (mês a mês)";
inline constexpr const char* kNoCourtTable = "tabela inexistente - faça a atualização das tabelas";
inline constexpr const char* kBackupFile = "temp2.back";
inline constexpr const char* kStatementFile = "teste.html";
inline constexpr const char* kHeaderFile = "cabecalho.dat";
inline constexpr const char* kFooterFile = "rodape.dat";

class DailySavings {
public:
    static constexpr int kLastPage = 6;

    // Registers the plan list with the plan table so that its "Gravar" rebuilds it.
    DailySavings(shell::Shell& shell, shell::PlanTable& planTable, shell::IndexApplicationTable& yieldOverrides,
                 Variant variant = Variant::DailySavings);

    const Variant variant;
    // The month-by-month window's caption, which names its table and the indexes its statement
    // cites: kSaoPauloMonthlyCaption, kMinasMonthlyCaption, or "MG - MT - MS - ES" until a launch
    // sets one. Empty for daily savings.
    std::string caption;
    // The index table this calculator reads: zurivodo13.tab, or the court table of the caption
    // (tjsp.tab for São Paulo, tjmg.tab otherwise).
    std::string tableFile() const;
    ~DailySavings();
    DailySavings(const DailySavings&) = delete;
    DailySavings& operator=(const DailySavings&) = delete;

    // ---- Grids (row 0 = headings, written by shown(); data rows from 1) ----

    // Page 0, chosen plans (SPlanos). 2 columns (3 while a plan click runs), 1 fixed column:
    //   0 "Expurgo"  1 "Data" (mask "!99/0000;1", editable)          widths 122, 89
    // Rows 1.. the chosen plans in table order, then the last row "Atualizar até" | end month.
    StringGrid chosenPlans;
    // Page 1, balances (SSaldo). 5 columns, columns 0 to 2 fixed; row 0 height 28, others 24:
    //   0 "Expurgo"  1 "Data"  2 "Moeda"  3 "Dia base" (mask "!00;1", editable)
    //   4 "Saldo" (editable)                                         widths 109, 64, 70, 64, 64
    StringGrid balances;
    // Page 2, differences (SBase), read only. 5 columns, 1 fixed column:
    //   0 "Expurgo"  1 "Diferença sobre o saldo em:" (mask "!99/0000;1")  2 "Diferença %"
    //   3 "Base de cálculo - valor faltante na conta em:" (mask "!99/0000;1")  4 "Valor"
    //                                                                widths 64, 103, 132, 101, 81
    StringGrid differences;
    // Page 3, court-interest periods (STJuros), editable, no fixed column. 3 columns (4 once
    // computed): 0 "Data Inicial"  1 "Data Final" (masks "!99/99/0000;1")  2 "Juros %"
    //   3 (no heading) the period's percentage; after computing, a last row "Total" | sum.
    StringGrid courtInterest;
    // Page 3, monthly-interest periods (Jmes), 4 columns, 5 rows (4 data rows), no fixed column:
    //   0 "Data Inicial"  1 "Data Final" (masks "!99/99/0000;1")  2 "Juros %"   (editable)
    //   3 "Juros Trimestrais": "Sim" or "Não", not editable, a click toggles it (toggleQuarterly)
    StringGrid monthlyInterest;
    // Page 4, amounts paid back (amortizacao), editable, no fixed column, one row per credit month:
    //   0 "Data" (laid out by the program)  1 "Descrição"  2 "Valor"   widths 64, 161, 64
    StringGrid paidBack;
    // Page 5, the month-by-month sheet (planilha), read only, 16 columns (see sheet.h).
    StringGrid sheet;

    // Texts, switches and lists.
    std::vector<std::string> header;     // statement header "Cabeçalho" (Memo1), one entry per line
    std::vector<std::string> footer;     // statement footer "Rodapé" (Memo2)
    std::vector<PlanItem> planList;      // the plan check list CPlanos
    bool showNotes = true;               // "Exibir Notas Finais sobre cálculos" (Cnotas)
    bool proRata = false;                // "Pró-rata" (Cprorata)
    bool compound = false;               // hidden "Compostos" (Rcomposto)
    bool simple = true;                  // hidden "Simples" (Rsimples)
    bool monthByMonth = false;           // hidden "Mês a mês" (Rmes)
    bool withoutMonthlyInterest = true;  // monthly interest "Não" (Rsemjuros)
    bool withMonthlyInterest = false;    // monthly interest "Sim" (Rcomjuros)
    int page = 0;                        // 0 to 6
    bool finishEnabled = false;          // "Finalizar" is enabled once page 6 is reached

    // ---- Presentation data for the window ----

    StringGrid& grid(GridId id);
    const StringGrid& grid(GridId id) const;
    static std::vector<int> columnWidths(GridId id);
    // Edit mask of a cell, chosen by the heading text of its column (empty: no mask).
    std::string editMask(GridId id, int column) const;
    // Whether the cell is edited in place (row 0 and fixed columns never are).
    static bool isEditable(GridId id, int column, int row);
    // "Tabela atualizada até: " + the latest month of `indice` (red label on page 0).
    std::string tableLabel() const;
    // Sets one radio button of the monthly-interest group on and the other off.
    void setWithMonthlyInterest(bool sim);

    // ---- Window events ----

    // The show routine (every time the window becomes visible): headings, "Não" in empty
    // quarterly cells, page 0. The label comes from tableLabel().
    void shown();
    void writeHeadings();
    // Called by open() and launch() where the window must be shown; when unset (no window, or
    // the tests) shown() runs directly, as for a hidden window.
    std::function<void()> showWindow;

    // A click in the plan list (after the item's check changed): rebuilds the chosen plans and
    // the differences.
    void planListClicked();
    void setPlanChecked(int item, bool checked);  // sets the check, then planListClicked()
    // Rebuilds the plan list from the plan table (checks cleared); called by the table's "Gravar".
    void rebuildPlanList();

    // Leaving a grid (the window also runs the rule of the grid being edited at the start of
    // "Próximo" and "Finalizar").
    void leaveChosenPlans();      // months repaired, cells without a digit emptied
    void leaveBalances();         // "Dia base" to 1..28 without a leading zero, balance in money format
    void leaveDifferences();      // months repaired
    void leaveCourtInterest();    // dates repaired
    void leaveMonthlyInterest();  // dates repaired
    void leaveGrid(GridId id);
    // A cell of the interest grids was edited: date cells holding only the empty mask are emptied.
    void cellEdited(GridId id, int row);
    // A click on a monthly-interest cell: a "Juros Trimestrais" data cell toggles "Não" -> "Sim",
    // anything else -> "Não". Answers whether it toggled.
    bool toggleQuarterly(int column, int row);

    // ---- Navigation ----

    // "Próximo": page + 1 (not above 6), then the work of the page reached.
    // - Page 1 checks: UserMessage "escolha um plano" (no plan row, including a list where only
    //   "Atualizar até" is left) and "A data <month> não existe na tabela, atualize o índice";
    //   both thrown with the page back at 0.
    // - Page 5: a sheet that cannot be built (a base month missing from the table, a text that
    //   does not convert) is emptied and the wizard goes back to page 4 with "Finalizar" off:
    //   no statement comes from a half-built sheet.
    // - Other conversion and arithmetic errors leave the page reached and what was written so far.
    void next();
    // "Anterior": page - 1 (not below 0); no work.
    void previous();
    // The work done on reaching a page (1: checks, balances, amortisation months; 2: difference
    // values; 4: court interest; 5: the sheet; 6: "Finalizar" enabled).
    void reachPage(int page);

    // ---- Buttons ----

    void clearCourtInterest();    // "Limpar" of the court-interest group
    void clearMonthlyInterest();  // "Limpar" of the monthly-interest group
    void clearPaidBack();         // "Limpar" of the amortisation page
    // "Gravar" of page 6: header lines to cabecalho.dat, footer lines to rodape.dat.
    void saveHeaderFooter() const;

    // "Finalizar" steps 2 to 4 (balances re-formatted, "-" before amounts paid back, the "Juros"
    // or "Valor" headings) followed by the statement: answers the bytes teste.html holds. Writes
    // nothing; may set the court-interest total cell to "0" when it has no digit.
    std::string finishToBytes();
    // "Finalizar" (the window ends editing first): finishToBytes(), teste.html written and
    // shown in the viewer, the backup temp2.back written, "Finalizar" disabled, the viewer
    // refreshed. The window closes itself afterwards.
    void finish();

    // ---- Files ----

    // Writes the backup temp2.back into the data folder (salvarx).
    void writeBackup() const;
    bool backupExists() const;
    // "Salvar": copies temp2.back to the chosen file (the window asks for the name only when
    // backupExists()). UserMessage "Erro ao copiar <backup> para <target>" when the copy fails.
    void saveCopy(const std::string& target) const;
    // "Abrir" of a chosen file (the window first puts the wizard on page 0): empties indice and
    // loads zurivodo13.tab, shows the window, reads the file, loads the header and footer files.
    // The wizard is left on page 0 with "Finalizar" off and the sheet emptied, as after "Novo".
    // UserMessage: "Este programa não abre o arquivo da versão anterior, use a versão 1.0" (not a
    // "Vers 1.2" file; header and footer are loaded first) and "O arquivo possui <n> Plano(s)
    // adicionai(s), impossível abrir" (more plans than the list holds; nothing read).
    void open(const std::string& path);
    // "Abrir Backup": restores temp2.back when it exists and is a "Vers 1.2" file, leaving the
    // wizard as open() does. A backup with more plans than the list is refused with the message
    // above and kept.
    void openBackup();

    // Whether the inputs hold typing neither finalised nor settled otherwise (start-up, "Abrir",
    // "Abrir Backup", "Novo"; see shell/unsavedtyping.h). "Salvar" copies the finalised backup, so
    // typing after "Finalizar" stays unsaved.
    bool hasUnsavedTyping() const;

    // ---- Launch, reset and start-up ----

    // "Poupança Diária - com opções de configuração": empties indice, loads zurivodo13.tab,
    // shows the window.
    void launch();
    // The month-by-month court-debt entries: UserMessage kNoCourtTable when the caption's table is
    // missing (nothing changes); otherwise the caption set, "Visualizar Impressão" enabled, indice
    // emptied and the table loaded, the window shown.
    void launchMonthly(const std::string& caption);
    // "Novo" (abrirpoupx, abrirpoupxstj): page 0, backup deleted, the calculator's table reloaded, checks cleared, data
    // rows emptied, "Simples" on, "Pró-rata" off, monthly interest to 5 rows with "Não", header and footer reloaded,
    // window shown.
    void reset();
    // Start-up steps of the main window's first show that concern this calculator, in order:
    // plan list emptied; planos.ini into the plan table (when present), chosen-plan row count and
    // the plan list from it; cabecalho.dat; rodape.dat; indice.ini into the index-application
    // table; zurivodo13.tab into indice. Each file only when it exists.
    void loadAtStart();
    // Step 4 (the plan table must hold what planos.ini gave it): the plan list emptied and
    // filled from the table, the chosen plans given the table's row count + 2.
    void loadPlansAtStart();
    void loadHeaderAtStart();  // step 5
    void loadFooterAtStart();  // step 6

    shell::Shell& shell() { return shell_; }
    const shell::Shell& shell() const { return shell_; }
    shell::PlanTable& planTable() { return planTable_; }
    const shell::PlanTable& planTable() const { return planTable_; }
    shell::IndexApplicationTable& yieldOverrides() { return yieldOverrides_; }

private:
    void checkPlansChosen();
    void layOutBalances();
    void reachSheetPage();
    void clearSheet();
    void afterOpen();
    void loadHeaderFooterFiles();

    // The amounts paid back of the current sheet already carry their "-": a second "Finalizar"
    // (after a failed write) must not add another one.
    bool sheetFinalized_ = false;

    shell::Shell& shell_;
    shell::PlanTable& planTable_;
    shell::IndexApplicationTable& yieldOverrides_;
    int listenerId_ = 0;
    // The inputs as the calculation file holds them, at the last settling point.
    shell::SettledInputs settledInputs_;
};

}  // namespace ruvivavu::dailysavings

// The daily-savings calculator ("Poupança Diária"): every grid, text and switch of the wizard,
// and the operations its buttons, grids and pages trigger. The window shows this state and calls
// these operations; the command-line tool and the tests drive it without a window.
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
#include "core/common/numeric.h"

#include <functional>
#include <string>
#include <vector>

namespace ruvivavu::shell {
class Shell;
}

namespace ruvivavu::savings {

class PlanTable;
class IndexApplicationTable;

// The grids of the wizard, for the generic accessors below.
enum class GridId { Planos, Saldo, Base, TJuros, Jmes, Amortizacao, Planilha };

// One item of the plan check list `CPlanos`: item i stands for plan-table row i+1.
struct PlanItem {
    std::string text;
    bool checked = false;
};

class DailySavings {
public:
    static constexpr int kLastPage = 6;
    static const char* const kBackupFile;     // "temp2.back"
    static const char* const kStatementFile;  // "teste.html"
    static const char* const kHeaderFile;     // "cabecalho.dat"
    static const char* const kFooterFile;     // "rodape.dat"

    // Registers the plan list with the plan table so that its "Gravar" rebuilds it.
    DailySavings(shell::Shell& shell, PlanTable& planTable, IndexApplicationTable& indexTable);
    ~DailySavings();
    DailySavings(const DailySavings&) = delete;
    DailySavings& operator=(const DailySavings&) = delete;

    // ---- Grids (row 0 = headings, written by shown(); data rows from 1) ----

    // Page 0, chosen plans. 2 columns (3 while a plan click runs), 1 fixed column:
    //   0 "Expurgo"  1 "Data" (mask "!99/0000;1", editable)          widths 122, 89
    // Rows 1.. the chosen plans in table order, then the last row "Atualizar até" | end month.
    StringGrid SPlanos;
    // Page 1, balances. 5 columns, columns 0 to 2 fixed; row 0 height 28, others 24:
    //   0 "Expurgo"  1 "Data"  2 "Moeda"  3 "Dia base" (mask "!00;1", editable)
    //   4 "Saldo" (editable)                                         widths 109, 64, 70, 64, 64
    StringGrid SSaldo;
    // Page 2, differences, read only. 5 columns, 1 fixed column:
    //   0 "Expurgo"  1 "Diferença sobre o saldo em:" (mask "!99/0000;1")  2 "Diferença %"
    //   3 "Base de cálculo - valor faltante na conta em:" (mask "!99/0000;1")  4 "Valor"
    //                                                                widths 64, 103, 132, 101, 81
    StringGrid SBase;
    // Page 3, court-interest periods, editable, no fixed column. 3 columns (4 once computed):
    //   0 "Data Inicial"  1 "Data Final" (masks "!99/99/0000;1")  2 "Juros %"
    //   3 (no heading) the period's percentage; after computing, a last row "Total" | sum.
    StringGrid STJuros;
    // Page 3, monthly-interest periods, 4 columns, 5 rows (4 data rows), no fixed column:
    //   0 "Data Inicial"  1 "Data Final" (masks "!99/99/0000;1")  2 "Juros %"   (editable)
    //   3 "Juros Trimestrais": "Sim" or "Não", not editable, a click toggles it (clickJmes)
    StringGrid Jmes;
    // Page 4, amounts paid back, editable, no fixed column, one row per credit month:
    //   0 "Data" (laid out by the program)  1 "Descrição"  2 "Valor"   widths 64, 161, 64
    StringGrid amortizacao;
    // Page 5, the month-by-month sheet, read only, 16 columns, no fixed column:
    //   0 "Moeda do inicio do período de rendimento"  1 "Período de Rendimento"
    //   2 "Rendimento (%)"  3 "Moeda do inicio do mês de crédito em conta"
    //   4 "Mês do crédito em conta"  5 "Valor corrigido a partir da base de cálculo"
    //   6 "Juros" (monthly interest rate or "0")  7 "Valor + Juros"
    //   8 amortisation description  9 difference % of a plan joining  10 its balance
    //   11 amount paid back or "0"  12 difference value of a plan joining
    //   13 carried amount over the plan's divisor  14 column 13 + column 12  15 joining plan name
    StringGrid planilha;

    // Texts, switches and lists.
    std::vector<std::string> memo1;  // statement header ("Cabeçalho"), one entry per line
    std::vector<std::string> memo2;  // statement footer ("Rodapé")
    std::vector<PlanItem> plans;     // the plan check list CPlanos
    bool cnotas = true;              // "Exibir Notas Finais sobre cálculos"
    bool cprorata = false;           // "Pró-rata"
    bool rcomposto = false;          // hidden "Compostos"
    bool rsimples = true;            // hidden "Simples"
    bool rmes = false;               // hidden "Mês a mês"
    bool rsemjuros = true;           // monthly interest "Não"
    bool rcomjuros = false;          // monthly interest "Sim"
    int page = 0;                    // 0 to 6
    bool finalizarEnabled = false;   // "Finalizar" is enabled once page 6 is reached

    // The quarterly monthly-interest state: a running sum of rates and a month counter.
    // Every sheet build starts it again at 0 and 1.
    Number quarterSum = 0;
    int quarterCount = 1;

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
    void setMonthlyInterest(bool sim);

    // ---- Window events ----

    // The show routine (every time the window becomes visible): headings, "Não" in empty Jmes
    // column-3 cells, page 0. The label comes from tableLabel().
    void shown();
    void writeHeadings();
    // Called by open() and launch() where the window must be shown; when unset (no window, or
    // the tests) shown() runs directly, as for a hidden window.
    std::function<void()> showWindow;

    // A click in the plan list (after the item's check changed): rebuilds SPlanos and SBase.
    void planListClicked();
    void setPlanChecked(int item, bool checked);  // sets the check, then planListClicked()
    // Rebuilds the plan list from the plan table (checks cleared); called by the table's "Gravar".
    void rebuildPlanList();

    // Leaving a grid (the window also runs the rule of the grid being edited at the start of
    // "Próximo" and "Finalizar").
    void leaveSPlanos();   // months repaired, cells without a digit emptied
    void leaveSSaldo();    // "Dia base" to 1..28 without a leading zero, balance in money format
    void leaveSBase();     // months repaired
    void leaveSTJuros();   // dates repaired
    void leaveJmes();      // dates repaired
    void leaveGrid(GridId id);
    // A cell of STJuros or Jmes was edited: date cells holding only the empty mask are emptied.
    void cellEdited(GridId id, int row);
    // A click on a Jmes cell: a column-3 data cell toggles "Não" -> "Sim", anything else -> "Não".
    // Answers whether it toggled.
    bool clickJmes(int column, int row);

    // ---- Navigation ----

    // "Próximo": page + 1 (not above 6), then the work of the page reached.
    // - Page 1 checks: UserMessage "escolha um plano" (no plan row, including a list where only
    //   "Atualizar até" is left) and "A data <month> não existe na tabela, atualize o índice";
    //   both thrown with the page back at 0.
    // - Page 5: UserMessage for a base month missing from the table (see buildSheet).
    // - Conversion and arithmetic errors leave the page reached and what was written so far.
    void next();
    // "Anterior": page - 1 (not below 0); no work.
    void previous();
    // The work done on reaching a page (1: checks, balances, amortisation months; 2: difference
    // values; 4: court interest; 5: the sheet; 6: "Finalizar" enabled).
    void reachPage(int page);
    void reachPage1();
    void reachPage2();
    void reachPage4();
    void reachPage5();

    // ---- Computations (also callable on their own) ----

    // Difference value of each plan into SBase column 4.
    void computeDifferences();
    // The amortisation months (amortizarx): rows 1.. of amortizacao get the credit months
    // P+1 .. end month; columns 1 and 2 are not touched.
    void layOutAmortisation();
    // Court interest of STJuros: result column, rows without dates removed, "Total" row rebuilt.
    void computeCourtInterest();
    // juros: the percentage of a period at a monthly rate ("#,##0.0000"), pró-rata per cprorata.
    std::string juros(const std::string& rate, const std::string& start, const std::string& end) const;
    // devolvejuro: monthly interest rate of the credit month beginning on the date "dd/mm/yyyy";
    // advances the quarterly state.
    Number devolvejuro(const std::string& date);
    // planocollor: builds the sheet into planilha (planilha must have been emptied to 2 rows;
    // reachPage5() does that). Starts the quarterly state again at 0 and 1. UserMessage "A data
    // <base month> não existe na tabela, atualize o índice" when a plan's base month (SBase
    // column 3) is not in indice; the rows written before stay.
    void buildSheet();

    // ---- Buttons ----

    void clearCourtInterest();  // "Limpar" of the court-interest group
    void clearMonthly();        // "Limpar" of the monthly-interest group
    void clearAmortisation();   // "Limpar" of the amortisation page
    // "Gravar" of page 6: header lines to cabecalho.dat, footer lines to rodape.dat.
    void saveHeaderFooter() const;

    // "Finalizar" steps 2 to 4 (balances re-formatted, "-" before amounts paid back, the "Juros"
    // or "Valor" headings) followed by the statement: answers the bytes teste.html holds. Writes
    // nothing. The command-line tool stops here.
    std::string finalizeToBytes();
    // "Finalizar" (the window ends editing first): finalizeToBytes(), teste.html written and
    // shown in the viewer, the backup temp2.back written, "Finalizar" disabled, the viewer
    // refreshed. The window closes itself afterwards.
    void finalize();
    // The statement (impx) as Windows-1252 bytes with CR LF; may set the court-interest total
    // cell to "0" when it has no digit.
    std::string statementBytes();

    // ---- Files ----

    // The calculation in the "Vers 1.2" layout, as Windows-1252 bytes with CR LF (salvarx).
    std::string calculationBytes() const;
    // salvarx: writes temp2.back into the data folder.
    void writeBackup() const;
    bool backupExists() const;
    // "Salvar": copies temp2.back to the chosen file (the window asks for the name only when
    // backupExists()). UserMessage "Erro ao copiar <backup> para <target>" when the copy fails.
    void saveCopy(const std::string& target) const;
    // "Abrir" of a chosen file (the window first puts the wizard on page 0): empties indice and
    // loads zurivodo13.tab, shows the window, reads the file, loads the header and footer files.
    // UserMessage: "Este programa não abre o arquivo da versão anterior, use a versão 1.0" (not a
    // "Vers 1.2" file; header and footer are loaded first) and "O arquivo possui <n> Plano(s)
    // adicionai(s), impossível abrir" (more plans than the list holds; nothing read).
    void open(const std::string& path);
    // Reads a "Vers 1.2" calculation (bytes as on disk) into the grids and switches, from the
    // plan count on; the first line must already be known to be "Vers 1.2".
    void readCalculation(const std::string& bytes);
    // "Abrir Backup": restores temp2.back when it exists and is a "Vers 1.2" file. A backup with
    // more plans than the list is refused with the message above and kept.
    void openBackup();

    // ---- Launch, reset and start-up ----

    // "Poupança Diária - com opções de configuração": empties indice, loads zurivodo13.tab,
    // shows the window.
    void launch();
    // "Novo" (abrirpoupx): page 0, backup deleted, table reloaded, checks cleared, data rows
    // emptied, "Simples" on, "Pró-rata" off, Jmes to 5 rows with "Não", header and footer
    // reloaded, window shown.
    void reset();
    // Start-up steps of the main window's first show that concern this calculator, in order:
    // plan list emptied; planos.ini into the plan table (when present), SPlanos row count and the
    // plan list from it; cabecalho.dat; rodape.dat; indice.ini into the index-application table;
    // zurivodo13.tab into indice. Each file only when it exists.
    void loadAtStart();
    // Step 4 (the plan table must hold what planos.ini gave it): the plan list emptied and
    // filled from the table, SPlanos given the table's row count + 2.
    void loadPlansAtStart();
    void loadHeaderAtStart();    // step 5
    void loadFooterAtStart();    // step 6

    shell::Shell& shell() { return shell_; }
    PlanTable& planTable() { return planTable_; }
    IndexApplicationTable& indexTable() { return indexTable_; }

private:
    void defaultBalances();
    void applyYield(int r, Number divisor);
    void loadHeaderFooterFiles();

    // The amounts paid back of the current sheet already carry their "-": a second "Finalizar"
    // (after a failed write) must not add another one.
    bool sheetFinalized_ = false;

    shell::Shell& shell_;
    PlanTable& planTable_;
    IndexApplicationTable& indexTable_;
    int listenerId_ = 0;
};

}  // namespace ruvivavu::savings

// The two user-editable tables behind the plan-based calculators:
//
// - PlanTable ("Incluir Expurgo"): one economic plan per row, kept in planos.ini;
// - IndexApplicationTable ("Aplicar Expurgos"): months whose savings yield the daily-savings sheet
//   replaces by a rate of the user's own, kept in indice.ini.
//
// Both hold their grid as a plain StringGrid (row 0 = headings, data from row 1) so a window can
// show it through a generic grid adapter. Edits stay in the grid until save() writes the file; the
// calculators always read the grids as they are.
#pragma once

#include "core/common/grid.h"

#include <functional>
#include <string>
#include <vector>

namespace ruvivavu::shell {

class Shell;

// Purge plan table, grid `SPlanosini` (10 columns, no fixed column, row 0 fixed with the headings):
//   0 "Expurgo"                                name of the plan, as shown in the plan lists
//   1 "Data"                                   month of the plan, "mm/yyyy" (edit mask "!99/0000;1")
//   2 "Diferença sobre o saldo anterior em %"  percentage of the balance lost, decimal comma
//   3 "Mudança de Moeda"                       currency-change divisor, empty when none
//   4 "Moeda"                                  currency of the balance in that month
//   5 "Índice Oficial"                         name of the index credited
//   6 "Índice Oficial Valor"                   its value in percent
//   7 "Índice Requerido"                       name of the index the claim asks for
//   8 "Índice Requerido Valor"                 its value in percent
//   9 "Moeda Mudança"                          name of the new currency after the change
// Every cell is editable (in place, Tab moves between cells).
class PlanTable {
public:
    enum Column {
        Name = 0,
        Month = 1,
        Percent = 2,
        Divisor = 3,
        Currency = 4,
        OfficialName = 5,
        OfficialValue = 6,
        RequiredName = 7,
        RequiredValue = 8,
        NewCurrency = 9
    };
    static constexpr int kColumns = 10;
    static const char* const kFileName;  // "planos.ini"

    PlanTable();

    StringGrid grid;     // SPlanosini: 10 columns, 2 rows at creation
    int currentRow = 1;  // the row of the last selected cell ("Excluir Linha" removes it)

    static std::vector<std::string> headings();
    static std::vector<int> columnWidths();   // 90, 80, 179, 146, 64, 118, 136, 134, 132, 128
    static std::string editMask(int column);  // "!99/0000;1" for column 1, "" otherwise
    static std::string caption() { return "Incluir Expurgo"; }

    // Writes the headings into row 0 (every time the window is shown).
    void writeHeadings();
    // Selecting a cell remembers its row.
    void selectCell(int column, int row);
    // "Nova Linha": one more row at the end (the new row is empty).
    void addRow();
    // "Excluir Linha": removes the current row (nothing for the heading row).
    void deleteRow();
    // Leaving the grid: every "Data" cell that has a digit is rewritten as a valid month/year.
    void leaveGrid();
    // "Gravar" (after ending the edit, so call leaveGrid() first from the window): sorts the data
    // rows by year then month, writes planos.ini into the data folder, then tells every registered
    // plan list to rebuild itself from the table (the daily-savings list and the court-debt lists).
    void save(const Shell& shell);

    // Start-up: loads planos.ini into the grid when the file exists. Answers whether it did.
    bool loadAtStart(const Shell& shell);

    // Column 0 of rows 1 to RowCount-1: the items of every plan list, in table order.
    std::vector<std::string> planNames() const;
    // The row whose "Expurgo" equals the name (the last or the first such row); -1 when none.
    int lastRowNamed(const std::string& name) const;
    int firstRowNamed(const std::string& name) const;

    // Plan lists that mirror the table register here; save() calls them after writing the file.
    int addPlanListListener(std::function<void()> rebuild);
    void removePlanListListener(int id);

private:
    std::vector<std::pair<int, std::function<void()>>> listeners_;
    int nextListener_ = 1;
};

// Index-application table, grid `SPlanosini` of "Aplicar Expurgos" (3 columns, no fixed column,
// row 0 fixed with the headings):
//   0 "Data"               a month, "mm/yyyy" (edit mask "!99/0000;1"), editable
//   1 "Expurgo"            the rate in percent used for that month instead of the table's yield,
//                          editable
//   2 "Aplicar ao índice"  "Sim" or "Não"; not editable, a click toggles it
class IndexApplicationTable {
public:
    static const char* const kFileName;  // "indice.ini"

    IndexApplicationTable();

    StringGrid grid;  // 3 columns, 2 rows at creation
    int currentRow = 1;
    int currentColumn = 0;

    static std::vector<std::string> headings();
    static std::vector<int> columnWidths();   // 64, 134, 112
    static std::string editMask(int column);  // "!99/0000;1" for column 0
    static std::string caption() { return "Aplicar Expurgos"; }
    // In a data row columns 0 and 1 are edited in place, column 2 is not.
    static bool isEditable(int column, int row);

    void writeHeadings();
    // Remembers the cell; answers whether in-place editing is on for it.
    bool selectCell(int column, int row);
    // A click on a column-2 data cell: "Não" becomes "Sim", any other text becomes "Não".
    // Other cells are left alone. Answers whether it toggled.
    bool clickCell(int column, int row);
    void addRow();
    void deleteRow();
    // Leaving the grid: every column-0 cell with a digit is rewritten as a valid month/year.
    void leaveGrid();
    // "Gravar": writes indice.ini into the data folder (no sorting).
    void save(const Shell& shell) const;
    // Start-up: loads indice.ini when it exists. Answers whether it did.
    bool loadAtStart(const Shell& shell);

    // The rate that replaces the yield of a month: column 1 of the last row marked "Sim" whose
    // column 0 equals the month; false when no such row exists.
    bool overrideFor(const std::string& month, std::string& rate) const;
};

}  // namespace ruvivavu::shell

// The FGTS progressive-interest calculator ("FGTS - Juros Progressivos") without its window: the
// header, the end month, the IPC option, the two grids and the operations its buttons and grids
// trigger. Unlike the other calculators it is one screen, recomputed on every keystroke. The
// window shows this state and calls these operations; the command-line tool and the tests drive
// it without a window.
#pragma once

#include "core/common/grid.h"
#include "core/progressiveinterest/sheet.h"
#include "core/shell/unsavedtyping.h"

#include <string>
#include <vector>

namespace ruvivavu::shell {
class Shell;
}

namespace ruvivavu::progressiveinterest {

inline constexpr const char* kTableFile = "fgtsjuros.tab";
inline constexpr const char* kBackupFile = "temp_jfgts.back";
inline constexpr const char* kStatementFile = "jfgts.html";

class ProgressiveInterest {
public:
    explicit ProgressiveInterest(shell::Shell& shell);

    // The statement's header, one text per line (Memo1).
    std::vector<std::string> header;
    // "Cálcular até:" (ComboBox1): the month the statement ends at, and the months offered.
    std::string endMonth;
    std::vector<std::string> endMonthChoices;
    // "Calcular com reflexos dos expurgos do IPC de 01/89 e 04/90" (Cipc89_90).
    bool ipcReflections = false;
    // The values typed (svalores): column 0 the month labels, column 1 the value of each month.
    StringGrid values;
    // The calculation grid (sfgts), read-only on screen; columns in sheet.h.
    StringGrid sheet;
    // The row of `values` last selected: where "Repetir" copies to next.
    int selectedRow = 1;

    // Start-up: fgtsjuros.tab, when the data folder holds it, into both grids (`values` keeps its
    // first two columns); the months from row 2 on become the end-month choices and the last one
    // the end month.
    void loadAtStart();
    // Each time the window is shown: both grids to 194 rows.
    void shown();

    // A cell of `values` selected.
    void select(int row) { selectedRow = row; }
    // A keystroke in a value cell: its new text, then the whole computation.
    void edit(int row, const std::string& text);
    // Recomputes every month (see sheet.h).
    void recalc();
    // "Repetir": copies the previous month's value into the selected row, recomputes and moves
    // the selection one row on. Answers the row it filled, or -1 when the selection is past the
    // last row (nothing done).
    int repeat();
    // "Novo": empties the header and reloads the table into both grids; the end month and the
    // IPC option stay.
    void reset();

    // salvarx: the calculation into temp_jfgts.back.
    void saveBackup() const;
    // "Salvar": copies the backup to the chosen file. UserMessage with the copy failure.
    void saveCopy(const std::string& target);
    // "Abrir" of a chosen file: read as it was saved, without recomputing. A file that cannot be
    // read raises its error and changes nothing; a file of another kind (first line not a known
    // layout) changes nothing either, and answers false.
    bool open(const std::string& path);

    // "Finalizar": both grids to 194 rows, the backup, then jfgts.html written and shown. The
    // window closes afterwards.
    void finish();
    // The statement of the calculation as it stands (what finish() writes).
    std::string statement() const;

    // Whether the calculation holds typing neither saved nor finalised (settled at start-up,
    // "Abrir", "Novo", "Salvar" and "Finalizar"; see shell/unsavedtyping.h).
    bool hasUnsavedTyping() const { return settledInputs_.changed(); }

private:
    void loadTable();

    shell::Shell& shell_;
    shell::SettledInputs settledInputs_;
};

}  // namespace ruvivavu::progressiveinterest

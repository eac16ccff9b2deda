// Grids and a scratch data folder for the FGTS progressive-interest tests.
#pragma once

#include "core/common/fileio.h"
#include "core/common/grid.h"
#include "core/progressiveinterest/model.h"
#include "core/shell/shell.h"
#include "core/support/tempfolder.h"

#include <string>
#include <vector>

namespace progressive_test {

// One month of a hand-made table: label, b, the three multipliers, seeds of g and h, currency.
struct Month {
    std::string label, b, d4, d5, d6, g, h, currency;
};

// The calculation grid a table of these months loads as (row 0 the headings), and the value grid
// with the labels and the typed values (empty where the month has none).
inline ruvivavu::StringGrid sheetOf(const std::vector<Month>& months) {
    ruvivavu::StringGrid sheet(12, static_cast<int>(months.size()) + 1, 1, 1);
    sheet.setRow(0, {"Mês", "a", "b", "c", "d4", "d5", "d6", "e", "f", "g", "Acumulado (h)", "Moeda"});
    for (size_t i = 0; i < months.size(); ++i) {
        const Month& m = months[i];
        sheet.setRow(static_cast<int>(i) + 1, {m.label, "", m.b, "", m.d4, m.d5, m.d6, "", "", m.g, m.h, m.currency});
    }
    return sheet;
}
inline ruvivavu::StringGrid valuesOf(const ruvivavu::StringGrid& sheet, const std::vector<std::string>& typed) {
    ruvivavu::StringGrid values(2, sheet.rowCount(), 1, 1);
    for (int row = 0; row < sheet.rowCount(); ++row) values.setCell(0, row, sheet.cell(0, row));
    for (size_t i = 0; i < typed.size(); ++i) values.setCell(1, static_cast<int>(i) + 1, typed[i]);
    return values;
}

// A data folder with a small table of six months (tab-separated, Windows-1252) and a 10 pt
// Times New Roman font setting.
inline const char* const kTable =
    "M\xEAs\tValor creditado (a)\tJAM 3% (b)\tBase (c = a/b)\tJAM 4% (d)\tJAM 5% (d)\tJAM 6% (d)\t"
    "Devido (e = c x d)\tDiferen\xE7"
    "a (f = e - a)\tCorre\xE7\xE3o (g)\tAcumulado (h)\tMoeda\t\r\n"
    "jan/89\t\t0,005\t\t0,006\t0,008\t0,010\t\t\t0,00\t\tCz$\t\r\n"
    "fev/89\t\t0,005\t\t0,006\t0,008\t0,010\t\t\t0,00\t\tCz$\t\r\n"
    "mar/89\t\t0,005\t\t0,006\t0,008\t0,010\t\t\t0,00\t\tNCz$\t\r\n"
    "abr/89\t\t0,004\t\t0,005\t0,007\t0,008\t\t\t0,00\t\tNCz$\t\r\n"
    "mai/89\t\t0,004\t\t0,005\t0,007\t0,008\t\t\t0,00\t\tNCz$\t\r\n"
    "jun/89\t\t0,004\t\t0,005\t0,007\t0,008\t\t\t0,00\t\tNCz$\t\r\n";

struct Folder {
    enginetest::TempFolder dir{"progressiveinterest"};
    ruvivavu::shell::Shell shell;
    Folder(bool withTable = true) {
        shell.dataFolder = dir.path;
        if (withTable) ruvivavu::writeFileAtomic(file(ruvivavu::progressiveinterest::kTableFile), kTable);
        ruvivavu::writeFileAtomic(file("font.ini"), "Times New Roman\r\n10\r\n");
        shell.loadFontIni();
    }
    std::string file(const std::string& name) const { return shell.dataFile(name); }
};

}  // namespace progressive_test

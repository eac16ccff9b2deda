// The string grid: zero-based (column, row) cells of text, the model of every table on screen and
// of the hidden working grids. Cells keep their text when the counts are lowered; raising a count
// again shows the old text. Only an explicit write or a row clear empties a cell.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ruvivavu {

class StringGrid {
public:
    explicit StringGrid(int colCount = 5, int rowCount = 5, int fixedCols = 1, int fixedRows = 1);

    int colCount() const { return colCount_; }
    int rowCount() const { return rowCount_; }
    // Counts are at least 1.
    void setColCount(int count);
    void setRowCount(int count);

    int fixedCols() const { return fixedCols_; }
    int fixedRows() const { return fixedRows_; }
    void setFixedCols(int count) { fixedCols_ = count; }
    void setFixedRows(int count) { fixedRows_ = count; }

    // Any non-negative address may be read or written, also beyond the counts (hidden cells).
    const std::string& cell(int col, int row) const;
    void setCell(int col, int row, std::string text);
    // setCell, but a cell that holds the text already is left alone (a recomputation that writes the
    // same figures again costs no copy).
    void updateCell(int col, int row, std::string_view text);

    // The ColCount texts of a row.
    std::vector<std::string> row(int row) const;
    // Writes the texts from column 0 on; columns past the list are left alone.
    void setRow(int row, const std::vector<std::string>& texts);
    // Empties the ColCount cells of a row.
    void clearRow(int row);
    // Empties every cell of rows 0 to RowCount - 1 (hidden cells included in those rows).
    void clearRows();
    // Exchanges the whole cell storage of two rows.
    void swapRows(int a, int b);

private:
    int colCount_;
    int rowCount_;
    int fixedCols_;
    int fixedRows_;
    std::vector<std::vector<std::string>> cells_;  // cells_[row][col], grown on write
};

// Sorts the non-heading rows ascending by one column with an exchange sort (not stable), comparing
// texts linguistically and ignoring case.
void Sortgrid(StringGrid& grid, int column);

// The linguistic, case-insensitive comparison used by Sortgrid: <0, 0, >0.
int compareTextLinguistic(const std::string& a, const std::string& b);

// Removes a row, moving the later rows (the hidden ones just past the count too) up.
void RemoveLinha(StringGrid& grid, int index);

// The comma text of a row (the row encoding of calculation files).
std::string GetCommaText(const StringGrid& grid, int row);
std::string GetCommaText(const std::vector<std::string>& cells);
// Replaces the row's cells with the items of a comma text.
void SetCommaText(StringGrid& grid, int row, std::string_view text);
// The items a comma text stores into `columns` cells (empty cells stay empty texts).
std::vector<std::string> SplitCommaText(std::string_view text, int columns);
// The items of a comma text as a list of lines (a memo) holds them: every item, empty ones as
// empty texts.
std::vector<std::string> CommaTextItems(std::string_view text);

}  // namespace ruvivavu

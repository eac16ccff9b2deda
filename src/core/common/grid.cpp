// The string grid and its row utilities: sort, removal and the comma text of a row.
#include "core/common/grid.h"

#include <algorithm>

namespace ruvivavu {

namespace {
const std::string kEmpty;
}

StringGrid::StringGrid(int colCount, int rowCount, int fixedCols, int fixedRows)
    : colCount_(std::max(1, colCount)),
      rowCount_(std::max(1, rowCount)),
      fixedCols_(fixedCols),
      fixedRows_(fixedRows) {}

void StringGrid::setColCount(int count) {
    colCount_ = std::max(1, count);
}
void StringGrid::setRowCount(int count) {
    rowCount_ = std::max(1, count);
}

const std::string& StringGrid::cell(int col, int row) const {
    if (row < 0 || col < 0 || row >= static_cast<int>(cells_.size())) return kEmpty;
    const auto& r = cells_[static_cast<size_t>(row)];
    if (col >= static_cast<int>(r.size())) return kEmpty;
    return r[static_cast<size_t>(col)];
}

void StringGrid::setCell(int col, int row, std::string text) {
    if (row < 0 || col < 0) return;
    if (row >= static_cast<int>(cells_.size())) {
        if (text.empty()) return;
        cells_.resize(static_cast<size_t>(row) + 1);
    }
    auto& r = cells_[static_cast<size_t>(row)];
    if (col >= static_cast<int>(r.size())) {
        if (text.empty()) return;
        r.resize(static_cast<size_t>(col) + 1);
    }
    r[static_cast<size_t>(col)] = std::move(text);
}

void StringGrid::updateCell(int col, int row, std::string_view text) {
    if (row >= 0 && col >= 0 && row < static_cast<int>(cells_.size())) {
        auto& r = cells_[static_cast<size_t>(row)];
        if (col < static_cast<int>(r.size())) {
            std::string& cell = r[static_cast<size_t>(col)];
            if (cell != text) cell.assign(text);
            return;
        }
    }
    setCell(col, row, std::string(text));
}

std::vector<std::string> StringGrid::row(int row) const {
    std::vector<std::string> out;
    out.reserve(static_cast<size_t>(colCount_));
    for (int c = 0; c < colCount_; ++c) out.push_back(cell(c, row));
    return out;
}

void StringGrid::setRow(int row, const std::vector<std::string>& texts) {
    for (size_t c = 0; c < texts.size(); ++c) setCell(static_cast<int>(c), row, texts[c]);
}

void StringGrid::clearRow(int row) {
    for (int c = 0; c < colCount_; ++c) setCell(c, row, std::string());
}

void StringGrid::clearRows() {
    for (int r = 0; r < rowCount_ && r < static_cast<int>(cells_.size()); ++r) cells_[static_cast<size_t>(r)].clear();
}

void StringGrid::swapRows(int a, int b) {
    if (a < 0 || b < 0 || a == b) return;
    const size_t need = static_cast<size_t>(std::max(a, b)) + 1;
    if (cells_.size() < need) cells_.resize(need);
    std::swap(cells_[static_cast<size_t>(a)], cells_[static_cast<size_t>(b)]);
}

// ---------------------------------------------------------------------------------------------

namespace {

// Decodes one UTF-8 character at i (advancing i); invalid bytes read as themselves.
char32_t nextChar(const std::string& s, size_t& i) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    int len = 1;
    char32_t cp = c;
    if (c >= 0xF0) {
        len = 4;
        cp = c & 0x07;
    } else if (c >= 0xE0) {
        len = 3;
        cp = c & 0x0F;
    } else if (c >= 0xC0) {
        len = 2;
        cp = c & 0x1F;
    }
    if (len > 1 && i + static_cast<size_t>(len) <= s.size()) {
        for (int k = 1; k < len; ++k)
            cp = (cp << 6) | (static_cast<unsigned char>(s[i + static_cast<size_t>(k)]) & 0x3F);
        i += static_cast<size_t>(len);
        return cp;
    }
    ++i;
    return c;
}

// Primary weight of a character: its base letter in lower case (accents and case removed).
char32_t baseLetter(char32_t c) {
    if (c >= 'A' && c <= 'Z') return c + 32;
    switch (c) {
        case U'À':
        case U'Á':
        case U'Â':
        case U'Ã':
        case U'Ä':
        case U'Å':
        case U'à':
        case U'á':
        case U'â':
        case U'ã':
        case U'ä':
        case U'å':
            return 'a';
        case U'Ç':
        case U'ç':
            return 'c';
        case U'È':
        case U'É':
        case U'Ê':
        case U'Ë':
        case U'è':
        case U'é':
        case U'ê':
        case U'ë':
            return 'e';
        case U'Ì':
        case U'Í':
        case U'Î':
        case U'Ï':
        case U'ì':
        case U'í':
        case U'î':
        case U'ï':
            return 'i';
        case U'Ñ':
        case U'ñ':
            return 'n';
        case U'Ò':
        case U'Ó':
        case U'Ô':
        case U'Õ':
        case U'Ö':
        case U'ò':
        case U'ó':
        case U'ô':
        case U'õ':
        case U'ö':
            return 'o';
        case U'Ù':
        case U'Ú':
        case U'Û':
        case U'Ü':
        case U'ù':
        case U'ú':
        case U'û':
        case U'ü':
            return 'u';
        case U'Ý':
        case U'ý':
        case U'ÿ':
            return 'y';
        default:
            return c;
    }
}

char32_t lowerChar(char32_t c) {
    if (c >= 'A' && c <= 'Z') return c + 32;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 32;
    return c;
}

std::u32string decode(const std::string& s) {
    std::u32string out;
    size_t i = 0;
    while (i < s.size()) out += nextChar(s, i);
    return out;
}

}  // namespace

int compareTextLinguistic(const std::string& a, const std::string& b) {
    const std::u32string x = decode(a);
    const std::u32string y = decode(b);
    // First by base letters, then by accents (case ignored throughout).
    for (int level = 0; level < 2; ++level) {
        const size_t n = std::min(x.size(), y.size());
        for (size_t i = 0; i < n; ++i) {
            const char32_t p = level == 0 ? baseLetter(x[i]) : lowerChar(x[i]);
            const char32_t q = level == 0 ? baseLetter(y[i]) : lowerChar(y[i]);
            if (p != q) return p < q ? -1 : 1;
        }
        if (x.size() != y.size()) return x.size() < y.size() ? -1 : 1;
    }
    return 0;
}

void Sortgrid(StringGrid& grid, int column) {
    for (int i = grid.fixedRows(); i <= grid.rowCount() - 2; ++i)
        for (int j = i + 1; j <= grid.rowCount() - 1; ++j)
            if (compareTextLinguistic(grid.cell(column, i), grid.cell(column, j)) > 0) {
                for (int c = 0; c < grid.colCount(); ++c) {
                    std::string t = grid.cell(c, i);
                    grid.setCell(c, i, grid.cell(c, j));
                    grid.setCell(c, j, std::move(t));
                }
            }
}

void RemoveLinha(StringGrid& grid, int index) {
    if (index < 0) return;
    if (index <= grid.rowCount()) {
        for (int r = index; r <= grid.rowCount(); ++r)
            for (int c = 0; c < grid.colCount(); ++c) grid.setCell(c, r, grid.cell(c, r + 1));
    }
    if (index < grid.rowCount()) grid.setRowCount(grid.rowCount() - 1);
}

// ---------------------------------------------------------------------------------------------

std::string GetCommaText(const std::vector<std::string>& cells) {
    if (cells.size() == 1 && cells[0].empty()) return "\"\"";
    std::string out;
    for (size_t k = 0; k < cells.size(); ++k) {
        if (k > 0) out += ',';
        const std::string& s = cells[k];
        bool quote = false;
        for (char c : s) {
            const unsigned char u = static_cast<unsigned char>(c);
            if ((u >= 1 && u <= 32) || c == '"' || c == ',') {
                quote = true;
                break;
            }
        }
        if (!quote) {
            out += s;
            continue;
        }
        out += '"';
        for (char c : s) {
            if (c == '"') out += '"';
            out += c;
        }
        out += '"';
    }
    return out;
}

std::string GetCommaText(const StringGrid& grid, int row) {
    return GetCommaText(grid.row(row));
}

std::vector<std::string> CommaTextItems(std::string_view text) {
    std::vector<std::string> items;
    auto isLow = [](char c) {
        const unsigned char u = static_cast<unsigned char>(c);
        return u >= 1 && u <= 32;
    };
    // A NUL ends the text.
    text = text.substr(0, text.find('\0'));
    size_t i = 0;
    const size_t n = text.size();
    while (i < n && isLow(text[i])) ++i;
    while (i < n) {
        std::string item;
        if (text[i] == '"') {
            ++i;
            // Up to the matching quote; a missing closing quote takes the rest of the line.
            while (i < n) {
                if (text[i] == '"') {
                    if (i + 1 < n && text[i + 1] == '"') {
                        item += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                item += text[i++];
            }
        } else {
            while (i < n && !isLow(text[i]) && text[i] != ',') item += text[i++];
        }
        items.push_back(std::move(item));
        while (i < n && isLow(text[i])) ++i;
        if (i < n && text[i] == ',') {
            if (i + 1 == n) items.emplace_back();
            ++i;
            while (i < n && isLow(text[i])) ++i;
        }
    }
    return items;
}

std::vector<std::string> SplitCommaText(std::string_view text, int columns) {
    std::vector<std::string> cells(static_cast<size_t>(std::max(0, columns)));
    for (std::string& item : CommaTextItems(text)) {
        // An empty item is stored as a single space, so that the cell counts as filled; an item
        // for which no empty cell remains is dropped.
        if (item.empty()) item.push_back(' ');
        for (auto& cell : cells)
            if (cell.empty()) {
                cell = std::move(item);
                break;
            }
    }
    return cells;
}

void SetCommaText(StringGrid& grid, int row, std::string_view text) {
    grid.clearRow(row);
    const std::vector<std::string> cells = SplitCommaText(text, grid.colCount());
    for (size_t c = 0; c < cells.size(); ++c) grid.setCell(static_cast<int>(c), row, cells[c]);
}

}  // namespace ruvivavu

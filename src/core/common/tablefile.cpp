// Tab-separated table text: reading into and writing from string grids.
#include "core/common/tablefile.h"

#include "core/common/encoding.h"
#include "core/common/fileio.h"

namespace ruvivavu {

void CSV2Contents(std::string_view text, char separator, StringGrid& grid, GridRect rect) {
    const int left = rect.left < 0 ? 0 : rect.left;
    const int top = rect.top < 0 ? 0 : rect.top;
    const size_t nul = text.find('\0');
    if (nul != std::string_view::npos) text = text.substr(0, nul);

    int k = top;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = pos;
        while (end < text.size() && text[end] != '\r' && text[end] != '\n') ++end;
        const std::string_view line = text.substr(pos, end - pos);
        pos = end;
        if (pos < text.size()) {
            if (text[pos] == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n') ++pos;
            ++pos;
        }
        if (rect.bottom >= 0 && k > rect.bottom) break;
        if (k >= grid.rowCount()) grid.setRowCount(grid.rowCount() + 1);
        // Every field followed by the separator is stored; a final empty field is not.
        std::string s(line);
        s += separator;
        int c = left;
        size_t start = 0;
        while (s.size() - start > 1) {
            const size_t sep = s.find(separator, start);
            if (rect.right < 0 || c <= rect.right) {
                if (c >= grid.colCount()) grid.setColCount(grid.colCount() + 1);
                grid.setCell(c, k, s.substr(start, sep - start));
            }
            start = sep + 1;
            ++c;
        }
        ++k;
    }
}

void Contents2CSV(std::string& out, char separator, const StringGrid& grid, GridRect rect) {
    const int left = rect.left < 0 ? 0 : rect.left;
    const int top = rect.top < 0 ? 0 : rect.top;
    const int right = rect.right < 0 ? grid.colCount() - 1 : rect.right;
    const int bottom = rect.bottom < 0 ? grid.rowCount() - 1 : rect.bottom;
    for (int r = top; r <= bottom; ++r) {
        for (int c = left; c <= right; ++c) {
            out += grid.cell(c, r);
            out += separator;
        }
        out += "\r\n";
    }
}

std::string Contents2CSV(char separator, const StringGrid& grid, GridRect rect) {
    std::string out;
    Contents2CSV(out, separator, grid, rect);
    return out;
}

void LoadFromFile(const std::string& path, StringGrid& grid) {
    CSV2Contents(cp1252ToUtf8(readTextFileBytes(path)), '\t', grid);
}

void SaveToFile(const std::string& path, const StringGrid& grid) {
    writeFileAtomic(path, utf8ToCp1252(Contents2CSV('\t', grid)));
}

}  // namespace ruvivavu

// Tab-separated table text: the format of every .tab table and of the plan, index-application and
// comparison tables. Bytes are Windows-1252 with CR LF; cells inside the program are UTF-8.
#pragma once

#include "core/common/grid.h"

#include <string>
#include <string_view>

namespace ruvivavu {

struct GridRect {
    int left = -1;
    int top = -1;
    int right = -1;
    int bottom = -1;
};

// Reads separated text (UTF-8) into the grid. Lines end at CR LF, lone LF or lone CR; a NUL ends
// the text; a final empty field of a line is not stored; counts are only ever raised.
void CSV2Contents(std::string_view text, char separator, StringGrid& grid, GridRect rect = {});

// Appends the rectangle of the grid as separated text (UTF-8): every cell followed by the
// separator, every row by CR LF.
void Contents2CSV(std::string& out, char separator, const StringGrid& grid, GridRect rect = {});
std::string Contents2CSV(char separator, const StringGrid& grid, GridRect rect = {});

// Reads a table file into the grid. Raises FileError("Cannot open file \"<path>\". <reason>").
void LoadFromFile(const std::string& path, StringGrid& grid);

// Writes the whole grid as a table file, through a temporary file and a rename.
// Raises FileError("Cannot create file \"<path>\". <reason>").
void SaveToFile(const std::string& path, const StringGrid& grid);

}  // namespace ruvivavu

// The comma text of a grid row: any line split into a row of cells. Saving a row and opening it
// again may turn an empty cell into " " once (an empty item reads as a blank); from then on a
// row must read back as it was written.
#include "core/common/grid.h"
#include "fuzz/fuzzing.h"

#include <cstdlib>

using namespace ruvivavu;

namespace {

std::vector<std::string> roundTrip(const StringGrid& grid) {
    StringGrid again(grid.colCount(), 2, 0, 1);
    SetCommaText(again, 1, GetCommaText(grid, 1));
    return again.row(1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    // The first byte chooses the grid's column count, as the calculation files' grids vary.
    const int columns = 1 + data[0] % 40;
    StringGrid grid(columns, 2, 0, 1);
    SetCommaText(grid, 1, fuzzing::bytesOf(data + 1, size - 1));
    grid.setRow(1, roundTrip(grid));
    if (roundTrip(grid) != grid.row(1)) std::abort();
    return 0;
}

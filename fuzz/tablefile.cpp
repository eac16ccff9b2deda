// The table reader: a table file's bytes within the text bounds, read into a grid, written back
// and read again; the second reading must give the grid the first one gave.
#include "core/common/tablefile.h"
#include "core/common/encoding.h"
#include "core/common/fileio.h"
#include "fuzz/fuzzing.h"

#include <cstdlib>

using namespace ruvivavu;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return fuzzing::expectingMessages([&] {
        const std::string bytes = fuzzing::bytesOf(data, size);
        checkTextLimits(bytes, "tabela.tab");
        StringGrid grid(1, 1, 0, 0);
        CSV2Contents(cp1252ToUtf8(bytes), '\t', grid);
        const std::string written = Contents2CSV('\t', grid);
        StringGrid again(1, 1, 0, 0);
        CSV2Contents(written, '\t', again);
        if (Contents2CSV('\t', again) != written) std::abort();
    });
}

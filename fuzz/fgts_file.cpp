// The FGTS purge calculation-file reader (".fg").
#include "core/common/encoding.h"
#include "core/common/fileio.h"
#include "core/fgts/calculationfile.h"
#include "fuzz/fuzzing.h"

using namespace ruvivavu;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return fuzzing::expectingMessages([&] {
        std::string bytes = fuzzing::bytesOf(data, size);
        checkTextLimits(bytes, "calculo.fg");
        bytes.resize(std::min(bytes.size(), bytes.find('\0')));
        fgts::Fields fields;
        fgts::readCalculationLines(splitLines(cp1252ToUtf8(bytes)), fields);
    });
}

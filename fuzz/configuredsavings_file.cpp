// The configured-savings calculation-file reader (".e20", four purge months).
#include "core/common/encoding.h"
#include "core/common/fileio.h"
#include "core/configuredsavings/calculationfile.h"
#include "fuzz/fuzzing.h"

using namespace ruvivavu;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return fuzzing::expectingMessages([&] {
        std::string bytes = fuzzing::bytesOf(data, size);
        checkTextLimits(bytes, "calculo.e20");
        bytes.resize(std::min(bytes.size(), bytes.find('\0')));
        configuredsavings::Fields fields;
        configuredsavings::readCalculationLines(configuredsavings::kConfiguredSavings, splitLines(cp1252ToUtf8(bytes)),
                                                fields);
    });
}

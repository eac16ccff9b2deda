// A Collor configured-savings calculation file (".ex20") run as the command-line tool runs it.
#include "core/configuredsavings/headlessrun.h"
#include "fuzz/fuzzing.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return ruvivavu::fuzzing::runWholeFile(data, size, ".ex20", &ruvivavu::configuredsavings::runCollorCalculationFile);
}

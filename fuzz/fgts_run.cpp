// An FGTS purge calculation file run as the command-line tool runs it.
#include "core/fgts/headlessrun.h"
#include "fuzz/fuzzing.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return ruvivavu::fuzzing::runWholeFile(data, size, ".fg", &ruvivavu::fgts::runCalculationFile);
}

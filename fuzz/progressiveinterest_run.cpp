// An FGTS progressive-interest calculation file (".jfgts") run as the command-line tool runs it.
#include "core/progressiveinterest/headlessrun.h"
#include "fuzz/fuzzing.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return ruvivavu::fuzzing::runWholeFile(data, size, ".jfgts", &ruvivavu::progressiveinterest::runCalculationFile);
}

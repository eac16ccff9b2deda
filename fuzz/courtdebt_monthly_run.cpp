// A month-by-month São Paulo court-debt calculation file run as the command-line tool runs it.
#include "core/dailysavings/headlessrun.h"
#include "fuzz/fuzzing.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return ruvivavu::fuzzing::runWholeFile(data, size, ".e12", &ruvivavu::dailysavings::runSaoPauloMonthlyFile);
}

// The São Paulo court-debt calculation-file reader ("estados"), on a calculator loaded from the
// data folder as at program start.
#include "core/common/fileio.h"
#include "core/saopaulo/calculationfile.h"
#include "core/saopaulo/model.h"
#include "core/shell/plantables.h"
#include "core/shell/shell.h"
#include "fuzz/fuzzing.h"

using namespace ruvivavu;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return fuzzing::expectingMessages([&] {
        const std::string bytes = fuzzing::bytesOf(data, size);
        checkTextLimits(bytes, "calculo.e12");
        shell::Shell shell;
        shell.dataFolder = fuzzing::dataFolder();
        shell::PlanTable planTable;
        saopaulo::SaoPauloCourtDebt calculator(shell, planTable);
        calculator.loadAtStart();
        saopaulo::readCalculation(bytes, calculator);
    });
}

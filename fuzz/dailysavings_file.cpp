// The daily-savings calculation-file reader ("Vers 1.2"), on a calculator with the plan list of
// the data folder's plan table (the index table, which the reader does not touch, is not loaded).
#include "core/common/fileio.h"
#include "core/dailysavings/calculationfile.h"
#include "core/dailysavings/model.h"
#include "core/shell/plantables.h"
#include "core/shell/shell.h"
#include "fuzz/fuzzing.h"

using namespace ruvivavu;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return fuzzing::expectingMessages([&] {
        const std::string bytes = fuzzing::bytesOf(data, size);
        checkTextLimits(bytes, "calculo.e12");
        static shell::Shell shell;
        static shell::PlanTable planTable;
        static shell::IndexApplicationTable yieldOverrides;
        if (shell.dataFolder != fuzzing::dataFolder()) {
            shell.dataFolder = fuzzing::dataFolder();
            planTable.loadAtStart(shell);
        }
        dailysavings::DailySavings calculator(shell, planTable, yieldOverrides);
        calculator.loadPlansAtStart();
        calculator.shown();
        dailysavings::readCalculation(bytes, calculator);
    });
}

// The FGTS progressive-interest calculation-file reader (".jfgts").
#include "core/common/encoding.h"
#include "core/common/fileio.h"
#include "core/progressiveinterest/calculationfile.h"
#include "core/shell/shell.h"
#include "fuzz/fuzzing.h"

using namespace ruvivavu;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return fuzzing::expectingMessages([&] {
        std::string bytes = fuzzing::bytesOf(data, size);
        checkTextLimits(bytes, "calculo.jfgts");
        bytes.resize(std::min(bytes.size(), bytes.find('\0')));
        shell::Shell shell;
        shell.dataFolder = fuzzing::dataFolder();
        progressiveinterest::ProgressiveInterest calculator(shell);
        progressiveinterest::readCalculationLines(splitLines(cp1252ToUtf8(bytes)), calculator);
    });
}

// Runs a daily-savings calculation file (.e12).
#include "cli/runners.h"

#include "core/common/errors.h"

namespace ruvivavu::cli {

std::string runSavings(const Options&) {
    throw UserMessage("Calculadora de poupança ainda não disponível na linha de comando");
}

}  // namespace ruvivavu::cli

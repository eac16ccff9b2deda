// Runs an FGTS purge calculation file (.fg).
#include "cli/runners.h"

#include "core/common/errors.h"

namespace ruvivavu::cli {

std::string runFgts(const Options&) {
    throw UserMessage("Calculadora do FGTS ainda não disponível na linha de comando");
}

}  // namespace ruvivavu::cli

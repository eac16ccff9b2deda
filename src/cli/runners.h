// The calculators the command-line tool can run. Each opens a calculation file against a data
// folder as the window's "Abrir" does, walks the pages as a user pressing "Próximo" would, runs
// "Finalizar" without writing into the data folder and answers the statement's bytes
// (Windows-1252, as the statement file would hold them). Errors are raised as engine errors.
#pragma once

#include <string>

namespace ruvivavu::cli {

struct Options {
    std::string dataFolder;   // --dados (default: the program's data folder)
    std::string calculator;   // --calculadora: poupanca | sp-mes | mg-mes (empty: by extension)
    std::string input;        // the calculation file
};

std::string runSavings(const Options& options);  // .e12 files
std::string runFgts(const Options& options);     // .fg files

}  // namespace ruvivavu::cli

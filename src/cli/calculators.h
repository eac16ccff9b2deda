// The calculators the command-line tool can run, in one table: a new calculator is one entry.
// Each run opens a calculation file against the shell's data folder as the window's "Abrir" does,
// walks the pages as a user pressing "Próximo" would, runs "Finalizar" without writing into the
// data folder and answers the statement's bytes (Windows-1252, as the statement file would hold
// them). Errors are raised as engine errors.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace ruvivavu::shell {
class Shell;
}

namespace ruvivavu::cli {

// Gets a shell whose data folder is set and does its own start-up loading (font.ini, tables).
using RunCalculation = std::string (*)(shell::Shell& shell, const std::string& path);

struct Calculator {
    std::string_view name;       // for --calculadora; empty when the file's extension alone picks it
    std::string_view extension;  // of its calculation files, lower case with the dot
    std::string_view firstLine;  // the line its files begin with; empty when it does not tell them apart
    RunCalculation run;          // null while the calculator is not available on the command line
};

// In the order of the help text; the first calculator of an extension is that extension's default.
std::span<const Calculator> calculators();

// The calculator named for --calculadora, or null.
const Calculator* calculatorNamed(std::string_view name);

// The calculator for a file with this (lower-case) extension and first line: the one whose files
// begin with that line, otherwise the extension's default. Null when no calculator takes it.
const Calculator* calculatorFor(std::string_view extension, std::string_view firstLine);

// The (lower-case) extension of a file's name, with its dot; empty without one.
std::string lowerExtension(const std::string& path);

// The calculator that runs a calculation file: the named one (--calculadora) when it takes files of
// this extension, otherwise the one its extension and first line choose. Null when no calculator
// takes the file.
const Calculator* calculatorForFile(const std::string& path, const Calculator* named = nullptr);

// How messages and summaries call a calculator: its name, or its files' extension (and first line).
std::string calculatorLabel(const Calculator& calculator);

// Runs the calculation file with the calculator against the data folder (empty: the shell's
// default). UserMessage "Calculadora "<name>" ainda não disponível na linha de comando" for a
// calculator without a run.
std::string runCalculation(const Calculator& calculator, const std::string& dataFolder, const std::string& path);

}  // namespace ruvivavu::cli

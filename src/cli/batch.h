// Mass claims: many calculation files run at once, one statement per file and a summary of them
// all. The calculators are the tool's own table (calculators.h): a calculator added there joins
// the batches with no further work.
#pragma once

#include "cli/calculators.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace ruvivavu::cli {

// The summary written into the output folder.
inline constexpr const char* kSummaryFile = "resumo.csv";

struct BatchRequest {
    std::string dataFolder;             // the tables every calculation reads
    std::string outputFolder;           // created when missing
    std::vector<std::string> inputs;    // calculation files and folders (read for every known extension)
    const Calculator* named = nullptr;  // --calculadora: for the files of its extension
    bool pdf = false;                   // a PDF beside each HTML statement
    unsigned threads = 0;               // 0: one per core
};

// One calculation file of the batch and what became of it.
struct BatchItem {
    std::string source;      // the calculation file
    std::string statement;   // the statement's file name in the output folder; empty when none was written
    std::string calculator;  // calculatorLabel(), empty when no calculator takes the file
    std::string header;      // the statement header's first line
    std::string amount;      // the statement's final amount
    std::string message;     // empty when the statement was written; otherwise why not
};

struct BatchReport {
    std::vector<BatchItem> items;  // in the order of the inputs (a folder's files by name)
    int skipped = 0;               // files of the folders that no calculator takes
    int failures() const;
};

// Called from the thread that started the batch, at least once for every finished file.
using BatchProgress = std::function<void(size_t done, size_t total)>;

// The calculation files of the inputs: files as given, folders' calculation files by name, each
// file once. Counts the folders' other files in `skipped`.
std::vector<std::string> collectCalculationFiles(const std::vector<std::string>& inputs, int& skipped);

// The statement names of the files (no extension): the file's own name without its extension; when
// two files would share one, their full names; a name still taken gets " (2)", " (3)"...
std::vector<std::string> statementNames(const std::vector<std::string>& files);

// Runs every file over the cores. A file that fails has its message in the summary, and any
// statement of an earlier batch under its name is removed; the others go on. Writes the summary
// last. FileError when the output folder or the summary cannot be written.
BatchReport runBatch(const BatchRequest& request, const BatchProgress& progress = {});

// The summary as a spreadsheet opens it directly: UTF-8 with a byte-order mark, fields separated
// by ";", amounts in Brazilian notation, a heading row; a text that a spreadsheet would take for a
// formula begins with an apostrophe.
std::string summaryCsv(const BatchReport& report);

}  // namespace ruvivavu::cli

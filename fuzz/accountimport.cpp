// A spreadsheet of accounts imported into calculation files: every row ends in a file or a
// problem, and every file lands in the output folder.
#include "core/tools/accountimport.h"
#include "core/common/fileio.h"
#include "fuzz/fuzzing.h"

#include <cstdlib>
#include <filesystem>

using namespace ruvivavu;
namespace fs = std::filesystem;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const fs::path output = fs::path(fuzzing::dataFolder()) / "importados";
    std::error_code ignored;
    fs::remove_all(output, ignored);
    return fuzzing::expectingMessages([&] {
        const tools::ImportReport report =
            tools::importAccountsText(fuzzing::dataFolder(), fuzzing::bytesOf(data, size), output.string());
        for (const std::string& file : report.written)
            if (fs::path(file).parent_path() != output || !fileExists(file)) std::abort();
        for (const tools::ImportProblem& problem : report.problems) tools::describe(problem);
    });
}

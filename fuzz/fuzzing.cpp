// The fuzzing programs' private data folder and whole-file runs.
#include "fuzz/fuzzing.h"

#include "core/common/errors.h"
#include "core/common/fileio.h"
#include "core/shell/shell.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

namespace ruvivavu::fuzzing {

bool isEngineError(const std::exception& error) {
    return dynamic_cast<const Error*>(&error) != nullptr;
}

void noteMessage(const std::exception& error) {
    static const bool verbose = std::getenv("RUVIVAVU_FUZZ_VERBOSE") != nullptr;
    if (verbose) std::fprintf(stderr, "mensagem: %s\n", error.what());
}

const std::string& dataFolder() {
    static const std::string folder = [] {
        const fs::path copy = fs::temp_directory_path() / ("ruvivavu_fuzz_" + std::to_string(::getpid()));
        fs::remove_all(copy);
        fs::create_directories(copy);
        fs::copy(RUVIVAVU_FUZZ_DATA, copy, fs::copy_options::recursive);
        // The folder goes with the process, however it ends but a crash.
        static const struct Remover {
            fs::path path;
            ~Remover() {
                std::error_code ignored;
                fs::remove_all(path, ignored);
            }
        } remover{copy};
        return copy.string();
    }();
    return folder;
}

std::string inputFile(const std::string& bytes, const std::string& extension) {
    const std::string path = joinPath(dataFolder(), "entrada" + extension);
    writeFileAtomic(path, bytes);
    return path;
}

int runWholeFile(const uint8_t* data, size_t size, const std::string& extension, WholeRun run) {
    const std::string path = inputFile(bytesOf(data, size), extension);
    return expectingMessages([&] {
        shell::Shell shell;
        shell.dataFolder = dataFolder();
        const std::string statement = run(shell, path);
        if (std::getenv("RUVIVAVU_FUZZ_VERBOSE")) std::fprintf(stderr, "demonstrativo: %zu bytes\n", statement.size());
    });
}

}  // namespace ruvivavu::fuzzing

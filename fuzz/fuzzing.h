// What the fuzzing programs share. Each program defines LLVMFuzzerTestOneInput and passes the
// input to one of the runs below: the engine's own errors (a message the user would see) are a
// proper end; anything else — another exception, a crash, a sanitizer report, a hang, memory
// without bound — escapes and is a finding.
#pragma once

#include <cstddef>
#include <cstdint>
#include <exception>
#include <string>

namespace ruvivavu::shell {
class Shell;
}

namespace ruvivavu::fuzzing {

// The input as bytes.
inline std::string bytesOf(const uint8_t* data, size_t size) {
    return std::string(reinterpret_cast<const char*>(data), size);
}

// Whether the error is one the engine raises on purpose (errors.h).
bool isEngineError(const std::exception& error);

// With RUVIVAVU_FUZZ_VERBOSE set in the environment, the message goes to standard error (to see
// how far a seed gets); otherwise nothing.
void noteMessage(const std::exception& error);

// Runs the step; the engine's errors end it quietly. Answers 0, libFuzzer's "go on".
template <typename Step>
int expectingMessages(Step&& step) {
    try {
        step();
    } catch (const std::exception& error) {
        if (!isEngineError(error)) throw;
        noteMessage(error);
    }
    return 0;
}

// A private copy of fuzz/data, made once per process, so that no run can change the sources.
const std::string& dataFolder();

// The input written into a file of the private folder, named "entrada<extension>"; answers its path.
std::string inputFile(const std::string& bytes, const std::string& extension);

// A calculator's run of a whole file (headlessrun.h): the input as a file with the extension, a
// shell on the private data folder, the run up to the statement's bytes.
using WholeRun = std::string (*)(shell::Shell& shell, const std::string& path);
int runWholeFile(const uint8_t* data, size_t size, const std::string& extension, WholeRun run);

}  // namespace ruvivavu::fuzzing

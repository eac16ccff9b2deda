// Mass claims end to end: 1,000 calculation files (the shipped examples of daily savings, court
// interest, São Paulo court debts and FGTS purges, in equal parts) run as one batch on two threads
// against the shipped tables: every file read, calculated, its statement written and summarised,
// and the summary written. Reported as statements per second.
#include "cli/batch.h"

#include <benchmark/benchmark.h>

#include <unistd.h>
#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;

struct Folders {
    fs::path root = fs::temp_directory_path() / ("ruvivavu_batch_bench_" + std::to_string(::getpid()));
    fs::path input = root / "calculos";
    fs::path output = root / "demonstrativos";

    explicit Folders(int files) {
        fs::create_directories(input);
        const fs::path examples = fs::path(RUVIVAVU_SOURCE_DIR) / "examples";
        const char* sources[] = {"bresser.e12", "bresser_verao_juros.e12", "saopaulo_bresser.e12",
                                 "fgts_verao_collor.fg"};
        for (int i = 0; i < files; ++i) {
            const fs::path source = examples / sources[i % 4];
            fs::copy_file(source, input / (std::to_string(i) + source.extension().string()));
        }
    }
    ~Folders() {
        std::error_code ignored;
        fs::remove_all(root, ignored);
    }
};

void BM_BatchOfCalculationFiles(benchmark::State& state) {
    const int files = static_cast<int>(state.range(0));
    Folders folders(files);
    ruvivavu::cli::BatchRequest request;
    request.dataFolder = std::string(RUVIVAVU_SOURCE_DIR) + "/data";
    request.outputFolder = folders.output.string();
    request.inputs = {folders.input.string()};
    request.threads = static_cast<unsigned>(state.range(1));
    int failures = 0;
    for (auto _ : state) failures = ruvivavu::cli::runBatch(request).failures();
    if (failures) state.SkipWithError("a calculation of the batch failed");
    state.SetItemsProcessed(state.iterations() * files);
}
BENCHMARK(BM_BatchOfCalculationFiles)
    ->Args({1000, 2})
    ->ArgNames({"files", "threads"})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);

}  // namespace

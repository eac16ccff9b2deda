// A table update from a file the user picked (a .zip archive, or anything named so): read up to
// the signature, which none of these inputs carries, so it must fail and leave the data folder's
// files as they were (no staging folder, no set kept for "Desfazer").
#include "core/tools/tableupdate.h"
#include "fuzz/fuzzing.h"

#include <cstdlib>
#include <filesystem>
#include <set>

using namespace ruvivavu;
namespace fs = std::filesystem;

namespace {

std::set<std::string> namesInDataFolder() {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(fuzzing::dataFolder())) names.insert(entry.path().filename());
    return names;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string archive = fuzzing::inputFile(fuzzing::bytesOf(data, size), ".zip");
    static const std::set<std::string> before = namesInDataFolder();
    fuzzing::expectingMessages([&] {
        tools::updateFromLocalSource(fuzzing::dataFolder(), archive);
        std::abort();  // an update without the published key's signature went through
    });
    if (namesInDataFolder() != before) std::abort();
    return 0;
}

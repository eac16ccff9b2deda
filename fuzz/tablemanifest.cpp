// The table-set manifest and its signature, as an update hands them over: the manifest read,
// written back and read again to the same set; the input's first line taken as a signature of the
// rest, which the published key must never accept.
#include "core/tools/tablemanifest.h"
#include "fuzz/fuzzing.h"

#include <cstdlib>

using namespace ruvivavu;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes = fuzzing::bytesOf(data, size);
    const size_t newline = bytes.find('\n');
    if (newline != std::string::npos &&
        tools::signatureMatches(std::string_view(bytes).substr(newline + 1), std::string_view(bytes).substr(0, newline),
                                tools::publishedTablesKey()))
        std::abort();
    return fuzzing::expectingMessages([&] {
        const tools::Manifest manifest = tools::parseManifest(bytes);
        const std::string written = tools::renderManifest(manifest);
        if (tools::renderManifest(tools::parseManifest(written)) != written) std::abort();
        tools::latestMonth(manifest);
    });
}

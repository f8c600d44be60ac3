// Charts from arbitrary bytes (see chart_bytes.h) drawn through _DOGRAPHDRAWX in both layouts,
// "GRAPH.BMP" saved when the options ask for it: nothing may crash, hang or break the export's
// promises on progress and the bitmap.
#include "family/graph/fuzz/chart_bytes.h"

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // "GRAPH.BMP" is written in the current folder: a folder of the target's own.
    std::string folder =
        (std::filesystem::temp_directory_path() / "tallowmere-fuzz-XXXXXX").string();
    if (mkdtemp(folder.data()) == nullptr || chdir(folder.c_str()) != 0) {
        std::abort();
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (!plotwen_fuzz::DrawChartBytes({data, size})) {
        std::abort();
    }
    return 0;
}

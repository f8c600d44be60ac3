// Every input on which the chart fuzz target once crashed, drawn again as the target draws it.
#include "family/graph/fuzz/chart_bytes.h"

#include "platform/testing/file_contents.h"
#include "platform/testing/sandbox.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

TEST(GraphFuzzInputsTest, EveryInputThatOnceCrashedDrawsAndKeepsThePromises) {
    const testkit::Sandbox sandbox; // the inputs may ask for "GRAPH.BMP" in the current folder
    int inputs = 0;
    for (const auto& entry : std::filesystem::directory_iterator(
             std::filesystem::path(TALLOWMERE_PLOTWEN_TEST_DATA) / "fuzz-crashes")) {
        SCOPED_TRACE(entry.path().filename().string());
        const std::string bytes = testkit::ReadFileBytes(entry.path());
        EXPECT_TRUE(plotwen_fuzz::DrawChartBytes(
            {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()}));
        ++inputs;
    }
    EXPECT_GT(inputs, 0);
}

} // namespace

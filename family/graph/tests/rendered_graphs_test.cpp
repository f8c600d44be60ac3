// Each graph type in each layout, compared pixel for pixel with its stored rendering.
#include "family/graph/tests/graph_images.h"

#include <gtest/gtest.h>

namespace {

struct Rendering {
    const char* name;
    std::int16_t graphType;
    std::uint8_t options;
};

TEST(RenderedGraphTest, MatchesTheStoredImages) {
    const Rendering renderings[] = {
        {"bars-depth", 1, 0},
        {"areas-depth", 2, 0},
        {"lines-depth", 3, 0},
        {"bars-depth-labels-left", 1, kGraphOptionLabelsLeft | kGraphOptionDollar},
        {"bars-flat", 1, kGraphOptionFlat},
        {"areas-flat", 2, kGraphOptionFlat},
        {"lines-flat", 3, kGraphOptionFlat},
        {"no-chart", 0, 0},
    };
    for (const Rendering& rendering : renderings) {
        SCOPED_TRACE(rendering.name);
        const OwnedBitmap bitmap(
            DrawRecord(SampleRecord(rendering.graphType), 160, 120, rendering.options));
        ExpectMatchesStoredImage(bitmap.get(), rendering.name);
    }
}

} // namespace

// The converter's progress percent: the part of the template after its body start read so far.
#include "family/print/src/dialogs/converter_feedback.h"

#include <gtest/gtest.h>

namespace {

TEST(ConverterProgress, PercentOfTheBodyReadInSixtyFourBits) {
    struct Case {
        std::int64_t position;
        std::int64_t bodyStart;
        std::int64_t fileSize;
        int percent;
    };
    const Case cases[] = {
        {500, 100, 900, 50},
        {100, 100, 900, 0},
        {50, 100, 900, 0},     // before the body start: clamped
        {1000, 100, 900, 100}, // past the end: clamped
        {100, 100, 100, 100},  // no body at all
        // Beyond 2^31 / 100 bytes the product needs 64 bits.
        {3'000'000'000, 0, 4'000'000'000, 75},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.position) + " of " + std::to_string(c.bodyStart) + ".." +
                     std::to_string(c.fileSize));
        EXPECT_EQ(pressel::ProgressPercent(c.position, c.bodyStart, c.fileSize), c.percent);
    }
}

} // namespace

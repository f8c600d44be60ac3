// Shading of 3-D faces.
#include "family/graph/src/shapes.h"

#include <gtest/gtest.h>

namespace {

TEST(ShadingTest, ScalesAndCarriesTheExcessOverToAllComponents) {
    struct Case {
        COLORREF colour;
        int perMille;
        COLORREF expected;
    };
    const Case cases[] = {
        {RGB(100, 50, 200), 1000, RGB(100, 50, 200)},
        {RGB(100, 50, 200), 750, RGB(75, 37, 150)},
        {RGB(100, 50, 200), 500, RGB(50, 25, 100)},
        {RGB(100, 50, 160), 1500, RGB(150, 75, 240)},
        // 200 x 1.5 = 300 exceeds 255 by 45, which lightens the others: (60+45, 75+45, 255).
        {RGB(40, 50, 200), 1500, RGB(105, 120, 255)},
        {RGB(255, 255, 255), 1500, RGB(255, 255, 255)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << std::hex << c.colour << " x " << std::dec << c.perMille);
        EXPECT_EQ(plotwen::Shaded(c.colour, c.perMille), c.expected);
    }
}

} // namespace

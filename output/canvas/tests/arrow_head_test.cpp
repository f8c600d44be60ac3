// Arrow heads in every direction, straight up and down included.
#include "output/canvas/arrow_head.h"

#include <gtest/gtest.h>

namespace {

using output::ArrowHead;
using output::MakeArrowHead;

TEST(ArrowHead, WingsAndLineEndInEveryDirection) {
    // Wing length: 4 x the line width, at least 135; the line ends 45 short of it. Corners are
    // cut towards zero: cos 20 x 135 = 126.86, sin 20 x 135 = 46.17.
    struct Case {
        const char* name;
        POINT tip;
        POINT from;
        int width;
        POINT wingA;
        POINT wingB;
        POINT lineEnd;
    };
    const Case cases[] = {
        {"from the right", {1000, 1000}, {2000, 1000}, 10, {1126, 1046}, {1126, 954}, {1090, 1000}},
        {"from the left", {1000, 1000}, {0, 1000}, 10, {874, 954}, {874, 1046}, {910, 1000}},
        {"from below", {1000, 1000}, {1000, 3000}, 10, {954, 1126}, {1046, 1126}, {1000, 1090}},
        {"from above", {1000, 1000}, {1000, 0}, 10, {1046, 874}, {954, 874}, {1000, 910}},
        {"wide line", {0, 0}, {500, 0}, 50, {187, 68}, {187, -68}, {155, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ArrowHead head = MakeArrowHead(c.tip, c.from, c.width);
        EXPECT_EQ(head.corners[0].x, c.tip.x);
        EXPECT_EQ(head.corners[0].y, c.tip.y);
        EXPECT_EQ(head.corners[1].x, c.wingA.x);
        EXPECT_EQ(head.corners[1].y, c.wingA.y);
        EXPECT_EQ(head.corners[2].x, c.wingB.x);
        EXPECT_EQ(head.corners[2].y, c.wingB.y);
        EXPECT_EQ(head.lineEnd.x, c.lineEnd.x);
        EXPECT_EQ(head.lineEnd.y, c.lineEnd.y);
    }
}

TEST(ArrowHead, PointListForAPolygon) {
    ArrowHead head = MakeArrowHead({10, 20}, {10, 20 + 500}, 1);
    EXPECT_EQ(output::PointListText(head.corners), "10:20|-36:146|56:146");
}

} // namespace

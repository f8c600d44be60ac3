// One handle table per process, whichever library made the object.
#include "platform/win32/windows.h"

#include <gtest/gtest.h>

extern "C" HPEN PeerCreatePen();

namespace {

TEST(SharedTableTest, AnObjectMadeInAnotherLibraryIsKnownHere) {
    HPEN pen = PeerCreatePen();
    LOGPEN description{};
    ASSERT_EQ(GetObjectA(pen, sizeof description, &description), int(sizeof description));
    EXPECT_EQ(description.lopnWidth.x, 3);
    EXPECT_EQ(description.lopnColor, RGB(1, 2, 3));
    EXPECT_TRUE(DeleteObject(pen));
}

} // namespace

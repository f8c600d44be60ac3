// The desktop of a window test: its X server answers on the display it names, a window manager
// runs there, its session bus carries the accessibility bus, and everything is gone when it
// ends. The part of a control left to see is what its surroundings leave of it, and its caption
// is read as a person reads it.
#include "platform/testing/desktop.h"

#include "platform/testing/accessible_windows.h"
#include "platform/testing/outside_tool.h"
#include "platform/testing/screen_pixels.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

TEST(VirtualDesktopTest, RunsItsServerWindowManagerAndBusUntilItEnds) {
    testkit::Sandbox sandbox;
    std::string display;
    {
        testkit::Desktop desktop(sandbox, sandbox.Root() / "desktop");
        display = desktop.Display();
        EXPECT_EQ(std::getenv("DISPLAY"), display);
        EXPECT_EQ(std::getenv("DBUS_SESSION_BUS_ADDRESS"), desktop.SessionBus());

        const testkit::ToolRun info = testkit::RunTool({"xdpyinfo"});
        EXPECT_EQ(info.exitStatus, 0) << info.errors;
        EXPECT_NE(info.output.find("dimensions:    1280x1024 pixels"), std::string::npos)
            << info.output;
        const testkit::ToolRun manager =
            testkit::RunTool({"xprop", "-root", "_NET_SUPPORTING_WM_CHECK"});
        EXPECT_NE(manager.output.find("window id"), std::string::npos) << manager.output;

        const testkit::AccessibilityBus bus;
        EXPECT_TRUE(bus.WindowsOf(getpid()).empty()); // this test shows no window

        const std::filesystem::path shot = sandbox.Root() / "screen.png";
        ASSERT_TRUE(testkit::CaptureScreen(shot));
        const testkit::ScreenPixels corner = testkit::ReadPixels(shot, {0, 0, 3, 2});
        EXPECT_EQ(corner.width, 3);
        EXPECT_EQ(corner.rgb.size(), 18u);
    }
    // The server is gone with the desktop: nothing answers on its display any more.
    const testkit::ToolRun after = testkit::RunTool({"xdpyinfo", "-display", display});
    EXPECT_NE(after.exitStatus, 0);
}

TEST(VirtualDesktopTest, AControlShowsWhatItsSurroundingsLeaveOfIt) {
    struct Case {
        const char* what;
        testkit::ScreenRect control;
        testkit::ScreenRect around;
        testkit::ScreenRect left;
    };
    const Case cases[] = {
        {"inside", {10, 10, 5, 5}, {0, 0, 100, 100}, {10, 10, 5, 5}},
        {"cut at the bottom", {10, 90, 20, 25}, {0, 0, 100, 100}, {10, 90, 20, 10}},
        {"cut at the top and left", {-5, -3, 10, 10}, {0, 0, 100, 100}, {0, 0, 5, 7}},
        {"just below", {10, 100, 20, 25}, {0, 0, 100, 100}, {0, 0, 0, 0}},
        {"no size", {10, 10, 0, 0}, {0, 0, 100, 100}, {0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const testkit::ScreenRect left = c.control.Within(c.around);
        EXPECT_EQ(left.x, c.left.x);
        EXPECT_EQ(left.y, c.left.y);
        EXPECT_EQ(left.width, c.left.width);
        EXPECT_EQ(left.height, c.left.height);
        EXPECT_EQ(left.Empty(), c.left.width == 0);
    }
}

TEST(VirtualDesktopTest, ACaptionReadsWithoutItsAccessKeyMark) {
    const std::pair<const char*, const char*> cases[] = {
        {"&Report", "Report"},
        {"S&EPP", "SEPP"},
        {"Save Report as P&DF File", "Save Report as PDF File"},
        {"Fish && Chips", "Fish & Chips"},
        {"Ok", "Ok"},
        {"Last&", "Last&"},
        {"", ""},
    };
    for (const auto& [name, caption] : cases) {
        SCOPED_TRACE(name);
        testkit::Accessible control;
        control.name = name;
        EXPECT_EQ(control.Caption(), caption);
    }
}

} // namespace

// A desktop of its own for a test that drives real windows: a virtual X server (Xvfb) on a
// display no other server uses, a window manager (openbox) on it, and a session message bus,
// over which the accessibility bus tells where each control of a window lies. While the desktop
// lives, DISPLAY and DBUS_SESSION_BUS_ADDRESS point at it, so that every program the test starts
// afterwards runs there; they are put back when the sandbox ends. Everything the desktop started
// is stopped when it goes, and the logs of the three stay in its folder.
#pragma once

#include "platform/testing/sandbox.h"
#include "platform/testing/started_tool.h"

#include <filesystem>
#include <memory>
#include <string>

namespace testkit {

class Desktop {
public:
    // Screen size of the virtual display, in pixels.
    static constexpr int kWidth = 1280;
    static constexpr int kHeight = 1024;

    // Starts the three and waits until each is ready; throws std::runtime_error, naming the log
    // to read, when one does not come up.
    Desktop(Sandbox& sandbox, const std::filesystem::path& folder);
    ~Desktop();
    Desktop(const Desktop&) = delete;
    Desktop& operator=(const Desktop&) = delete;

    const std::string& Display() const { return display_; }
    const std::string& SessionBus() const { return sessionBus_; }

private:
    std::unique_ptr<StartedTool> server_;
    std::unique_ptr<StartedTool> windowManager_;
    std::unique_ptr<StartedTool> bus_;
    std::string display_;
    std::string sessionBus_;
};

} // namespace testkit

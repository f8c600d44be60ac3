#include "platform/testing/desktop.h"

#include "platform/testing/outside_tool.h"

#include <chrono>
#include <stdexcept>
#include <thread>

namespace testkit {

namespace {

constexpr auto kStartTimeout = std::chrono::seconds(20);
constexpr auto kPollStep = std::chrono::milliseconds(50);
constexpr int kFirstDisplay = 100;
constexpr int kDisplays = 100;

// A window manager that runs has put its check window on the root window.
bool WindowManagerRuns() {
    const ToolRun run = RunTool({"xprop", "-root", "_NET_SUPPORTING_WM_CHECK"});
    return run.exitStatus == 0 && run.output.find("window id") != std::string::npos;
}

} // namespace

Desktop::Desktop(Sandbox& sandbox, const std::filesystem::path& folder) {
    std::filesystem::create_directories(folder);
    const std::string size = std::to_string(kWidth) + "x" + std::to_string(kHeight) + "x24";
    // Displays from 100 on, clear of the low numbers that people's own servers take; a number
    // that another server holds makes Xvfb end at once, and the next one is tried. -displayfd
    // tells the number once the server listens.
    for (int number = kFirstDisplay; display_.empty() && number < kFirstDisplay + kDisplays;
         ++number) {
        server_ = std::make_unique<StartedTool>(
            std::vector<std::string>{"Xvfb", ":" + std::to_string(number), "-displayfd", "3",
                                     "-screen", "0", size, "-nolisten", "tcp", "-noreset"},
            folder / "xvfb.log", true);
        if (const std::optional<std::string> ready = server_->ReadReport(kStartTimeout)) {
            display_ = ":" + *ready;
        }
    }
    if (display_.empty()) {
        throw std::runtime_error("the X server did not start; see " +
                                 (folder / "xvfb.log").string());
    }
    sandbox.SetEnvironment("DISPLAY", display_);

    bus_ = std::make_unique<StartedTool>(std::vector<std::string>{"dbus-daemon", "--session",
                                                                  "--nofork", "--nopidfile",
                                                                  "--print-address=3"},
                                         folder / "session-bus.log", true);
    const std::optional<std::string> address = bus_->ReadReport(kStartTimeout);
    if (!address || address->empty()) {
        throw std::runtime_error("the session bus did not start; see " +
                                 (folder / "session-bus.log").string());
    }
    sessionBus_ = *address;
    sandbox.SetEnvironment("DBUS_SESSION_BUS_ADDRESS", sessionBus_);

    windowManager_ = std::make_unique<StartedTool>(
        std::vector<std::string>{"openbox", "--sm-disable"}, folder / "openbox.log");
    const auto deadline = std::chrono::steady_clock::now() + kStartTimeout;
    while (!WindowManagerRuns()) {
        if (!windowManager_->Running() || std::chrono::steady_clock::now() >= deadline) {
            throw std::runtime_error("the window manager did not start; see " +
                                     (folder / "openbox.log").string());
        }
        std::this_thread::sleep_for(kPollStep);
    }
}

Desktop::~Desktop() {
    windowManager_.reset();
    bus_.reset();
    server_.reset();
}

} // namespace testkit

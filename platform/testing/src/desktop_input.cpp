#include "platform/testing/desktop_input.h"

#include "platform/testing/outside_tool.h"

#include <sstream>
#include <vector>

namespace testkit {

namespace {

// Pauses between strokes let the program take each one before the next arrives.
constexpr const char* kStrokeDelayMilliseconds = "40";

// A stroke that the X server does not take within this time (a pointer that cannot move, a
// grab that never ends) fails instead of stalling the test.
constexpr const char* kStrokeTimeoutSeconds = "10";

bool Xdotool(const std::vector<std::string>& arguments) {
    std::vector<std::string> command = {"timeout", kStrokeTimeoutSeconds, "xdotool"};
    command.insert(command.end(), arguments.begin(), arguments.end());
    return RunTool(command).exitStatus == 0;
}

} // namespace

bool ClickAt(int x, int y) {
    return Xdotool({"mousemove", "--sync", std::to_string(x), std::to_string(y), "click", "1"});
}

bool TurnWheelAt(int x, int y, WheelTurn turn, int notches) {
    // X gives the wheel buttons 4 (away from the user) and 5 (towards the user).
    return Xdotool({"mousemove", "--sync", std::to_string(x), std::to_string(y), "click",
                    "--repeat", std::to_string(notches), "--delay", kStrokeDelayMilliseconds,
                    turn == WheelTurn::kDown ? "5" : "4"});
}

bool TypeText(const std::string& text) {
    return Xdotool({"type", "--delay", kStrokeDelayMilliseconds, "--", text});
}

bool PressKeys(const std::string& keys) {
    std::vector<std::string> arguments = {"key", "--delay", kStrokeDelayMilliseconds};
    std::istringstream names(keys);
    for (std::string name; names >> name;) {
        arguments.push_back(name);
    }
    return Xdotool(arguments);
}

} // namespace testkit

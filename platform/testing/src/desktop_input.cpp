#include "platform/testing/desktop_input.h"

#include "platform/testing/outside_tool.h"

#include <sstream>
#include <vector>

namespace testkit {

namespace {

// Pauses between strokes let the program take each one before the next arrives.
constexpr const char* kStrokeDelayMilliseconds = "40";

// Longer than the window manager's double click (openbox: 500 ms).
constexpr const char* kDoubleClickPauseSeconds = "0.7";

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

bool DoubleClickAt(int x, int y) {
    // The pointer first, and a pause longer than a double click takes: a click of the moment
    // before would count as the first of the two. Then the presses and releases without
    // pauses, so that no pause parts them into two clicks.
    return Xdotool({"mousemove", "--sync", std::to_string(x), std::to_string(y), "sleep",
                    kDoubleClickPauseSeconds}) &&
           Xdotool({"mousedown", "1", "mouseup", "1", "mousedown", "1", "mouseup", "1"});
}

bool DragWith(const std::string& keys, int button, int fromX, int fromY, int toX, int toY) {
    constexpr int kSteps = 8;
    std::vector<std::string> arguments = {
        "mousemove", "--sync", std::to_string(fromX), std::to_string(fromY),
        "keydown",   keys,     "mousedown",           std::to_string(button)};
    for (int step = 1; step <= kSteps; ++step) {
        arguments.insert(arguments.end(),
                         {"mousemove", "--sync",
                          std::to_string(fromX + (toX - fromX) * step / kSteps),
                          std::to_string(fromY + (toY - fromY) * step / kSteps), "sleep", "0.05"});
    }
    arguments.insert(arguments.end(), {"mouseup", std::to_string(button), "keyup", keys});
    return Xdotool(arguments);
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

// Real input on the desktop's display (testkit::Desktop): mouse and keys sent as X events
// through the XTEST extension (the xdotool tool), to whatever window lies under the pointer or
// has the keyboard focus, exactly as a person's would arrive. Each answers whether the tool ran.
#pragma once

#include <string>

namespace testkit {

// Moves the pointer to the screen point and presses and releases the left button there.
bool ClickAt(int x, int y);

// Moves the pointer to the screen point and clicks the left button twice there, quickly enough
// for a double click.
bool DoubleClickAt(int x, int y);

// Holds the keys named (X's names joined by "+", "alt") and the mouse button (1 left, 3 right)
// down at one point, moves the pointer to another in a few steps and lets both go there: a
// drag, as a window manager takes Alt with a button.
bool DragWith(const std::string& keys, int button, int fromX, int fromY, int toX, int toY);

// Turns the mouse wheel `notches` steps towards the user (down) or away (up) at the point.
enum class WheelTurn { kDown, kUp };
bool TurnWheelAt(int x, int y, WheelTurn turn, int notches);

// Types the text's characters, one key stroke each, into the focused window.
bool TypeText(const std::string& text);

// Presses the keys named, blank between names, one after the other; the names are X's, with
// modifiers joined by "+": "Tab Tab Return", "ctrl+a", "alt+F4".
bool PressKeys(const std::string& keys);

} // namespace testkit

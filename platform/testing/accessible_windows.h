// What the accessibility bus tells of a running program's windows: each window and control that
// shows, with its role, its name, where it lies on the screen, its states and the text it holds.
// A test that drives the program with real mouse and keys reads here where a control lies and
// what a window shows; it never acts on a control through the bus. Qt programs take part when
// QT_LINUX_ACCESSIBILITY_ALWAYS_ON is set in their environment.
#pragma once

#include <sys/types.h>

#include <functional>
#include <string>
#include <vector>

namespace testkit {

struct ScreenRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    int CenterX() const { return x + width / 2; }
    int CenterY() const { return y + height / 2; }
    bool Empty() const { return width <= 0 || height <= 0; }
    // The part of this rectangle that lies inside `other`; empty when none does.
    ScreenRect Within(const ScreenRect& other) const;
};

// One window or control as it was when its window was read.
struct Accessible {
    std::string role; // the bus's role name: "push button", "check box", "text", "page tab", ...
    std::string name; // a window's title, a button's or a tab's caption, ...
    std::string text; // what a text box holds
    double value = 0; // where a scroll bar stands
    ScreenRect extents;
    // The part of it that is left to see: inside its window, the controls around it and the
    // screen. A control that its window cuts off shows only this part to a person.
    ScreenRect visible;
    bool checked = false;
    bool focused = false;
    bool selected = false;
    bool enabled = false;
    std::vector<Accessible> children;

    // The name as a person reads it: without the "&" that marks an access key ("&&" stands for
    // one "&"). Some controls give their name with it, some without.
    std::string Caption() const;

    // This one and every one below it, depth first, that `wanted` picks.
    std::vector<const Accessible*>
    FindAll(const std::function<bool(const Accessible&)>& wanted) const;
    // The first of them with this role and caption, or nullptr.
    const Accessible* Find(const std::string& role, const std::string& name) const;
    // The whole tree, one line a node, for a log.
    std::string Describe(int depth = 0) const;
};

class AccessibilityBus {
public:
    // Joins the accessibility bus of the session bus that DBUS_SESSION_BUS_ADDRESS names, and
    // has the bus started, so that a program started afterwards finds it at its start. Throws
    // std::runtime_error when there is no such bus.
    AccessibilityBus();
    ~AccessibilityBus();
    AccessibilityBus(const AccessibilityBus&) = delete;
    AccessibilityBus& operator=(const AccessibilityBus&) = delete;

    // The showing windows of the program with process id `program`, as they are now, each with
    // the showing controls inside it; empty while the program has not joined the bus.
    std::vector<Accessible> WindowsOf(pid_t program) const;
};

} // namespace testkit

// The display host: shows the visible top-level windows of the Win32 layer on the desktop, each
// through a small Qt widget that blits what the window painted and forwards the mouse and the
// keyboard to it as messages. While a host lives it is the layer's message wait (an empty
// GetMessage queue runs the shared Qt event pump) and hands the clipboard to the desktop's.
// Without a host the layer stays headless.
#pragma once

#include "platform/win32/winuser.h"

#include <map>
#include <memory>

class QWidget;

namespace win32::qt {

class WindowWidget;

class DisplayHost {
public:
    // The shared QApplication (qtkit::EnsureApplication) must exist.
    DisplayHost();
    ~DisplayHost();
    DisplayHost(const DisplayHost&) = delete;
    DisplayHost& operator=(const DisplayHost&) = delete;

    // Brings the widgets in step: one per visible top-level window, at its place and size,
    // showing its pixels; widgets of windows gone or hidden go.
    void Sync();
    // The widget showing a top-level window; null when it is not shown.
    QWidget* WidgetOf(HWND topLevel) const;

private:
    bool Wait(int untilMilliseconds);

    std::map<HWND, std::unique_ptr<WindowWidget>> widgets_;
};

} // namespace win32::qt

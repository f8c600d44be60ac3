// The one QApplication of the program and the one event pump on it, shared by the forms skin
// and the Win32 display host: a forms modal loop and a GetMessage loop nest on the same pump.
#pragma once

class QApplication;

namespace qtkit {

// Makes the program's QApplication, or answers the one that exists. Without a display (no
// DISPLAY or WAYLAND_DISPLAY) and no QT_QPA_PLATFORM, Qt draws offscreen. `argc` and `argv`
// must outlive the application.
QApplication& EnsureApplication(int& argc, char** argv);

// Delivers the Qt events at hand. With `waitMilliseconds` non-zero it first waits for an event,
// at most that long when positive, for ever when negative.
void PumpEvents(int waitMilliseconds);

} // namespace qtkit

// WinHelpA through the viewer the host installs, or else the desktop's.
#include "platform/system/external_programs.h"
#include "platform/win32/winhelp.h"

#include <utility>

namespace {

bool DesktopViewer(HWND /*window*/, LPCSTR helpFile, UINT command, std::uintptr_t /*data*/) {
    return command == HELP_CONTEXT && sys::OpenOnDesktop(helpFile);
}

win32::HelpViewer& Viewer() {
    static win32::HelpViewer viewer = DesktopViewer;
    return viewer;
}

} // namespace

void win32::SetHelpViewer(HelpViewer viewer) {
    Viewer() = viewer ? std::move(viewer) : HelpViewer(DesktopViewer);
}

BOOL WinHelpA(HWND window, LPCSTR helpFile, UINT command, std::uintptr_t data) {
    if (helpFile == nullptr) {
        return FALSE;
    }
    return Viewer()(window, helpFile, command, data) ? TRUE : FALSE;
}

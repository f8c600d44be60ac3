// WinHelpA through the viewer the host installs.
#include "platform/win32/winhelp.h"

#include <utility>

namespace {

win32::HelpViewer& Viewer() {
    static win32::HelpViewer viewer;
    return viewer;
}

} // namespace

void win32::SetHelpViewer(HelpViewer viewer) {
    Viewer() = std::move(viewer);
}

BOOL WinHelpA(HWND window, LPCSTR helpFile, UINT command, std::uintptr_t data) {
    if (!Viewer() || helpFile == nullptr) {
        return FALSE;
    }
    return Viewer()(window, helpFile, command, data) ? TRUE : FALSE;
}

#include "platform/win32/src/controls/control_notify.h"

#include "platform/win32/src/window/window.h"

namespace win32 {

void NotifyParent(const Window& control, WORD code) {
    SendMessageA(MakeHandle<HWND>(control.parent), WM_COMMAND,
                 MAKEWPARAM(static_cast<WORD>(control.id), code),
                 reinterpret_cast<LPARAM>(control.Handle()));
}

} // namespace win32

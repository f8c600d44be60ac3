#include "platform/win32/src/controls/controls.h"

#include "platform/win32/src/controls/combo_list.h"
#include "platform/win32/src/window/window.h"

namespace win32 {

void RegisterControlClasses() {
    static bool registered = false;
    if (registered) {
        return;
    }
    registered = true;
    struct SystemClass {
        LPCSTR name;
        WNDPROC procedure;
        UINT style;
        int extra;
    };
    static const SystemClass kClasses[] = {
        {"Button", ButtonProc, CS_DBLCLKS, 0},
        {"Static", StaticProc, 0, 0},
        {"Edit", EditProc, CS_DBLCLKS, 0},
        {"ListBox", ListBoxProc, CS_DBLCLKS, 0},
        {kComboListClass, ListBoxProc, CS_DBLCLKS | CS_SAVEBITS, 0},
        {"ComboBox", ComboBoxProc, CS_DBLCLKS, 0},
        {"ScrollBar", ScrollBarProc, CS_DBLCLKS, 0},
        {"#32770", DialogProc, CS_DBLCLKS | CS_SAVEBITS, DLGWINDOWEXTRA},
    };
    for (const SystemClass& each : kClasses) {
        WNDCLASSA windowClass{};
        windowClass.lpszClassName = each.name;
        windowClass.lpfnWndProc = each.procedure;
        windowClass.style = each.style;
        windowClass.cbWndExtra = each.extra;
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(std::intptr_t{COLOR_BTNFACE + 1});
        RegisterSystemClass(windowClass);
    }
}

} // namespace win32

// The dialog class: a dialog's own procedure runs first and the class does what it leaves.
#include "platform/win32/src/controls/controls.h"
#include "platform/win32/src/window/window.h"

using namespace win32;

namespace {

HWND DefaultButton(HWND dialog) {
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if ((SendMessageA(child, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON) != 0) {
            return child;
        }
    }
    return nullptr;
}

LRESULT DefaultDialogHandling(HWND dialog, Window& window, UINT message, WPARAM wParam,
                              LPARAM lParam) {
    switch (message) {
    case WM_CLOSE:
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
        return 0;
    case DM_GETDEFID: {
        HWND button = DefaultButton(dialog);
        int id = button ? GetDlgCtrlID(button) : IDOK;
        return MAKELONG(static_cast<WORD>(id), DC_HASDEFID);
    }
    case DM_SETDEFID: {
        if (HWND previous = DefaultButton(dialog)) {
            SendMessageA(previous, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
        }
        if (HWND next = GetDlgItem(dialog, static_cast<int>(wParam))) {
            SendMessageA(next, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
        }
        return TRUE;
    }
    case WM_SETFOCUS: {
        HWND target = LookupWindow(window.savedFocus) ? MakeHandle<HWND>(window.savedFocus)
                                                      : GetNextDlgTabItem(dialog, nullptr, FALSE);
        if (target != nullptr) {
            SetFocus(target);
        }
        return 0;
    }
    case WM_NEXTDLGCTL: {
        HWND target = LOWORD(static_cast<DWORD>(lParam)) != 0
                          ? reinterpret_cast<HWND>(wParam)
                          : GetNextDlgTabItem(dialog, GetFocus(), wParam != 0 ? TRUE : FALSE);
        if (target != nullptr) {
            SetFocus(target);
            if ((SendMessageA(target, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) != 0) {
                SendMessageA(target, EM_SETSEL, 0, -1);
            }
        }
        return 0;
    }
    case WM_SETFONT:
        window.dialogFont = reinterpret_cast<HFONT>(wParam);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(window.dialogFont);
    case WM_NCDESTROY:
        if (window.dialogFont != nullptr) {
            DeleteObject(window.dialogFont);
            window.dialogFont = nullptr;
        }
        return DefWindowProcA(dialog, message, wParam, lParam);
    default:
        return DefWindowProcA(dialog, message, wParam, lParam);
    }
}

// Messages whose answer is the dialog procedure's return value, not DWLP_MSGRESULT.
bool AnswersDirectly(UINT message) {
    return message == WM_INITDIALOG ||
           (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC);
}

} // namespace

LRESULT DefDlgProcA(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* window = LookupWindow(dialog);
    if (window == nullptr) {
        return 0;
    }
    std::uint32_t handle = window->handle;
    auto procedure = reinterpret_cast<DLGPROC>(GetWindowLongPtrA(dialog, DWLP_DLGPROC));
    if (procedure != nullptr) {
        SetWindowLongPtrA(dialog, DWLP_MSGRESULT, 0);
        INT_PTR handled = procedure(dialog, message, wParam, lParam);
        if ((window = LookupWindow(handle)) == nullptr) {
            return 0;
        }
        if (handled != 0) {
            return AnswersDirectly(message) ? handled : GetWindowLongPtrA(dialog, DWLP_MSGRESULT);
        }
    }
    return DefaultDialogHandling(dialog, *window, message, wParam, lParam);
}

namespace win32 {

LRESULT CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefDlgProcA(window, message, wParam, lParam);
}

} // namespace win32

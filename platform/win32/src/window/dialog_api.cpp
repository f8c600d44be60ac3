// Dialogs made from templates, their modal loop, and keyboard navigation among their controls.
#include "platform/win32/dialog_template.h"
#include "platform/win32/src/gdi/device_context.h"
#include "platform/win32/src/window/message_queue.h"
#include "platform/win32/src/window/window.h"

#include <cctype>
#include <map>
#include <string>

using namespace win32;

namespace {

// Templates by module and name; a numbered name is kept as "#<number>".
std::string TemplateKey(LPCSTR name) {
    if (IS_INTRESOURCE(name)) {
        return "#" + std::to_string(reinterpret_cast<std::uintptr_t>(name));
    }
    std::string key = name;
    for (char& c : key) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return key;
}

std::map<std::pair<HINSTANCE, std::string>, const DialogTemplate*>& Templates() {
    static std::map<std::pair<HINSTANCE, std::string>, const DialogTemplate*> templates;
    return templates;
}

const DialogTemplate* FindTemplate(HINSTANCE instance, LPCSTR name) {
    if (name == nullptr) {
        return nullptr;
    }
    auto found = Templates().find({instance, TemplateKey(name)});
    return found == Templates().end() ? nullptr : found->second;
}

int DialogUnitsToX(int units) {
    return MulDivRound(units, kDialogBaseUnitX, 4);
}

int DialogUnitsToY(int units) {
    return MulDivRound(units, kDialogBaseUnitY, 8);
}

// A control's own visibility counts, so that a dialog not yet shown can place its focus.
bool IsNavigable(HWND control) {
    return (GetWindowLongA(control, GWL_STYLE) & WS_VISIBLE) != 0 && IsWindowEnabled(control);
}

std::vector<HWND> ControlsOf(HWND dialog) {
    std::vector<HWND> controls;
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        controls.push_back(child);
    }
    return controls;
}

// The character after a single "&" in a caption, lower-cased; 0 when none.
int MnemonicOf(const std::string& text) {
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == '&') {
            if (text[i + 1] == '&') {
                ++i;
                continue;
            }
            return std::tolower(static_cast<unsigned char>(text[i + 1]));
        }
    }
    return 0;
}

bool ActivateMnemonic(HWND dialog, int character) {
    std::vector<HWND> controls = ControlsOf(dialog);
    int wanted = std::tolower(character);
    for (std::size_t i = 0; i < controls.size(); ++i) {
        Window* control = LookupWindow(controls[i]);
        if (control == nullptr || !IsNavigable(controls[i]) ||
            MnemonicOf(control->text) != wanted) {
            continue;
        }
        LRESULT code = SendMessageA(controls[i], WM_GETDLGCODE, 0, 0);
        if ((code & DLGC_STATIC) != 0) {
            // A label gives the focus to the next control that takes it.
            for (std::size_t j = i + 1; j < controls.size(); ++j) {
                if (IsNavigable(controls[j]) &&
                    (SendMessageA(controls[j], WM_GETDLGCODE, 0, 0) & DLGC_STATIC) == 0) {
                    SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(controls[j]), 1);
                    return true;
                }
            }
            return true;
        }
        SetFocus(controls[i]);
        if ((code & DLGC_BUTTON) != 0) {
            SendMessageA(controls[i], BM_CLICK, 0, 0);
        }
        return true;
    }
    return false;
}

void Click(HWND dialog, int id) {
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

} // namespace

namespace win32 {

void RegisterDialogTemplate(HINSTANCE module, LPCSTR name, const DialogTemplate& dialog) {
    if (name != nullptr) {
        Templates()[{module, TemplateKey(name)}] = &dialog;
    }
}

} // namespace win32

HWND CreateDialogIndirectParamA(HINSTANCE instance, const DialogTemplate* dialog, HWND owner,
                                DLGPROC procedure, LPARAM param) {
    if (dialog == nullptr) {
        return nullptr;
    }
    DWORD style = dialog->style & ~static_cast<DWORD>(WS_VISIBLE);
    DWORD exStyle = dialog->exStyle;
    if ((style & DS_MODALFRAME) != 0) {
        exStyle |= WS_EX_DLGMODALFRAME;
    }
    RECT rect{0, 0, DialogUnitsToX(dialog->width), DialogUnitsToY(dialog->height)};
    AdjustWindowRectEx(&rect, style, FALSE, exStyle);
    int width = rect.right - rect.left;
    int height = rect.bottom - rect.top;
    POINT corner{DialogUnitsToX(dialog->x), DialogUnitsToY(dialog->y)};
    if ((style & DS_CENTER) != 0) {
        corner = POINT{(GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                       (GetSystemMetrics(SM_CYSCREEN) - height) / 2};
    } else if (owner != nullptr && (style & DS_ABSALIGN) == 0) {
        ClientToScreen(owner, &corner);
    }
    HWND hwnd = CreateWindowExA(exStyle, "#32770", dialog->caption, style, corner.x, corner.y,
                                width, height, owner, nullptr, instance, nullptr);
    Window* window = LookupWindow(hwnd);
    if (window == nullptr) {
        return nullptr;
    }
    window->isDialog = true;
    SetWindowLongPtrA(hwnd, DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(procedure));
    HFONT font = nullptr;
    if ((dialog->style & DS_SETFONT) != 0 && dialog->fontName != nullptr) {
        font = CreateFontA(-MulDivRound(dialog->pointSize, 96, 72), 0, 0, 0, FW_NORMAL, 0, 0, 0, 0,
                           0, 0, 0, 0, dialog->fontName);
        window->dialogFont = font;
    }
    for (const DialogItem& item : dialog->items) {
        HWND control = CreateWindowExA(
            item.exStyle, item.className, item.text, item.style | WS_CHILD | WS_VISIBLE,
            DialogUnitsToX(item.x), DialogUnitsToY(item.y), DialogUnitsToX(item.width),
            DialogUnitsToY(item.height), hwnd, reinterpret_cast<HMENU>(std::uintptr_t{item.id}),
            instance, nullptr);
        if (control == nullptr) {
            DestroyWindow(hwnd);
            return nullptr;
        }
        if (font != nullptr) {
            SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        }
    }
    HWND first = GetNextDlgTabItem(hwnd, nullptr, FALSE);
    if (SendMessageA(hwnd, WM_INITDIALOG, reinterpret_cast<WPARAM>(first), param) != 0 &&
        IsWindow(hwnd) && first != nullptr && IsWindow(first)) {
        SetFocus(first);
        if ((SendMessageA(first, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) != 0) {
            SendMessageA(first, EM_SETSEL, 0, -1);
        }
    }
    if (IsWindow(hwnd) && (dialog->style & WS_VISIBLE) != 0) {
        ShowWindow(hwnd, SW_SHOWNA);
    }
    return IsWindow(hwnd) ? hwnd : nullptr;
}

HWND CreateDialogParamA(HINSTANCE instance, LPCSTR templateName, HWND owner, DLGPROC procedure,
                        LPARAM param) {
    return CreateDialogIndirectParamA(instance, FindTemplate(instance, templateName), owner,
                                      procedure, param);
}

INT_PTR DialogBoxIndirectParamA(HINSTANCE instance, const DialogTemplate* dialog, HWND owner,
                                DLGPROC procedure, LPARAM param) {
    HWND ownerTop = owner ? GetAncestor(owner, GA_ROOT) : nullptr;
    HWND hwnd = CreateDialogIndirectParamA(instance, dialog, ownerTop, procedure, param);
    Window* window = LookupWindow(hwnd);
    if (window == nullptr) {
        return -1;
    }
    std::uint32_t handle = window->handle;
    bool ownerWasEnabled = ownerTop != nullptr && IsWindowEnabled(ownerTop);
    if (ownerWasEnabled) {
        EnableWindow(ownerTop, FALSE);
    }
    if (!window->dialogEnded) {
        ShowWindow(hwnd, SW_SHOW);
        if (GetFocus() == hwnd || GetFocus() == nullptr) {
            SendMessageA(hwnd, WM_SETFOCUS, 0, 0);
        }
        UpdateWindow(hwnd);
    }
    // The loop: each message passes the dialog's keyboard handling, which runs the
    // message-filter hooks first, then goes to its window; a message for a window outside the
    // dialog passes the hooks here. A quit message ends the loop and is posted again for the
    // loop outside.
    MSG message;
    while ((window = LookupWindow(handle)) != nullptr && !window->dialogEnded) {
        BOOL got = GetMessageA(&message, nullptr, 0, 0);
        if (got == 0) {
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        if (got == -1) {
            break;
        }
        if (IsDialogMessageA(hwnd, &message) || CallMsgFilterA(&message, MSGF_DIALOGBOX)) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    INT_PTR result = 0;
    if ((window = LookupWindow(handle)) != nullptr) {
        result = window->dialogEnded ? window->dialogResult : 0;
    }
    if (ownerWasEnabled && IsWindow(ownerTop)) {
        EnableWindow(ownerTop, TRUE);
    }
    DestroyWindow(hwnd);
    if (ownerTop != nullptr && IsWindow(ownerTop)) {
        SetActiveWindow(ownerTop);
    }
    return result;
}

INT_PTR DialogBoxParamA(HINSTANCE instance, LPCSTR templateName, HWND owner, DLGPROC procedure,
                        LPARAM param) {
    const DialogTemplate* dialog = FindTemplate(instance, templateName);
    if (dialog == nullptr) {
        return -1;
    }
    return DialogBoxIndirectParamA(instance, dialog, owner, procedure, param);
}

BOOL EndDialog(HWND dialog, INT_PTR result) {
    Window* window = LookupWindow(dialog);
    if (window == nullptr || !window->isDialog) {
        return FALSE;
    }
    window->dialogEnded = true;
    window->dialogResult = result;
    ShowWindow(dialog, SW_HIDE);
    // Wakes a modal loop waiting for a message.
    PostMessageA(dialog, WM_NULL, 0, 0);
    return TRUE;
}

BOOL MapDialogRect(HWND dialog, RECT* rect) {
    if (LookupWindow(dialog) == nullptr || rect == nullptr) {
        return FALSE;
    }
    *rect = RECT{DialogUnitsToX(rect->left), DialogUnitsToY(rect->top), DialogUnitsToX(rect->right),
                 DialogUnitsToY(rect->bottom)};
    return TRUE;
}

LONG GetDialogBaseUnits() {
    return static_cast<LONG>(MAKELONG(kDialogBaseUnitX, kDialogBaseUnitY));
}

HWND GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous) {
    std::vector<HWND> stops;
    for (HWND child : ControlsOf(dialog)) {
        if (IsNavigable(child) && (GetWindowLongA(child, GWL_STYLE) & WS_TABSTOP) != 0) {
            stops.push_back(child);
        }
    }
    if (stops.empty()) {
        return nullptr;
    }
    auto at = std::find(stops.begin(), stops.end(), control);
    if (at == stops.end()) {
        return previous ? stops.back() : stops.front();
    }
    std::size_t index = static_cast<std::size_t>(at - stops.begin());
    std::size_t next =
        previous ? (index + stops.size() - 1) % stops.size() : (index + 1) % stops.size();
    return stops[next];
}

HWND GetNextDlgGroupItem(HWND dialog, HWND control, BOOL previous) {
    std::vector<HWND> controls = ControlsOf(dialog);
    auto at = std::find(controls.begin(), controls.end(), control);
    if (at == controls.end()) {
        return nullptr;
    }
    // The group: from the last WS_GROUP control at or before this one to the next WS_GROUP.
    auto starts = [](HWND each) { return (GetWindowLongA(each, GWL_STYLE) & WS_GROUP) != 0; };
    auto first = at;
    while (first != controls.begin() && !starts(*first)) {
        --first;
    }
    auto last = at + 1;
    while (last != controls.end() && !starts(*last)) {
        ++last;
    }
    std::vector<HWND> group(first, last);
    std::size_t index = static_cast<std::size_t>(at - first);
    for (std::size_t step = 1; step < group.size(); ++step) {
        std::size_t next =
            previous ? (index + group.size() - step) % group.size() : (index + step) % group.size();
        if (IsNavigable(group[next])) {
            return group[next];
        }
    }
    return control;
}

BOOL IsDialogMessageA(HWND dialog, MSG* message) {
    if (message == nullptr || LookupWindow(dialog) == nullptr ||
        (message->hwnd != dialog && !IsChild(dialog, message->hwnd))) {
        return FALSE;
    }
    // The message-filter hooks see a dialog's messages first, in a modeless dialog as in a
    // modal one; a message a hook takes is used up.
    if (CallMsgFilterA(message, MSGF_DIALOGBOX)) {
        return TRUE;
    }
    LRESULT code = SendMessageA(message->hwnd, WM_GETDLGCODE, message->wParam,
                                reinterpret_cast<LPARAM>(message));
    bool wantsAll = (code & DLGC_WANTALLKEYS) != 0;
    switch (message->message) {
    case WM_KEYDOWN:
        if (wantsAll) {
            break;
        }
        switch (message->wParam) {
        case VK_TAB:
            if ((code & DLGC_WANTTAB) == 0) {
                bool back = (GetKeyState(VK_SHIFT) & 0x8000) != 0;
                SendMessageA(dialog, WM_NEXTDLGCTL, back ? 1 : 0, 0);
                return TRUE;
            }
            break;
        case VK_LEFT:
        case VK_UP:
        case VK_RIGHT:
        case VK_DOWN:
            if ((code & DLGC_WANTARROWS) == 0) {
                bool back = message->wParam == VK_LEFT || message->wParam == VK_UP;
                HWND next = GetNextDlgGroupItem(dialog, GetFocus(), back ? TRUE : FALSE);
                if (next != nullptr) {
                    SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(next), 1);
                    if ((SendMessageA(next, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) != 0) {
                        SendMessageA(next, BM_CLICK, 0, 0);
                    }
                }
                return TRUE;
            }
            break;
        case VK_RETURN: {
            HWND focus = GetFocus();
            LRESULT focusCode = focus ? SendMessageA(focus, WM_GETDLGCODE, 0, 0) : 0;
            if ((focusCode & DLGC_DEFPUSHBUTTON) != 0 || (focusCode & DLGC_UNDEFPUSHBUTTON) != 0) {
                Click(dialog, GetDlgCtrlID(focus));
            } else {
                LRESULT defId = SendMessageA(dialog, DM_GETDEFID, 0, 0);
                Click(dialog, HIWORD(static_cast<DWORD>(defId)) == DC_HASDEFID
                                  ? LOWORD(static_cast<DWORD>(defId))
                                  : IDOK);
            }
            return TRUE;
        }
        case VK_ESCAPE:
            Click(dialog, IDCANCEL);
            return TRUE;
        default:
            break;
        }
        break;
    case WM_CHAR:
        if (!wantsAll && (code & DLGC_WANTCHARS) == 0 && message->wParam > VK_SPACE) {
            ActivateMnemonic(dialog, static_cast<int>(message->wParam));
            return TRUE;
        }
        break;
    case WM_SYSCHAR:
        ActivateMnemonic(dialog, static_cast<int>(message->wParam));
        return TRUE;
    default:
        break;
    }
    TranslateMessage(message);
    DispatchMessageA(message);
    return TRUE;
}

LRESULT SendDlgItemMessageA(HWND dialog, int id, UINT message, WPARAM wParam, LPARAM lParam) {
    HWND control = GetDlgItem(dialog, id);
    return control ? SendMessageA(control, message, wParam, lParam) : 0;
}

BOOL SetDlgItemTextA(HWND dialog, int id, LPCSTR text) {
    HWND control = GetDlgItem(dialog, id);
    return control ? SetWindowTextA(control, text) : FALSE;
}

UINT GetDlgItemTextA(HWND dialog, int id, LPSTR text, int size) {
    HWND control = GetDlgItem(dialog, id);
    if (control == nullptr) {
        if (text != nullptr && size > 0) {
            text[0] = '\0';
        }
        return 0;
    }
    return static_cast<UINT>(GetWindowTextA(control, text, size));
}

BOOL CheckDlgButton(HWND dialog, int id, UINT check) {
    HWND control = GetDlgItem(dialog, id);
    if (control == nullptr) {
        return FALSE;
    }
    SendMessageA(control, BM_SETCHECK, check, 0);
    return TRUE;
}

UINT IsDlgButtonChecked(HWND dialog, int id) {
    HWND control = GetDlgItem(dialog, id);
    return control ? static_cast<UINT>(SendMessageA(control, BM_GETCHECK, 0, 0)) : 0;
}

// The family's message box: a dialog from one of six templates with bitmap buttons and a picture
// icon, and its dialog procedure HuxMsgDlgProc.
#include "family/ui/src/library_state.h"
#include "family/ui/src/message_box_templates.h"
#include "family/ui/src/umbrant_functions.h"
#include "family/ui/vistel.h"

#include <array>

namespace vistel {

namespace {

constexpr int kButtonsMask = 0x0F;
constexpr int kIconShift = 4;
// The icon code and bit 7 above it: with bit 7 set the code is beyond the four pictures.
constexpr int kIconMask = 0x0F;
constexpr int kOkCancel = 1;
constexpr int kYesNoCancel = 3;
constexpr int kYesNo = 4;
constexpr int kIconCount = 4;
constexpr int kIconWidth = 48;
constexpr int kIconHeight = 64;

constexpr int kResultOk = 1;
constexpr int kResultCancel = 2;
constexpr int kResultYes = 6;
constexpr int kResultNo = 7;

// The box being shown; the message box does not nest.
struct MessageBoxState {
    const char* text = nullptr;
    const char* caption = nullptr;
    int style = 0;
};
MessageBoxState gShown;

int ButtonStyle(int style) {
    return style & kButtonsMask;
}

// The icon's index among the four pictures, or -1 for none (codes beyond 4, and any style with
// bit 7 set, have no picture).
int IconIndex(int style) {
    const int code = (style >> kIconShift) & kIconMask;
    return code >= 1 && code <= kIconCount ? code - 1 : -1;
}

std::array<const char*, 3> ButtonLabels(int style) {
    switch (ButtonStyle(style)) {
    case kOkCancel:
        return {"OK", "&Cancel", nullptr};
    case kYesNoCancel:
        return {"&Yes", "&No", "&Cancel"};
    case kYesNo:
        return {"&Yes", "&No", nullptr};
    default:
        return {"OK", nullptr, nullptr};
    }
}

int ButtonCount(int style) {
    int count = 0;
    for (const char* label : ButtonLabels(style)) {
        count += label != nullptr ? 1 : 0;
    }
    return count;
}

int ResultOf(int style, INT_PTR button) {
    switch (ButtonStyle(style)) {
    case kOkCancel:
        return button == kFirstButton ? kResultOk : kResultCancel;
    case kYesNoCancel:
        if (button == kFirstButton) {
            return kResultYes;
        }
        return button == kSecondButton ? kResultNo : kResultCancel;
    case kYesNo:
        return button == kFirstButton ? kResultYes : kResultNo;
    default:
        return kResultOk;
    }
}

// The icon on the dialog's face: the face colour, the mask ANDed in, the picture ORed in.
HBITMAP ComposeIcon(int icon) {
    const auto& shared = Library().sharedBitmaps;
    const HDC screen = GetDC(nullptr);
    const HDC target = CreateCompatibleDC(screen);
    const HDC source = CreateCompatibleDC(screen);
    const HBITMAP composed = CreateCompatibleBitmap(screen, kIconWidth, kIconHeight);
    const HGDIOBJ previousTarget = SelectObject(target, composed);
    const RECT all{0, 0, kIconWidth, kIconHeight};
    FillRect(target, &all, GetSysColorBrush(COLOR_BTNFACE));
    const HGDIOBJ previousSource =
        SelectObject(source, shared[static_cast<std::size_t>(kIconMasks + icon)]);
    BitBlt(target, 0, 0, kIconWidth, kIconHeight, source, 0, 0, SRCAND);
    SelectObject(source, shared[static_cast<std::size_t>(kIconPictures + icon)]);
    BitBlt(target, 0, 0, kIconWidth, kIconHeight, source, 0, 0, SRCPAINT);
    SelectObject(source, previousSource);
    SelectObject(target, previousTarget);
    DeleteDC(source);
    DeleteDC(target);
    ReleaseDC(nullptr, screen);
    return composed;
}

void InitializeDialog(HWND dialog) {
    _UISubclassButtons(dialog);
    CenterWindow(dialog);
    SetWindowTextA(dialog, gShown.caption != nullptr ? gShown.caption : "");
    SetDlgItemTextA(dialog, kMessageText, gShown.text != nullptr ? gShown.text : "");
    const int icon = IconIndex(gShown.style);
    if (icon >= 0) {
        const HWND iconButton = GetDlgItem(dialog, kIconButton);
        _UISetButtonBitmaps(iconButton, nullptr, nullptr, nullptr, ComposeIcon(icon), nullptr);
        EnableWindow(iconButton, FALSE);
    }
    const auto labels = ButtonLabels(gShown.style);
    for (std::size_t i = 0; i < labels.size(); ++i) {
        if (labels[i] != nullptr) {
            SetDlgItemTextA(dialog, kFirstButton + static_cast<int>(i), labels[i]);
        }
    }
}

} // namespace

} // namespace vistel

using namespace vistel;

INT_PTR HuxMsgDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM /*lParam*/) {
    if (message == WM_INITDIALOG) {
        InitializeDialog(dialog);
        return TRUE;
    }
    if (message != WM_COMMAND) {
        return FALSE;
    }
    // Enter (1) chooses the first button and Escape (2) the second.
    switch (LOWORD(static_cast<DWORD>(wParam))) {
    case IDOK:
    case kFirstButton:
        EndDialog(dialog, kFirstButton);
        return TRUE;
    case IDCANCEL:
    case kSecondButton:
        EndDialog(dialog, kSecondButton);
        return TRUE;
    case kThirdButton:
        EndDialog(dialog, kThirdButton);
        return TRUE;
    default:
        return FALSE;
    }
}

int _UIMessageBox(HWND owner, const char* text, const char* caption, int style) {
    const LibraryState& library = Library();
    if (!library.ready) {
        return 0;
    }
    gShown = MessageBoxState{text, caption, style};
    const char* dialogTemplate = MessageBoxTemplate(ButtonCount(style), IconIndex(style) >= 0);
    const HWND focus = GetFocus();
    const INT_PTR chosen =
        DialogBoxParamA(library.instance, dialogTemplate, owner, &HuxMsgDlgProc, 0);
    SetFocus(focus);
    if (chosen <= 0) {
        return 0;
    }
    return ResultOf(style, chosen);
}

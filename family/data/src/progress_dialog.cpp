#include "family/data/src/progress_dialog.h"

#include "family/data/src/dialog_templates.h"
#include "family/data/src/library_instance.h"
#include "family/ui/vistel.h"
#include "family/util/umbrant.h"

#include "platform/progress/progress_bar.h"
#include "platform/progress/waiting_messages.h"

#include <algorithm>
#include <cstdint>

namespace dorrick {

namespace {

// Posted by a dialog to itself at initialisation, so that it is on the screen before the work
// starts; lParam is the database handle.
constexpr UINT kStartWork = 1277;

constexpr char kBitmapProperty[] = "hBitmap";
constexpr char kLastPercentProperty[] = "LastPercent";
constexpr char kAbortProperty[] = "Abort";

int NumberProperty(HWND dialog, LPCSTR name) {
    return static_cast<int>(reinterpret_cast<std::intptr_t>(GetPropA(dialog, name)));
}

void SetNumberProperty(HWND dialog, LPCSTR name, int value) {
    SetPropA(dialog, name, reinterpret_cast<HANDLE>(static_cast<std::intptr_t>(value)));
}

HBITMAP BarBitmap(HWND dialog) {
    return static_cast<HBITMAP>(GetPropA(dialog, kBitmapProperty));
}

// Gives the progress button a bitmap of its own size showing 0 percent.
void AttachBarBitmap(HWND dialog) {
    const HWND button = GetDlgItem(dialog, kProgressControl);
    const HBITMAP bitmap = progress::MakeProgressBitmap(dialog, button);
    _UISetButtonBitmaps(button, nullptr, nullptr, nullptr, bitmap, nullptr);
    SetPropA(dialog, kBitmapProperty, bitmap);
}

BOOL Initialise(HWND dialog, LPARAM handle) {
    _UISubclassButtons(dialog);
    _UtilCenterWindow(dialog);
    AttachBarBitmap(dialog);
    SetNumberProperty(dialog, kAbortProperty, 0);
    SetNumberProperty(dialog, kLastPercentProperty, 0);
    PostMessageA(dialog, kStartWork, 0, handle);
    return TRUE;
}

// The window at the top of the dialog's chain of parents and owners, which passes help on.
HWND TopLevelWindow(HWND window) {
    for (HWND parent = GetParent(window); parent != nullptr; parent = GetParent(parent)) {
        window = parent;
    }
    return window;
}

void AnswerHelpQuery(HWND dialog, WPARAM wParam, int helpContext) {
    const HWND topLevel = TopLevelWindow(dialog);
    if (LOWORD(static_cast<DWORD>(wParam)) == 0) {
        SendMessageA(topLevel, UM_HELPFOUND, 0, 0);
    } else {
        PostMessageA(topLevel, UM_HELPCONTEXT, static_cast<WPARAM>(helpContext), 0);
    }
}

// The bar's bitmap stays: the progress button took it over and deletes it with itself.
void ForgetProperties(HWND dialog) {
    RemovePropA(dialog, kBitmapProperty);
    RemovePropA(dialog, kLastPercentProperty);
    RemovePropA(dialog, kAbortProperty);
}

} // namespace

int DialogProgress(void* argument, int percent) {
    const auto dialog = static_cast<HWND>(argument);
    const int shown = std::clamp(percent, 0, 100);
    if (shown != NumberProperty(dialog, kLastPercentProperty)) {
        progress::DrawProgressBar(BarBitmap(dialog), shown);
        const HWND button = GetDlgItem(dialog, kProgressControl);
        InvalidateRect(button, nullptr, FALSE);
        UpdateWindow(button);
    }
    SetNumberProperty(dialog, kLastPercentProperty, shown);
    progress::LetMessagesThrough(dialog);
    return NumberProperty(dialog, kAbortProperty);
}

INT_PTR ProgressDialogMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam,
                              const ProgressDialog& kind) {
    switch (message) {
    case WM_INITDIALOG:
        return Initialise(dialog, lParam);
    case kStartWork:
        kind.work(dialog, static_cast<int>(lParam));
        return TRUE;
    case WM_COMMAND: {
        const WORD control = LOWORD(static_cast<DWORD>(wParam));
        if (control == IDOK || control == IDCANCEL) {
            SetNumberProperty(dialog, kAbortProperty, 1);
            return TRUE;
        }
        return FALSE;
    }
    case UM_HELPQUERY:
        AnswerHelpQuery(dialog, wParam, kind.helpContext);
        return TRUE;
    case WM_DESTROY:
        ForgetProperties(dialog);
        return TRUE;
    default:
        return FALSE;
    }
}

unsigned char RunProgressDialog(HWND owner, LPCSTR templateName, DLGPROC procedure, int handle) {
    const HWND focus = GetFocus();
    const INT_PTR result =
        DialogBoxParamA(LibraryInstance(), templateName, owner, procedure, handle);
    SetFocus(focus);
    return static_cast<unsigned char>(result);
}

} // namespace dorrick

#include "family/comdlg/src/family_dialog.h"

#include "family/ui/vistel.h"
#include "family/util/umbrant.h"

namespace caddow {

namespace {

// The family's top-level window: the last one met following GetParent (a dialog's owner).
HWND TopLevelWindow(HWND window) {
    HWND top = window;
    for (HWND up = GetParent(window); up != nullptr; up = GetParent(up)) {
        top = up;
    }
    return top;
}

} // namespace

void SetUpFamilyDialog(HWND dialog) {
    _UISubclassButtons(dialog);
    _UtilCenterWindow(dialog);
}

int ShowMessage(HWND dialog, int textId, int captionId, int style) {
    // The two strings come from alternating buffers, so both stay valid together.
    const char* text = _UtilLoadString(dialog, textId);
    const char* caption = _UtilLoadString(dialog, captionId);
    return _UIMessageBox(dialog, text, caption, style);
}

void PostHelpContext(HWND dialog, int context) {
    PostMessageA(TopLevelWindow(dialog), UM_HELPCONTEXT, static_cast<WPARAM>(context), 0);
}

void AnswerHelpQuery(HWND dialog, WPARAM wParam, int dialogContext,
                     std::span<const ControlContext> controls) {
    if (LOWORD(static_cast<DWORD>(wParam)) == 0) {
        SendMessageA(TopLevelWindow(dialog), UM_HELPFOUND, 0, 0);
        return;
    }
    const HWND focus = GetFocus();
    const int focusedId = focus != nullptr && IsChild(dialog, focus) ? GetDlgCtrlID(focus) : -1;
    int context = dialogContext;
    for (const ControlContext& control : controls) {
        if (control.control == focusedId) {
            context = control.context;
        }
    }
    PostHelpContext(dialog, context);
}

} // namespace caddow

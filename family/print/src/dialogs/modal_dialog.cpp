#include "family/print/src/dialogs/modal_dialog.h"

#include "family/print/src/module/library_instance.h"
#include "family/ui/vistel.h"
#include "family/util/umbrant.h"

#include <cstdint>

namespace pressel {
namespace {

HANDLE PropertyValue(int value) {
    return reinterpret_cast<HANDLE>(static_cast<std::intptr_t>(value));
}

// The window at the top of the chain of parents and owners.
HWND TopLevelAncestor(HWND window) {
    for (HWND parent = GetParent(window); parent != nullptr; parent = GetParent(window)) {
        window = parent;
    }
    return window;
}

} // namespace

INT_PTR RunModalDialog(HWND owner, LPCSTR templateName, const win32::DialogTemplate& design,
                       DLGPROC procedure, PrintJob* job) {
    return RunModalDialog(owner, templateName, design, procedure, reinterpret_cast<LPARAM>(job));
}

INT_PTR RunModalDialog(HWND owner, LPCSTR templateName, const win32::DialogTemplate& design,
                       DLGPROC procedure, LPARAM parameter) {
    const HWND focus = GetFocus();
    win32::RegisterDialogTemplate(LibraryInstance(), templateName, design);
    const INT_PTR result =
        DialogBoxParamA(LibraryInstance(), templateName, owner, procedure, parameter);
    SetFocus(focus);
    return result;
}

void StartDialog(HWND dialog, LPARAM job) {
    _UISubclassButtons(dialog);
    _UtilCenterWindow(dialog);
    SetPropA(dialog, kAbortProperty, PropertyValue(0));
    PostMessageA(dialog, kStartMessage, 0, job);
}

void ShowDialogForWork(HWND dialog) {
    if (GetParent(dialog) != nullptr) {
        ShowWindow(dialog, SW_SHOW);
    }
}

bool StopRequested(HWND dialog) {
    return GetPropA(dialog, kAbortProperty) != nullptr;
}

bool RequestStopOnCommand(HWND dialog, WPARAM command) {
    const WORD id = LOWORD(static_cast<DWORD>(command));
    if (id != IDOK && id != IDCANCEL) {
        return false;
    }
    SetPropA(dialog, kAbortProperty, PropertyValue(1));
    return true;
}

void AnswerHelpQuery(HWND dialog, WPARAM wParam, int context) {
    if (LOWORD(static_cast<DWORD>(wParam)) == 0) {
        SendMessageA(TopLevelAncestor(dialog), UM_HELPFOUND, 0, 0);
    } else {
        PostHelpContext(dialog, context);
    }
}

void PostHelpContext(HWND dialog, int context) {
    PostMessageA(TopLevelAncestor(dialog), UM_HELPCONTEXT, static_cast<WPARAM>(context), 0);
}

} // namespace pressel

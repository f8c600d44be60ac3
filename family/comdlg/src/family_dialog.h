// What both dialogs do alike as dialogs of the family: set themselves up with the shared button
// bitmaps and centred, show their strings in the family's message box, and answer context help.
#pragma once

#include "platform/win32/windows.h"

#include <span>

namespace caddow {

// Message box styles of the family: buttons in bits 0-3, the icon in bits 4-6.
inline constexpr int kOkExclamation = 0x30;
inline constexpr int kYesNoExclamation = 0x34;
inline constexpr int kResultYes = 6;

// The help context of a control, by its id; the dialog's own context for any other.
struct ControlContext {
    int control;
    int context;
};

void SetUpFamilyDialog(HWND dialog);

// Shows string `textId` of the dialog's module titled with string `captionId`; answers the
// button pressed.
int ShowMessage(HWND dialog, int textId, int captionId, int style);

// The Help button: the dialog's context to its top-level window.
void PostHelpContext(HWND dialog, int context);

// UM_HELPQUERY: with wParam 0 the dialog tells its top-level window that it gives help; with a
// window it posts the context of the focused control.
void AnswerHelpQuery(HWND dialog, WPARAM wParam, int dialogContext,
                     std::span<const ControlContext> controls);

} // namespace caddow

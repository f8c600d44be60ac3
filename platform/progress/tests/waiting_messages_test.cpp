// The messages let through while a dialog's work runs: delivered, the dialog's keys taken as a
// dialog takes them, and a quit request left for the loop outside.
#include "platform/progress/waiting_messages.h"

#include "platform/win32/dialog_template.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<WPARAM> gCommands;

INT_PTR CALLBACK RecordCommands(HWND /*dialog*/, UINT message, WPARAM wParam, LPARAM /*lParam*/) {
    if (message == WM_COMMAND) {
        gCommands.push_back(LOWORD(static_cast<DWORD>(wParam)));
        return TRUE;
    }
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

constexpr win32::DialogItem kItems[] = {
    {"Button", "Stop", IDCANCEL, 10, 10, 50, 14, BS_PUSHBUTTON | WS_TABSTOP}};
constexpr win32::DialogTemplate kDialog{
    WS_POPUP | WS_CAPTION | WS_VISIBLE, 0, 0, 0, 100, 40, "Working", nullptr, 0, kItems};

TEST(WaitingMessages, TheDialogTakesItsKeysAndAQuitIsLeftForTheLoop) {
    gCommands.clear();
    const HWND dialog = CreateDialogIndirectParamA(nullptr, &kDialog, nullptr, RecordCommands, 0);
    ASSERT_NE(dialog, nullptr);
    SetFocus(GetDlgItem(dialog, IDCANCEL));
    PostMessageA(GetDlgItem(dialog, IDCANCEL), WM_KEYDOWN, VK_ESCAPE, 0);
    PostQuitMessage(3);

    progress::LetMessagesThrough(dialog);
    EXPECT_EQ(gCommands, std::vector<WPARAM>{IDCANCEL}) << "Esc reaches the dialog as Cancel";
    MSG message{};
    ASSERT_TRUE(PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(message.message, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(message.wParam, 3U);
    EXPECT_FALSE(PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) << "nothing else waits";

    // Without a dialog the key goes to the window it was posted to, as it is.
    PostMessageA(GetDlgItem(dialog, IDCANCEL), WM_KEYDOWN, VK_ESCAPE, 0);
    progress::LetMessagesThrough(nullptr);
    EXPECT_EQ(gCommands.size(), 1U);
    DestroyWindow(dialog);
}

} // namespace

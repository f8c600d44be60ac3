// Dialogs from templates: navigation, the default and cancel buttons, mnemonics, message-filter
// hooks and the modal loop's two endings.
#include "platform/win32/dialog_template.h"
#include "platform/win32/window_host.h"
#include "platform/win32/windows.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr win32::DialogItem kItems[] = {
    {"Static", "&Name", 10, 5, 5, 40, 10, SS_LEFT},
    {"Button", "&Apply", 11, 5, 20, 50, 14, BS_AUTOCHECKBOX | WS_TABSTOP | WS_GROUP},
    {"Button", "OK", IDOK, 60, 40, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP},
    {"Button", "Cancel", IDCANCEL, 115, 40, 50, 14, BS_PUSHBUTTON | WS_TABSTOP},
    {"Button", "Frame", 12, 0, 0, 170, 60, BS_GROUPBOX},
};
constexpr win32::DialogTemplate kDialog{WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME |
                                            DS_SETFONT,
                                        0,
                                        10,
                                        10,
                                        170,
                                        60,
                                        "Choose",
                                        "MS Sans Serif",
                                        8,
                                        kItems};

std::vector<std::string> gCommands;
std::vector<std::vector<int>> gScript;

INT_PTR CALLBACK RecordingDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) {
        return TRUE;
    }
    if (message == WM_COMMAND && HIWORD(static_cast<DWORD>(wParam)) == BN_CLICKED) {
        int id = LOWORD(static_cast<DWORD>(wParam));
        gCommands.push_back(std::to_string(id));
        if (id == IDOK || id == IDCANCEL) {
            EndDialog(dialog, id == IDOK ? 100 : 200);
        }
        return TRUE;
    }
    return FALSE;
}

// Types the keys of one script line (negative: a key held with Shift) each time the loop waits.
bool TypeNextLine(int) {
    if (gScript.empty()) {
        return false;
    }
    std::vector<int> keys = gScript.front();
    gScript.erase(gScript.begin());
    for (int key : keys) {
        bool shift = key < 0;
        if (shift) {
            win32::PostKeyInput(WM_KEYDOWN, VK_SHIFT);
        }
        win32::PostKeyInput(WM_KEYDOWN, shift ? -key : key);
        win32::PostKeyInput(WM_KEYUP, shift ? -key : key);
        if (shift) {
            win32::PostKeyInput(WM_KEYUP, VK_SHIFT);
        }
    }
    return true;
}

class DialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        gCommands.clear();
        gScript.clear();
        win32::SetMessageWait(TypeNextLine);
    }
    void TearDown() override { win32::SetMessageWait(nullptr); }
};

TEST_F(DialogTest, EnterPressesTheDefaultButtonAndEscapeCancels) {
    struct Case {
        std::vector<int> keys;
        INT_PTR result;
        std::vector<std::string> commands;
    };
    const Case cases[] = {
        {{VK_RETURN}, 100, {"1"}},
        {{VK_ESCAPE}, 200, {"2"}},
        // Tab from the check box reaches OK, then Cancel; Enter presses the focused button.
        {{VK_TAB, VK_TAB, VK_RETURN}, 200, {"2"}},
        // Shift+Tab from the check box wraps to Cancel.
        {{-VK_TAB, VK_RETURN}, 200, {"2"}},
        // Space on the check box toggles it; the mnemonic of "&Apply" clicks it.
        {{VK_SPACE, 'A', VK_RETURN}, 100, {"11", "11", "1"}},
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(::testing::PrintToString(each.keys));
        gCommands.clear();
        gScript = {each.keys};
        EXPECT_EQ(DialogBoxIndirectParamA(nullptr, &kDialog, nullptr, RecordingDialog, 0),
                  each.result);
        EXPECT_EQ(gCommands, each.commands);
    }
}

TEST_F(DialogTest, TheCloseBoxCancels) {
    win32::SetMessageWait([](int) {
        for (HWND top : win32::VisibleTopLevelWindows()) {
            RECT rect;
            GetWindowRect(top, &rect);
            // Inside the close box at the right end of the caption.
            win32::PostMouseInput(top, WM_LBUTTONDOWN, POINT{rect.right - rect.left - 10, 10});
            return true;
        }
        return false;
    });
    EXPECT_EQ(DialogBoxIndirectParamA(nullptr, &kDialog, nullptr, RecordingDialog, 0), 200);
}

TEST_F(DialogTest, AClickOnTheOkButtonEndsTheDialog) {
    win32::SetMessageWait([](int) {
        static int step = 0;
        for (HWND top : win32::VisibleTopLevelWindows()) {
            HWND ok = GetDlgItem(top, IDOK);
            RECT button;
            RECT window;
            GetWindowRect(ok, &button);
            GetWindowRect(top, &window);
            POINT inside{button.left - window.left + 5, button.top - window.top + 5};
            win32::PostMouseInput(top, step++ % 2 == 0 ? WM_LBUTTONDOWN : WM_LBUTTONUP, inside);
            return true;
        }
        return false;
    });
    EXPECT_EQ(DialogBoxIndirectParamA(nullptr, &kDialog, nullptr, RecordingDialog, 0), 100);
}

TEST_F(DialogTest, AQuitMessageEndsTheLoopAndIsPostedAgain) {
    win32::SetMessageWait([](int) {
        PostQuitMessage(7);
        return true;
    });
    EXPECT_EQ(DialogBoxIndirectParamA(nullptr, &kDialog, nullptr, RecordingDialog, 0), 0);
    MSG message;
    ASSERT_TRUE(PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(message.message, UINT{WM_QUIT});
    EXPECT_EQ(message.wParam, 7u);
    EXPECT_TRUE(win32::VisibleTopLevelWindows().empty());
}

std::vector<std::string> gHookLog;
HHOOK gHook = nullptr;

LRESULT CALLBACK SwallowEscape(int code, WPARAM wParam, LPARAM lParam) {
    auto* message = reinterpret_cast<MSG*>(lParam);
    if (code == MSGF_DIALOGBOX && message->message == WM_KEYDOWN && message->wParam == VK_ESCAPE) {
        gHookLog.push_back("swallowed");
        return 1;
    }
    return CallNextHookEx(gHook, code, wParam, lParam);
}

LRESULT CALLBACK CountKeys(int code, WPARAM, LPARAM lParam) {
    if (code == MSGF_DIALOGBOX && reinterpret_cast<MSG*>(lParam)->message == WM_KEYDOWN) {
        gHookLog.push_back("key");
    }
    return 0;
}

TEST_F(DialogTest, MessageFilterHooksSeeTheDialogLoopFirst) {
    HHOOK counter = SetWindowsHookExA(WH_MSGFILTER, CountKeys, nullptr, 0);
    gHook = SetWindowsHookExA(WH_MSGFILTER, SwallowEscape, nullptr, 0);
    gHookLog.clear();
    gScript = {{VK_ESCAPE, VK_RETURN}};
    EXPECT_EQ(DialogBoxIndirectParamA(nullptr, &kDialog, nullptr, RecordingDialog, 0), 100);
    EXPECT_EQ(gHookLog, (std::vector<std::string>{"swallowed", "key"}));
    EXPECT_TRUE(UnhookWindowsHookEx(gHook));
    EXPECT_TRUE(UnhookWindowsHookEx(counter));
    EXPECT_FALSE(UnhookWindowsHookEx(counter));
}

TEST_F(DialogTest, AModelessDialogFromANamedTemplate) {
    auto module = reinterpret_cast<HINSTANCE>(std::uintptr_t{0x8000});
    win32::RegisterDialogTemplate(module, "PICKER", kDialog);
    HWND dialog = CreateDialogParamA(module, "Picker", nullptr, RecordingDialog, 0);
    ASSERT_NE(dialog, nullptr);
    RECT client;
    GetClientRect(dialog, &client);
    EXPECT_EQ(client.right, 170 * 6 / 4);
    EXPECT_EQ(client.bottom, 60 * 13 / 8 + 1) << "97.5 rounds up";
    EXPECT_EQ(GetFocus(), GetDlgItem(dialog, 11)) << "the first tab stop";
    CheckDlgButton(dialog, 11, BST_CHECKED);
    EXPECT_EQ(IsDlgButtonChecked(dialog, 11), UINT{BST_CHECKED});
    EXPECT_EQ(CreateDialogParamA(module, "Missing", nullptr, RecordingDialog, 0), nullptr);
    DestroyWindow(dialog);
}

} // namespace

// The message box driven as a user drives it: keys and clicks through the window layer, to each
// result of each style.
#include "family/ui/tests/ui_fixture.h"
#include "family/ui/vistel.h"

#include "platform/win32/testing/dialog_driver.h"
#include "platform/win32/testing/pixels.h"

#include <functional>
#include <string>
#include <vector>

namespace {

using vistel_test::LibraryFixture;
using namespace win32::testing;

class MessageBox : public LibraryFixture {
protected:
    // Shows the box and, once it waits for the user, runs `act` on it.
    static int Show(int style, std::function<void(HWND)> act) {
        DialogDriver user;
        user.Then(std::move(act));
        return _UIMessageBox(nullptr, "Something happened.", "Title", style);
    }
};

TEST_F(MessageBox, KeysAndClicksGiveTheResultOfEachStyle) {
    struct Case {
        int style;
        const char* action; // "enter", "escape", "F1 enter" or "click <id>"
        int expected;
    };
    const Case cases[] = {
        {0, "enter", 1},     {0, "escape", 1},    {2, "enter", 1},     {15, "click 100", 1},
        {1, "enter", 1},     {1, "escape", 2},    {1, "click 101", 2}, {3, "enter", 6},
        {3, "click 101", 7}, {3, "escape", 7},    {3, "click 102", 2}, {4, "click 100", 6},
        {4, "escape", 7},    {0x24, "escape", 7}, {0x23, "escape", 7}, {0x10, "F1 enter", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.style) + " " + c.action);
        const std::string action = c.action;
        const int result = Show(c.style, [&](HWND dialog) {
            if (action == "enter") {
                PressKey(VK_RETURN);
            } else if (action == "escape") {
                PressKey(VK_ESCAPE);
            } else if (action == "F1 enter") {
                // Nobody answers help: the key is swallowed and the box stays.
                PressKey(VK_F1);
                PressKey(VK_RETURN);
            } else {
                ClickDialogItem(dialog, std::stoi(action.substr(6)));
            }
        });
        EXPECT_EQ(result, c.expected);
    }
}

TEST_F(MessageBox, ShowsTheLabelsCaptionTextAndIconOfItsStyle) {
    struct Case {
        int style;
        std::vector<std::string> labels;
        bool icon;
    };
    const Case cases[] = {
        {0x24, {"&Yes", "&No"}, true},
        {0x13, {"&Yes", "&No", "&Cancel"}, true},
        {1, {"OK", "&Cancel"}, false},
        {5, {"OK"}, false},
        {0x70, {"OK"}, false},
        // Bit 7 set: no icon, whatever bits 4-6 say.
        {0x90, {"OK"}, false},
        {0xB4, {"&Yes", "&No"}, false},
        {0xC3, {"&Yes", "&No", "&Cancel"}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.style);
        Show(c.style, [&](HWND dialog) {
            char caption[32] = {};
            GetWindowTextA(dialog, caption, sizeof caption);
            EXPECT_STREQ(caption, "Title");
            EXPECT_EQ(DialogItemText(dialog, 202), "Something happened.");
            for (std::size_t i = 0; i < 3; ++i) {
                const HWND button = GetDlgItem(dialog, 100 + static_cast<int>(i));
                EXPECT_EQ(button != nullptr, i < c.labels.size());
                if (i < c.labels.size()) {
                    EXPECT_EQ(DialogItemText(dialog, 100 + static_cast<int>(i)), c.labels[i]);
                }
            }
            const HWND icon = GetDlgItem(dialog, 201);
            EXPECT_EQ(icon != nullptr, c.icon);
            if (icon != nullptr) {
                EXPECT_FALSE(IsWindowEnabled(icon));
                // The sign's colour in the middle of the icon, the face colour in its corner.
                const bool stop = (c.style & 0x70) == 0x10;
                EXPECT_EQ(ShownPixel(icon, POINT{24, 14}), stop ? 0xFF0000u : 0x0000FFu);
                EXPECT_EQ(ShownPixel(icon, POINT{0, 0}), ShownPixel(dialog, POINT{2, 2}));
            }
            PressKey(VK_ESCAPE);
        });
    }
}

TEST_F(MessageBox, GivesTheFocusBackToTheWindowThatHadIt) {
    const HWND owner = CreateWindowExA(0, "Button", "x", WS_POPUP | WS_VISIBLE, 0, 0, 50, 20,
                                       nullptr, nullptr, nullptr, nullptr);
    SetFocus(owner);
    EXPECT_EQ(Show(0, [](HWND) { PressKey(VK_RETURN); }), 1);
    EXPECT_EQ(GetFocus(), owner);
    DestroyWindow(owner);
}

} // namespace

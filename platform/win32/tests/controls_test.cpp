// The standard controls: their messages, and the notifications a user's actions send.
#include "platform/win32/window_host.h"
#include "platform/win32/windows.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// What the parent heard: "command <id> <code>" or "vscroll <code> <position>".
std::vector<std::string> gHeard;

LRESULT CALLBACK ListeningParent(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND) {
        gHeard.push_back("command " + std::to_string(LOWORD(static_cast<DWORD>(wParam))) + " " +
                         std::to_string(HIWORD(static_cast<DWORD>(wParam))));
        return 0;
    }
    if (message == WM_VSCROLL || message == WM_HSCROLL) {
        gHeard.push_back(std::string(message == WM_VSCROLL ? "vscroll " : "hscroll ") +
                         std::to_string(LOWORD(static_cast<DWORD>(wParam))) + " " +
                         std::to_string(HIWORD(static_cast<DWORD>(wParam))));
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

std::string Command(int id, int code) {
    return "command " + std::to_string(id) + " " + std::to_string(code);
}

void Pump() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

std::string TextOf(HWND window) {
    char buffer[256];
    GetWindowTextA(window, buffer, sizeof buffer);
    return buffer;
}

class ControlsTest : public ::testing::Test {
protected:
    void SetUp() override {
        gHeard.clear();
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = ListeningParent;
        windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
        windowClass.lpszClassName = "ListeningParent";
        RegisterClassA(&windowClass);
        parent_ = CreateWindowExA(0, "ListeningParent", "Parent", WS_POPUP | WS_VISIBLE, 100, 100,
                                  400, 300, nullptr, nullptr, nullptr, nullptr);
        Pump();
    }
    void TearDown() override {
        DestroyWindow(parent_);
        UnregisterClassA("ListeningParent", nullptr);
        Pump();
    }
    HWND Make(LPCSTR className, DWORD style, int id, RECT rect = RECT{10, 10, 160, 110}) {
        HWND control =
            CreateWindowExA(0, className, "", WS_CHILD | WS_VISIBLE | style, rect.left, rect.top,
                            rect.right - rect.left, rect.bottom - rect.top, parent_,
                            reinterpret_cast<HMENU>(std::intptr_t{id}), nullptr, nullptr);
        gHeard.clear();
        return control;
    }
    // Mouse input at a point of a control's client area, delivered.
    static void Mouse(HWND control, UINT message, int x, int y) {
        POINT point{x, y};
        ClientToScreen(control, &point);
        HWND top = GetAncestor(control, GA_ROOT);
        RECT frame;
        GetWindowRect(top, &frame);
        ASSERT_TRUE(
            win32::PostMouseInput(top, message, POINT{point.x - frame.left, point.y - frame.top}));
        Pump();
    }
    static void Click(HWND control, int x, int y) {
        Mouse(control, WM_LBUTTONDOWN, x, y);
        Mouse(control, WM_LBUTTONUP, x, y);
    }
    static void Type(HWND control, const std::string& text) {
        for (char c : text) {
            SendMessageA(control, WM_CHAR, static_cast<unsigned char>(c), 0);
        }
    }
    HWND parent_ = nullptr;
};

TEST_F(ControlsTest, EditTypesWithinItsLimitAndNotifiesEachChange) {
    HWND edit = Make("Edit", ES_AUTOHSCROLL, 5);
    SendMessageA(edit, EM_LIMITTEXT, 4, 0);
    Type(edit, "abcdef");
    EXPECT_EQ(TextOf(edit), "abcd");
    std::vector<std::string> expected;
    for (int i = 0; i < 4; ++i) {
        expected.push_back(Command(5, EN_UPDATE));
        expected.push_back(Command(5, EN_CHANGE));
    }
    expected.push_back(Command(5, EN_MAXTEXT));
    expected.push_back(Command(5, EN_MAXTEXT));
    EXPECT_EQ(gHeard, expected);
    EXPECT_TRUE(SendMessageA(edit, EM_GETMODIFY, 0, 0));
    EXPECT_EQ(SendMessageA(edit, EM_GETLIMITTEXT, 0, 0), 4);

    // The limit governs typing only; WM_SETTEXT clears the modified flag and notifies.
    gHeard.clear();
    SetWindowTextA(edit, "longer than four");
    EXPECT_EQ(TextOf(edit), "longer than four");
    EXPECT_FALSE(SendMessageA(edit, EM_GETMODIFY, 0, 0));
    EXPECT_EQ(gHeard, (std::vector<std::string>{Command(5, EN_UPDATE), Command(5, EN_CHANGE)}));
    SendMessageA(edit, EM_LIMITTEXT, 0, 0);
    EXPECT_EQ(SendMessageA(edit, EM_GETLIMITTEXT, 0, 0), 0x7FFFFFFE);
}

TEST_F(ControlsTest, EditWithoutAutoScrollTakesOnlyWhatItsWidthShows) {
    // Wide enough for "abcd" and its margins, not for "abcde".
    HDC dc = GetDC(parent_);
    SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SIZE four{};
    GetTextExtentPoint32A(dc, "abcd", 4, &four);
    ReleaseDC(parent_, dc);
    for (DWORD scroll : {DWORD{0}, DWORD{ES_AUTOHSCROLL}}) {
        HWND edit = Make("Edit", scroll, 5, RECT{10, 10, 10 + four.cx + 5, 30});
        Type(edit, "abcdef");
        EXPECT_EQ(TextOf(edit), scroll != 0 ? "abcdef" : "abcd");
        EXPECT_EQ(gHeard.back(), scroll != 0 ? Command(5, EN_CHANGE) : Command(5, EN_MAXTEXT));
        DestroyWindow(edit);
    }
}

TEST_F(ControlsTest, EditSelectionAndTypingOverIt) {
    HWND edit = Make("Edit", ES_AUTOHSCROLL, 5);
    struct Case {
        int start;
        int end;
        DWORD selectedStart;
        DWORD selectedEnd;
        const char* typed;
        const char* result;
    };
    const Case cases[] = {
        {0, -1, 0, 10, "x", "x"},            // all
        {2, 5, 2, 5, "-", "01-56789"},       // a part
        {7, 3, 3, 7, "", "012789"},          // backwards; Backspace removes it
        {4, 100, 4, 10, "ab", "0123ab"},     // past the end: to the end
        {3, 3, 3, 3, "\b", "013456789"},     // an empty one: Backspace the character before
        {-1, 0, 10, 10, "!", "0123456789!"}, // -1 removes the selection, the caret stays
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(std::to_string(each.start) + "," + std::to_string(each.end));
        SetWindowTextA(edit, "0123456789");
        SendMessageA(edit, EM_SETSEL, 10, 10);
        SendMessageA(edit, EM_SETSEL, static_cast<WPARAM>(each.start),
                     static_cast<LPARAM>(each.end));
        DWORD start = 99;
        DWORD end = 99;
        LRESULT both = SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                                    reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(start, each.selectedStart);
        EXPECT_EQ(end, each.selectedEnd);
        EXPECT_EQ(both, LRESULT(MAKELONG(WORD(start), WORD(end))));
        Type(edit, std::string(each.typed).empty() ? "\b" : each.typed);
        EXPECT_EQ(TextOf(edit), each.result);
    }
}

TEST_F(ControlsTest, EditStylesFilterWhatIsTyped) {
    struct Case {
        DWORD style;
        const char* result;
    };
    const Case cases[] = {
        {ES_NUMBER, "12"},
        {ES_UPPERCASE, "A1B2"},
        {ES_LOWERCASE, "a1b2"},
        {ES_READONLY, ""},
    };
    for (const Case& each : cases) {
        HWND edit = Make("Edit", each.style, 6);
        Type(edit, "a1B2");
        EXPECT_EQ(TextOf(edit), each.result) << each.style;
        DestroyWindow(edit);
    }
}

TEST_F(ControlsTest, EditCaretFollowsClicksAndArrows) {
    HWND edit = Make("Edit", ES_AUTOHSCROLL, 5, RECT{10, 10, 300, 40});
    SetWindowTextA(edit, "abcdef");
    HDC dc = GetDC(edit);
    SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SIZE three{};
    GetTextExtentPoint32A(dc, "abc", 3, &three);
    ReleaseDC(edit, dc);
    // Just right of "abc" (2 pixels of margin).
    Click(edit, 2 + three.cx + 1, 10);
    EXPECT_EQ(GetFocus(), edit);
    EXPECT_EQ(SendMessageA(edit, EM_GETSEL, 0, 0), LRESULT(MAKELONG(3, 3)));
    // A second press at once is a double click: it selects the word.
    Mouse(edit, WM_LBUTTONDOWN, 2 + three.cx + 1, 10);
    Mouse(edit, WM_LBUTTONUP, 2 + three.cx + 1, 10);
    EXPECT_EQ(SendMessageA(edit, EM_GETSEL, 0, 0), LRESULT(MAKELONG(0, 6)));
    // Dragged from there to beyond the end (after a click elsewhere, so that the press is not a
    // double click): the selection runs from the press to the end.
    Click(parent_, 300, 200);
    Mouse(edit, WM_LBUTTONDOWN, 2 + three.cx + 1, 10);
    Mouse(edit, WM_MOUSEMOVE, 250, 10);
    Mouse(edit, WM_LBUTTONUP, 250, 10);
    EXPECT_EQ(SendMessageA(edit, EM_GETSEL, 0, 0), LRESULT(MAKELONG(3, 6)));
    SendMessageA(edit, EM_SETSEL, 3, 3);
    SendMessageA(edit, WM_KEYDOWN, VK_RIGHT, 0);
    SendMessageA(edit, WM_KEYDOWN, VK_DELETE, 0);
    EXPECT_EQ(TextOf(edit), "abcdf");
    SendMessageA(edit, WM_KEYDOWN, VK_HOME, 0);
    Type(edit, ">");
    EXPECT_EQ(TextOf(edit), ">abcdf");
}

TEST_F(ControlsTest, ListBoxItemsSortedWithDataAndTheSelectionFollowingItsItem) {
    HWND list = Make("ListBox", LBS_SORT | LBS_NOTIFY, 7);
    auto send = [list](UINT message, WPARAM wParam, const char* text = nullptr) {
        return SendMessageA(list, message, wParam, reinterpret_cast<LPARAM>(text));
    };
    EXPECT_EQ(send(LB_ADDSTRING, 0, "pear"), 0);
    EXPECT_EQ(send(LB_ADDSTRING, 0, "Apple"), 0);
    EXPECT_EQ(send(LB_ADDSTRING, 0, "banana"), 1);
    EXPECT_EQ(send(LB_ADDSTRING, 0,
                   "\xC9"
                   "clair"),
              3)
        << "E acute sorts after the ASCII letters";
    EXPECT_EQ(send(LB_INSERTSTRING, 1, "zucchini"), 1) << "inserted where asked, unsorted";
    EXPECT_EQ(send(LB_INSERTSTRING, 9, "fig"), LB_ERR);
    EXPECT_EQ(send(LB_GETCOUNT, 0), 5);
    EXPECT_EQ(SendMessageA(list, LB_SETITEMDATA, 2, 42), LB_OKAY);
    EXPECT_EQ(send(LB_GETITEMDATA, 2), 42);
    EXPECT_EQ(send(LB_GETITEMDATA, 5), LB_ERR);
    char text[32];
    EXPECT_EQ(SendMessageA(list, LB_GETTEXT, 2, reinterpret_cast<LPARAM>(text)), 6);
    EXPECT_STREQ(text, "banana");
    EXPECT_EQ(send(LB_FINDSTRING, WPARAM(-1), "BAN"), 2);
    EXPECT_EQ(send(LB_FINDSTRINGEXACT, WPARAM(-1), "ban"), LB_ERR);

    // Selected by the program: no notification; the selection moves with deletions before it.
    EXPECT_EQ(send(LB_SETCURSEL, 3), 3);
    EXPECT_EQ(send(LB_DELETESTRING, 0), 4);
    EXPECT_EQ(send(LB_GETCURSEL, 0), 2);
    EXPECT_EQ(send(LB_GETITEMDATA, 1), 42) << "the data goes with its item";
    EXPECT_EQ(send(LB_DELETESTRING, 2), 3);
    EXPECT_EQ(send(LB_GETCURSEL, 0), LB_ERR);
    EXPECT_EQ(send(LB_SETCURSEL, 7), LB_ERR);
    EXPECT_EQ(send(LB_DELETESTRING, 7), LB_ERR);
    EXPECT_TRUE(gHeard.empty());
}

TEST_F(ControlsTest, ListBoxNotifiesUserSelectionsOnlyWithLbsNotify) {
    for (DWORD notify : {DWORD{LBS_NOTIFY}, DWORD{0}}) {
        HWND list = Make("ListBox", notify, 8);
        for (const char* fruit : {"apple", "banana", "cherry", "date"}) {
            SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(fruit));
        }
        int row = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
        Click(list, 5, row + row / 2);
        EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), 1);
        Mouse(list, WM_LBUTTONDOWN, 5, row + row / 2);
        Mouse(list, WM_LBUTTONUP, 5, row + row / 2);
        SendMessageA(list, WM_KEYDOWN, VK_DOWN, 0);
        EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), 2);
        SendMessageA(list, WM_CHAR, 'd', 0);
        EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), 3);
        SendMessageA(list, WM_KEYDOWN, VK_DOWN, 0);
        std::vector<std::string> expected;
        if (notify != 0) {
            expected = {Command(8, LBN_SETFOCUS), Command(8, LBN_SELCHANGE), Command(8, LBN_DBLCLK),
                        Command(8, LBN_SELCHANGE), Command(8, LBN_SELCHANGE)};
        }
        EXPECT_EQ(gHeard, expected) << "the last Down at the end changes nothing";
        DestroyWindow(list);
    }
}

// Keys move the selection of a list box by rows and pages (a page being the rows it shows) and of
// a drop-down list also with the side arrows; a move stops at either end.
TEST_F(ControlsTest, SelectionKeysMoveWithinTheItems) {
    HWND list = Make("ListBox", 0, 10);
    HWND combo = Make("ComboBox", CBS_DROPDOWNLIST, 11, RECT{10, 120, 160, 300});
    for (int item = 0; item < 20; ++item) {
        const std::string text = "item " + std::to_string(item);
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
        SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    RECT client;
    GetClientRect(list, &client);
    const int page = client.bottom / static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
    ASSERT_GT(page, 1);
    struct Case {
        HWND control;
        UINT setSelection;
        UINT getSelection;
        int start;
        WPARAM key;
        int expected;
    };
    const Case cases[] = {
        {list, LB_SETCURSEL, LB_GETCURSEL, 10, VK_NEXT, 10 + page},
        {list, LB_SETCURSEL, LB_GETCURSEL, 10, VK_PRIOR, 10 - page},
        {list, LB_SETCURSEL, LB_GETCURSEL, 18, VK_NEXT, 19},
        {list, LB_SETCURSEL, LB_GETCURSEL, 1, VK_PRIOR, 0},
        {list, LB_SETCURSEL, LB_GETCURSEL, 5, VK_RIGHT, 5},
        {list, LB_SETCURSEL, LB_GETCURSEL, 5, VK_LEFT, 5},
        {combo, CB_SETCURSEL, CB_GETCURSEL, 5, VK_RIGHT, 6},
        {combo, CB_SETCURSEL, CB_GETCURSEL, 5, VK_LEFT, 4},
        {combo, CB_SETCURSEL, CB_GETCURSEL, 0, VK_LEFT, 0},
        {combo, CB_SETCURSEL, CB_GETCURSEL, 19, VK_RIGHT, 19},
        {combo, CB_SETCURSEL, CB_GETCURSEL, 7, VK_HOME, 0},
    };
    for (const Case& row : cases) {
        SendMessageA(row.control, row.setSelection, static_cast<WPARAM>(row.start), 0);
        SendMessageA(row.control, WM_KEYDOWN, row.key, 0);
        EXPECT_EQ(SendMessageA(row.control, row.getSelection, 0, 0), row.expected)
            << (row.control == list ? "list box" : "combo box") << " from " << row.start << " key "
            << row.key;
    }
    DestroyWindow(list);
    DestroyWindow(combo);
}

TEST_F(ControlsTest, ComboBoxDropDownListChoosesThroughItsList) {
    HWND combo = Make("ComboBox", CBS_DROPDOWNLIST | CBS_SORT, 9, RECT{10, 10, 160, 200});
    RECT field;
    GetClientRect(combo, &field);
    EXPECT_LT(field.bottom, 40) << "the field keeps a line's height; the rest is for the list";
    for (const char* name : {"Monthly", "Annual", "Quarterly"}) {
        SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    }
    SendMessageA(combo, CB_SETITEMDATA, 1, 12);
    EXPECT_EQ(SendMessageA(combo, CB_GETITEMDATA, 1, 0), 12);
    EXPECT_EQ(SendMessageA(combo, CB_SETCURSEL, 0, 0), 0);
    EXPECT_EQ(TextOf(combo), "Annual");
    EXPECT_EQ(SendMessageA(combo, CB_SETCURSEL, WPARAM(-1), 0), CB_ERR);
    EXPECT_EQ(TextOf(combo), "");
    EXPECT_TRUE(gHeard.empty()) << "no notification for the program's choices";

    SetFocus(combo);
    gHeard.clear();
    SendMessageA(combo, WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(TextOf(combo), "Annual");
    SendMessageA(combo, WM_KEYDOWN, VK_END, 0);
    EXPECT_EQ(TextOf(combo), "Quarterly");
    EXPECT_EQ(gHeard,
              (std::vector<std::string>{Command(9, CBN_SELCHANGE), Command(9, CBN_SELCHANGE)}));

    // A click drops the list down below the field; a click on its second row chooses it.
    gHeard.clear();
    Click(combo, 20, 5);
    ASSERT_TRUE(SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0));
    HWND list = GetCapture();
    ASSERT_NE(list, nullptr);
    RECT comboRect;
    RECT listRect;
    GetWindowRect(combo, &comboRect);
    GetWindowRect(list, &listRect);
    EXPECT_EQ(listRect.top, comboRect.bottom);
    int row = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
    Click(list, 10, row + row / 2);
    EXPECT_FALSE(SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0));
    EXPECT_FALSE(IsWindow(list));
    EXPECT_EQ(SendMessageA(combo, CB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(TextOf(combo), "Monthly");
    EXPECT_EQ(gHeard, (std::vector<std::string>{Command(9, CBN_DROPDOWN), Command(9, CBN_CLOSEUP),
                                                Command(9, CBN_SELCHANGE)}));

    // A click outside the list closes it without a change; Escape likewise.
    gHeard.clear();
    Click(combo, 20, 5);
    Mouse(GetCapture(), WM_LBUTTONDOWN, -50, -50);
    SendMessageA(combo, CB_SHOWDROPDOWN, TRUE, 0);
    SendMessageA(combo, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_EQ(TextOf(combo), "Monthly");
    EXPECT_EQ(gHeard,
              (std::vector<std::string>{Command(9, CBN_DROPDOWN), Command(9, CBN_CLOSEUP),
                                        Command(9, CBN_DROPDOWN), Command(9, CBN_CLOSEUP)}));
    EXPECT_EQ(SendMessageA(combo, CB_DELETESTRING, 1, 0), 2);
    EXPECT_EQ(TextOf(combo), "") << "the selected item went";
}

TEST_F(ControlsTest, ScrollInfoIsKeptWithinItsRange) {
    HWND bar = Make("ScrollBar", SBS_VERT, 11, RECT{10, 10, 26, 210});
    struct Case {
        UINT mask;
        int minimum;
        int maximum;
        UINT page;
        int position;
        int answered;
    };
    const Case cases[] = {
        {SIF_ALL, 0, 100, 0, 50, 50},
        {SIF_POS, 0, 0, 0, 150, 100},
        {SIF_PAGE, 0, 0, 11, 0, 90}, // a page of 11 ends the travel at 100 - 10
        {SIF_POS, 0, 0, 0, -5, 0},
        {SIF_RANGE, 20, 10, 0, 0, 20}, // a maximum below the minimum is the minimum
        {SIF_ALL, 0, 9, 50, 3, 0},     // the page is at most the range
    };
    for (const Case& each : cases) {
        SCROLLINFO info{sizeof(SCROLLINFO), each.mask, each.minimum, each.maximum, each.page,
                        each.position,      0};
        EXPECT_EQ(SetScrollInfo(bar, SB_CTL, &info, TRUE), each.answered);
        EXPECT_EQ(GetScrollPos(bar, SB_CTL), each.answered);
    }
    SCROLLINFO read{sizeof(SCROLLINFO), SIF_ALL, 0, 0, 0, 0, 0};
    ASSERT_TRUE(GetScrollInfo(bar, SB_CTL, &read));
    EXPECT_EQ(read.nMax, 9);
    EXPECT_EQ(read.nPage, 10u);
    EXPECT_EQ(SetScrollPos(bar, SB_CTL, 4, TRUE), 0) << "answers the previous position";

    // A window's own bars keep their state in the window.
    SetScrollRange(parent_, SB_HORZ, 5, 50, FALSE);
    EXPECT_EQ(SetScrollPos(parent_, SB_HORZ, 70, FALSE), 5);
    EXPECT_EQ(GetScrollPos(parent_, SB_HORZ), 50);
    int minimum = 0;
    int maximum = 0;
    EXPECT_TRUE(GetScrollRange(parent_, SB_HORZ, &minimum, &maximum));
    EXPECT_EQ(minimum, 5);
    EXPECT_EQ(maximum, 50);
    EXPECT_EQ(GetScrollPos(parent_, SB_VERT), 0);
}

TEST_F(ControlsTest, ScrollBarTellsItsParentWhatTheUserDoes) {
    // 16 pixels wide, 200 long: arrows of 16, a track of 168, a thumb of 168 * 10 / 101 = 16.
    HWND bar = Make("ScrollBar", SBS_VERT, 11, RECT{10, 10, 26, 210});
    SCROLLINFO info{sizeof(SCROLLINFO), SIF_ALL, 0, 100, 10, 0, 0};
    SetScrollInfo(bar, SB_CTL, &info, TRUE);
    auto code = [](int value, int position = 0) {
        return "vscroll " + std::to_string(value) + " " + std::to_string(position);
    };
    struct Case {
        int y;
        std::vector<std::string> heard;
    };
    const Case cases[] = {
        {5, {code(SB_LINEUP), code(SB_ENDSCROLL)}},
        {195, {code(SB_LINEDOWN), code(SB_ENDSCROLL)}},
        {100, {code(SB_PAGEDOWN), code(SB_ENDSCROLL)}},
    };
    for (const Case& each : cases) {
        gHeard.clear();
        Click(bar, 8, each.y);
        EXPECT_EQ(gHeard, each.heard) << each.y;
    }
    SetScrollPos(bar, SB_CTL, 91, TRUE);
    gHeard.clear();
    Click(bar, 8, 20);
    EXPECT_EQ(gHeard, (std::vector<std::string>{code(SB_PAGEUP), code(SB_ENDSCROLL)}));

    // The thumb dragged from the top half way down the track: it shows the position it would
    // take; the bar's own position waits for the parent.
    SetScrollPos(bar, SB_CTL, 0, TRUE);
    gHeard.clear();
    Mouse(bar, WM_LBUTTONDOWN, 8, 20);
    Mouse(bar, WM_MOUSEMOVE, 8, 20 + 76);
    SCROLLINFO tracking{sizeof(SCROLLINFO), SIF_TRACKPOS | SIF_POS, 0, 0, 0, 0, 0};
    GetScrollInfo(bar, SB_CTL, &tracking);
    EXPECT_EQ(tracking.nTrackPos, 46);
    EXPECT_EQ(tracking.nPos, 0);
    Mouse(bar, WM_LBUTTONUP, 8, 20 + 76);
    EXPECT_EQ(gHeard, (std::vector<std::string>{code(SB_THUMBTRACK, 46), code(SB_THUMBPOSITION, 46),
                                                code(SB_ENDSCROLL)}));
    EXPECT_EQ(GetCapture(), nullptr);

    gHeard.clear();
    SendMessageA(bar, WM_KEYDOWN, VK_END, 0);
    EXPECT_EQ(gHeard, (std::vector<std::string>{code(SB_BOTTOM), code(SB_ENDSCROLL)}));
}

} // namespace

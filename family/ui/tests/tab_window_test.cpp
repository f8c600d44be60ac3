// The tab window through its exports and messages: pages shown and placed, selection by mouse and
// keys, deletion, and the help query.
#include "family/ui/src/library_state.h"
#include "family/ui/tests/ui_fixture.h"
#include "family/ui/vistel.h"

#include <vector>

namespace {

class TabWindow : public vistel_test::LibraryFixture {
protected:
    void SetUp() override {
        LibraryFixture::SetUp();
        host_ = CreateWindowExA(0, "Static", "", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300, nullptr,
                                nullptr, nullptr, nullptr);
        tabs_ = _UICreateTabWindow(host_, 0, 0, 400, 300);
        ASSERT_NE(tabs_, nullptr);
        // The host has painted itself once, as after its first turn of the message loop.
        UpdateWindow(host_);
    }
    void TearDown() override {
        DestroyWindow(host_);
        LibraryFixture::TearDown();
    }

    HWND AddPage(const char* caption, int key) {
        const HWND page = CreateWindowExA(0, "Static", "", WS_CHILD, 0, 0, 100, 50, tabs_, nullptr,
                                          nullptr, nullptr);
        EXPECT_EQ(_UIAddTab(tabs_, caption, key, page, 500 + key), 0);
        pages_.push_back(page);
        return page;
    }

    void Key(UINT message, int key) { EXPECT_TRUE(KeyFrom(tabs_, message, key)); }

    BOOL KeyFrom(HWND window, UINT message, int key) {
        MSG msg{window, message, static_cast<WPARAM>(key), 0, 0, {}};
        return _UIIsTabWindowMessage(tabs_, &msg);
    }

    HWND Control(HWND page, const char* className, const char* text, DWORD style) {
        return CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 40, 12,
                               page, nullptr, nullptr, nullptr);
    }

    static SIZE CaptionSize(const char* caption) {
        const HDC dc = CreateCompatibleDC(nullptr);
        const HGDIOBJ previous = SelectObject(dc, vistel::Library().tabFont);
        RECT rect{};
        DrawTextA(dc, caption, -1, &rect, DT_SINGLELINE | DT_CALCRECT);
        SelectObject(dc, previous);
        DeleteDC(dc);
        return SIZE{rect.right, rect.bottom};
    }

    std::uint32_t Shown(int x, int y) const { return vistel_test::ShownPixel(tabs_, POINT{x, y}); }

    static std::uint32_t System(int index) {
        const COLORREF colour = GetSysColor(index);
        return (std::uint32_t{GetRValue(colour)} << 16) | (std::uint32_t{GetGValue(colour)} << 8) |
               GetBValue(colour);
    }

    POINT PagePosition(HWND page) const {
        RECT rect{};
        GetWindowRect(page, &rect);
        POINT p{rect.left, rect.top};
        ScreenToClient(tabs_, &p);
        return p;
    }

    HWND host_ = nullptr;
    HWND tabs_ = nullptr;
    std::vector<HWND> pages_;
};

TEST_F(TabWindow, FirstPageShownOthersHiddenAllPlacedUnderTheStrip) {
    AddPage("One", 'A');
    AddPage("Two", 'B');
    AddPage("Three", 'C');
    EXPECT_TRUE(IsWindowVisible(pages_[0]));
    EXPECT_FALSE(IsWindowVisible(pages_[1]));
    EXPECT_FALSE(IsWindowVisible(pages_[2]));
    EXPECT_EQ(GetFocus(), tabs_);
    const int strip = _UIGetTabHeight(tabs_);
    EXPECT_GT(strip, 16);
    for (HWND page : pages_) {
        EXPECT_EQ(PagePosition(page).x, 3);
        EXPECT_EQ(PagePosition(page).y, strip + 3);
    }
    EXPECT_EQ(_UIGetTabDlg(tabs_, 1), pages_[1]);
    EXPECT_EQ(_UIGetTabDlg(tabs_, -1), pages_[0]);
    EXPECT_EQ(_UIGetTabDlg(tabs_, 3), nullptr);
    EXPECT_EQ(_UIGetTabBorderX(), 10);
    EXPECT_EQ(_UIGetTabBorderY(), 10);
}

TEST_F(TabWindow, StripIsTheCaptionHeightAndSixteen) {
    AddPage("Caption", 'A');
    EXPECT_EQ(_UIGetTabHeight(tabs_), CaptionSize("Caption").cy + 16);
    EXPECT_EQ(PagePosition(pages_[0]).y, CaptionSize("Caption").cy + 19);
}

TEST_F(TabWindow, PaintsTheSelectedTabOpenAndTheOthersClosed) {
    AddPage("One", 'A');
    AddPage("Two", 'B');
    const int s = _UIGetTabHeight(tabs_);
    const int second = CaptionSize("One").cx + 16;
    const int r = 399;
    const int b = 299;
    const std::uint32_t black = 0;
    const std::uint32_t face = System(COLOR_BTNFACE);
    const std::uint32_t light = System(COLOR_BTNHIGHLIGHT);
    const std::uint32_t shadow = System(COLOR_BTNSHADOW);
    struct Point {
        int x;
        int y;
        std::uint32_t colour;
    };
    const Point points[] = {// The selected tab: outline, double highlight, open towards the body.
                            {0, 5, black},
                            {1, 5, light},
                            {2, 5, light},
                            {5, 0, black},
                            {5, 1, light},
                            {5, 2, light},
                            {5, s - 3, face},
                            {5, s - 2, face},
                            {second - 1, 5, shadow},
                            // The other tab: single highlight, closed by the body's top edge.
                            {second + 2, 5, face},
                            {second + 5, 2, face},
                            {second + 5, s - 3, black},
                            {second + 5, s - 2, light},
                            // The body's edge to the right of the tabs, and its frame.
                            {r - 5, s - 3, black},
                            {r - 5, s - 2, light},
                            {0, s + 5, black},
                            {1, s + 5, light},
                            {r, s + 5, black},
                            {r - 1, s + 5, shadow},
                            {5, b, black},
                            {5, b - 1, shadow}};
    for (const Point& p : points) {
        EXPECT_EQ(Shown(p.x, p.y), p.colour) << p.x << "," << p.y;
    }
}

TEST_F(TabWindow, FocusRectangleOnlyWhileTheStripHasTheFocus) {
    AddPage("One", 'A');
    const int top = 6;
    const int width = CaptionSize("One").cx + 4;
    auto marked = [&] {
        int count = 0;
        for (int x = 6; x < 6 + width; ++x) {
            count += Shown(x, top) != System(COLOR_BTNFACE) ? 1 : 0;
        }
        return count;
    };
    EXPECT_GT(marked(), 0);
    SetFocus(host_);
    EXPECT_EQ(marked(), 0);
}

TEST_F(TabWindow, WithoutTabsTheTopEdgeRunsTheWholeWidth) {
    AddPage("One", 'A');
    _UIDeleteTab(tabs_, 0);
    const int s = _UIGetTabHeight(tabs_);
    EXPECT_EQ(Shown(0, s - 3), 0u);
    EXPECT_EQ(Shown(5, s - 3), 0u);
    EXPECT_EQ(Shown(1, s - 2), System(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(Shown(5, 2), System(COLOR_BTNFACE));
}

TEST_F(TabWindow, TabMovesIntoThePageAndBackToTheStrip) {
    const HWND page = AddPage("One", 'A');
    AddPage("Two", 'B');
    Control(page, "Static", "A&&S", 0);
    const HWND first = Control(page, "Button", "&First", WS_TABSTOP);
    const HWND second = Control(page, "Button", "&Second", WS_TABSTOP);
    Key(WM_KEYDOWN, VK_TAB);
    EXPECT_EQ(GetFocus(), first);
    EXPECT_TRUE(KeyFrom(second, WM_KEYDOWN, VK_TAB));
    EXPECT_EQ(GetFocus(), tabs_);
    // A mnemonic of the page: "&&" is a literal ampersand, so S is the second button's.
    Key(WM_KEYDOWN, 'S');
    EXPECT_EQ(GetFocus(), second);
    EXPECT_EQ(_UIGetTopTab(tabs_), 0);
}

LRESULT CALLBACK WantsCharacters(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_GETDLGCODE) {
        return DLGC_WANTCHARS;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

TEST_F(TabWindow, PlainKeySelectsOnlyWhileTheFocusedControlWantsNoCharacters) {
    const HWND page = AddPage("One", 'A');
    AddPage("Two", 'B');
    WNDCLASSA typing{};
    typing.lpfnWndProc = WantsCharacters;
    typing.lpszClassName = "TypingControl";
    RegisterClassA(&typing);
    const HWND field = Control(page, "TypingControl", "", WS_TABSTOP);
    const HWND button = Control(page, "Button", "Go", WS_TABSTOP);
    SetFocus(field);
    KeyFrom(field, WM_KEYDOWN, 'B');
    EXPECT_EQ(_UIGetTopTab(tabs_), 0);
    EXPECT_TRUE(KeyFrom(field, WM_SYSKEYDOWN, 'B'));
    EXPECT_EQ(_UIGetTopTab(tabs_), 1);
    _UISetTopTab(tabs_, 0);
    SetFocus(button);
    EXPECT_TRUE(KeyFrom(button, WM_KEYDOWN, 'B'));
    EXPECT_EQ(_UIGetTopTab(tabs_), 1);
    DestroyWindow(field);
    UnregisterClassA("TypingControl", nullptr);
}

TEST_F(TabWindow, AnEleventhTabIsRefused) {
    for (int i = 0; i < 10; ++i) {
        AddPage("Tab", '0' + i);
    }
    EXPECT_EQ(_UIAddTab(tabs_, "More", 'M', nullptr, 0), 1);
    _UIDeleteTab(tabs_, 0);
    EXPECT_EQ(_UIGetTabDlg(tabs_, 8), pages_[9]);
    EXPECT_EQ(_UIGetTabDlg(tabs_, 9), nullptr);
}

TEST_F(TabWindow, ClicksSelectEnabledTabsOnTheStripOnly) {
    AddPage("One", 'A');
    AddPage("Two", 'B');
    AddPage("Three", 'C');
    _UIEnableTab(tabs_, 2, 0);
    const int strip = _UIGetTabHeight(tabs_);
    auto click = [&](int x, int y) { SendMessageA(tabs_, WM_LBUTTONDOWN, 0, MAKELPARAM(x, y)); };
    click(1, 5);
    EXPECT_EQ(_UIGetTopTab(tabs_), 0);
    // The second tab starts where the first ends; the disabled third and the empty right side
    // change nothing, nor does the body.
    int width = 0;
    for (int x = 0; x < 399 && _UIGetTopTab(tabs_) == 0; ++x) {
        click(x, 5);
        width = x;
    }
    EXPECT_EQ(_UIGetTopTab(tabs_), 1);
    EXPECT_TRUE(IsWindowVisible(pages_[1]));
    EXPECT_FALSE(IsWindowVisible(pages_[0]));
    click(width + 60, 5);
    click(398, 5);
    click(1, strip + 5);
    EXPECT_EQ(_UIGetTopTab(tabs_), 1);
}

TEST_F(TabWindow, ArrowsSkipHiddenAndDisabledTabsAndWrap) {
    for (const char* caption : {"A", "B", "C", "D"}) {
        AddPage(caption, 0);
    }
    _UIShowTab(tabs_, 1, 0);
    _UIEnableTab(tabs_, 2, 0);
    Key(WM_KEYDOWN, VK_RIGHT);
    EXPECT_EQ(_UIGetTopTab(tabs_), 3);
    Key(WM_KEYDOWN, VK_RIGHT);
    EXPECT_EQ(_UIGetTopTab(tabs_), 0);
    Key(WM_KEYDOWN, VK_LEFT);
    EXPECT_EQ(_UIGetTopTab(tabs_), 3);
    EXPECT_TRUE(IsWindowVisible(pages_[3]));
    EXPECT_FALSE(IsWindowVisible(pages_[0]));
    // Hiding the top tab leaves its page shown and the index as it was.
    _UIShowTab(tabs_, -1, 0);
    EXPECT_EQ(_UIGetTopTab(tabs_), 3);
    EXPECT_TRUE(IsWindowVisible(pages_[3]));
}

TEST_F(TabWindow, TabKeysSelectWithAltAndPlainOnTheStrip) {
    AddPage("One", 'A');
    AddPage("Two", 'B');
    Key(WM_SYSKEYDOWN, 'B');
    EXPECT_EQ(_UIGetTopTab(tabs_), 1);
    Key(WM_KEYDOWN, 'A');
    EXPECT_EQ(_UIGetTopTab(tabs_), 0);
}

TEST_F(TabWindow, DeletingTheTopTabSelectsTheOneTakingItsPlace) {
    AddPage("One", 'A');
    AddPage("Two", 'B');
    AddPage("Three", 'C');
    _UISetTopTab(tabs_, 1);
    _UIDeleteTab(tabs_, 1);
    EXPECT_EQ(_UIGetTopTab(tabs_), 1);
    EXPECT_EQ(_UIGetTabDlg(tabs_, -1), pages_[2]);
    EXPECT_TRUE(IsWindowVisible(pages_[2]));
    _UIDeleteTab(tabs_, 0);
    EXPECT_EQ(_UIGetTopTab(tabs_), 0);
    EXPECT_EQ(_UIGetTabDlg(tabs_, -1), pages_[2]);
    _UIDeleteTab(tabs_, 0);
    EXPECT_EQ(_UIGetTabDlg(tabs_, -1), nullptr);
    MSG msg{tabs_, WM_KEYDOWN, VK_RIGHT, 0, 0, {}};
    EXPECT_FALSE(_UIIsTabWindowMessage(tabs_, &msg));
}

TEST_F(TabWindow, HelpQueryPostsTheTopTabsContext) {
    AddPage("One", 'A');
    SendMessageA(tabs_, 2219, 1, 0);
    MSG msg{};
    ASSERT_TRUE(PeekMessageA(&msg, host_, 2221, 2221, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 500 + 'A');
}

std::vector<HWND> gHelpFoundBy;

LRESULT CALLBACK RecordHelpFound(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == 2220) {
        gHelpFoundBy.push_back(window);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// The tab window answers the help query to the end of its chain of parents and owners: the
// host's main window that owns the dialog holding it, not that dialog.
TEST_F(TabWindow, HelpAnswersGoToTheEndOfTheChainOfParentsAndOwners) {
    WNDCLASSA recorder{};
    recorder.lpfnWndProc = RecordHelpFound;
    recorder.lpszClassName = "TabHelpRecorder";
    RegisterClassA(&recorder);
    const HWND mainWindow = CreateWindowExA(0, "TabHelpRecorder", "", WS_OVERLAPPEDWINDOW, 0, 0,
                                            500, 400, nullptr, nullptr, nullptr, nullptr);
    const HWND dialog = CreateWindowExA(0, "TabHelpRecorder", "", WS_POPUP | WS_VISIBLE, 0, 0, 400,
                                        300, mainWindow, nullptr, nullptr, nullptr);
    const HWND held = _UICreateTabWindow(dialog, 0, 0, 400, 300);
    ASSERT_NE(held, nullptr);
    const HWND page =
        CreateWindowExA(0, "Static", "", WS_CHILD, 0, 0, 100, 50, held, nullptr, nullptr, nullptr);
    ASSERT_EQ(_UIAddTab(held, "One", 'A', page, 777), 0);

    gHelpFoundBy.clear();
    SendMessageA(held, 2219, 0, 0);
    EXPECT_EQ(gHelpFoundBy, std::vector<HWND>{mainWindow});
    SendMessageA(held, 2219, 1, 0);
    MSG msg{};
    EXPECT_FALSE(PeekMessageA(&msg, dialog, 2221, 2221, PM_REMOVE));
    ASSERT_TRUE(PeekMessageA(&msg, mainWindow, 2221, 2221, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 777u);
    DestroyWindow(dialog);
    DestroyWindow(mainWindow);
}

} // namespace

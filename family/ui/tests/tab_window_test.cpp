// The tab window through its exports and messages: pages shown and placed, selection by mouse and
// keys, deletion, and the help query.
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

    void Key(UINT message, int key) {
        MSG msg{tabs_, message, static_cast<WPARAM>(key), 0, 0, {}};
        EXPECT_TRUE(_UIIsTabWindowMessage(tabs_, &msg));
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
    EXPECT_EQ(msg.lParam, 500 + 'A');
}

} // namespace

// The preview through the window layer: its page list, the window's pictures, scrolling, the
// steady view when pages change above it, closing, and the modal dialog's loop.
#include "output/preview/preview.h"

#include "platform/win32/testing/dialog_driver.h"
#include "platform/win32/testing/pixels.h"
#include "platform/win32/window_host.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using namespace output;

constexpr COLORREF kPageColour = RGB(0x20, 0x80, 0xC0);
constexpr std::uint32_t kPagePixel = 0x2080C0;

void Pump() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

// A screen bitmap of one colour; the caller hands it over or deletes it.
HBITMAP MakePage(int width, int height, COLORREF colour = kPageColour) {
    return win32::testing::SolidBitmap(width, height, colour);
}

PreviewSource HandleSource(HBITMAP bitmap) {
    return PreviewSource{0, bitmap, {}};
}

bool IsBitmap(HBITMAP bitmap) {
    BITMAP info{};
    return GetObjectA(bitmap, sizeof info, &info) != 0;
}

// Where a window's point lies in its top-level window's frame.
POINT InTopLevel(HWND window, POINT client) {
    ClientToScreen(window, &client);
    RECT frame{};
    GetWindowRect(GetAncestor(window, GA_ROOT), &frame);
    return POINT{client.x - frame.left, client.y - frame.top};
}

std::uint32_t PixelAt(HWND window, int x, int y) {
    const POINT point = InTopLevel(window, POINT{x, y});
    const win32::WindowImage image = win32::CaptureWindow(GetAncestor(window, GA_ROOT));
    return image.pixels[static_cast<std::size_t>(point.y) * image.width + point.x];
}

LRESULT CALLBACK PlainParent(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}

class PreviewTest : public ::testing::Test {
protected:
    void SetUp() override {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = PlainParent;
        windowClass.lpszClassName = "PreviewTestParent";
        RegisterClassA(&windowClass);
        parent_ = CreateWindowExA(0, "PreviewTestParent", "Parent", WS_POPUP | WS_VISIBLE, 100, 100,
                                  400, 300, nullptr, nullptr, nullptr, nullptr);
        Pump();
    }
    void TearDown() override {
        win32::SetMessageWait(nullptr);
        preview_.Close();
        DestroyWindow(parent_);
        UnregisterClassA("PreviewTestParent", nullptr);
        Pump();
    }

    void AddPages(std::initializer_list<int> heights) {
        for (const int height : heights) {
            ASSERT_EQ(preview_.Add(HandleSource(MakePage(150, height))), PreviewError::OK);
        }
    }

    void ScrollBy(UINT message, int request) {
        SendMessageA(preview_.Window(), message, MAKEWPARAM(static_cast<WORD>(request), 0), 0);
        Pump();
    }

    HWND Bar(int id) const { return GetDlgItem(preview_.Window(), id); }

    HWND parent_ = nullptr;
    Preview preview_;
};

TEST_F(PreviewTest, ListKeepsPagesInOrderAndFreesThoseItDrops) {
    const HBITMAP first = MakePage(100, 100);
    const HBITMAP second = MakePage(100, 100);
    const HBITMAP third = MakePage(100, 100);
    EXPECT_EQ(preview_.Add(HandleSource(first)), PreviewError::OK);
    EXPECT_EQ(preview_.Add(HandleSource(third)), PreviewError::OK);
    EXPECT_EQ(preview_.Insert(1, HandleSource(second)), PreviewError::OK);
    EXPECT_EQ(preview_.Insert(4, HandleSource(MakePage(10, 10))), PreviewError::InvalidImageIndex);
    const HBITMAP last = MakePage(10, 10);
    EXPECT_EQ(preview_.Insert(3, HandleSource(last)), PreviewError::OK) << "Count appends";

    std::vector<HBITMAP> order;
    for (std::int32_t index = 0; index < preview_.Count(); ++index) {
        HBITMAP bitmap = nullptr;
        ASSERT_EQ(preview_.Get(index, bitmap), PreviewError::OK);
        order.push_back(bitmap);
    }
    EXPECT_EQ(order, (std::vector<HBITMAP>{first, second, third, last}));

    HBITMAP untouched = first;
    EXPECT_EQ(preview_.Get(-1, untouched), PreviewError::InvalidImageIndex);
    EXPECT_EQ(untouched, first);

    EXPECT_EQ(preview_.Delete(1), PreviewError::OK);
    EXPECT_FALSE(IsBitmap(second));
    EXPECT_EQ(preview_.Delete(3), PreviewError::InvalidImageIndex);
    EXPECT_EQ(preview_.Refresh(3), PreviewError::InvalidImageIndex);
    EXPECT_EQ(preview_.Refresh(2), PreviewError::OK) << "a closed window has nothing to repaint";
    EXPECT_EQ(preview_.Set(0, PreviewSource{5, MakePage(10, 10), {}}), PreviewError::InvalidFormat);
    EXPECT_EQ(preview_.Set(0, PreviewSource{1, nullptr, "no such page"}),
              PreviewError::CannotAccessFile);
    EXPECT_TRUE(IsBitmap(first)) << "a refused Set keeps the old page";
    EXPECT_EQ(preview_.Count(), 3);

    preview_.Reset();
    EXPECT_EQ(preview_.Count(), 0);
    EXPECT_FALSE(IsBitmap(first));
    EXPECT_FALSE(IsBitmap(last));
}

TEST_F(PreviewTest, HandlesThatBringNoBitmapLeaveTheListAlone) {
    const HBITMAP page = MakePage(20, 20);
    ASSERT_EQ(preview_.Add(HandleSource(page)), PreviewError::OK);
    EXPECT_EQ(preview_.Add(HandleSource(nullptr)), PreviewError::OK);
    EXPECT_EQ(preview_.Add(HandleSource(page)), PreviewError::OK) << "already the list's";
    EXPECT_EQ(preview_.Set(0, HandleSource(page)), PreviewError::OK);
    EXPECT_EQ(preview_.Count(), 1);
    EXPECT_TRUE(IsBitmap(page)) << "a page handed over twice is neither kept twice nor freed";
}

TEST_F(PreviewTest, EmptyWindowShowsGreyAndDisablesBothBars) {
    ASSERT_EQ(preview_.Open(parent_), PreviewError::OK);
    Pump();
    ASSERT_NE(preview_.Window(), nullptr);
    EXPECT_TRUE(IsChild(parent_, preview_.Window()));
    EXPECT_EQ(GetDlgItem(preview_.Window(), kPreviewCloseButtonId), nullptr);
    EXPECT_FALSE(IsWindowEnabled(Bar(kPreviewVerticalBarId)));
    EXPECT_FALSE(IsWindowEnabled(Bar(kPreviewHorizontalBarId)));
    EXPECT_EQ(PixelAt(preview_.Window(), 20, 20), 0x909090u);
    EXPECT_EQ(preview_.Open(reinterpret_cast<HWND>(0x7654)), PreviewError::InvalidParentWindow);
    EXPECT_EQ(preview_.Window(), nullptr) << "Open closes the window it had";
}

TEST_F(PreviewTest, PagesArePaintedWithShadowAndFrame) {
    AddPages({100});
    ASSERT_EQ(preview_.Open(parent_), PreviewError::OK);
    Pump();
    const HWND window = preview_.Window();
    EXPECT_EQ(PixelAt(window, 12, 12), kPagePixel);
    EXPECT_EQ(PixelAt(window, 161, 111), kPagePixel);
    EXPECT_EQ(PixelAt(window, 11, 50), 0x000000u) << "frame";
    EXPECT_EQ(PixelAt(window, 164, 60), 0x606060u) << "shadow";
    EXPECT_EQ(PixelAt(window, 5, 5), 0x909090u) << "background";

    const HBITMAP replacement = MakePage(150, 100, RGB(0xFF, 0, 0));
    ASSERT_EQ(preview_.Set(0, HandleSource(replacement)), PreviewError::OK);
    Pump();
    EXPECT_EQ(PixelAt(window, 50, 50), 0xFF0000u) << "Set repaints";
    ASSERT_EQ(preview_.Delete(0), PreviewError::OK);
    Pump();
    EXPECT_EQ(PixelAt(window, 50, 50), 0x909090u) << "a deleted page leaves the view";
}

TEST_F(PreviewTest, ScrollBarsFollowTheContentAndTheUser) {
    AddPages({400, 400, 400});
    ASSERT_EQ(preview_.Open(parent_), PreviewError::OK);
    Pump();
    const int view = preview_.SizeY() + 24;
    const int bottom = 12 + 3 * 412 - view;
    EXPECT_TRUE(IsWindowEnabled(Bar(kPreviewVerticalBarId)));
    EXPECT_FALSE(IsWindowEnabled(Bar(kPreviewHorizontalBarId))) << "the pages fit across";
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE;
    ASSERT_TRUE(GetScrollInfo(Bar(kPreviewVerticalBarId), SB_CTL, &info));
    EXPECT_EQ(info.nMax, 12 + 3 * 412 - 1);
    EXPECT_EQ(info.nPage, static_cast<UINT>(view));

    // The user presses the bar's lower arrow.
    RECT bar{};
    GetClientRect(Bar(kPreviewVerticalBarId), &bar);
    const POINT arrow =
        InTopLevel(Bar(kPreviewVerticalBarId), POINT{bar.right / 2, bar.bottom - 3});
    win32::PostMouseInput(parent_, WM_LBUTTONDOWN, arrow);
    win32::PostMouseInput(parent_, WM_LBUTTONUP, arrow);
    Pump();
    EXPECT_EQ(preview_.ScrollY(), 16);
    EXPECT_EQ(GetScrollPos(Bar(kPreviewVerticalBarId), SB_CTL), 16);
    EXPECT_EQ(PixelAt(preview_.Window(), 50, 12), kPagePixel) << "painted at the new position";

    const struct {
        int request;
        int expected;
    } steps[] = {
        {SB_LINEUP, 0},      {SB_LINEUP, 0},        {SB_PAGEDOWN, view},   {SB_PAGEUP, 0},
        {SB_BOTTOM, bottom}, {SB_LINEDOWN, bottom}, {SB_PAGEDOWN, bottom}, {SB_TOP, 0},
    };
    for (const auto& step : steps) {
        ScrollBy(WM_VSCROLL, step.request);
        EXPECT_EQ(preview_.ScrollY(), step.expected) << "request " << step.request;
    }
    ScrollBy(WM_HSCROLL, SB_BOTTOM);
    EXPECT_EQ(preview_.ScrollX(), 0) << "nothing to scroll across";

    // The user drags the thumb down; the view follows it while it moves and where it is let go.
    const HWND vertical = Bar(kPreviewVerticalBarId);
    const POINT grip = InTopLevel(vertical, POINT{bar.right / 2, bar.right + 4});
    win32::PostMouseInput(parent_, WM_LBUTTONDOWN, grip);
    win32::PostMouseInput(parent_, WM_MOUSEMOVE, POINT{grip.x, grip.y + 60});
    Pump();
    const int tracked = preview_.ScrollY();
    EXPECT_GT(tracked, 0);
    win32::PostMouseInput(parent_, WM_LBUTTONUP, POINT{grip.x, grip.y + 60});
    Pump();
    EXPECT_EQ(preview_.ScrollY(), tracked);
    EXPECT_EQ(GetScrollPos(vertical, SB_CTL), tracked);
}

TEST_F(PreviewTest, WidePagesScrollAcross) {
    ASSERT_EQ(preview_.Add(HandleSource(MakePage(900, 100))), PreviewError::OK);
    ASSERT_EQ(preview_.Open(parent_), PreviewError::OK);
    Pump();
    const int view = preview_.SizeX() + 24;
    EXPECT_TRUE(IsWindowEnabled(Bar(kPreviewHorizontalBarId)));
    ScrollBy(WM_HSCROLL, SB_LINERIGHT);
    EXPECT_EQ(preview_.ScrollX(), 16);
    ScrollBy(WM_HSCROLL, SB_BOTTOM);
    EXPECT_EQ(preview_.ScrollX(), 900 + 24 - view);
    EXPECT_EQ(preview_.ScrollY(), 0);
}

TEST_F(PreviewTest, ResizeFollowsTheParentButNotBelowTheSmallestSize) {
    ASSERT_EQ(preview_.Open(parent_), PreviewError::OK);
    const int barWidth = GetSystemMetrics(SM_CXVSCROLL);
    const struct {
        int width;
        int height;
        int expectedWidth;
        int expectedHeight;
    } sizes[] = {{500, 420, 500, 420}, {60, 80, kPreviewMinimumWidth, kPreviewMinimumHeight}};
    for (const auto& size : sizes) {
        MoveWindow(parent_, 100, 100, size.width, size.height, TRUE);
        preview_.Resize();
        Pump();
        RECT frame{};
        GetWindowRect(preview_.Window(), &frame);
        EXPECT_EQ(frame.right - frame.left, size.expectedWidth);
        EXPECT_EQ(frame.bottom - frame.top, size.expectedHeight);
        RECT client{};
        GetClientRect(preview_.Window(), &client);
        EXPECT_EQ(preview_.SizeX(), client.right - barWidth - 24);
    }
}

TEST_F(PreviewTest, ChangesAboveTheViewKeepItsPagesInPlace) {
    ASSERT_EQ(preview_.Open(parent_), PreviewError::OK);
    const int view = preview_.SizeY() + 24;
    // Pages of 200 stand at 12, 224, 436, ...: two pages down, pages 0 and 1 are above the view
    // and page 2 (at 436) is in it.
    const int start = 2 * view;
    ASSERT_GT(start, 460);
    ASSERT_LT(start, 672);
    const struct {
        const char* change;
        std::function<PreviewError(Preview&)> apply;
        int expected;
    } cases[] = {
        {"insert above", [](Preview& p) { return p.Insert(0, HandleSource(MakePage(150, 100))); },
         start + 112},
        {"insert before the page in view",
         [](Preview& p) { return p.Insert(2, HandleSource(MakePage(150, 100))); }, start + 112},
        {"delete above", [](Preview& p) { return p.Delete(0); }, start - 212},
        {"delete the page in view", [](Preview& p) { return p.Delete(2); }, 436},
        {"set above", [](Preview& p) { return p.Set(0, HandleSource(MakePage(150, 100))); },
         start - 100},
        {"set the page in view",
         [](Preview& p) { return p.Set(2, HandleSource(MakePage(150, 100))); },
         start + 100 * (start - 436) / 200 - (start - 436)},
    };
    for (const auto& each : cases) {
        preview_.Reset();
        AddPages({200, 200, 200, 200, 200, 200, 200, 200});
        ScrollBy(WM_VSCROLL, SB_PAGEDOWN);
        ScrollBy(WM_VSCROLL, SB_PAGEDOWN);
        ASSERT_EQ(preview_.ScrollY(), start);
        EXPECT_EQ(each.apply(preview_), PreviewError::OK) << each.change;
        EXPECT_EQ(preview_.ScrollY(), each.expected) << each.change;
        EXPECT_EQ(GetScrollPos(Bar(kPreviewVerticalBarId), SB_CTL), each.expected) << each.change;
    }
}

TEST_F(PreviewTest, ClosingKeepsThePagesAndReopeningStartsAtTheTop) {
    AddPages({400, 400});
    ASSERT_EQ(preview_.Open(parent_), PreviewError::OK);
    ScrollBy(WM_VSCROLL, SB_BOTTOM);
    ASSERT_GT(preview_.ScrollY(), 0);
    const HWND first = preview_.Window();
    preview_.Close();
    EXPECT_FALSE(IsWindow(first));
    EXPECT_EQ(preview_.Window(), nullptr);
    EXPECT_EQ(preview_.Count(), 2);
    ASSERT_EQ(preview_.Open(parent_), PreviewError::OK);
    EXPECT_EQ(preview_.ScrollY(), 0);
    DestroyWindow(parent_);
    EXPECT_EQ(preview_.Window(), nullptr) << "a window destroyed with its parent is closed";
}

TEST_F(PreviewTest, DialogRunsUntilItsCloseButtonAndDisablesItsOwnerMeanwhile) {
    AddPages({100});
    bool ownerWasDisabled = false;
    bool clicked = false;
    win32::testing::DialogDriver user;
    user.Then([&](HWND /*topmost*/) {
        ownerWasDisabled = !IsWindowEnabled(parent_);
        win32::testing::ClickDialogItem(preview_.Window(), kPreviewCloseButtonId);
        clicked = true;
    });
    PreviewPlacement placement{30, 40, 50, 60};
    EXPECT_EQ(preview_.Dialog(parent_, "Pages", placement), PreviewError::OK);
    EXPECT_TRUE(clicked);
    EXPECT_TRUE(ownerWasDisabled);
    EXPECT_TRUE(IsWindowEnabled(parent_));
    EXPECT_EQ(preview_.Window(), nullptr);
    EXPECT_EQ(placement.x, 30);
    EXPECT_EQ(placement.y, 40);
    EXPECT_EQ(placement.width, kPreviewMinimumWidth);
    EXPECT_EQ(placement.height, kPreviewMinimumHeight);
    EXPECT_EQ(preview_.Count(), 1);
}

TEST_F(PreviewTest, QuitDuringTheDialogClosesItAndIsPassedOn) {
    PostQuitMessage(7);
    PreviewPlacement placement{0, 0, 300, 400};
    EXPECT_EQ(preview_.Dialog(nullptr, "Pages", placement), PreviewError::OK);
    EXPECT_EQ(preview_.Window(), nullptr);
    EXPECT_EQ(placement.width, 300);
    EXPECT_TRUE(IsWindowEnabled(parent_)) << "no owner: nothing was disabled";
    MSG message{};
    ASSERT_TRUE(PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(message.message, UINT{WM_QUIT});
    EXPECT_EQ(message.wParam, WPARAM{7});
}

TEST_F(PreviewTest, DialogRefusesAParentThatIsNoWindow) {
    PreviewPlacement placement{1, 2, 3, 4};
    EXPECT_EQ(preview_.Dialog(reinterpret_cast<HWND>(0x7654), "Pages", placement),
              PreviewError::InvalidParentWindow);
    EXPECT_EQ(placement.width, 3) << "the values come back unchanged";
    EXPECT_EQ(preview_.Window(), nullptr);
}

} // namespace

// Bitmap push buttons: which buttons get which set, their sizes, the bitmap drawn for each state,
// and who deletes which bitmap.
#include "family/ui/src/library_state.h"
#include "family/ui/tests/ui_fixture.h"
#include "family/ui/vistel.h"

#include "platform/win32/dialog_template.h"

#include <vector>

namespace {

using vistel_test::BitmapPixel;
using vistel_test::ShownPixel;

constexpr win32::DialogItem kItems[] = {
    {"Button", "OK", 1, 5, 5, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP},
    {"Button", "Cancel", 2, 60, 5, 50, 14, BS_PUSHBUTTON | WS_TABSTOP},
    {"Button", "Help", 998, 115, 5, 50, 14, BS_PUSHBUTTON | WS_TABSTOP},
    {"Button", "Other", 3, 5, 30, 50, 14, BS_PUSHBUTTON | WS_TABSTOP},
    {"Button", "Check", 4, 60, 30, 50, 14, BS_AUTOCHECKBOX | WS_TABSTOP},
};
constexpr win32::DialogTemplate kDialog{
    WS_POPUP | WS_CAPTION | DS_SETFONT, 0, 0, 0, 180, 60, "Buttons", "MS Sans Serif", 8, kItems};

INT_PTR CALLBACK PlainDialog(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

class BitmapButtons : public vistel_test::LibraryFixture {
protected:
    void SetUp() override {
        LibraryFixture::SetUp();
        dialog_ = CreateDialogIndirectParamA(nullptr, &kDialog, nullptr, PlainDialog, 0);
        ASSERT_NE(dialog_, nullptr);
        ShowWindow(dialog_, SW_SHOW);
    }
    void TearDown() override {
        DestroyWindow(dialog_);
        LibraryFixture::TearDown();
    }

    HWND Item(int id) const { return GetDlgItem(dialog_, id); }

    static RECT Rect(HWND window) {
        RECT rect{};
        GetWindowRect(window, &rect);
        return rect;
    }

    static HBITMAP Shared(int index) {
        return vistel::Library().sharedBitmaps[static_cast<std::size_t>(index)];
    }

    // The button shows `bitmap` (at (1, 1) on a default button): checked at a few points.
    static void ExpectShows(HWND button, HBITMAP bitmap) {
        const bool isDefault = (GetWindowLongA(button, GWL_STYLE) & BS_TYPEMASK) == 1;
        const int origin = isDefault ? 1 : 0;
        for (const POINT p : {POINT{1, 2}, POINT{4, 3}, POINT{1, 20}, POINT{20, 9}, POINT{37, 10},
                              POINT{70, 18}, POINT{73, 20}}) {
            SCOPED_TRACE(std::to_string(p.x) + "," + std::to_string(p.y));
            EXPECT_EQ(ShownPixel(button, POINT{p.x + origin, p.y + origin}),
                      BitmapPixel(bitmap, p.x, p.y));
        }
    }

    static bool Alive(HGDIOBJ object) { return GetObjectType(object) != 0; }

    HWND dialog_ = nullptr;
};

TEST_F(BitmapButtons, CommandIdsGetTheirSetsAndSizes) {
    const RECT other = Rect(Item(3));
    const LONG_PTR checkProcedure = GetWindowLongPtrA(Item(4), GWLP_WNDPROC);
    _UISubclassButtons(dialog_);
    const RECT ok = Rect(Item(1));
    EXPECT_EQ(ok.right - ok.left, 77);
    EXPECT_EQ(ok.bottom - ok.top, 24);
    for (int id : {2, 998}) {
        const RECT rect = Rect(Item(id));
        EXPECT_EQ(rect.right - rect.left, 75);
        EXPECT_EQ(rect.bottom - rect.top, 22);
    }
    const RECT otherAfter = Rect(Item(3));
    EXPECT_EQ(otherAfter.right - otherAfter.left, other.right - other.left);
    EXPECT_EQ(GetPropA(Item(3), "Hux_Bitmap1"), nullptr);
    EXPECT_NE(GetPropA(Item(3), "Hux_ProcLo"), nullptr);
    EXPECT_EQ(GetWindowLongPtrA(Item(4), GWLP_WNDPROC), checkProcedure);
    EXPECT_EQ(GetPropA(Item(998), "Hux_Bitmap4"), Shared(vistel::kHelpSet + 3));

    _UISubclassButtons(dialog_);
    const RECT okAgain = Rect(Item(1));
    EXPECT_EQ(okAgain.left, ok.left);
    EXPECT_EQ(okAgain.right, ok.right);
}

TEST_F(BitmapButtons, EachStateShowsItsBitmap) {
    _UISubclassButtons(dialog_);
    const HWND cancel = Item(2);
    ExpectShows(cancel, Shared(vistel::kCancelSet));
    SetFocus(cancel);
    ExpectShows(cancel, Shared(vistel::kCancelSet + 2));
    SendMessageA(cancel, BM_SETSTATE, TRUE, 0);
    ExpectShows(cancel, Shared(vistel::kCancelSet + 1));
    SendMessageA(cancel, BM_SETSTATE, FALSE, 0);
    SetFocus(Item(998));
    EnableWindow(cancel, FALSE);
    ExpectShows(cancel, Shared(vistel::kCancelSet + 3));
}

TEST_F(BitmapButtons, DefaultButtonHasABlackFrameWithCutCorners) {
    _UISubclassButtons(dialog_);
    const HWND ok = Item(1);
    // The default button has the focus.
    ExpectShows(ok, Shared(vistel::kOkSet + 2));
    const std::uint32_t kBlack = 0;
    EXPECT_NE(ShownPixel(ok, POINT{0, 0}), kBlack);
    EXPECT_NE(ShownPixel(ok, POINT{76, 23}), kBlack);
    for (const POINT p : {POINT{1, 0}, POINT{0, 1}, POINT{75, 23}, POINT{76, 22}, POINT{1, 1},
                          POINT{75, 1}, POINT{1, 22}, POINT{75, 22}}) {
        EXPECT_EQ(ShownPixel(ok, p), kBlack) << p.x << "," << p.y;
    }
}

TEST_F(BitmapButtons, DisabledDefaultButtonBecomesPlainAtItsNextPaint) {
    _UISubclassButtons(dialog_);
    const HWND ok = Item(1);
    const RECT before = Rect(ok);
    EnableWindow(ok, FALSE);
    UpdateWindow(ok);
    EXPECT_EQ(GetWindowLongA(ok, GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON);
    const RECT after = Rect(ok);
    EXPECT_EQ(after.left, before.left + 1);
    EXPECT_EQ(after.right - after.left, 75);
    ExpectShows(ok, Shared(vistel::kOkSet + 3));
}

TEST_F(BitmapButtons, StyleChangesGiveAndTakeTheRoomOfTheFrame) {
    _UISubclassButtons(dialog_);
    const HWND ok = Item(1);
    const RECT asDefault = Rect(ok);
    SendMessageA(ok, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
    const RECT plain = Rect(ok);
    EXPECT_EQ(plain.left, asDefault.left + 1);
    EXPECT_EQ(plain.top, asDefault.top + 1);
    EXPECT_EQ(plain.right, asDefault.right - 1);
    EXPECT_EQ(plain.bottom, asDefault.bottom - 1);
    SendMessageA(ok, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
    EXPECT_EQ(Rect(ok).left, plain.left);
    SendMessageA(ok, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    EXPECT_EQ(Rect(ok).left, asDefault.left);
    EXPECT_EQ(Rect(ok).bottom, asDefault.bottom);
}

TEST_F(BitmapButtons, OldObjectsAreDeletedOnceUnlessStoredAgainOrShared) {
    _UISubclassButtons(dialog_);
    const HWND button = Item(3);
    const HDC screen = GetDC(nullptr);
    auto bitmap = [&] { return CreateCompatibleBitmap(screen, 75, 22); };
    const LOGPALETTE logical{0x300, 1, {{1, 2, 3, 0}}};
    const HBITMAP a = bitmap();
    const HBITMAP b = bitmap();
    const HBITMAP c = bitmap();
    const HBITMAP d = bitmap();
    const HPALETTE p = CreatePalette(&logical);
    const HPALETTE p2 = CreatePalette(&logical);
    _UISetButtonBitmaps(button, a, b, a, c, p);
    ExpectShows(button, a);
    _UISetButtonBitmaps(button, a, d, d, Shared(vistel::kNoSet), p2);
    EXPECT_TRUE(Alive(a));
    EXPECT_FALSE(Alive(b));
    EXPECT_FALSE(Alive(c));
    EXPECT_FALSE(Alive(p));
    EXPECT_TRUE(Alive(d));
    EXPECT_TRUE(Alive(p2));

    _UISetButtonBitmaps(button, Shared(0), Shared(1), Shared(2), Shared(3), nullptr);
    EXPECT_FALSE(Alive(a));
    EXPECT_FALSE(Alive(d));
    EXPECT_FALSE(Alive(p2));
    EXPECT_TRUE(Alive(Shared(vistel::kNoSet)));

    const HBITMAP e = bitmap();
    _UISetButtonBitmaps(button, e, e, Shared(2), nullptr, nullptr);
    DestroyWindow(button);
    EXPECT_FALSE(Alive(e));
    for (int i = 0; i < vistel::kSharedBitmapCount; ++i) {
        EXPECT_TRUE(Alive(Shared(i))) << i;
    }
    ReleaseDC(nullptr, screen);
}

TEST_F(BitmapButtons, ObjectsGivenToAnotherKindOfWindowAreDeleted) {
    const HDC screen = GetDC(nullptr);
    const HBITMAP f = CreateCompatibleBitmap(screen, 10, 10);
    const LOGPALETTE logical{0x300, 1, {{1, 2, 3, 0}}};
    const HPALETTE p = CreatePalette(&logical);
    _UISetButtonBitmaps(Item(4), f, f, Shared(5), nullptr, p);
    EXPECT_FALSE(Alive(f));
    EXPECT_FALSE(Alive(p));
    EXPECT_TRUE(Alive(Shared(5)));
    EXPECT_EQ(GetPropA(Item(4), "Hux_Bitmap1"), nullptr);
    ReleaseDC(nullptr, screen);
}

} // namespace

// The progress bar's cells, read back from the bitmap it paints.
#include "platform/progress/progress_bar.h"

#include <gtest/gtest.h>

namespace {

using namespace progress;

TEST(ProgressBar, LightsOneCellPerFivePercent) {
    struct Case {
        int percent;
        int litCells;
    };
    const Case cases[] = {{-5, 0}, {0, 1}, {4, 1}, {5, 2}, {50, 11}, {95, 20}, {100, 20}};
    for (const Case& row : cases) {
        SCOPED_TRACE(row.percent);
        // 200 pixels: cells of 10 with a gap of 2 on their right.
        const HBITMAP bitmap = CreateBitmap(200, 8, 1, 32, nullptr);
        DrawProgressBar(bitmap, row.percent);
        const HDC dc = CreateCompatibleDC(nullptr);
        const HGDIOBJ old = SelectObject(dc, bitmap);
        int lit = 0;
        for (int cell = 0; cell < kProgressCells; ++cell) {
            const bool on = GetPixel(dc, cell * 10, 4) == GetSysColor(COLOR_HIGHLIGHT);
            EXPECT_EQ(GetPixel(dc, cell * 10 + 8, 4), GetSysColor(COLOR_BTNFACE)) << "the gap";
            lit += on ? 1 : 0;
        }
        EXPECT_EQ(lit, row.litCells);
        SelectObject(dc, old);
        DeleteDC(dc);
        DeleteObject(bitmap);
    }
}

TEST(ProgressBar, ABitmapTheSizeOfTheControlStartsAtZero) {
    const HWND dialog = CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, 300, 100, nullptr, nullptr,
                                        nullptr, nullptr);
    const HWND control = CreateWindowExA(0, "Button", "", WS_CHILD, 10, 10, 140, 12, dialog,
                                         nullptr, nullptr, nullptr);
    const HBITMAP bitmap = MakeProgressBitmap(dialog, control);
    ASSERT_NE(bitmap, nullptr);
    BITMAP size{};
    ASSERT_NE(GetObjectA(bitmap, sizeof size, &size), 0);
    EXPECT_EQ(size.bmWidth, 140);
    EXPECT_EQ(size.bmHeight, 12);
    const HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, bitmap);
    EXPECT_EQ(GetPixel(dc, 0, 5), GetSysColor(COLOR_HIGHLIGHT)) << "the first cell";
    // Steps of 7 pixels are too narrow for a gap: the first cell is 7 wide.
    EXPECT_EQ(GetPixel(dc, 6, 5), GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(GetPixel(dc, 7, 5), GetSysColor(COLOR_BTNFACE)) << "everything after it";
    EXPECT_EQ(GetPixel(dc, 139, 5), GetSysColor(COLOR_BTNFACE));
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(bitmap);
    EXPECT_EQ(MakeProgressBitmap(dialog, nullptr), nullptr);
    DestroyWindow(dialog);
}

} // namespace

// The handle table and the ownership rules of objects and device contexts.
#include "platform/win32/tests/pixels.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

std::uintptr_t Value(const void* handle) {
    return reinterpret_cast<std::uintptr_t>(handle);
}

TEST(HandlesTest, UnknownAndDeletedHandlesAreRefused) {
    HGDIOBJ bogus = reinterpret_cast<HGDIOBJ>(static_cast<std::uintptr_t>(0x7ABC1234));
    HDC dc = CreateCompatibleDC(nullptr);
    EXPECT_FALSE(DeleteObject(bogus));
    EXPECT_EQ(SelectObject(dc, bogus), nullptr);
    EXPECT_EQ(GetObjectA(bogus, 0, nullptr), 0);
    EXPECT_EQ(GetObjectType(bogus), 0u);

    HPEN first = CreatePen(PS_SOLID, 1, 0);
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(DeleteObject(first));
    EXPECT_FALSE(DeleteObject(first)) << "deleted twice";
    EXPECT_EQ(SelectObject(dc, first), nullptr);

    // The next object may reuse the entry, but never the handle.
    HPEN second = CreatePen(PS_SOLID, 1, 0);
    EXPECT_NE(Value(second), Value(first));
    EXPECT_FALSE(DeleteObject(first));
    EXPECT_EQ(GetObjectType(second), DWORD(OBJ_PEN));
    EXPECT_TRUE(DeleteObject(second));

    EXPECT_TRUE(DeleteDC(dc));
    EXPECT_FALSE(DeleteDC(dc));
    EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSX), 0);
}

TEST(HandlesTest, HandlesArePositive32BitNumbersAboveTheSystemColourIndexes) {
    HBRUSH brush = CreateSolidBrush(0);
    EXPECT_GT(Value(brush), std::uintptr_t(31));
    EXPECT_LE(Value(brush), std::uintptr_t(INT32_MAX));
    // A handle that went through a 32-bit integer still works.
    auto asInteger = static_cast<std::int32_t>(Value(brush));
    EXPECT_TRUE(DeleteObject(reinterpret_cast<HGDIOBJ>(std::uintptr_t(asInteger))));
}

TEST(HandlesTest, AnObjectHeldByAContextCannotBeDeleted) {
    HDC dc = CreateCompatibleDC(nullptr);
    HPEN pen = CreatePen(PS_SOLID, 2, RGB(255, 0, 0));
    HGDIOBJ stockPen = SelectObject(dc, pen);
    EXPECT_EQ(stockPen, GetStockObject(BLACK_PEN));
    EXPECT_FALSE(DeleteObject(pen));

    // A saved state holds it too.
    int level = SaveDC(dc);
    EXPECT_EQ(level, 1);
    SelectObject(dc, stockPen);
    EXPECT_FALSE(DeleteObject(pen));
    EXPECT_TRUE(RestoreDC(dc, -1));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), pen);
    SelectObject(dc, stockPen);
    EXPECT_TRUE(DeleteObject(pen));

    // Deleting the context lets go of what it held.
    HBRUSH brush = CreateSolidBrush(0);
    SelectObject(dc, brush);
    EXPECT_TRUE(DeleteDC(dc));
    EXPECT_TRUE(DeleteObject(brush));
}

TEST(HandlesTest, ABitmapIsInOneContextAtATime) {
    HDC first = CreateCompatibleDC(nullptr);
    HDC second = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(first, 4, 4);
    HGDIOBJ old = SelectObject(first, bitmap);
    EXPECT_NE(old, nullptr);
    EXPECT_EQ(SelectObject(second, bitmap), nullptr);
    SelectObject(first, old);
    EXPECT_NE(SelectObject(second, bitmap), nullptr);
    // A bitmap never goes into a device's own context.
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(SelectObject(screen, bitmap), nullptr);
    ReleaseDC(nullptr, screen);
    DeleteDC(second);
    DeleteDC(first);
    EXPECT_TRUE(DeleteObject(bitmap));
}

TEST(HandlesTest, StockObjectsSurviveDeletion) {
    HGDIOBJ brush = GetStockObject(WHITE_BRUSH);
    EXPECT_TRUE(DeleteObject(brush));
    EXPECT_EQ(GetObjectType(brush), DWORD(OBJ_BRUSH));
    EXPECT_EQ(GetStockObject(WHITE_BRUSH), brush);
    EXPECT_EQ(GetStockObject(99), nullptr);
}

TEST(HandlesTest, SaveAndRestoreStates) {
    HDC dc = CreateCompatibleDC(nullptr);
    SetTextColor(dc, RGB(1, 0, 0));
    EXPECT_EQ(SaveDC(dc), 1);
    SetTextColor(dc, RGB(2, 0, 0));
    EXPECT_EQ(SaveDC(dc), 2);
    SetTextColor(dc, RGB(3, 0, 0));
    EXPECT_EQ(SaveDC(dc), 3);
    SetBkMode(dc, TRANSPARENT);
    EXPECT_TRUE(RestoreDC(dc, 2)) << "back to the second saved state, dropping the third";
    EXPECT_EQ(GetTextColor(dc), RGB(2, 0, 0));
    EXPECT_EQ(GetBkMode(dc), OPAQUE);
    EXPECT_TRUE(RestoreDC(dc, -1));
    EXPECT_EQ(GetTextColor(dc), RGB(1, 0, 0));
    EXPECT_FALSE(RestoreDC(dc, -1)) << "nothing left to restore";
    DeleteDC(dc);
}

TEST(HandlesTest, TheScreenIsTrueColourAt96Dpi) {
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(GetDeviceCaps(screen, LOGPIXELSX), 96);
    EXPECT_EQ(GetDeviceCaps(screen, LOGPIXELSY), 96);
    EXPECT_EQ(GetDeviceCaps(screen, BITSPIXEL) * GetDeviceCaps(screen, PLANES), 24);
    EXPECT_EQ(GetDeviceCaps(screen, TECHNOLOGY), DT_RASDISPLAY);
    EXPECT_EQ(GetDeviceCaps(screen, RASTERCAPS) & RC_PALETTE, 0);
    EXPECT_NE(GetDeviceCaps(screen, RASTERCAPS) & RC_STRETCHDIB, 0);
    // A memory context answers for the device it is compatible with.
    HDC memory = CreateCompatibleDC(screen);
    EXPECT_EQ(GetDeviceCaps(memory, LOGPIXELSY), 96);
    DeleteDC(memory);
    EXPECT_EQ(ReleaseDC(nullptr, screen), 1);
}

TEST(HandlesTest, PalettesFollowTheOwnershipRulesAndChangeNoPixel) {
    LOGPALETTE palette{0x300, 1, {{255, 0, 0, 0}}};
    HPALETTE red = CreatePalette(&palette);
    ASSERT_NE(red, nullptr);
    WORD entries = 0;
    EXPECT_EQ(GetObjectA(red, sizeof entries, &entries), int(sizeof entries));
    EXPECT_EQ(entries, 1);

    TestCanvas canvas(1, 1);
    SetPixel(canvas.dc(), 0, 0, RGB(10, 20, 30));
    HPALETTE previous = SelectPalette(canvas.dc(), red, FALSE);
    EXPECT_EQ(previous, GetStockObject(DEFAULT_PALETTE));
    EXPECT_EQ(RealizePalette(canvas.dc()), 0u);
    EXPECT_EQ(GetPixel(canvas.dc(), 0, 0), RGB(10, 20, 30));
    EXPECT_FALSE(DeleteObject(red));
    SelectPalette(canvas.dc(), previous, FALSE);
    EXPECT_TRUE(DeleteObject(red));
    LOGPALETTE wrongVersion{0x200, 1, {{0, 0, 0, 0}}};
    EXPECT_EQ(CreatePalette(&wrongVersion), nullptr);
}

TEST(HandlesTest, TheMappingConvertsBothWays) {
    HDC dc = CreateCompatibleDC(nullptr);
    SetMapMode(dc, MM_ANISOTROPIC);
    SetWindowExtEx(dc, 1440, 1440, nullptr);
    SetViewportExtEx(dc, 96, 96, nullptr);
    POINT points[] = {{1440, 720}, {7, 8}};
    EXPECT_TRUE(LPtoDP(dc, points, 2));
    EXPECT_EQ(points[0].x, 96);
    EXPECT_EQ(points[0].y, 48);
    EXPECT_EQ(points[1].x, 0) << "7/15 of a pixel rounds to 0";
    EXPECT_EQ(points[1].y, 1) << "8/15 of a pixel rounds to 1";
    POINT device{96, 1};
    EXPECT_TRUE(DPtoLP(dc, &device, 1));
    EXPECT_EQ(device.x, 1440);
    EXPECT_EQ(device.y, 15);
    DeleteDC(dc);
}

} // namespace

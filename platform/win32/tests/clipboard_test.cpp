// The clipboard model: sessions, ownership of the data given, and what a host reads from it.
#include "platform/win32/window_host.h"
#include "platform/win32/windows.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

HGLOBAL TextBlock(const std::string& text) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    std::memcpy(GlobalLock(memory), text.c_str(), text.size() + 1);
    GlobalUnlock(memory);
    return memory;
}

class ClipboardTest : public ::testing::Test {
protected:
    void SetUp() override {
        win32::SetClipboardListener([this] { ++changes_; });
    }
    void TearDown() override {
        win32::SetClipboardListener(nullptr);
        OpenClipboard(nullptr);
        EmptyClipboard();
        CloseClipboard();
    }
    int changes_ = 0;
};

TEST_F(ClipboardTest, TextGivenIsOwnedAndReadBack) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EXPECT_FALSE(OpenClipboard(nullptr)) << "one session at a time";
    ASSERT_TRUE(EmptyClipboard());
    HGLOBAL first = TextBlock("first");
    EXPECT_EQ(SetClipboardData(CF_TEXT, first), first);
    HGLOBAL second = TextBlock("Caf\xE9 total: $1,234.56");
    EXPECT_EQ(SetClipboardData(CF_TEXT, second), second);
    EXPECT_EQ(GlobalSize(first), 0u) << "the replaced text is freed";
    EXPECT_EQ(changes_, 0) << "the desktop hears of it when the session closes";
    EXPECT_TRUE(CloseClipboard());
    EXPECT_EQ(changes_, 1);
    EXPECT_EQ(win32::ClipboardText(), std::string("Caf\xE9 total: $1,234.56"));
    EXPECT_EQ(GetClipboardData(CF_TEXT), nullptr) << "closed";
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_TEXT));
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_BITMAP));

    ASSERT_TRUE(OpenClipboard(nullptr));
    auto* text = static_cast<const char*>(GlobalLock(GetClipboardData(CF_TEXT)));
    EXPECT_STREQ(text, "Caf\xE9 total: $1,234.56");
    GlobalUnlock(GetClipboardData(CF_TEXT));
    EXPECT_TRUE(CloseClipboard());
    EXPECT_EQ(changes_, 1) << "reading changes nothing";
}

TEST_F(ClipboardTest, BitmapsAreOwnedAndDeletedWhenEmptied) {
    // 0x00RRGGBB, rows from the top.
    const std::vector<std::uint32_t> pixels = {0xFF0000, 0x00FF00, 0x0000FF,
                                               0xFFFFFF, 0x000000, 0x123456};
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 3, 2);
    ReleaseDC(nullptr, screen);
    ASSERT_NE(bitmap, nullptr);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, bitmap);
    for (int i = 0; i < 6; ++i) {
        std::uint32_t p = pixels[static_cast<std::size_t>(i)];
        SetPixel(dc, i % 3, i / 3,
                 RGB(static_cast<BYTE>(p >> 16), static_cast<BYTE>(p >> 8), static_cast<BYTE>(p)));
    }
    SelectObject(dc, previous);
    DeleteDC(dc);
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    EXPECT_EQ(SetClipboardData(CF_BITMAP, bitmap), bitmap);
    CloseClipboard();
    std::optional<win32::WindowImage> image = win32::ClipboardBitmap();
    ASSERT_TRUE(image);
    EXPECT_EQ(image->width, 3);
    EXPECT_EQ(image->height, 2);
    EXPECT_EQ(image->pixels, pixels);
    EXPECT_FALSE(win32::ClipboardText());

    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    CloseClipboard();
    EXPECT_EQ(GetObjectType(bitmap), 0u) << "emptying deleted the clipboard's bitmap";
    EXPECT_FALSE(win32::ClipboardBitmap());
    EXPECT_EQ(CountClipboardFormats(), 0);
}

TEST_F(ClipboardTest, RefusesDataOutsideASessionOrOfTheWrongKind) {
    HGLOBAL text = TextBlock("text");
    HBITMAP bitmap = CreateBitmap(1, 1, 1, 32, nullptr);
    EXPECT_EQ(SetClipboardData(CF_TEXT, text), nullptr) << "not open";
    EXPECT_FALSE(EmptyClipboard());
    EXPECT_FALSE(CloseClipboard());
    ASSERT_TRUE(OpenClipboard(nullptr));
    EXPECT_EQ(SetClipboardData(CF_TEXT, bitmap), nullptr);
    EXPECT_EQ(SetClipboardData(CF_BITMAP, text), nullptr);
    EXPECT_EQ(SetClipboardData(7, text), nullptr) << "no such format here";
    EXPECT_EQ(SetClipboardData(CF_TEXT, nullptr), nullptr);
    EXPECT_TRUE(CloseClipboard());
    EXPECT_EQ(changes_, 0);
    EXPECT_EQ(GlobalFree(text), nullptr) << "refused data stays the caller's";
    EXPECT_TRUE(DeleteObject(bitmap));
}

} // namespace

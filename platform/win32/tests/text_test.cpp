// Fonts and text: metrics and layout from the fixed-metrics source, and faces and rendering from
// the installed fonts.
#include "platform/system/atomic_file.h"
#include "platform/testing/file_contents.h"
#include "platform/testing/stored_file.h"
#include "platform/win32/font_provider.h"
#include "platform/win32/tests/pixels.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

namespace {

using win32::FontSource;
using win32::UseFontSource;

HFONT MakeFont(int height, const char* face = "Arial", int weight = FW_NORMAL,
               bool underline = false) {
    return CreateFontA(height, 0, 0, 0, weight, FALSE, underline, FALSE, ANSI_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       VARIABLE_PITCH | FF_SWISS, face);
}

class FixedFontTest : public ::testing::Test {
protected:
    void SetUp() override { UseFontSource(FontSource::FixedMetrics); }
    void TearDown() override { UseFontSource(FontSource::System); }
};

TEST_F(FixedFontTest, MetricsFollowTheRequestedHeight) {
    struct Case {
        int height;
        LONG ascent, descent, internalLeading, averageWidth;
    };
    // h = -height, or cell - cell / 5; ascent h, descent h / 4, leading h / 4, width h / 2.
    const Case cases[] = {
        {-20, 20, 5, 5, 10},
        {-7, 7, 1, 1, 3},
        {25, 20, 5, 5, 10},
        {-1, 1, 0, 0, 1},
    };
    HDC dc = CreateCompatibleDC(nullptr);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.height);
        HFONT font = MakeFont(c.height);
        HGDIOBJ old = SelectObject(dc, font);
        TEXTMETRICA m{};
        ASSERT_TRUE(GetTextMetricsA(dc, &m));
        EXPECT_EQ(m.tmAscent, c.ascent);
        EXPECT_EQ(m.tmDescent, c.descent);
        EXPECT_EQ(m.tmHeight, c.ascent + c.descent);
        EXPECT_EQ(m.tmInternalLeading, c.internalLeading);
        EXPECT_EQ(m.tmAveCharWidth, c.averageWidth);
        SIZE size{};
        ASSERT_TRUE(GetTextExtentPoint32A(dc, "Hello, world", 12, &size));
        EXPECT_EQ(size.cx, 12 * c.averageWidth);
        EXPECT_EQ(size.cy, m.tmHeight);
        SelectObject(dc, old);
        DeleteObject(font);
    }
    DeleteDC(dc);
}

TEST_F(FixedFontTest, TwipsMappingScalesHeightsAndExtents) {
    // 12 points at 1440 units per inch on a 96 dpi device: 16 pixels, 240 twips.
    HDC dc = CreateCompatibleDC(nullptr);
    SetMapMode(dc, MM_ANISOTROPIC);
    SetWindowExtEx(dc, 1440, 1440, nullptr);
    SetViewportExtEx(dc, 96, 96, nullptr);
    HFONT font = MakeFont(-240);
    SelectObject(dc, font);
    TEXTMETRICA m{};
    GetTextMetricsA(dc, &m);
    EXPECT_EQ(m.tmAscent, 240);
    EXPECT_EQ(m.tmHeight, 300) << "16 + 4 pixels";
    SIZE size{};
    GetTextExtentPoint32A(dc, "abc", 3, &size);
    EXPECT_EQ(size.cx, 3 * 8 * 15);
    SelectObject(dc, GetStockObject(SYSTEM_FONT));
    DeleteObject(font);
    DeleteDC(dc);
}

TEST_F(FixedFontTest, JustificationWidensTheBreaks) {
    HDC dc = CreateCompatibleDC(nullptr);
    HFONT font = MakeFont(-10); // every character 5 pixels
    SelectObject(dc, font);
    SIZE size{};
    EXPECT_TRUE(SetTextJustification(dc, 7, 2));
    GetTextExtentPoint32A(dc, "a b c", 5, &size);
    EXPECT_EQ(size.cx, 25 + 7);
    GetTextExtentPoint32A(dc, "a b", 3, &size);
    EXPECT_EQ(size.cx, 15 + 4) << "the first break takes the remainder";
    SetTextJustification(dc, 0, 0);
    GetTextExtentPoint32A(dc, "a b c", 5, &size);
    EXPECT_EQ(size.cx, 25);
    SelectObject(dc, GetStockObject(SYSTEM_FONT));
    DeleteObject(font);
    DeleteDC(dc);
}

TEST_F(FixedFontTest, JustificationOfALineDrawnInRunsAddsTheExtraOnce) {
    // 10 extra pixels over the 4 breaks of a line drawn in three runs, each measured, drawn at
    // the end of the previous one: 3, 3, 2 and 2 pixels, the remainder going to the first breaks
    // of the line, not of each run.
    TestCanvas canvas(70, 10);
    HFONT font = MakeFont(-10); // every character 5 pixels, drawn 4 wide
    SelectObject(canvas.dc(), font);
    SetBkMode(canvas.dc(), TRANSPARENT);
    ASSERT_TRUE(SetTextJustification(canvas.dc(), 10, 4));
    const std::string runs[] = {"a b c", "d e", "f g"};
    const int widths[] = {25 + 6, 15 + 2, 15 + 2};
    int x = 0;
    for (int i = 0; i < 3; ++i) {
        SIZE size{};
        ASSERT_TRUE(GetTextExtentPoint32A(canvas.dc(), runs[i].data(), int(runs[i].size()), &size));
        EXPECT_EQ(size.cx, widths[i]) << runs[i];
        TextOutA(canvas.dc(), x, 0, runs[i].data(), static_cast<int>(runs[i].size()));
        x += size.cx;
    }
    EXPECT_EQ(x, 55 + 10);
    const std::string row = canvas.Pixels()[5];
    EXPECT_EQ(int(row.find_last_of('#')), 65 - 2)
        << "the last glyph ends a pixel short of its cell";
    SetTextJustification(canvas.dc(), 0, 0);
    SelectObject(canvas.dc(), GetStockObject(SYSTEM_FONT));
    DeleteObject(font);
}

TEST_F(FixedFontTest, TextIsPlacedByItsAlignment) {
    // Character height 4: boxes 1 pixel wide and 3 high, advancing 2; ascent 4, descent 1.
    struct Case {
        const char* name;
        UINT align;
        int mode;
        Picture expected;
    };
    const Case cases[] = {
        {"top left, transparent",
         TA_LEFT | TA_TOP,
         TRANSPARENT,
         {"..........", "..........", "..#.#.....", "..#.#.....", "..#.#.....", ".........."}},
        {"baseline",
         TA_LEFT | TA_BASELINE,
         TRANSPARENT,
         {"..#.#.....", "..........", "..........", "..........", "..........", ".........."}},
        {"centred",
         TA_CENTER | TA_TOP,
         TRANSPARENT,
         {"..........", "..........", "#.#.......", "#.#.......", "#.#.......", ".........."}},
        {"opaque background fills the cell",
         TA_LEFT | TA_TOP,
         OPAQUE,
         {"..........", "..rrrr....", "..#r#r....", "..#r#r....", "..#r#r....", "..rrrr...."}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestCanvas canvas(10, 6);
        HFONT font = MakeFont(-4);
        HGDIOBJ old = SelectObject(canvas.dc(), font);
        SetTextAlign(canvas.dc(), c.align);
        SetBkMode(canvas.dc(), c.mode);
        SetBkColor(canvas.dc(), RGB(255, 0, 0));
        TextOutA(canvas.dc(), 2, 1, "ab", 2);
        EXPECT_EQ(Show(canvas.Pixels()), Show(c.expected));
        SelectObject(canvas.dc(), old);
        DeleteObject(font);
    }
}

TEST_F(FixedFontTest, ExtTextOutFillsClipsAndSpaces) {
    TestCanvas canvas(8, 6);
    HFONT font = MakeFont(-4);
    SelectObject(canvas.dc(), font);
    SetBkMode(canvas.dc(), TRANSPARENT);
    SetBkColor(canvas.dc(), RGB(0, 0, 255));
    RECT box{1, 1, 4, 6};
    // The rectangle is filled with the background colour, and "b" falls outside it.
    EXPECT_TRUE(ExtTextOutA(canvas.dc(), 2, 1, ETO_OPAQUE | ETO_CLIPPED, &box, "ab", 2, nullptr));
    EXPECT_EQ(Show(canvas.Pixels()),
              Show({"........", ".bbb....", ".b#b....", ".b#b....", ".b#b....", ".bbb...."}));

    TestCanvas spaced(8, 5);
    SelectObject(spaced.dc(), font);
    const INT dx[] = {5, 2};
    EXPECT_TRUE(ExtTextOutA(spaced.dc(), 0, 0, 0, nullptr, "ab", 2, dx));
    EXPECT_EQ(Show(spaced.Pixels()),
              Show({"........", "#....#..", "#....#..", "#....#..", "........"}));
    SelectObject(canvas.dc(), GetStockObject(SYSTEM_FONT));
    SelectObject(spaced.dc(), GetStockObject(SYSTEM_FONT));
    DeleteObject(font);
}

TEST_F(FixedFontTest, DrawTextMeasuresAlignsAndUnderlinesMnemonics) {
    TestCanvas canvas(12, 7);
    HFONT font = MakeFont(-4);
    SelectObject(canvas.dc(), font);
    SetBkMode(canvas.dc(), TRANSPARENT);
    RECT measured{1, 1, 1, 1};
    EXPECT_EQ(DrawTextA(canvas.dc(), "&Yes", -1, &measured, DT_SINGLELINE | DT_CALCRECT), 5);
    EXPECT_EQ(measured.right, 1 + 6) << "the ampersand takes no room";
    EXPECT_EQ(measured.bottom, 1 + 5);

    RECT box{0, 0, 12, 7};
    DrawTextA(canvas.dc(), "&Yes", -1, &box, DT_SINGLELINE | DT_RIGHT | DT_BOTTOM);
    EXPECT_EQ(Show(canvas.Pixels()),
              Show({"............", "............", "............", "......#.#.#.", "......#.#.#.",
                    "......#.#.#.", "......##...."}));
    SelectObject(canvas.dc(), GetStockObject(SYSTEM_FONT));
    DeleteObject(font);
}

TEST(SystemFontTest, FaceNamesMapToTheLiberationFaces) {
    struct Case {
        const char* face;
        BYTE pitchAndFamily;
        int weight;
        const char* family;
        const char* style;
    };
    const Case cases[] = {
        {"Arial", VARIABLE_PITCH | FF_SWISS, FW_NORMAL, "Liberation Sans", "Regular"},
        {"arial", VARIABLE_PITCH | FF_SWISS, FW_BOLD, "Liberation Sans", "Bold"},
        {"Times New Roman", VARIABLE_PITCH | FF_ROMAN, FW_NORMAL, "Liberation Serif", "Regular"},
        {"Courier New", FIXED_PITCH | FF_MODERN, FW_NORMAL, "Liberation Mono", "Regular"},
        {"MS Sans Serif", VARIABLE_PITCH | FF_SWISS, FW_NORMAL, "Liberation Sans", "Regular"},
        {"", FIXED_PITCH, FW_NORMAL, "Liberation Mono", "Regular"},
        {"", FF_ROMAN, FW_NORMAL, "Liberation Serif", "Regular"},
        {"", DEFAULT_PITCH, FW_NORMAL, "Liberation Sans", "Regular"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.face) + " " + std::to_string(c.weight));
        LOGFONTA font{};
        font.lfHeight = -16;
        font.lfWeight = c.weight;
        font.lfPitchAndFamily = c.pitchAndFamily;
        std::strncpy(font.lfFaceName, c.face, LF_FACESIZE - 1);
        win32::FontFace face = win32::ResolveFontFace(font);
        EXPECT_EQ(face.family, c.family);
        EXPECT_EQ(face.style, c.style);
    }
}

TEST(SystemFontTest, ArialMetricsAreThoseOfItsMetricCompatibleFace) {
    HDC dc = CreateCompatibleDC(nullptr);
    HFONT font = MakeFont(-16);
    SelectObject(dc, font);
    TEXTMETRICA m{};
    ASSERT_TRUE(GetTextMetricsA(dc, &m));
    // Arial's Windows ascent and descent are 1854 and 434 units of 2048.
    EXPECT_EQ(m.tmAscent, 14);
    EXPECT_EQ(m.tmDescent, 3);
    EXPECT_EQ(m.tmHeight - m.tmInternalLeading, 16);
    EXPECT_NE(m.tmPitchAndFamily & TMPF_FIXED_PITCH, 0) << "variable pitch";
    char face[LF_FACESIZE];
    EXPECT_GT(GetTextFaceA(dc, LF_FACESIZE, face), 0);
    EXPECT_STREQ(face, "Arial");
    SelectObject(dc, GetStockObject(SYSTEM_FONT));
    DeleteObject(font);
    DeleteDC(dc);
}

// A monochrome rendering as rows of '#' and '.'.
std::string Rendering(const char* text, HFONT font, int width, int height) {
    TestCanvas canvas(width, height, /*monochrome*/ true);
    SelectObject(canvas.dc(), font);
    SetBkMode(canvas.dc(), TRANSPARENT);
    TextOutA(canvas.dc(), 2, 2, text, static_cast<int>(std::strlen(text)));
    std::string picture = Show(canvas.Pixels());
    SelectObject(canvas.dc(), GetStockObject(SYSTEM_FONT));
    return picture;
}

TEST(SystemFontTest, RenderingMatchesTheStoredImage) {
    const std::filesystem::path stored =
        std::filesystem::path(TALLOWMERE_WIN32_TEST_DATA) / "arial-16.txt";
    HFONT font = MakeFont(-16, "Arial", FW_BOLD, /*underline*/ true);
    std::string picture = Rendering("Tallowmere $1,234.56", font, 190, 22);
    DeleteObject(font);
    if (testkit::RegeneratingStoredFiles()) {
        sys::ReplaceFileAtomically(stored, picture);
        GTEST_SKIP() << "regenerated " << stored;
    }
    EXPECT_EQ(picture, testkit::ReadFileBytes(stored))
        << "the rendering differs from " << stored << "; " << testkit::kRegenerateAdvice;
}

} // namespace

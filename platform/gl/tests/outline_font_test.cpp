// Outline fonts drawn as solids: the glyph's face is filled with its holes open, the extrusion
// gives side walls of the requested depth, and each list advances by the glyph's width.
#include "platform/gl/outline_font.h"

#include "platform/gl/bitmap_context.h"
#include "platform/gl/gl_functions.h"
#include "platform/win32/font_provider.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

constexpr int kSide = 100;

class OutlineFontTest : public ::testing::Test {
protected:
    void SetUp() override {
        target_ = {pixels_.data(), kSide, kSide, kSide * 3};
        made_ = gl::CreateBitmapContext(target_);
        ASSERT_NE(made_.context, nullptr);
        ASSERT_TRUE(made_.context->MakeCurrent());
        LOGFONTA arial{};
        std::strcpy(arial.lfFaceName, "Arial");
        std::string error;
        ASSERT_TRUE(font_.Build(win32::ResolveFontFace(arial).file, 0, 128, 0.1f, error)) << error;
        gl::ClearColor(0.0f, 0.0f, 0.0f, 1.0f);
        gl::Clear(GL_COLOR_BUFFER_BIT);
        gl::MatrixMode(GL_PROJECTION);
        gl::Ortho(0.0, 1.0, 0.0, 1.0, -1.0, 1.0); // one em across the bitmap
        gl::MatrixMode(GL_MODELVIEW);
        gl::Color3f(1.0f, 1.0f, 1.0f);
    }

    void TearDown() override { font_.Release(); }

    bool Lit(int x, int y) {
        const std::uint8_t* p = pixels_.data() + y * kSide * 3 + x * 3;
        return p[0] != 0 || p[1] != 0 || p[2] != 0;
    }

    // The lit pixels of one bitmap row.
    int LitInRow(int y) {
        int lit = 0;
        for (int x = 0; x < kSide; ++x) {
            lit += Lit(x, y) ? 1 : 0;
        }
        return lit;
    }

    std::vector<std::uint8_t> pixels_ = std::vector<std::uint8_t>(kSide * kSide * 3);
    gl::BitmapTarget target_;
    gl::BitmapContextResult made_;
    gl::OutlineFont font_;
};

TEST_F(OutlineFontTest, FaceIsFilledAndItsHoleStaysOpen) {
    gl::Translatef(0.1f, 0.1f, 0.0f);
    font_.DrawText("O");
    made_.context->Finish();
    // An "O" of the sans face spans about 0.7 em across and stands about 0.7 em high.
    const int middle = 10 + 35;
    EXPECT_FALSE(Lit(10 + 38, middle)) << "the hole";
    EXPECT_TRUE(Lit(10 + 5, middle)) << "the left stroke";
    EXPECT_TRUE(Lit(10 + 70, middle)) << "the right stroke";
    EXPECT_FALSE(Lit(5, 5)) << "outside the glyph";
}

TEST_F(OutlineFontTest, SideWallsSpanTheExtrusion) {
    // Seen from the right side: the glyph's depth runs across the bitmap, 0.1 em = 10 pixels.
    gl::Translatef(0.5f, 0.1f, 0.0f);
    gl::Rotatef(-90.0f, 0.0f, 1.0f, 0.0f);
    font_.DrawText("I");
    made_.context->Finish();
    const int lit = LitInRow(40);
    EXPECT_GE(lit, 9);
    EXPECT_LE(lit, 11);
}

TEST_F(OutlineFontTest, EachListAdvancesByItsGlyph) {
    // "l" of the sans face is narrow: two of them stand apart, the second where the first's
    // advance ends, with unlit pixels between.
    gl::Translatef(0.05f, 0.1f, 0.0f);
    font_.DrawText("ll");
    made_.context->Finish();
    int runs = 0;
    bool previous = false;
    for (int x = 0; x < kSide; ++x) {
        const bool lit = Lit(x, 40);
        runs += lit && !previous ? 1 : 0;
        previous = lit;
    }
    EXPECT_EQ(runs, 2);
    EXPECT_EQ(font_.ListOf(128), 0u) << "beyond the lists built";
}

TEST(OutlineFont, MissingFontFileFailsWithItsName) {
    std::vector<std::uint8_t> pixels(4 * 4 * 3);
    auto made = gl::CreateBitmapContext({pixels.data(), 4, 4, 12});
    ASSERT_NE(made.context, nullptr);
    ASSERT_TRUE(made.context->MakeCurrent());
    gl::OutlineFont font;
    std::string error;
    EXPECT_FALSE(font.Build("/nonexistent/font.ttf", 0, 128, 0.1f, error));
    EXPECT_NE(error.find("/nonexistent/font.ttf"), std::string::npos) << error;
    EXPECT_EQ(font.ListOf(65), 0u);
}

} // namespace

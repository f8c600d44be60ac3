// The bitmap context against a 24-bit bottom-up target with padded rows: what OpenGL draws lands
// in the right rows and pixels, the padding stays untouched, and the quadrics draw through the
// same context.
#include "platform/gl/bitmap_context.h"

#include "platform/gl/gl_functions.h"
#include "platform/gl/quadrics.h"
#include "platform/win32/font_provider.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

// A 24-bit bottom-up target whose rows are padded to 4 bytes, the padding filled with a marker.
struct Target {
    static constexpr std::uint8_t kPaddingMarker = 0xA5;

    Target(int width, int height)
        : stride((static_cast<std::size_t>(width) * 3 + 3) / 4 * 4),
          bytes(stride * height, kPaddingMarker) {
        view = {bytes.data(), width, height, stride};
    }

    // The pixel as 0xRRGGBB; row 0 is the bottom row.
    std::uint32_t Pixel(int x, int bottomUpRow) const {
        const std::uint8_t* p = bytes.data() + stride * bottomUpRow + 3 * x;
        return (std::uint32_t{p[2]} << 16) | (std::uint32_t{p[1]} << 8) | p[0];
    }

    std::size_t stride;
    std::vector<std::uint8_t> bytes;
    gl::BitmapTarget view;
};

TEST(BitmapContext, DrawsIntoPaddedBottomUpRowsAndLeavesThePadding) {
    Target target(47, 33); // 141 bytes of pixels a row: 3 bytes of padding
    auto made = gl::CreateBitmapContext(target.view);
    ASSERT_NE(made.context, nullptr);
    ASSERT_TRUE(made.context->MakeCurrent());

    gl::ClearColor(1.0f, 0.0f, 0.0f, 1.0f); // red
    gl::Clear(GL_COLOR_BUFFER_BIT);
    // A blue rectangle over the left half of the bottom half.
    gl::Color3f(0.0f, 0.0f, 1.0f);
    gl::Rectf(-1.0f, -1.0f, 0.0f, 0.0f);
    made.context->Finish();

    EXPECT_EQ(target.Pixel(0, 0), 0x0000FFu) << "the bottom row comes first";
    EXPECT_EQ(target.Pixel(20, 10), 0x0000FFu);
    EXPECT_EQ(target.Pixel(30, 10), 0xFF0000u);
    EXPECT_EQ(target.Pixel(10, 25), 0xFF0000u);
    EXPECT_EQ(target.Pixel(46, 32), 0xFF0000u);
    for (int row = 0; row < 33; ++row) {
        for (std::size_t pad = 141; pad < target.stride; ++pad) {
            EXPECT_EQ(target.bytes[target.stride * row + pad], Target::kPaddingMarker)
                << "row " << row;
        }
    }
}

TEST(BitmapContext, QuadricsDrawThroughTheContext) {
    Target target(32, 32);
    auto made = gl::CreateBitmapContext(target.view);
    ASSERT_NE(made.context, nullptr);
    ASSERT_TRUE(made.context->MakeCurrent());
    gl::ClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    gl::Clear(GL_COLOR_BUFFER_BIT);
    gl::Color3f(0.0f, 1.0f, 0.0f);
    gl::Sphere(0.5, 20, 10);
    made.context->Finish();

    EXPECT_EQ(target.Pixel(16, 16), 0x00FF00u) << "the sphere's centre";
    EXPECT_EQ(target.Pixel(1, 1), 0x000000u) << "outside the sphere";
    EXPECT_EQ(target.Pixel(16, 28), 0x000000u) << "above the sphere";
}

// Lit from the front (+z), a quadric's outward normals make the part facing the light bright
// and its edge, whose normals turn away, dark.
TEST(BitmapContext, QuadricNormalsFaceOutward) {
    struct Case {
        const char* name;
        void (*draw)();
        int edgeX;
        int edgeRow;
    } const cases[] = {
        {"sphere", [] { gl::Sphere(0.8, 20, 10); }, 16 + 12, 16},
        // A cylinder along x (turned from z): its axis faces the light, its top edge does not.
        {"cylinder",
         [] {
             gl::Translatef(-0.8f, 0.0f, 0.0f);
             gl::Rotatef(90.0f, 0.0f, 1.0f, 0.0f);
             gl::Cylinder(0.5, 1.6, 20, 2);
         },
         16, 16 + 7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Target target(32, 32);
        auto made = gl::CreateBitmapContext(target.view);
        ASSERT_NE(made.context, nullptr);
        ASSERT_TRUE(made.context->MakeCurrent());
        gl::ClearColor(0.0f, 0.0f, 0.0f, 1.0f);
        gl::Clear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        gl::MatrixMode(GL_PROJECTION);
        gl::Ortho(-1.0, 1.0, -1.0, 1.0, -1.0, 1.0); // the viewer on +z
        gl::MatrixMode(GL_MODELVIEW);
        gl::Enable(GL_DEPTH_TEST);
        gl::Enable(GL_LIGHTING);
        gl::Enable(GL_LIGHT0); // white, from +z
        gl::Enable(GL_COLOR_MATERIAL);
        gl::Color3f(1.0f, 1.0f, 1.0f);
        c.draw();
        made.context->Finish();

        const std::uint32_t centre = target.Pixel(16, 16);
        const std::uint32_t edge = target.Pixel(c.edgeX, c.edgeRow);
        EXPECT_GT(centre & 0xFF, 0xC0u) << "facing the light";
        EXPECT_NE(edge, 0u) << "still on the solid";
        EXPECT_LT(edge & 0xFF, (centre & 0xFF) * 3 / 4) << "turned away from the light";
    }
}

// Contexts are kept for the next target of their size: a later one starts from the defaults
// whatever the one before changed, keeps the fonts built in it, and two held at once each draw
// into their own target.
TEST(BitmapContext, KeptContextsStartFromTheDefaultsAndKeepTheirFonts) {
    constexpr int kSide = 24;
    LOGFONTA arial{};
    std::strcpy(arial.lfFaceName, "Arial");
    const gl::OutlineFontRequest font{win32::ResolveFontFace(arial).file, 0, 128, 0.1f};
    const gl::OutlineFont* firstFont = nullptr;
    {
        Target target(kSide, kSide);
        auto made = gl::CreateBitmapContext(target.view);
        ASSERT_NE(made.context, nullptr);
        ASSERT_TRUE(made.context->MakeCurrent());
        std::string error;
        firstFont = made.context->Font(font, error);
        ASSERT_NE(firstFont, nullptr) << error;
        // State a later drawing must not inherit: lighting, a projection, a colour, a clear
        // colour, a viewport.
        gl::Enable(GL_LIGHTING);
        gl::MatrixMode(GL_PROJECTION);
        gl::Ortho(0.0, 8.0, 0.0, 8.0, -1.0, 1.0);
        gl::Color3f(1.0f, 0.0f, 0.0f);
        gl::ClearColor(0.0f, 1.0f, 0.0f, 1.0f);
        gl::Viewport(0, 0, 4, 4);
    }
    Target first(kSide, kSide);
    Target second(kSide, kSide);
    auto one = gl::CreateBitmapContext(first.view);
    auto other = gl::CreateBitmapContext(second.view);
    ASSERT_NE(one.context, nullptr);
    ASSERT_NE(other.context, nullptr);
    struct Drawing {
        gl::BitmapContext& context;
        float blue;
    } const drawings[] = {{*one.context, 1.0f}, {*other.context, 0.0f}};
    for (const Drawing& drawing : drawings) {
        ASSERT_TRUE(drawing.context.MakeCurrent());
        gl::Clear(GL_COLOR_BUFFER_BIT); // the default clear colour, black
        gl::Color3f(1.0f, 1.0f, drawing.blue);
        gl::Rectf(-1.0f, -1.0f, 0.0f, 0.0f); // the bottom-left quarter with the default matrices
    }
    for (const Drawing& drawing : drawings) {
        ASSERT_TRUE(drawing.context.MakeCurrent());
        drawing.context.Finish();
    }
    struct Case {
        const char* name;
        const Target& target;
        std::uint32_t quarter;
    } const cases[] = {{"first", first, 0xFFFFFFu}, {"second", second, 0xFFFF00u}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.target.Pixel(3, 3), c.quarter) << "unlit, in its own colour";
        EXPECT_EQ(c.target.Pixel(kSide / 2 + 3, 3), 0x000000u) << "outside the quarter";
        EXPECT_EQ(c.target.Pixel(3, kSide - 2), 0x000000u);
    }
    // The context used before came back first, with the font built in it.
    ASSERT_TRUE(one.context->MakeCurrent());
    std::string error;
    EXPECT_EQ(one.context->Font(font, error), firstFont);
    ASSERT_TRUE(other.context->MakeCurrent());
    const gl::OutlineFont* otherFont = other.context->Font(font, error);
    ASSERT_NE(otherFont, nullptr) << error;
    EXPECT_NE(otherFont, firstFont);
}

TEST(BitmapContext, RefusesTargetsAndFormatsItCannotRender) {
    Target target(8, 8);
    gl::BitmapTarget tooNarrowStride = target.view;
    tooNarrowStride.stride = 8;
    gl::BitmapTarget tooWide = target.view;
    tooWide.width = gl::kMaxBitmapSide + 1;
    gl::BitmapTarget noBits = target.view;
    noBits.bits = nullptr;
    struct Case {
        const char* name;
        gl::BitmapTarget target;
        gl::PixelFormatRequest request;
    } const cases[] = {
        {"stride shorter than a row", tooNarrowStride, {}},
        {"wider than the renderer draws", tooWide, {}},
        {"no pixels", noBits, {}},
        {"16 colour bits", target.view, {16, 32}},
        {"48 depth bits", target.view, {24, 48}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto made = gl::CreateBitmapContext(c.target, c.request);
        EXPECT_EQ(made.context, nullptr);
        EXPECT_EQ(made.fault, gl::ContextFault::PixelFormat);
    }
}

} // namespace

#include "platform/fonts/face_resolution.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using fonts::Generic;

TEST(FaceResolution, TheTableNamesTheLiberationFacesAndOtherNamesKeepTheirKind) {
    struct Case {
        const char* name;
        Generic generic; // the kind the request falls back on
        bool bold;
        bool italic;
        const char* family;
        const char* style;
    };
    // The families installed by fonts-liberation2.
    const Case kCases[] = {
        {"Arial", Generic::Serif, false, false, "Liberation Sans", "Regular"},
        {"arial", Generic::Sans, true, false, "Liberation Sans", "Bold"},
        {"MS Sans Serif", Generic::Mono, false, true, "Liberation Sans", "Italic"},
        {"Times New Roman", Generic::Sans, true, true, "Liberation Serif", "Bold Italic"},
        {"Courier New", Generic::Sans, false, false, "Liberation Mono", "Regular"},
        {"", Generic::Serif, false, false, "Liberation Serif", "Regular"},
        {"No Such Face 123", Generic::Mono, false, false, "Liberation Mono", "Regular"},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        fonts::ResolvedFace face = fonts::ResolveFace({c.name, c.generic, c.bold, c.italic});
        EXPECT_EQ(face.family, c.family);
        EXPECT_EQ(face.style, c.style);
        EXPECT_NE(fonts::OpenFace(face), nullptr);
    }
}

TEST(FaceResolution, MetricsAndAdvancesAreTheFaceDesignValues) {
    FT_Face face = fonts::OpenFace(fonts::ResolveFace({"Arial", Generic::Sans, false, false}));
    ASSERT_NE(face, nullptr);
    // Liberation Sans: 2048 units per em, Windows ascent 1854, descent 434, "A" 1366 wide,
    // the blank 569; 0x80 is the euro sign (1139), which only a Windows-1252 reading finds.
    fonts::FaceMetrics metrics = fonts::MetricsOf(face);
    EXPECT_DOUBLE_EQ(metrics.ascent, 1854.0 / 2048);
    EXPECT_DOUBLE_EQ(metrics.descent, 434.0 / 2048);
    EXPECT_GE(metrics.lineSpacing, metrics.ascent + metrics.descent);
    // Asked twice: the second answer comes from the advances kept with the face.
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round == 0 ? "loaded" : "kept");
        EXPECT_DOUBLE_EQ(fonts::AdvanceOf(face, 'A'), 1366.0 / 2048);
        EXPECT_DOUBLE_EQ(fonts::AdvanceOf(face, ' '), 569.0 / 2048);
        EXPECT_DOUBLE_EQ(fonts::AdvanceOf(face, 0x80), 1139.0 / 2048);
    }
}

TEST(FaceResolution, AnUnreadableFileOpensNoFace) {
    fonts::ResolvedFace missing{"x", "Regular", "/nonexistent/font.ttf", 0, Generic::Sans};
    EXPECT_EQ(fonts::OpenFace(missing), nullptr);
    EXPECT_EQ(fonts::OpenFace({}), nullptr);
}

} // namespace

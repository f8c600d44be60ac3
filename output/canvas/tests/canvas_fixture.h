// Test support for the canvas: a screen canvas that measures with the fixed-metrics fonts inside
// the test's sandbox, and the pixels of a PDF page as poppler renders it.
//
// With fixed metrics on the screen (96 pixels per inch) a 12-point font is 16 pixels high and
// every character, the blank included, advances 8 pixels: 120 twips.
#pragma once

#include "output/canvas/canvas.h"

#include "platform/testing/sandbox.h"
#include "platform/win32/testing/pixels.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

inline constexpr std::int32_t kCharTwips = 120; // one character of the 12-point fixed font

class FixedFontCanvas : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    testkit::Sandbox sandbox;
    std::unique_ptr<output::Canvas> canvas;
};

using win32::testing::Pixels;
using win32::testing::PixelsOf;

// A binary PPM file (P6) as pdftoppm writes it; empty when it is not one.
Pixels ReadPpm(const std::filesystem::path& file);

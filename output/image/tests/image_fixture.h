// Test support for the image writers: pictures made from colours, bitmaps of each depth the
// writers meet, and written files read back by Pillow.
#pragma once

#include "platform/win32/wingdi.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

inline constexpr COLORREF kBlack = 0x000000;
inline constexpr COLORREF kWhite = 0xFFFFFF;

// Colours 0x00BBGGRR, rows from the top.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> colours;
    COLORREF At(int x, int y) const {
        return colours[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                       static_cast<std::size_t>(x)];
    }
};

// Each pixel one of `palette`, chosen at random (the same for the same seed).
Picture Noise(int width, int height, const std::vector<COLORREF>& palette, std::uint32_t seed);
// `count` distinct colours spread over the colour cube.
std::vector<COLORREF> DistinctColours(int count);

struct BitmapDeleter {
    void operator()(HBITMAP bitmap) const { DeleteObject(bitmap); }
};
using TestBitmap = std::unique_ptr<HBITMAP__, BitmapDeleter>;

// How the bitmap holds its pixels, as the writers meet them.
enum class BitmapKind {
    Monochrome,        // CreateBitmap, 1 bit, black and white
    ScreenColour,      // CreateBitmap, reported as 24 bits
    Section32,         // a 32-bit DIB section
    WhiteBlackSection, // a 1-bit DIB section whose table is white, black
    RedBlueSection,    // a 1-bit DIB section whose table is red, blue
};
const char* NameOf(BitmapKind kind);

// A bitmap showing `picture`; colours a monochrome bitmap cannot hold become its nearer colour.
TestBitmap MakeBitmap(const Picture& picture, BitmapKind kind);
// The pixels as the bitmap holds them.
Picture ReadBack(HBITMAP bitmap);

struct Decoded {
    std::string format; // Pillow's format name: "BMP", "GIF", "TIFF"
    std::string mode;   // Pillow's mode of the (first) image: "1", "P", "RGB", ...
    int frames = 0;
    Picture picture; // the first image in RGB
};

// Reads each file with Pillow, in one run; a file Pillow refuses fails the running test.
std::vector<Decoded> DecodeWithPillow(const std::vector<std::filesystem::path>& files);
Decoded DecodeWithPillow(const std::filesystem::path& file);

// The bytes of a written file.
std::vector<std::uint8_t> FileBytes(const std::filesystem::path& file);

// Pictures compare pixel by pixel; a failure names the first pixel that differs.
::testing::AssertionResult SamePicture(const Picture& expected, const Picture& actual);

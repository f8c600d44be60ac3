// Test support for the image writers: pictures made from colours, bitmaps of each depth the
// writers meet, and written files read back by Pillow.
#pragma once

#include "platform/win32/testing/pixels.h"
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
using Picture = win32::testing::Pixels;

// Each pixel one of `palette`, chosen at random (the same for the same seed).
Picture Noise(int width, int height, const std::vector<COLORREF>& palette, std::uint32_t seed);
// `count` distinct colours spread over the colour cube.
std::vector<COLORREF> DistinctColours(int count);

using TestBitmap = win32::testing::OwnedBitmap;

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

// The pixels of a decoded picture, and the three readers that make them.
#pragma once

#include "platform/printdoc/print_document.h"

#include <optional>

namespace printdoc {

// The largest width or height a picture may have, so that a header cannot ask for more memory
// than any page could show.
inline constexpr int kLargestPictureSide = 16384;
inline constexpr double kDefaultDotsPerInch = 96;

struct PictureData {
    int width = 0;
    int height = 0;
    double dotsPerInchX = kDefaultDotsPerInch;
    double dotsPerInchY = kDefaultDotsPerInch;
    std::vector<std::uint32_t> pixels; // 0xAARRGGBB, premultiplied, rows from the top
    // Every pixel's alpha is 0xFF; found once, when the picture is decoded.
    bool opaque = false;
    // The JPEG file the pixels were decoded from, when a PDF file can hold it as it is (grey or
    // colour of three components); empty otherwise.
    std::string jpegFile;
};

// Each reader refuses a malformed picture with run-time error 481 and a detail naming the fault.
PictureData DecodeBmp(std::string_view bytes);
PictureData DecodeJpeg(std::string_view bytes);
PictureData DecodeGif(std::string_view bytes);

// Throws run-time error 481 with `detail`.
[[noreturn]] void RefusePicture(const std::string& detail);

// Refuses sides outside 1..kLargestPictureSide.
void CheckPictureSize(long long width, long long height);

} // namespace printdoc

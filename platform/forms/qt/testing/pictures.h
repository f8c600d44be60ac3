// Pictures for the skin's tests: the bytes of an image's file, as a picture box, a window's icon
// or a print-document view is given them.
#pragma once

#include <QImage>

#include <string>

namespace forms::qt::testing {

// The bytes of the image's file in `format` ("PNG", "BMP").
std::string PictureFileBytes(const QImage& image, const char* format);
// A white page of the given size in pixels as a PNG file's bytes: the page images a
// print-document view shows.
std::string WhitePagePng(int width, int height);

} // namespace forms::qt::testing

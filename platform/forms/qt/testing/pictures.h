// Pictures for the skin's tests: the bytes of an image's file, as a picture box or a window's
// icon is given them, and the pages a print-document view is given.
#pragma once

#include "platform/forms/image.h"

#include <QImage>

#include <string>

namespace forms::qt::testing {

// The bytes of the image's file in `format` ("PNG", "BMP").
std::string PictureFileBytes(const QImage& image, const char* format);
// A white page of the given size in pixels: the page images a print-document view shows.
Image WhitePage(int width, int height);

} // namespace forms::qt::testing

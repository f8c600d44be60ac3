// Page images as PNG files for the screen: 8-bit RGB, every row unfiltered and deflated at
// zlib's fastest level. A page is text and lines on white: the fastest level packs it nearly as
// small as the default one at a fraction of the time, and row filters gain nothing on it while
// costing more than the deflating; so a page is encoded and decoded again in a few
// milliseconds, where the default settings took tens.
#pragma once

#include "platform/printdoc/print_document.h"

#include <string>

namespace printdoc {

// The PNG file of an opaque page image (its pixels' alpha is dropped); run-time error 57 when
// it cannot be encoded.
std::string EncodePagePng(const PageImage& image);

} // namespace printdoc

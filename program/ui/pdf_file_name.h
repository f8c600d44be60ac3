// The name of the PDF file a report is saved as: the client's name without the characters a
// file name should not hold, then the illustration type ("SmithJohnRMD.pdf").
#pragma once

#include "program/illustration/illustration_type.h"

#include <string>
#include <string_view>

namespace ui {

inline constexpr std::size_t kMaxFileNameBytes = 255;

// The name is cut so that the whole file name, suffix included, fits kMaxFileNameBytes; a NUL
// left in the name becomes "_" ("/" is among the characters removed).
std::string PdfFileName(std::string_view clientName, illustration::IllustrationType type);

} // namespace ui

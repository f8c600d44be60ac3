// The name of the PDF file a report is saved as: the client's name without the characters a
// file name should not hold, then the illustration type ("SmithJohnRMD.pdf"). The name is
// stored text (Windows-1252); the file on disk is named by its UTF-8 form.
#pragma once

#include "program/illustration/illustration_type.h"

#include <string>
#include <string_view>

namespace ui {

inline constexpr std::size_t kMaxFileNameBytes = 255;

// The name is cut, a whole character at a time, so that the whole file name in UTF-8, suffix
// included, fits kMaxFileNameBytes; a NUL left in the name becomes "_" ("/" is among the
// characters removed).
std::string PdfFileName(std::string_view clientName, illustration::IllustrationType type);

} // namespace ui

// A client's name as the picker lists it and as _ComMakeFullName writes it.
#pragma once

#include "family/comdlg/caddow.h"

#include <string>

namespace caddow {

// _Rank's text for the suffix; empty for 0 and for anything outside the table.
std::string SuffixText(std::int16_t suffix);

// "Public, John Q. Jr. (text)": the picker's line.
std::string PickerLine(const ClientRecord& record);

// "John Q. Public Jr.".
std::string FullName(const ClientRecord& record);

} // namespace caddow

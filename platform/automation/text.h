// Conversion between the system's single-byte Windows-1252 text and the UTF-16 of a BSTR.
#pragma once

#include "platform/automation/bstr.h"

#include <string>
#include <string_view>

namespace automation {

// A new BSTR holding `text` (Windows-1252) as UTF-16; null when memory runs out.
TALLOWMERE_AUTOMATION_EXPORT BSTR BstrFromText(std::string_view text);

// The Windows-1252 text of a BSTR; characters Windows-1252 lacks become "?". A null BSTR is
// the empty text, as Automation treats it.
TALLOWMERE_AUTOMATION_EXPORT std::string TextFromBstr(BSTR text);

} // namespace automation

// Text of the user's put into the reports' rich text: the three characters rich text gives a
// meaning to are escaped, so that the report shows the text as typed.
#pragma once

#include <string>
#include <string_view>

namespace calc {

// `text` with "\", "{" and "}" each preceded by a backslash.
std::string EscapeRichText(std::string_view text);

} // namespace calc

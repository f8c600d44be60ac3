// File-name patterns as the Windows file functions read them: "*" stands for any run of
// characters, "?" for any one character, letters match either case, and a pattern that ends
// in ".*" also matches the name without any extension ("RMDLogo.*" matches "RMDLogo").
#pragma once

#include <string_view>

namespace sys {

bool MatchesFilePattern(std::string_view name, std::string_view pattern);

} // namespace sys

// How a member's stored name is compared with the name a caller asks for.
#pragma once

#include <string_view>

namespace archive {

// The stored name without any folder in front of it ("/" or "\" separated). Empty for a
// folder entry and for "." and "..", which name no file that could be extracted.
std::string_view BareMemberName(std::string_view storedName);

bool HasWildcards(std::string_view name);

// Whether two bare names are the same name, letters of either case matching.
bool SameBareName(std::string_view bareName, std::string_view name);

// Whether a bare member name answers `request`: a pattern with "*" and "?" as the Windows file
// functions read it, or else the same name with letters of either case.
bool MemberNameMatches(std::string_view bareName, std::string_view request);

} // namespace archive

#include "platform/zip/src/member_name.h"

#include "platform/runtime/text.h"
#include "platform/system/file_pattern.h"

namespace archive {

std::string_view BareMemberName(std::string_view storedName) {
    const std::size_t separator = storedName.find_last_of("/\\");
    const std::string_view bare =
        separator == std::string_view::npos ? storedName : storedName.substr(separator + 1);
    if (bare == "." || bare == "..") {
        return {};
    }
    return bare;
}

bool HasWildcards(std::string_view name) {
    return name.find_first_of("*?") != std::string_view::npos;
}

bool SameBareName(std::string_view bareName, std::string_view name) {
    return runtime::UpperCase(bareName) == runtime::UpperCase(name);
}

bool MemberNameMatches(std::string_view bareName, std::string_view request) {
    if (bareName.empty()) {
        return false;
    }
    if (HasWildcards(request)) {
        return sys::MatchesFilePattern(bareName, request);
    }
    return SameBareName(bareName, request);
}

} // namespace archive

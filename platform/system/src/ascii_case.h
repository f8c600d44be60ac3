// Internal to platform/system: names that compare without regard to letter case, as profile
// sections, keys and file patterns do. Only the ASCII letters fold; other bytes compare as they
// stand.
#pragma once

#include <string_view>

namespace sys {

constexpr char FoldCase(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

constexpr bool SameNameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (FoldCase(a[i]) != FoldCase(b[i])) {
            return false;
        }
    }
    return true;
}

} // namespace sys

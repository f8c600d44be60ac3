#include "platform/system/file_pattern.h"

#include "platform/system/src/ascii_case.h"

namespace sys {

namespace {

// Wildcard match by the usual two-pointer walk: on a mismatch after a "*", the star takes one
// more character and matching resumes behind it. Linear in practice, never recursive.
bool Matches(std::string_view name, std::string_view pattern) {
    std::size_t n = 0, p = 0;
    std::size_t starPattern = std::string_view::npos, starName = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            starPattern = p++;
            starName = n;
        } else if (p < pattern.size() &&
                   (pattern[p] == '?' || FoldCase(pattern[p]) == FoldCase(name[n]))) {
            ++p;
            ++n;
        } else if (starPattern != std::string_view::npos) {
            p = starPattern + 1;
            n = ++starName;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') {
        ++p;
    }
    return p == pattern.size();
}

} // namespace

bool MatchesFilePattern(std::string_view name, std::string_view pattern) {
    if (Matches(name, pattern)) {
        return true;
    }
    return pattern.ends_with(".*") && Matches(name, pattern.substr(0, pattern.size() - 2));
}

} // namespace sys

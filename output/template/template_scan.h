// Reading the template language at a position of the document.
#pragma once

#include <cstddef>
#include <string_view>

namespace output {

// True when `marker` stands at `position` (it must fit wholly before the end).
inline bool MarkerAt(std::string_view document, std::size_t position, std::string_view marker) {
    return document.size() - position >= marker.size() &&
           document.compare(position, marker.size(), marker) == 0;
}

// The name after a marker: from `position`, blanks are skipped, then bytes are taken up to a
// control byte, a byte of 128 or above, a blank, "\", "{", "}" or the end. `position` moves to
// the byte that ended the name, which is not consumed. The name may be empty.
inline std::string_view ReadName(std::string_view document, std::size_t& position) {
    while (position < document.size() && document[position] == ' ') {
        ++position;
    }
    const std::size_t start = position;
    while (position < document.size()) {
        const auto byte = static_cast<unsigned char>(document[position]);
        if (byte < 32 || byte >= 128 || byte == ' ' || byte == '\\' || byte == '{' || byte == '}') {
            break;
        }
        ++position;
    }
    return document.substr(start, position - start);
}

} // namespace output

// The text a reader of a filled report sees, for tests that look for words and markers in it.
#pragma once

#include <cctype>
#include <string>
#include <vector>

namespace report::testing {

// The text a reader sees: hidden groups, the font table, the info group and control words
// left out.
inline std::string VisibleText(const std::string& rtf) {
    std::string visible;
    std::vector<bool> hidden{false};
    for (std::size_t i = 0; i < rtf.size(); ++i) {
        const char c = rtf[i];
        if (c == '{') {
            hidden.push_back(hidden.back());
        } else if (c == '}') {
            if (hidden.size() > 1) {
                hidden.pop_back();
            }
        } else if (c == '\\' && i + 1 < rtf.size() &&
                   std::string("\\{}").find(rtf[i + 1]) != std::string::npos) {
            if (!hidden.back()) {
                visible += rtf[++i];
            } else {
                ++i;
            }
        } else if (c == '\\') {
            std::size_t end = i + 1;
            while (end < rtf.size() && std::isalpha(static_cast<unsigned char>(rtf[end]))) {
                ++end;
            }
            const std::string word = rtf.substr(i + 1, end - i - 1);
            while (end < rtf.size() &&
                   (std::isdigit(static_cast<unsigned char>(rtf[end])) || rtf[end] == '-')) {
                ++end;
            }
            if (end < rtf.size() && rtf[end] == ' ') {
                ++end;
            }
            if (word == "v" || word == "fonttbl" || word == "info") {
                hidden.back() = rtf[i + 2] != '0';
            }
            if (word == "par" || word == "tab") {
                visible += ' ';
            }
            i = end - 1;
        } else if (!hidden.back() && static_cast<unsigned char>(c) >= 32) {
            visible += c;
        }
    }
    return visible;
}

} // namespace report::testing

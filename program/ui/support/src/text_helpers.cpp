#include "program/ui/support/src/text_helpers.h"

namespace ui {

namespace {

constexpr std::string_view kSpecialChars = " `@~#$%^&*()+-={}[]|\\/?><.:'\"";
constexpr std::size_t kMaxCleanLength = 255;

} // namespace

std::string StripNull(std::string_view text) {
    const std::size_t nul = text.find('\0');
    if (nul == std::string_view::npos) {
        return {};
    }
    return std::string(text.substr(0, nul));
}

std::string RemoveSpecialChars(std::string_view text, bool& empty) {
    std::string clean;
    for (const char c : text) {
        if (kSpecialChars.find(c) == std::string_view::npos) {
            clean += c;
        }
    }
    clean.resize(std::min(clean.size(), kMaxCleanLength));
    empty = clean.empty();
    return clean;
}

std::string ReplaceFirst(std::string_view text, std::string_view find,
                         std::string_view replacement) {
    std::string result(text);
    const std::size_t at = find.empty() ? std::string::npos : result.find(find);
    if (at != std::string::npos) {
        result.replace(at, find.size(), replacement);
    }
    return result;
}

std::string FormatFullName(std::string_view first, std::string_view middle, std::string_view last) {
    std::string name;
    if (!last.empty()) {
        name.append(last).append(",");
    }
    if (!first.empty()) {
        name.append(" ").append(first);
    }
    if (!middle.empty()) {
        name.append(" ").append(middle);
    }
    return name;
}

} // namespace ui

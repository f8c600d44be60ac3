#include "platform/system/user_dirs.h"

#include "platform/system/src/trim.h"

namespace sys {

namespace {

// The blanks of a user-dirs line; a CR is one, for a file written with CR LF line endings.
constexpr std::string_view kLineBlanks = " \t\r";

std::optional<std::filesystem::path> PathFromValue(std::string_view value,
                                                   const std::filesystem::path& home) {
    if (value.size() < 2 || value.front() != '"' || value.back() != '"') {
        return std::nullopt;
    }
    value = value.substr(1, value.size() - 2);
    constexpr std::string_view kHomePrefix = "$HOME";
    if (value == kHomePrefix) {
        return home;
    }
    if (value.starts_with("$HOME/")) {
        return home / value.substr(kHomePrefix.size() + 1);
    }
    if (value.starts_with("/")) {
        return std::filesystem::path(value);
    }
    return std::nullopt;
}

} // namespace

std::optional<std::filesystem::path> UserDirFromText(std::string_view text, std::string_view name,
                                                     const std::filesystem::path& home) {
    while (!text.empty()) {
        const auto end = text.find('\n');
        const std::string_view line = Trim(text.substr(0, end), kLineBlanks);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        if (line.starts_with(name) && line.substr(name.size()).starts_with("=")) {
            return PathFromValue(Trim(line.substr(name.size() + 1), kLineBlanks), home);
        }
    }
    return std::nullopt;
}

} // namespace sys

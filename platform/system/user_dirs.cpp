#include "platform/system/user_dirs.h"

namespace sys {

namespace {

std::string_view TrimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

std::optional<std::filesystem::path> PathFromValue(std::string_view value,
                                                   const std::filesystem::path& home) {
    if (value.size() < 2 || value.front() != '"' || value.back() != '"')
        return std::nullopt;
    value = value.substr(1, value.size() - 2);
    constexpr std::string_view homePrefix = "$HOME";
    if (value == homePrefix)
        return home;
    if (value.starts_with("$HOME/"))
        return home / value.substr(homePrefix.size() + 1);
    if (value.starts_with("/"))
        return std::filesystem::path(value);
    return std::nullopt;
}

} // namespace

std::optional<std::filesystem::path> UserDirFromText(std::string_view text, std::string_view name,
                                                     const std::filesystem::path& home) {
    while (!text.empty()) {
        const auto end = text.find('\n');
        const std::string_view line = TrimBlanks(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        if (line.starts_with(name) && line.substr(name.size()).starts_with("="))
            return PathFromValue(TrimBlanks(line.substr(name.size() + 1)), home);
    }
    return std::nullopt;
}

} // namespace sys

#include "family/data/src/paths.h"

#include <algorithm>
#include <cstring>

namespace dorrick {

std::vector<std::string> SplitNames(std::string_view path) {
    std::vector<std::string> names;
    std::size_t position = 0;
    while (position < path.size()) {
        const std::size_t start = path.find_first_not_of('.', position);
        if (start == std::string_view::npos) {
            break;
        }
        const std::size_t end = std::min(path.find('.', start), path.size());
        names.emplace_back(path.substr(start, end - start));
        position = end;
    }
    return names;
}

std::optional<std::string> FullPath(std::string_view workingPath, std::string_view request) {
    const bool absolute = !request.empty() && request.front() == '.';
    const std::size_t base = absolute ? 0 : workingPath.size();
    if (base + request.size() + 2 > kPathLimit) {
        return std::nullopt;
    }
    auto names = SplitNames(absolute ? std::string_view() : workingPath);
    for (auto& name : SplitNames(request)) {
        names.push_back(std::move(name));
    }
    return JoinNames(names);
}

std::string JoinNames(const std::vector<std::string>& names) {
    std::string path(kRootPath);
    for (const auto& name : names) {
        path += name;
        path += '.';
    }
    return path;
}

std::string ParentPath(std::string_view fullPath) {
    auto names = SplitNames(fullPath);
    if (!names.empty()) {
        names.pop_back();
    }
    return JoinNames(names);
}

bool IsWithin(std::string_view fullPath, std::string_view ancestor) {
    return fullPath.starts_with(ancestor);
}

int CompareNames(std::string_view left, std::string_view right) {
    const std::size_t shorter = std::min(left.size(), right.size());
    const int common = shorter == 0 ? 0 : std::memcmp(left.data(), right.data(), shorter);
    if (common != 0) {
        return common;
    }
    return left.size() < right.size() ? -1 : (left.size() > right.size() ? 1 : 0);
}

} // namespace dorrick

// Dotted paths. Names are separated by "."; a run of dots counts as one separator, and leading
// and trailing dots only mark a path as absolute. A path that begins with "." starts at the
// root; any other (the empty one too) continues the working path. Full paths are kept in one
// form, "." followed by each name and a ".", so that "." is the root and one path has one
// spelling whatever dots the caller wrote.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dorrick {

// The longest full path with its terminator, as callers' buffers hold it.
constexpr std::size_t kPathLimit = 257;

constexpr std::string_view kRootPath = ".";

std::vector<std::string> SplitNames(std::string_view path);

// The full path of `request` seen from `workingPath`; nothing when the working path (unless the
// request is absolute), the request and two more characters would pass kPathLimit.
std::optional<std::string> FullPath(std::string_view workingPath, std::string_view request);

// The full path of `names`, in the one form.
std::string JoinNames(const std::vector<std::string>& names);

// The path one level up; the root's parent is the root.
std::string ParentPath(std::string_view fullPath);

// Whether `fullPath` is `ancestor` or lies below it (both in the one form).
bool IsWithin(std::string_view fullPath, std::string_view ancestor);

// Names order by their bytes as unsigned values; a prefix sorts first.
int CompareNames(std::string_view left, std::string_view right);

} // namespace dorrick

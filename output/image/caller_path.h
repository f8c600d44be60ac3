// A file name as callers write it, made a path of this system: "\" separates folders, as it
// does in the names the libraries pass, and the writer's extension is appended.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace output {

inline std::filesystem::path CallerFilePath(std::string_view name, std::string_view extension) {
    std::string text(name);
    for (char& c : text) {
        if (c == '\\') {
            c = '/';
        }
    }
    return std::filesystem::path(text + std::string(extension));
}

} // namespace output

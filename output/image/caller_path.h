// A file name as callers write it, made a path of this system: "\" separates folders, as it
// does in the names the libraries pass, and the writer's extension is appended.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

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

// The bitmap file a caller names without its extension: the writers' lower-case ".bmp" when
// there is one, else ".BMP" as the libraries' callers name their own bitmaps, so that a page or
// graph written by this module can be read back by the same name.
inline std::filesystem::path CallerBitmapPath(std::string_view name) {
    const std::filesystem::path written = CallerFilePath(name, ".bmp");
    std::error_code error;
    return std::filesystem::exists(written, error) ? written : CallerFilePath(name, ".BMP");
}

} // namespace output

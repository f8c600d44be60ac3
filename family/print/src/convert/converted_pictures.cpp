#include "family/print/src/convert/converted_pictures.h"

#include <filesystem>
#include <map>
#include <utility>

namespace pressel {
namespace {

// One caller converts at a time, on its own thread (the library's dialogs are modal).
std::map<std::filesystem::path, std::vector<HBITMAP>>& KeptPictures() {
    static std::map<std::filesystem::path, std::vector<HBITMAP>> kept;
    return kept;
}

// The file a path names, whatever the current folder or the spelling of its folders.
std::filesystem::path FileKey(const std::string& path) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return (error ? std::filesystem::path(path) : absolute).lexically_normal();
}

} // namespace

void KeepConvertedPictures(const std::string& path, std::vector<HBITMAP> bitmaps) {
    DeleteConvertedPictures(path);
    if (!bitmaps.empty()) {
        KeptPictures().emplace(FileKey(path), std::move(bitmaps));
    }
}

void DeleteConvertedPictures(const std::string& path) {
    const auto kept = KeptPictures().find(FileKey(path));
    if (kept == KeptPictures().end()) {
        return;
    }
    for (const HBITMAP bitmap : kept->second) {
        DeleteObject(bitmap);
    }
    KeptPictures().erase(kept);
}

} // namespace pressel

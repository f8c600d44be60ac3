#include "family/print/src/preview/preview_settings.h"

#include <string>

namespace pressel {
namespace {

constexpr char kProfile[] = "Hux.INI";
constexpr char kSection[] = "HuxPrint";
constexpr char kWidthKey[] = "XSize";
constexpr char kHeightKey[] = "YSize";
constexpr char kClipboardKey[] = "Clipboard";
constexpr int kNoSize = -1;

int ProfileNumber(const char* key, int fallback) {
    return static_cast<int>(GetPrivateProfileIntA(kSection, key, fallback, kProfile));
}

} // namespace

std::optional<SIZE> SavedPreviewSize() {
    const int width = ProfileNumber(kWidthKey, kNoSize);
    const int height = ProfileNumber(kHeightKey, kNoSize);
    if (width == kNoSize || height == kNoSize) {
        return std::nullopt;
    }
    return SIZE{width, height};
}

void SavePreviewSize(SIZE size) {
    WritePrivateProfileStringA(kSection, kWidthKey, std::to_string(size.cx).c_str(), kProfile);
    WritePrivateProfileStringA(kSection, kHeightKey, std::to_string(size.cy).c_str(), kProfile);
}

bool ClipboardButtonWanted() {
    return ProfileNumber(kClipboardKey, 0) != 0;
}

} // namespace pressel

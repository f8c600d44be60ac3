#include "platform/forms/color.h"

#include <array>

namespace forms {

namespace {

// The classic desktop scheme, indexed by system colour number (0x00BBGGRR).
constexpr std::array<std::uint32_t, 25> kSystemColors = {
    0xC8D0D4, // 0 scroll bars
    0xA56E3A, // 1 desktop
    0x6A240A, // 2 active caption
    0x808080, // 3 inactive caption
    0xC8D0D4, // 4 menu bar
    0xFFFFFF, // 5 window background
    0x000000, // 6 window frame
    0x000000, // 7 menu text
    0x000000, // 8 window text
    0xFFFFFF, // 9 active caption text
    0xC8D0D4, // 10 active border
    0xC8D0D4, // 11 inactive border
    0x808080, // 12 application workspace
    0x6A240A, // 13 highlight
    0xFFFFFF, // 14 highlight text
    0xC8D0D4, // 15 button face
    0x808080, // 16 button shadow
    0x808080, // 17 grey text
    0x000000, // 18 button text
    0xC8D0D4, // 19 inactive caption text
    0xFFFFFF, // 20 button highlight
    0x404040, // 21 button dark shadow
    0xC8D0D4, // 22 button light shadow
    0x000000, // 23 tool tip text
    0xE1FFFF, // 24 tool tip background
};

} // namespace

std::uint32_t ResolveColor(Color color) {
    if (!color.IsSystem()) {
        return color.Value() & 0xFFFFFFu;
    }
    const auto index = static_cast<std::size_t>(color.SystemIndex());
    return index < kSystemColors.size() ? kSystemColors[index] : 0;
}

} // namespace forms

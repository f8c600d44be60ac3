// Colours of forms and controls: either a plain RGB value or a symbolic system colour that is
// resolved only when drawn, so that a colour copied from one control to another stays symbolic.
#pragma once

#include <cstdint>

namespace forms {

// The runtime's colour value: 0x00BBGGRR for a plain colour (red in the low byte), or
// 0x80000000 plus the system colour index for a system colour.
class Color {
public:
    constexpr Color() = default;
    constexpr explicit Color(std::uint32_t value) : value_(value) {}
    static constexpr Color Rgb(int red, int green, int blue) {
        return Color(static_cast<std::uint32_t>(red & 0xFF) |
                     static_cast<std::uint32_t>(green & 0xFF) << 8 |
                     static_cast<std::uint32_t>(blue & 0xFF) << 16);
    }

    constexpr std::uint32_t Value() const { return value_; }
    constexpr bool IsSystem() const { return (value_ & 0x80000000u) != 0; }
    constexpr int SystemIndex() const { return static_cast<int>(value_ & 0xFFu); }
    constexpr bool operator==(const Color&) const = default;

    // The system colours the program's windows use, with the runtime's values.
    static const Color kButtonFace;       // 0x8000000F
    static const Color kButtonText;       // 0x80000012
    static const Color kGrayText;         // 0x80000011
    static const Color kWindowBackground; // 0x80000005
    static const Color kWindowText;       // 0x80000008
    static const Color kBlack;
    static const Color kWhite;

private:
    std::uint32_t value_ = 0;
};

inline constexpr Color Color::kButtonFace{0x8000000Fu};
inline constexpr Color Color::kButtonText{0x80000012u};
inline constexpr Color Color::kGrayText{0x80000011u};
inline constexpr Color Color::kWindowBackground{0x80000005u};
inline constexpr Color Color::kWindowText{0x80000008u};
inline constexpr Color Color::kBlack{0x00000000u};
inline constexpr Color Color::kWhite{0x00FFFFFFu};

// The plain colour a colour stands for on a screen whose system colours are the classic
// defaults: a system colour is looked up, a plain colour is returned as it is.
std::uint32_t ResolveColor(Color color);

} // namespace forms

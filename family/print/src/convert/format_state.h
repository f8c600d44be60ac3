// The formatting in force while a template is read: the section's page settings, the
// paragraph's indents, alignment and tab stops, the characters' style, and the drawing object
// being defined. The paragraph and character parts are saved and restored with each group.
#pragma once

#include <array>
#include <cstdint>

namespace pressel {

// Section flags.
inline constexpr std::uint8_t kLandscapeFlag = 0x01;
inline constexpr std::uint8_t kTitlePageFlag = 0x02;

// Paragraph flags.
inline constexpr std::uint8_t kInHeaderOrFooterFlag = 0x01;
inline constexpr std::uint8_t kKeepFlag = 0x02;
inline constexpr std::uint8_t kKeepNextFlag = 0x04;
inline constexpr std::uint8_t kNoWidowControlFlag = 0x08;
inline constexpr std::uint8_t kPageBreakBeforeFlag = 0x10;

// Character flags.
inline constexpr std::uint8_t kCharacterBold = 0x01;
inline constexpr std::uint8_t kCharacterHidden = 0x02;
inline constexpr std::uint8_t kCharacterItalic = 0x04;
inline constexpr std::uint8_t kCharacterUnderline = 0x08;

enum Alignment : std::uint8_t { kCentred = 0, kJustified = 1, kLeft = 2, kRight = 3 };
enum TabKind : std::uint8_t { kTabCentred = 0, kTabLeft = 1, kTabRight = 2 };

inline constexpr int kMaxTabStops = 20;
inline constexpr int kMaxObjectPoints = 4;

struct TabStop {
    std::uint8_t kind = kTabLeft;
    std::int16_t position = 0; // 0 marks a free slot

    bool operator==(const TabStop&) const = default;
};

struct ParagraphFormat {
    std::uint8_t flags = 0;
    std::int16_t firstIndent = 0;
    std::int16_t leftIndent = 0;
    std::int16_t rightIndent = 0;
    std::uint8_t alignment = kLeft;
    std::int16_t spaceAfter = 0;
    std::int16_t spaceBefore = 0;
    std::int16_t lineSpacing = 0;
    std::uint8_t nextTabKind = kTabLeft;
    std::array<TabStop, kMaxTabStops> tabs{};

    bool operator==(const ParagraphFormat&) const = default;
};

struct CharacterFormat {
    std::uint8_t flags = 0;
    std::uint8_t font = 0;
    std::int16_t fontSize = 24; // half-points
    std::uint8_t foreground = 0;
    std::uint8_t background = 0;

    bool operator==(const CharacterFormat&) const = default;
};

struct DrawingObject {
    std::uint8_t kind = 0; // 0 none, 1 line, 2 rectangle
    std::uint8_t hollow = 0;
    std::int16_t lineWidth = 0;
    std::int16_t pointCount = 0;
    std::array<std::array<std::int32_t, 2>, kMaxObjectPoints + 1> points{};
    std::array<std::uint8_t, 3> lineColour{}; // blue, green, red
    std::int16_t fillPattern = 0;
    std::int16_t x = 0;
    std::int16_t y = 0;
    std::int16_t width = 0;
    std::int16_t height = 0;
    std::array<std::uint8_t, 3> fillBackColour{}; // blue, green, red
    std::array<std::uint8_t, 3> fillForeColour{}; // blue, green, red
};

struct SectionFormat {
    std::uint8_t flags = 0;
    std::int16_t defaultFont = 0;
    std::int16_t defaultTab = 720;
    std::int16_t marginLeft = 1800;
    std::int16_t marginRight = 1800;
    std::int16_t marginTop = 1440;
    std::int16_t marginBottom = 1440;
    std::int16_t paperHeight = 15840;
    std::int16_t paperWidth = 12240;
    std::int16_t pageNumberStart = 1;
    std::int16_t pageNumberX = 720;
    std::int16_t pageNumberY = 720;
    std::uint8_t pageNumberFormat = 0;
    std::int16_t headerY = 720;
    std::int16_t footerY = 720;
    std::int16_t columns = 1;
    std::uint8_t sectionBreak = 0;
};

struct FormatState {
    SectionFormat section;
    ParagraphFormat paragraph;
    CharacterFormat character;
    DrawingObject object;
    // The last picture group's size in twips; its bitmap is made by the layout.
    std::int16_t pictureWidth = 0;
    std::int16_t pictureHeight = 0;
};

} // namespace pressel

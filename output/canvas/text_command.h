// The in-line commands of canvas text and the number forms their arguments use.
//
//   command   "{" KEYWORD ["," ARGUMENT]... "}"   one blank-free word of the text; the keyword
//             is compared without regard to letter case, an unknown one is ignored
//   integer   leading blanks, an optional sign, decimal digits; reading stops at the first other
//             byte; no digits give 0
//   relative  "+N" is base + N, "-N" is base - N, anything else the integer itself; empty is 0
//   flag      true only for the word "TRUE" in any case
//   points    "X:Y|X:Y|..."; a pair that does not split into exactly two pieces at ":" is
//             skipped; each coordinate is kept as an unsigned 16-bit value
//
// Results saturate at the ends of the 32-bit range instead of overflowing.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace output {

enum class TextKeyword {
    Image,
    Polygon,
    Line,
    NewPage,
    NewParagraph,
    FontName,
    FontType,
    FontSize,
    FontBold,
    FontUnder,
    FontItalic,
    Justify,
    MarginTop,
    MarginBottom,
    MarginLeft,
    MarginRight,
    MarginIndent,
    CursorX,
    CursorY,
    PageNumber,
    ColorOfText,
    ColorOfLine,
    ColorOfFill,
    Depth,
};

struct TextCommand {
    TextKeyword keyword;
    std::vector<std::string> arguments;
};

// A polygon corner in twips.
struct CanvasPoint {
    std::uint16_t x;
    std::uint16_t y;

    friend bool operator==(const CanvasPoint&, const CanvasPoint&) = default;
};

// Whether a word is a command: it begins with "{" and ends with "}". Such a word is never
// placed as text, whatever its keyword.
bool IsTextCommand(std::string_view word);

// The command a word holds; nothing for a word that is not a command or whose keyword is
// unknown.
std::optional<TextCommand> ParseTextCommand(std::string_view word);

// The number of arguments a command needs before it does anything.
std::size_t RequiredArguments(TextKeyword keyword);

// True for the keywords that change the font and so end the reuse of the looked-up font.
bool ChangesFont(TextKeyword keyword);

std::int32_t ReadInteger(std::string_view text);
std::int32_t ReadRelative(std::string_view text, std::int32_t base);
bool ReadFlag(std::string_view text);
std::vector<CanvasPoint> ReadPointList(std::string_view text);

// a + b and a - b held to the 32-bit range.
std::int32_t SaturatedAdd(std::int64_t a, std::int64_t b);

} // namespace output

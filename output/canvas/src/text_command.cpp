#include "output/canvas/text_command.h"

#include <algorithm>
#include <array>
#include <limits>
#include <utility>

namespace output {

namespace {

struct KeywordEntry {
    std::string_view name;
    TextKeyword keyword;
    std::size_t required;
};

constexpr std::array kKeywords{
    KeywordEntry{"IMAGE", TextKeyword::Image, 6},
    KeywordEntry{"POLYGON", TextKeyword::Polygon, 4},
    KeywordEntry{"LINE", TextKeyword::Line, 5},
    KeywordEntry{"NEWPAGE", TextKeyword::NewPage, 0},
    KeywordEntry{"NEWPARAGRAPH", TextKeyword::NewParagraph, 0},
    KeywordEntry{"FONTNAME", TextKeyword::FontName, 1},
    KeywordEntry{"FONTTYPE", TextKeyword::FontType, 1},
    KeywordEntry{"FONTSIZE", TextKeyword::FontSize, 1},
    KeywordEntry{"FONTBOLD", TextKeyword::FontBold, 1},
    KeywordEntry{"FONTUNDER", TextKeyword::FontUnder, 1},
    KeywordEntry{"FONTITALIC", TextKeyword::FontItalic, 1},
    KeywordEntry{"JUSTIFY", TextKeyword::Justify, 1},
    KeywordEntry{"MARGINTOP", TextKeyword::MarginTop, 1},
    KeywordEntry{"MARGINBOTTOM", TextKeyword::MarginBottom, 1},
    KeywordEntry{"MARGINLEFT", TextKeyword::MarginLeft, 1},
    KeywordEntry{"MARGINRIGHT", TextKeyword::MarginRight, 1},
    KeywordEntry{"MARGININDENT", TextKeyword::MarginIndent, 1},
    KeywordEntry{"CURSORX", TextKeyword::CursorX, 1},
    KeywordEntry{"CURSORY", TextKeyword::CursorY, 1},
    KeywordEntry{"PAGENUMBER", TextKeyword::PageNumber, 1},
    KeywordEntry{"COLOROFTEXT", TextKeyword::ColorOfText, 3},
    KeywordEntry{"COLOROFLINE", TextKeyword::ColorOfLine, 3},
    KeywordEntry{"COLOROFFILL", TextKeyword::ColorOfFill, 3},
    KeywordEntry{"DEPTH", TextKeyword::Depth, 1},
};

char Upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return Upper(x) == Upper(y); });
}

const KeywordEntry* FindKeyword(std::string_view name) {
    for (const KeywordEntry& entry : kKeywords) {
        if (EqualsIgnoringCase(entry.name, name)) {
            return &entry;
        }
    }
    return nullptr;
}

std::vector<std::string_view> SplitAt(std::string_view text, char delimiter) {
    std::vector<std::string_view> pieces;
    std::size_t start = 0;
    while (true) {
        std::size_t end = text.find(delimiter, start);
        if (end == std::string_view::npos) {
            pieces.push_back(text.substr(start));
            return pieces;
        }
        pieces.push_back(text.substr(start, end - start));
        start = end + 1;
    }
}

} // namespace

bool IsTextCommand(std::string_view word) {
    return word.size() >= 2 && word.front() == '{' && word.back() == '}';
}

std::optional<TextCommand> ParseTextCommand(std::string_view word) {
    if (!IsTextCommand(word)) {
        return std::nullopt;
    }
    std::vector<std::string_view> pieces = SplitAt(word.substr(1, word.size() - 2), ',');
    const KeywordEntry* entry = FindKeyword(pieces.front());
    if (entry == nullptr) {
        return std::nullopt;
    }
    TextCommand command{entry->keyword, {}};
    for (std::size_t i = 1; i < pieces.size(); ++i) {
        command.arguments.emplace_back(pieces[i]);
    }
    return command;
}

std::size_t RequiredArguments(TextKeyword keyword) {
    for (const KeywordEntry& entry : kKeywords) {
        if (entry.keyword == keyword) {
            return entry.required;
        }
    }
    return 0;
}

bool ChangesFont(TextKeyword keyword) {
    switch (keyword) {
    case TextKeyword::FontName:
    case TextKeyword::FontType:
    case TextKeyword::FontSize:
    case TextKeyword::FontBold:
    case TextKeyword::FontUnder:
    case TextKeyword::FontItalic:
        return true;
    default:
        return false;
    }
}

std::int32_t SaturatedAdd(std::int64_t a, std::int64_t b) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        a + b, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

std::int32_t ReadInteger(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // Digits beyond the 32-bit range keep the magnitude just past it, so that the result
    // saturates in the right direction.
    constexpr std::int64_t kBeyond = std::int64_t{1} << 32;
    std::int64_t magnitude = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        magnitude = std::min(magnitude * 10 + (text[i] - '0'), kBeyond);
    }
    return SaturatedAdd(negative ? -magnitude : magnitude, 0);
}

std::int32_t ReadRelative(std::string_view text, std::int32_t base) {
    if (text.empty()) {
        return 0;
    }
    if (text.front() == '+') {
        return SaturatedAdd(base, ReadInteger(text.substr(1)));
    }
    if (text.front() == '-') {
        return SaturatedAdd(base, -std::int64_t{ReadInteger(text.substr(1))});
    }
    return ReadInteger(text);
}

bool ReadFlag(std::string_view text) {
    return EqualsIgnoringCase(text, "TRUE");
}

std::vector<CanvasPoint> ReadPointList(std::string_view text) {
    std::vector<CanvasPoint> points;
    for (std::string_view pair : SplitAt(text, '|')) {
        std::vector<std::string_view> pieces = SplitAt(pair, ':');
        if (pieces.size() != 2) {
            continue;
        }
        points.push_back({static_cast<std::uint16_t>(ReadInteger(pieces[0])),
                          static_cast<std::uint16_t>(ReadInteger(pieces[1]))});
    }
    return points;
}

} // namespace output

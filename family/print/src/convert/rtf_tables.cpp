#include "family/print/src/convert/rtf_tables.h"

#include "family/print/src/convert/rtf_keywords.h"

#include <algorithm>

namespace pressel {
namespace {

constexpr std::size_t kTableBufferLength = 64;
constexpr int kLastFontNumber = 254;

// Reads up to a token of `code`, answering it, or end of input.
RtfToken SkipTo(RtfTokenizer& tokenizer, int code) {
    for (;;) {
        RtfToken token = tokenizer.Next(kTableBufferLength);
        if (token.code == code || token.code == kRtfEnd) {
            return token;
        }
    }
}

// The font-family word's pitch-and-family bits, or -1 for any other token.
int FamilyBits(int code) {
    switch (code) {
    case kRtfFroman:
        return 16;
    case kRtfFswiss:
        return 32;
    case kRtfFmodern:
        return 48;
    case kRtfFscript:
        return 64;
    case kRtfFdecor:
        return 80;
    default:
        return -1;
    }
}

} // namespace

RtfFontTable ReadRtfFontTable(RtfTokenizer& tokenizer) {
    RtfFontTable table;
    const RtfToken deff = SkipTo(tokenizer, kRtfDeff);
    if (deff.code == kRtfEnd) {
        return table;
    }
    table.hasDefaultFont = true;
    table.defaultFont = deff.parameter;
    if (SkipTo(tokenizer, kRtfFonttbl).code == kRtfEnd) {
        return table;
    }
    int depth = 0;
    RtfFont font;
    font.number = -1;
    while (table.fonts.size() < static_cast<std::size_t>(kMaxFonts) && depth >= 0) {
        const RtfToken token = tokenizer.Next(kTableBufferLength);
        if (token.code == kRtfEnd) {
            break;
        }
        if (const int bits = FamilyBits(token.code); bits >= 0) {
            font.record.pitchAndFamily |= static_cast<std::uint8_t>(bits);
            continue;
        }
        switch (token.code) {
        case kRtfText:
            font.record.faceName += token.text;
            break;
        case kRtfGroupOpen:
            ++depth;
            break;
        case kRtfStar:
            SkipTo(tokenizer, kRtfGroupClose);
            --depth;
            break;
        case kRtfF:
            font = RtfFont{token.parameter, FontRecord{}};
            break;
        case kRtfFcharset:
            font.record.charSet = static_cast<std::uint8_t>(token.parameter);
            break;
        case kRtfFprq:
            font.record.pitchAndFamily |= static_cast<std::uint8_t>(token.parameter);
            break;
        case kRtfGroupClose:
            --depth;
            if (!font.record.faceName.empty() && font.record.faceName.back() == ';') {
                font.record.faceName.pop_back();
            }
            if (font.number >= 0 && font.number <= kLastFontNumber &&
                !font.record.faceName.empty()) {
                font.record.faceName.resize(
                    std::min(font.record.faceName.size(), kFaceNameSize - 1));
                table.fonts.push_back(font);
            }
            font = RtfFont{-1, FontRecord{}};
            break;
        default:
            break;
        }
    }
    return table;
}

std::vector<std::uint32_t> ReadRtfColourTable(RtfTokenizer& tokenizer) {
    std::vector<std::uint32_t> colours;
    if (SkipTo(tokenizer, kRtfColortbl).code == kRtfEnd) {
        return colours;
    }
    std::uint32_t red = 0;
    std::uint32_t green = 0;
    std::uint32_t blue = 0;
    while (colours.size() < static_cast<std::size_t>(kMaxColours)) {
        const RtfToken token = tokenizer.Next(kTableBufferLength);
        if (token.code == kRtfEnd || token.code == kRtfGroupClose) {
            break;
        }
        const auto component = static_cast<std::uint32_t>(token.parameter) & 0xFF;
        if (token.code == kRtfRed) {
            red = component;
        } else if (token.code == kRtfGreen) {
            green = component;
        } else if (token.code == kRtfBlue) {
            blue = component;
        } else if (token.code == kRtfText) {
            // Each ";" ends one entry; a word without one stores nothing.
            for (const char c : token.text) {
                if (c == ';' && colours.size() < static_cast<std::size_t>(kMaxColours)) {
                    colours.push_back(red + green * 256 + blue * 65536);
                }
            }
        }
    }
    return colours;
}

} // namespace pressel

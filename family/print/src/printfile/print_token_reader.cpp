#include "family/print/src/printfile/print_token_reader.h"

namespace pressel {
namespace {

constexpr int kPageBreakCode = 4;

// Operand bytes of the block-carrying codes, or 0.
std::size_t BlockOperandSize(int code) {
    switch (code) {
    case kPicture:
        return kPictureOperandSize;
    case kLine:
        return kLineOperandSize;
    case kRectangle:
        return kRectangleOperandSize;
    default:
        return 0;
    }
}

int ReadTextRun(PrintFileBuffer& file, std::uint8_t first, std::span<char> text) {
    if (text.size() < 2) {
        return kTextRun;
    }
    std::size_t length = 0;
    text[length++] = static_cast<char>(first);
    std::uint8_t byte = 0;
    while (length < text.size() - 1 && file.GetByte(byte)) {
        if (byte == 0) {
            file.SetPendingZero();
            break;
        }
        text[length++] = static_cast<char>(byte);
    }
    text[length] = '\0';
    return kTextRun;
}

} // namespace

int ReadPrintToken(PrintFileBuffer& file, std::span<char> text, std::int32_t& operand) {
    operand = 0;
    if (!text.empty()) {
        text[0] = '\0';
    }
    std::uint8_t first = 0;
    if (!file.TakePendingZero() && !file.GetByte(first)) {
        return kEndOfData;
    }
    if (first != 0) {
        return ReadTextRun(file, first, text);
    }
    std::uint8_t codeByte = 0;
    if (!file.GetByte(codeByte)) {
        return kEndOfData;
    }
    // Codes from 128 up count as negative and carry nothing.
    const int code = static_cast<std::int8_t>(codeByte);
    if (const std::size_t block = BlockOperandSize(code); block != 0) {
        std::uint8_t byte = 0;
        for (std::size_t i = 0; i < block && file.GetByte(byte); ++i) {
            if (i < text.size()) {
                text[i] = static_cast<char>(byte);
            }
        }
        return code;
    }
    std::uint8_t low = 0;
    std::uint8_t high = 0;
    if (code >= 64) {
        if (file.GetByte(low) && file.GetByte(high)) {
            operand = low | (high << 8);
        } else {
            operand = low;
        }
    } else if (code >= 32 && file.GetByte(low)) {
        operand = low;
    }
    return code < 0 ? static_cast<int>(codeByte) : code;
}

int NextDrawToken(PrintFileBuffer& file, std::span<char> text, RunStyle& style,
                  std::int32_t& operand) {
    for (;;) {
        const int code = ReadPrintToken(file, text, operand);
        const auto byte = static_cast<std::uint8_t>(operand);
        const auto setFlag = [&](std::uint8_t flag) {
            style.flags = static_cast<std::uint8_t>((byte & 1) != 0 ? style.flags | flag
                                                                    : style.flags & ~flag);
        };
        switch (code) {
        case kBackgroundColour:
            style.backgroundColour = byte;
            break;
        case kBold:
            setFlag(kBoldFlag);
            break;
        case kFont:
            style.font = byte;
            break;
        case kItalic:
            setFlag(kItalicFlag);
            break;
        case kTextColour:
            style.textColour = byte;
            break;
        case kUnderline:
            setFlag(kUnderlineFlag);
            break;
        case kFontHeight:
            style.height = static_cast<std::int16_t>(operand);
            break;
        case kTextRun:
        case kEndOfData:
        case kEndOfLine:
        case kPageBreakCode:
        case kMoveToX:
        case kPicture:
        case kLine:
        case kRectangle:
            return code;
        default:
            break;
        }
    }
}

} // namespace pressel

#include "family/print/src/convert/rtf_tokenizer.h"

#include "family/print/src/convert/rtf_keywords.h"

namespace pressel {
namespace {

constexpr char kNonBreakingSpace = '\xA0';

bool IsLowerLetter(char c) {
    return c >= 'a' && c <= 'z';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int HexDigit(char c) {
    if (IsDigit(c)) {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return 0;
}

RtfToken TextOf(char character) {
    return RtfToken{kRtfText, std::string(1, character), 0};
}

} // namespace

bool RtfTokenizer::ReadChar(char& character) {
    if (pushedBack_ != 0) {
        character = pushedBack_;
        pushedBack_ = 0;
        return true;
    }
    std::uint8_t byte = 0;
    if (!file_.GetByte(byte)) {
        return false;
    }
    character = static_cast<char>(byte);
    return true;
}

void RtfTokenizer::SkipBytes(std::int64_t count) {
    char ignored = 0;
    for (std::int64_t i = 0; i < count && ReadChar(ignored); ++i) {
    }
}

std::int64_t RtfTokenizer::Size() {
    const std::int64_t here = file_.Tell();
    const std::int64_t size = file_.Seek(0, PrintFileBuffer::Origin::kEnd);
    file_.Seek(here, PrintFileBuffer::Origin::kStart);
    return size;
}

void RtfTokenizer::SeekTo(std::int64_t offset) {
    pushedBack_ = 0;
    file_.Seek(offset, PrintFileBuffer::Origin::kStart);
}

RtfToken RtfTokenizer::Next(std::size_t bufferLength) {
    char c = 0;
    if (!ReadChar(c)) {
        return RtfToken{kRtfEnd, {}, 0};
    }
    if (c == '{') {
        return RtfToken{kRtfGroupOpen, {}, 0};
    }
    if (c == '}') {
        return RtfToken{kRtfGroupClose, {}, 0};
    }
    if (c == '\\') {
        return ControlWord(bufferLength);
    }
    return Text(c, bufferLength);
}

RtfToken RtfTokenizer::ControlWord(std::size_t bufferLength) {
    char c = 0;
    if (!ReadChar(c)) {
        return RtfToken{kRtfEnd, {}, 0};
    }
    switch (c) {
    case '\\':
    case '{':
    case '}':
        return TextOf(c);
    case '~':
        return TextOf(kNonBreakingSpace);
    case '_':
        return TextOf('-');
    case '\'': {
        char high = 0;
        char low = 0;
        if (!ReadChar(high) || !ReadChar(low)) {
            return RtfToken{kRtfEnd, {}, 0};
        }
        // A 0 byte would start a control token in the print file: it is no character, and
        // gives an empty word.
        const char byte = static_cast<char>(HexDigit(high) * 16 + HexDigit(low));
        return byte == 0 ? RtfToken{kRtfText, {}, 0} : TextOf(byte);
    }
    default:
        break;
    }
    RtfToken token{kRtfUnknown, std::string(1, c), 1};
    if (IsLowerLetter(c)) {
        const std::size_t kept = bufferLength > 2 ? bufferLength - 2 : 1;
        while (ReadChar(c)) {
            if (!IsLowerLetter(c)) {
                if (c != ' ') {
                    PushBack(c);
                }
                break;
            }
            if (token.text.size() < kept) {
                token.text.push_back(c);
            } else {
                token.text.back() = c;
            }
        }
    }
    token.code = LookUpRtfKeyword(token.text);
    if (token.code != kRtfPlain) {
        ReadParameter(token);
    }
    if (token.code == kRtfBin) {
        SkipBytes(token.parameter);
    }
    return token;
}

void RtfTokenizer::ReadParameter(RtfToken& token) {
    // Only the character that ended the word can start a parameter: after a space the word is
    // complete, and what follows is text.
    char c = pushedBack_;
    if (!IsDigit(c) && c != '-') {
        return;
    }
    pushedBack_ = 0;
    const bool negative = c == '-';
    std::int64_t value = negative ? 0 : c - '0';
    while (ReadChar(c)) {
        if (!IsDigit(c)) {
            if (c != ' ') {
                PushBack(c);
            }
            break;
        }
        // Wraps as a 32-bit register would, without undefined overflow.
        value = static_cast<std::int32_t>(static_cast<std::uint32_t>(value * 10 + (c - '0')));
    }
    token.parameter = static_cast<std::int32_t>(negative ? -value : value);
}

RtfToken RtfTokenizer::Text(char first, std::size_t bufferLength) {
    RtfToken token{kRtfText, {}, 0};
    const std::size_t limit = bufferLength > 1 ? bufferLength - 1 : 1;
    char c = first;
    if (c == ' ') {
        token.text.push_back(c);
        while (token.text.size() < limit && ReadChar(c)) {
            if (c != ' ') {
                PushBack(c);
                break;
            }
            token.text.push_back(c);
        }
        return token;
    }
    for (;;) {
        if (static_cast<unsigned char>(c) >= 32) {
            token.text.push_back(c);
        }
        if (token.text.size() >= limit || !ReadChar(c)) {
            return token;
        }
        if (c == ' ' || c == '\\' || c == '{' || c == '}' || c == '$') {
            PushBack(c);
            return token;
        }
    }
}

} // namespace pressel

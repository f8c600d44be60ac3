#include "program/report/compose/src/rich_text_lexer.h"

#include <algorithm>

namespace compose {

namespace {

bool IsLowercaseLetter(char character) {
    return character >= 'a' && character <= 'z';
}

bool IsDigit(char character) {
    return character >= '0' && character <= '9';
}

RichTextToken Token(RichTextToken::Kind kind) {
    RichTextToken token;
    token.kind = kind;
    return token;
}

RichTextToken TextToken(char character) {
    RichTextToken token;
    token.character = character;
    return token;
}

} // namespace

std::optional<RichTextToken> RichTextLexer::Next() {
    while (position_ < text_.size()) {
        const char character = text_[position_];
        if (character == '\\') {
            if (std::optional<RichTextToken> token = NextAfterBackslash()) {
                return token;
            }
            continue;
        }
        ++position_;
        if (character == '{') {
            return Token(RichTextToken::Kind::GroupOpen);
        }
        if (character == '}') {
            return Token(RichTextToken::Kind::GroupClose);
        }
        return TextToken(character);
    }
    return std::nullopt;
}

// Reads from a backslash at position_. Answers nothing when what it read is dropped (the caller
// reads on) or when the text ended with a word still pending (position_ is then at the end).
std::optional<RichTextToken> RichTextLexer::NextAfterBackslash() {
    const std::size_t size = text_.size();
    const std::size_t start = position_ + 1;
    if (start >= size) {
        position_ = size;
        return std::nullopt;
    }
    const char escaped = text_[start];
    if (!IsLowercaseLetter(escaped)) {
        position_ = start + 1;
        switch (escaped) {
        case '\\':
        case '{':
        case '}':
            return TextToken(escaped);
        case '~':
            return TextToken(' ');
        case '*':
            return Token(RichTextToken::Kind::IgnorableDestination);
        case '\'':
            position_ = std::min(size, start + 3);
            return TextToken('\'');
        default:
            return std::nullopt;
        }
    }

    std::size_t end = start;
    while (end < size && IsLowercaseLetter(text_[end])) {
        ++end;
    }
    const std::size_t parameterStart = end;
    if (end < size && text_[end] == '-') {
        ++end;
    }
    while (end < size && IsDigit(text_[end])) {
        ++end;
    }
    const std::size_t parameterEnd = end;
    if (end < size && text_[end] == ' ') {
        ++end;
    }
    position_ = end;
    if (end >= size) {
        return std::nullopt;
    }
    RichTextToken token = Token(RichTextToken::Kind::ControlWord);
    token.word = text_.substr(start, parameterStart - start);
    token.parameter = text_.substr(parameterStart, parameterEnd - parameterStart);
    return token;
}

} // namespace compose

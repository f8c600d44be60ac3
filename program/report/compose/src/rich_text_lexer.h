// The tokens of the report's rich text, read one character at a time:
//
//   \ letters [-][digits] [one blank]   a control word ("a" to "z" only) and its parameter; the
//                                       one blank after it belongs to the word
//   \\  \{  \}                          the escaped character as text
//   \*                                  the rest of the group's text is ignorable
//   \'hh                                an apostrophe, whatever the two characters hh are
//   \~                                  a blank
//   \ and any other character           dropped, both
//   {  }                                a group opens, closes
//   any other character                 text
//
// A control word ends at the first character that cannot continue it, which is then read on its
// own: a capital letter, a letter after the parameter, a second "-", anything after the blank. A
// control word still pending when the text ends is dropped.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace compose {

struct RichTextToken {
    enum class Kind { ControlWord, Text, GroupOpen, GroupClose, IgnorableDestination };

    Kind kind = Kind::Text;
    std::string_view word;      // ControlWord: the letters without the backslash
    std::string_view parameter; // ControlWord: "-" and digits as written, possibly empty
    char character = 0;         // Text
};

class RichTextLexer {
public:
    explicit RichTextLexer(std::string_view text) : text_(text) {}

    // The next token; nothing at the end of the text.
    std::optional<RichTextToken> Next();

private:
    std::optional<RichTextToken> NextAfterBackslash();

    std::string_view text_;
    std::size_t position_ = 0;
};

} // namespace compose

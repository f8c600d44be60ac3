#include "program/calc/rich_text_escape.h"

namespace calc {

std::string EscapeRichText(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (const char character : text) {
        if (character == '\\' || character == '{' || character == '}') {
            escaped += '\\';
        }
        escaped += character;
    }
    return escaped;
}

} // namespace calc

#include "program/store/src/number_text.h"

namespace store {

std::string PlainNumberText(std::string_view text) {
    std::string plain;
    for (const char c : text) {
        if (c != ' ' && c != '$' && c != '%' && c != ',') {
            plain += c;
        }
    }
    return plain;
}

} // namespace store

#include "platform/runtime/text.h"

namespace runtime {

std::string Trim(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

std::string UpperCase(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) {
        const auto byte = static_cast<unsigned char>(c);
        unsigned char capital = byte;
        if ((byte >= 'a' && byte <= 'z') || (byte >= 0xE0 && byte <= 0xFE && byte != 0xF7)) {
            capital = byte - 0x20; // ASCII and Latin-1 letters: capitals lie 0x20 lower
        } else if (byte == 0x9A || byte == 0x9C || byte == 0x9E) {
            capital = byte - 0x10; // š œ ž -> Š Œ Ž
        } else if (byte == 0xFF) {
            capital = 0x9F; // ÿ -> Ÿ
        }
        c = static_cast<char>(capital);
    }
    return upper;
}

} // namespace runtime

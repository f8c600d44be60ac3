#include "platform/forms/qt/text.h"

#include <array>

namespace forms::qt {

namespace {

// Windows-1252 bytes 0x80 to 0x9F; the other bytes are the Unicode code points of the same
// number. Bytes that the code page leaves undefined map to themselves.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

} // namespace

QString FromWindows1252(const std::string& text) {
    QString result;
    result.reserve(static_cast<qsizetype>(text.size()));
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        result.append(QChar(byte >= 0x80 && byte <= 0x9F ? kHighControls[byte - 0x80]
                                                         : static_cast<char16_t>(byte)));
    }
    return result;
}

std::string ToWindows1252(const QString& text) {
    std::string result;
    result.reserve(static_cast<std::size_t>(text.size()));
    for (QChar qc : text) {
        const char16_t code = qc.unicode();
        if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) {
            result.push_back(static_cast<char>(code));
            continue;
        }
        char mapped = '?';
        for (std::size_t i = 0; i < kHighControls.size(); ++i) {
            if (kHighControls[i] == code) {
                mapped = static_cast<char>(0x80 + i);
                break;
            }
        }
        result.push_back(mapped);
    }
    return result;
}

QString WithoutAccessKeys(const std::string& caption) {
    std::string plain;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&') {
            if (i + 1 < caption.size() && caption[i + 1] == '&') {
                plain.push_back('&');
                ++i;
            }
            continue;
        }
        plain.push_back(caption[i]);
    }
    return FromWindows1252(plain);
}

} // namespace forms::qt

#include "platform/qt/text.h"

#include "platform/runtime/windows1252.h"

#include <algorithm>

namespace qtkit {

QString FromWindows1252(const std::string& text) {
    QString result;
    result.reserve(static_cast<qsizetype>(text.size()));
    for (char c : text) {
        result.append(QChar(
            static_cast<char16_t>(runtime::Windows1252Character(static_cast<unsigned char>(c)))));
    }
    return result;
}

std::string ToWindows1252(const QString& text) {
    std::string result;
    result.reserve(static_cast<std::size_t>(text.size()));
    for (QChar qc : text) {
        result.push_back(runtime::Windows1252Byte(qc.unicode()));
    }
    return result;
}

bool HoldsInWindows1252(const QString& text) {
    return std::all_of(text.begin(), text.end(), [](QChar qc) {
        return qc == u'?' || runtime::Windows1252Byte(qc.unicode()) != '?';
    });
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

} // namespace qtkit

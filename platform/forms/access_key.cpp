#include "platform/forms/access_key.h"

namespace forms {

char AccessKeyOf(const std::string& caption) {
    for (std::size_t at = 0; at + 1 < caption.size(); ++at) {
        if (caption[at] != '&') {
            continue;
        }
        const char key = caption[at + 1];
        if (key != '&') {
            return key >= 'a' && key <= 'z' ? static_cast<char>(key - 'a' + 'A') : key;
        }
        ++at; // "&&" is a plain "&"
    }
    return 0;
}

} // namespace forms

#include "family/comdlg/src/fixed_text.h"

#include <algorithm>

namespace caddow {

std::string TextOf(std::span<const char> field) {
    const auto end = std::find(field.begin(), field.end(), '\0');
    return std::string(field.begin(), end);
}

void StoreText(std::span<char> field, std::string_view text) {
    std::fill(field.begin(), field.end(), '\0');
    if (field.empty()) {
        return;
    }
    const std::size_t length = std::min(text.size(), field.size() - 1);
    std::copy_n(text.begin(), length, field.begin());
}

} // namespace caddow

// Texts in fixed-width fields of the records: NUL-terminated within the field, which is read only
// up to its width when a host left no terminator.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace caddow {

// The field's text up to its first NUL or its end.
std::string TextOf(std::span<const char> field);

// Writes `text`, cut to the field's width less its terminator, and fills the rest with NULs.
void StoreText(std::span<char> field, std::string_view text);

} // namespace caddow

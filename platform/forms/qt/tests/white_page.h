// A white page of the given size in pixels: the page images a print-document view shows in the
// skin's tests.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/forms/image.h"

namespace forms::qt::testing {

inline Image WhitePage(int width, int height) {
    return Image(width, height,
                 std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height, 0xFFFFFFFFu));
}

} // namespace forms::qt::testing

#include "family/print/src/convert/line_alignment.h"

#include <algorithm>

namespace pressel {

LineAlignment AlignLine(std::uint8_t alignment, std::int32_t room, std::int32_t countedSpaces,
                        bool endedByParagraph) {
    switch (alignment) {
    case kCentred:
        return LineAlignment{room / 2, 0, 0};
    case kRight:
        return LineAlignment{room, 0, 0};
    case kJustified:
        if (countedSpaces > 0 && !endedByParagraph) {
            return LineAlignment{0, countedSpaces, std::max(room, 0)};
        }
        return LineAlignment{};
    default:
        return LineAlignment{};
    }
}

} // namespace pressel

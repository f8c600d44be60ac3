#include "family/print/src/preview/preview_scroll.h"

#include <algorithm>

namespace pressel {
namespace {

constexpr int kPagesPerRange = 4;

} // namespace

ScrollRange ScrollRangeFor(int pageExtent, int viewExtent) {
    const long long difference = static_cast<long long>(pageExtent) - viewExtent;
    return {0, difference < 1 ? 0 : static_cast<int>(difference)};
}

int ScrolledPosition(int code, int thumb, int position, ScrollRange range) {
    const long long page = (static_cast<long long>(range.maximum) - range.minimum) / kPagesPerRange;
    long long target = position;
    switch (code) {
    case SB_LINEUP:
        target -= kScrollLine;
        break;
    case SB_LINEDOWN:
        target += kScrollLine;
        break;
    case SB_PAGEUP:
        target -= page;
        break;
    case SB_PAGEDOWN:
        target += page;
        break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
        target = thumb;
        break;
    case SB_TOP:
        target = range.minimum;
        break;
    case SB_BOTTOM:
        target = range.maximum;
        break;
    default:
        break;
    }
    return static_cast<int>(std::clamp<long long>(target, range.minimum, range.maximum));
}

} // namespace pressel

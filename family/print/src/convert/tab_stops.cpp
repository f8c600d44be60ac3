#include "family/print/src/convert/tab_stops.h"

namespace pressel {

TabMove NextTabStop(std::int32_t x, const ParagraphFormat& paragraph, std::int32_t defaultTab) {
    if (x < paragraph.leftIndent) {
        return TabMove{paragraph.leftIndent, kTabLeft};
    }
    for (const TabStop& stop : paragraph.tabs) {
        if (stop.position != 0 && stop.position > x) {
            return TabMove{stop.position, stop.kind};
        }
    }
    if (defaultTab == 0) {
        return TabMove{x, kTabLeft};
    }
    return TabMove{(x + defaultTab) / defaultTab * defaultTab, kTabLeft};
}

std::int32_t TabPullBack(std::uint8_t kind, std::int32_t widthSinceTab) {
    switch (kind) {
    case kTabRight:
        return widthSinceTab;
    case kTabCentred:
        return widthSinceTab / 2;
    default:
        return 0;
    }
}

} // namespace pressel

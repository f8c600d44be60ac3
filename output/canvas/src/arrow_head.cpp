#include "output/canvas/arrow_head.h"

#include "output/canvas/text_command.h"

#include <algorithm>
#include <cmath>

namespace output {

namespace {

constexpr double kWingAngle = 0.34906556871202254; // 20 degrees
constexpr std::int64_t kWingsPerWidth = 4;
constexpr std::int64_t kShortestWing = 135;
// How far the line's end stays short of the wing length.
constexpr std::int64_t kLineSetBack = 45;

POINT Along(POINT origin, double angle, double length) {
    return {
        SaturatedAdd(origin.x, static_cast<std::int64_t>(std::trunc(std::cos(angle) * length))),
        SaturatedAdd(origin.y, static_cast<std::int64_t>(std::trunc(std::sin(angle) * length)))};
}

} // namespace

ArrowHead MakeArrowHead(POINT tip, POINT from, std::int32_t lineWidth) {
    // The head points back along the line, towards where it comes from.
    double angle =
        std::atan2(static_cast<double>(from.y) - tip.y, static_cast<double>(from.x) - tip.x);
    auto length = static_cast<double>(std::max(kWingsPerWidth * lineWidth, kShortestWing));
    return {{tip, Along(tip, angle + kWingAngle, length), Along(tip, angle - kWingAngle, length)},
            Along(tip, angle, length - kLineSetBack)};
}

std::string PointListText(const std::array<POINT, 3>& corners) {
    std::string text;
    for (const POINT& corner : corners) {
        if (!text.empty()) {
            text += '|';
        }
        text += std::to_string(corner.x) + ":" + std::to_string(corner.y);
    }
    return text;
}

} // namespace output

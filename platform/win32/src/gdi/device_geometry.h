// Device coordinates: where logical coordinates land on a context's pixels after the mapping
// mode and a printer's offset. They are 64-bit, so that a coordinate at the edge of the 32-bit
// range keeps its exact place after scaling, and they are held within +-kMaxDeviceCoordinate,
// so that the difference of two of them never overflows. Drawing clips them to the bitmap
// before it touches a pixel.
#pragma once

#include "platform/win32/windef.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace win32 {

using DeviceCoordinate = std::int64_t;

constexpr DeviceCoordinate kMaxDeviceCoordinate = INT64_MAX / 2;

struct DevicePoint {
    DeviceCoordinate x = 0;
    DeviceCoordinate y = 0;
};

struct DeviceRect {
    DeviceCoordinate left = 0;
    DeviceCoordinate top = 0;
    DeviceCoordinate right = 0;
    DeviceCoordinate bottom = 0;
};

inline DeviceCoordinate ToDeviceRange(std::int64_t value) {
    return std::clamp<std::int64_t>(value, -kMaxDeviceCoordinate, kMaxDeviceCoordinate);
}

// A 64-bit value answered through a 32-bit interface: the nearest int.
inline int SaturateToInt(std::int64_t value) {
    return static_cast<int>(std::clamp<std::int64_t>(value, INT_MIN, INT_MAX));
}

inline DeviceRect Intersect(const DeviceRect& a, const DeviceRect& b) {
    return DeviceRect{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                      std::min(a.bottom, b.bottom)};
}

} // namespace win32

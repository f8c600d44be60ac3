// The printers a canvas can lay out for, each measured once on a context made for it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace output {

struct DeviceInfo {
    std::string deviceName;
    std::string driverName;
    std::string portName;
    // A device whose context cannot be made keeps zeros.
    std::int32_t physicalWidthPixels = 0;
    std::int32_t physicalHeightPixels = 0;
    std::int32_t physicalWidthHundredths = 0; // hundredths of an inch
    std::int32_t physicalHeightHundredths = 0;
    std::int32_t offsetXPixels = 0;
    std::int32_t offsetYPixels = 0;
    std::int32_t offsetXHundredths = 0;
    std::int32_t offsetYHundredths = 0;
    std::int32_t printableWidthPixels = 0;
    std::int32_t printableHeightPixels = 0;
    std::int32_t printableWidthHundredths = 0;
    std::int32_t printableHeightHundredths = 0;
    std::int32_t pixelsPerInchX = 0;
    std::int32_t pixelsPerInchY = 0;
    std::int32_t colourDepth = 0; // bits per pixel times planes
};

// One record per key of WIN.INI's [Devices] section (the printers), in its order, measured: the
// key is the device name, its value "<driver>,<port>" names driver and port.
std::vector<DeviceInfo> ListCanvasDevices();

} // namespace output

#include "output/canvas/device_info.h"

#include "platform/win32/winbase.h"
#include "platform/win32/wingdi.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace output {

namespace {

constexpr const char* kDevicesSection = "Devices";
// The longest key list and value read from [Devices], terminating NULs included.
constexpr DWORD kDeviceListSize = 512;
constexpr DWORD kDeviceValueSize = 256;

// pixels x 100 / pixels per inch, 0 for a device that reports no resolution.
std::int32_t Hundredths(std::int32_t pixels, std::int32_t pixelsPerInch) {
    return pixelsPerInch > 0 ? static_cast<std::int32_t>(std::int64_t{pixels} * 100 / pixelsPerInch)
                             : 0;
}

void Measure(DeviceInfo& device) {
    HDC dc = CreateDCA(device.driverName.c_str(), device.deviceName.c_str(),
                       device.portName.c_str(), nullptr);
    if (dc == nullptr) {
        return;
    }
    device.pixelsPerInchX = GetDeviceCaps(dc, LOGPIXELSX);
    device.pixelsPerInchY = GetDeviceCaps(dc, LOGPIXELSY);
    device.physicalWidthPixels = GetDeviceCaps(dc, PHYSICALWIDTH);
    device.physicalHeightPixels = GetDeviceCaps(dc, PHYSICALHEIGHT);
    device.offsetXPixels = GetDeviceCaps(dc, PHYSICALOFFSETX);
    device.offsetYPixels = GetDeviceCaps(dc, PHYSICALOFFSETY);
    device.printableWidthPixels = GetDeviceCaps(dc, HORZRES);
    device.printableHeightPixels = GetDeviceCaps(dc, VERTRES);
    device.colourDepth = GetDeviceCaps(dc, BITSPIXEL) * GetDeviceCaps(dc, PLANES);
    DeleteDC(dc);

    device.physicalWidthHundredths = Hundredths(device.physicalWidthPixels, device.pixelsPerInchX);
    device.physicalHeightHundredths =
        Hundredths(device.physicalHeightPixels, device.pixelsPerInchY);
    device.offsetXHundredths = Hundredths(device.offsetXPixels, device.pixelsPerInchX);
    device.offsetYHundredths = Hundredths(device.offsetYPixels, device.pixelsPerInchY);
    device.printableWidthHundredths =
        Hundredths(device.printableWidthPixels, device.pixelsPerInchX);
    device.printableHeightHundredths =
        Hundredths(device.printableHeightPixels, device.pixelsPerInchY);
}

} // namespace

std::vector<DeviceInfo> ListCanvasDevices() {
    std::array<char, kDeviceListSize> names{};
    const DWORD listed =
        GetProfileStringA(kDevicesSection, nullptr, "", names.data(), kDeviceListSize);
    std::vector<DeviceInfo> devices;
    std::string_view rest(names.data(), listed);
    while (!rest.empty()) {
        const std::string_view name = rest.substr(0, rest.find('\0'));
        rest.remove_prefix(std::min(rest.size(), name.size() + 1));
        DeviceInfo device;
        device.deviceName = name;
        std::array<char, kDeviceValueSize> value{};
        GetProfileStringA(kDevicesSection, device.deviceName.c_str(), "", value.data(),
                          kDeviceValueSize);
        const std::string_view driverAndPort = value.data();
        const std::size_t comma = driverAndPort.find(',');
        device.driverName = driverAndPort.substr(0, comma);
        if (comma != std::string_view::npos) {
            device.portName = driverAndPort.substr(comma + 1);
        }
        Measure(device);
        devices.push_back(std::move(device));
    }
    return devices;
}

} // namespace output

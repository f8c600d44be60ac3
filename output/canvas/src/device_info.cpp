#include "output/canvas/device_info.h"

#include "platform/printing/printers.h"
#include "platform/win32/wingdi.h"

namespace output {

namespace {

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
    std::vector<DeviceInfo> devices;
    for (const printing::PrinterInfo& printer : printing::ListPrinters()) {
        DeviceInfo device;
        device.deviceName = printer.name;
        device.driverName = printer.driver;
        device.portName = printer.port;
        Measure(device);
        devices.push_back(std::move(device));
    }
    return devices;
}

} // namespace output

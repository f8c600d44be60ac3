#include "output/canvas/page_printer.h"

#include "output/canvas/src/page_painter.h"

#include "platform/win32/wingdi.h"

namespace output {

namespace {

// A printer context for the canvas's device, deleted with its owner.
class PrinterContext {
public:
    explicit PrinterContext(const DeviceInfo& device)
        : dc_(CreateDCA(device.driverName.c_str(), device.deviceName.c_str(),
                        device.portName.c_str(), nullptr)) {}
    ~PrinterContext() {
        if (dc_ != nullptr) {
            DeleteDC(dc_);
        }
    }
    PrinterContext(const PrinterContext&) = delete;
    PrinterContext& operator=(const PrinterContext&) = delete;
    HDC Get() const { return dc_; }

private:
    HDC dc_;
};

bool PrintPage(HDC dc, const Canvas& canvas, std::int32_t page, const PageScale& scale) {
    if (StartPage(dc) <= 0) {
        return false;
    }
    const int saved = SaveDC(dc);
    PaintPage(dc, canvas, page, scale);
    RestoreDC(dc, saved);
    return EndPage(dc) > 0;
}

} // namespace

CanvasError PrintPages(const Canvas& canvas, std::int32_t page, const std::string& documentName) {
    const DeviceInfo* device = canvas.CurrentDevice();
    if (device == nullptr) {
        return CanvasError::InvalidDevice;
    }
    PrinterContext printer(*device);
    if (printer.Get() == nullptr) {
        return CanvasError::InvalidDevice;
    }
    // The context's own figures: the device record may be stale or unmeasured.
    const PageScale scale{GetDeviceCaps(printer.Get(), LOGPIXELSX),
                          GetDeviceCaps(printer.Get(), LOGPIXELSY),
                          GetDeviceCaps(printer.Get(), PHYSICALOFFSETX),
                          GetDeviceCaps(printer.Get(), PHYSICALOFFSETY), true};
    DOCINFOA document{};
    document.cbSize = sizeof document;
    document.lpszDocName = documentName.c_str();
    if (StartDocA(printer.Get(), &document) <= 0) {
        return CanvasError::InvalidDevice;
    }
    const std::int32_t first = page == 0 ? 1 : page;
    const std::int32_t last = page == 0 ? canvas.PageTotal() : page;
    for (std::int32_t number = first; number <= last; ++number) {
        if (!PrintPage(printer.Get(), canvas, number, scale)) {
            AbortDoc(printer.Get());
            return CanvasError::CannotAccessFile;
        }
    }
    return EndDoc(printer.Get()) > 0 ? CanvasError::OK : CanvasError::CannotAccessFile;
}

} // namespace output

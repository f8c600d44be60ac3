#include "output/canvas/src/measuring_context.h"

#include "output/canvas/text_command.h"

#include <limits>

namespace output {

namespace {

constexpr std::int32_t kTwipsPerInch = 1440;

std::int32_t ToTwips(std::int64_t pixels, std::int32_t pixelsPerInch) {
    return SaturatedAdd(pixels * kTwipsPerInch / pixelsPerInch, 0);
}

} // namespace

MeasuringContext::MeasuringContext(const DeviceInfo* device) {
    if (device != nullptr) {
        dc_ = CreateDCA(device->driverName.c_str(), device->deviceName.c_str(),
                        device->portName.c_str(), nullptr);
    }
    if (dc_ == nullptr) {
        dc_ = CreateCompatibleDC(nullptr);
    }
    saved_ = SaveDC(dc_);
    if (GetDeviceCaps(dc_, LOGPIXELSX) > 0 && GetDeviceCaps(dc_, LOGPIXELSY) > 0) {
        pixelsPerInchX_ = GetDeviceCaps(dc_, LOGPIXELSX);
        pixelsPerInchY_ = GetDeviceCaps(dc_, LOGPIXELSY);
    }
}

MeasuringContext::~MeasuringContext() {
    RestoreDC(dc_, saved_);
    DeleteDC(dc_);
}

void MeasuringContext::Select(HFONT font) {
    SelectObject(dc_, font);
}

void MeasuringContext::DeselectFont() {
    SelectObject(dc_, GetStockObject(SYSTEM_FONT));
}

SIZE MeasuringContext::MeasureTwips(std::string_view text) const {
    SIZE size{0, 0};
    // The platform measures lengths that fit an int; longer texts than any line are cut there.
    int length =
        static_cast<int>(std::min<std::size_t>(text.size(), std::numeric_limits<int>::max()));
    GetTextExtentPoint32A(dc_, text.data(), length, &size);
    return {ToTwips(size.cx, pixelsPerInchX_), ToTwips(size.cy, pixelsPerInchY_)};
}

std::int32_t MeasuringContext::AscentTwips() const {
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc_, &metrics);
    return ToTwips(metrics.tmAscent, pixelsPerInchY_);
}

} // namespace output

// The context a canvas measures text in: a printer context for its device, or a memory context
// compatible with the screen. Its state is saved when made and restored before it is deleted,
// so that no font of the canvas stays selected in it.
#pragma once

#include "output/canvas/device_info.h"

#include "platform/win32/wingdi.h"

#include <cstdint>
#include <string_view>

namespace output {

class MeasuringContext {
public:
    // The screen when `device` is null.
    explicit MeasuringContext(const DeviceInfo* device);
    ~MeasuringContext();
    MeasuringContext(const MeasuringContext&) = delete;
    MeasuringContext& operator=(const MeasuringContext&) = delete;

    std::int32_t PixelsPerInchX() const { return pixelsPerInchX_; }
    std::int32_t PixelsPerInchY() const { return pixelsPerInchY_; }

    void Select(HFONT font);
    // Puts the context's own font back, so that the canvas's fonts may be deleted.
    void DeselectFont();

    // The size of `text` in the selected font, in twips.
    SIZE MeasureTwips(std::string_view text) const;
    // The selected font's ascent, in twips.
    std::int32_t AscentTwips() const;

private:
    HDC dc_ = nullptr;
    int saved_ = 0;
    std::int32_t pixelsPerInchX_ = 96;
    std::int32_t pixelsPerInchY_ = 96;
};

} // namespace output

#include "family/print/src/render/page_drawer.h"

#include "family/print/src/job/job_printer.h"
#include "family/print/src/render/device_twips.h"
#include "family/print/src/render/page_renderer.h"

#include <algorithm>
#include <climits>

namespace pressel {
namespace {

// Twips at the screen's resolution, in 64 bits since a printer may claim any sheet.
LONG PixelsOfTwips(LONG twips, int pixelsPerInch) {
    const long long pixels = static_cast<long long>(twips) * pixelsPerInch / kTwipsPerInch;
    return static_cast<LONG>(std::clamp<long long>(pixels, 0, INT_MAX));
}

} // namespace

POINT PageSizeOfHeader(const PrintFileHeader& header) {
    if (header.printerDriver.empty()) {
        return kDefaultPageSize;
    }
    const HDC printer =
        OpenPortraitPrinter({header.printerDriver, header.printerDevice, header.printerPort});
    if (printer == nullptr) {
        return kDefaultPageSize;
    }
    SetupTwips(printer);
    const POINT size = PageSizeTwips(printer);
    DeleteDC(printer);
    return size;
}

PageDrawer::PageDrawer(const PrintFileHeader& header, PageColours colours) : colours_(colours) {
    const POINT sheet = PageSizeOfHeader(header);
    screen_ = GetDC(nullptr);
    pixels_ = {PixelsOfTwips(sheet.x, GetDeviceCaps(screen_, LOGPIXELSX)),
               PixelsOfTwips(sheet.y, GetDeviceCaps(screen_, LOGPIXELSY))};
    drawing_ = CreateCompatibleDC(screen_);
    drawingState_ = SaveDC(drawing_);
    SetupTwips(drawing_);
    clearing_ = CreateCompatibleDC(screen_);
}

PageDrawer::~PageDrawer() {
    RestoreDC(drawing_, drawingState_);
    DeleteDC(drawing_);
    DeleteDC(clearing_);
    ReleaseDC(nullptr, screen_);
}

HBITMAP PageDrawer::Draw(LoadedPrintFile& file, int page) {
    const HBITMAP bitmap = colours_ == PageColours::kMonochrome
                               ? CreateBitmap(pixels_.cx, pixels_.cy, 1, 1, nullptr)
                               : CreateCompatibleBitmap(screen_, pixels_.cx, pixels_.cy);
    if (bitmap == nullptr) {
        return nullptr;
    }
    // Whitened in pixels, since the drawing context measures in twips.
    const int clearingState = SaveDC(clearing_);
    SelectObject(clearing_, bitmap);
    const RECT sheet{0, 0, pixels_.cx, pixels_.cy};
    FillRect(clearing_, &sheet, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    RestoreDC(clearing_, clearingState);

    const HGDIOBJ previous = SelectObject(drawing_, bitmap);
    RenderPage(drawing_, file, page, POINT{0, 0}, PictureMode::kBitmap);
    SelectObject(drawing_, previous);
    return bitmap;
}

} // namespace pressel

#include "output/canvas/page_bitmap.h"

#include "output/canvas/src/page_painter.h"

#include "platform/win32/winuser.h"

namespace output {

namespace {

constexpr std::int64_t kTwipsPerInch = 1440;
constexpr COLORREF kWhite = 0xFFFFFF;

} // namespace

OwnedBitmap RenderPage(const Canvas& canvas, std::int32_t page) {
    const PageSet& pages = canvas.State().pages;
    if (page < 1 || page > pages.total) {
        return {};
    }
    const std::int64_t width = pages.width * canvas.DrawScale() / kTwipsPerInch;
    const std::int64_t height = pages.height * canvas.DrawScale() / kTwipsPerInch;
    if (width < 1 || height < 1 || width > kMaxPageBitmapSide || height > kMaxPageBitmapSide) {
        return {};
    }
    MemoryContext dc;
    bool colour = (pages.flags[static_cast<std::size_t>(page) - 1] & kPageHasColour) != 0;
    UINT planes = colour ? static_cast<UINT>(GetDeviceCaps(dc.Get(), PLANES)) : 1;
    UINT bits = colour ? static_cast<UINT>(GetDeviceCaps(dc.Get(), BITSPIXEL)) : 1;
    OwnedBitmap bitmap(
        CreateBitmap(static_cast<int>(width), static_cast<int>(height), planes, bits, nullptr));
    if (!bitmap) {
        return bitmap;
    }
    {
        Selection target(dc.Get(), bitmap.Get());
        RECT whole{0, 0, static_cast<LONG>(width), static_cast<LONG>(height)};
        OwnedBrush white(CreateSolidBrush(kWhite));
        FillRect(dc.Get(), &whole, white.Get());

        const std::int32_t scale = canvas.DrawScale();
        PaintPage(dc.Get(), canvas, page, PageScale{scale, scale, 0, 0, false});
    }
    return bitmap;
}

} // namespace output

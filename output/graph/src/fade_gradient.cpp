#include "output/graph/src/fade_gradient.h"

#include "platform/win32/winuser.h"

namespace output {

namespace {

constexpr int kGradientSteps = 44;
constexpr COLORREF kWhite = 0xFFFFFF;

int Channel(std::int32_t color, int shift) {
    return (static_cast<std::uint32_t>(color) >> shift) & 0xFF;
}

// Row by row, channel by channel: top + (bottom - top) x (row - 2) / 44 in integers.
COLORREF GradientRow(const GraphBackdrop& backdrop, int row) {
    if (row < 2) {
        return static_cast<COLORREF>(backdrop.top) & kWhite;
    }
    if (row >= 2 + kGradientSteps) {
        return static_cast<COLORREF>(backdrop.bottom) & kWhite;
    }
    COLORREF color = 0;
    for (const int shift : {0, 8, 16}) {
        const int top = Channel(backdrop.top, shift);
        const int bottom = Channel(backdrop.bottom, shift);
        color |= static_cast<COLORREF>(top + (bottom - top) * (row - 2) / kGradientSteps) << shift;
    }
    return color;
}

} // namespace

HBITMAP MakeFadeGradient(const GraphBackdrop& backdrop) {
    HDC screen = GetDC(nullptr);
    HBITMAP gradient =
        screen != nullptr ? CreateCompatibleBitmap(screen, 1, kFadeGradientRows) : nullptr;
    if (screen != nullptr) {
        ReleaseDC(nullptr, screen);
    }
    HDC context = gradient != nullptr ? CreateCompatibleDC(nullptr) : nullptr;
    if (context == nullptr) {
        if (gradient != nullptr) {
            DeleteObject(gradient);
        }
        return nullptr;
    }
    const HGDIOBJ previous = SelectObject(context, gradient);
    for (int row = 0; row < kFadeGradientRows; ++row) {
        SetPixel(context, 0, row, GradientRow(backdrop, row));
    }
    SelectObject(context, previous);
    DeleteDC(context);
    return gradient;
}

} // namespace output

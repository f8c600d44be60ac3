#include "family/print/src/device_twips.h"

namespace pressel {
namespace {

// A device-unit answer of a printer escape in twips; `fallback` when the escape fails.
POINT EscapeInTwips(HDC printer, int escape, POINT fallback) {
    if (printer == nullptr) {
        return fallback;
    }
    POINT answer{};
    if (Escape(printer, escape, 0, nullptr, &answer) < 1) {
        return fallback;
    }
    DPtoLP(printer, &answer, 1);
    return answer;
}

} // namespace

void SetupTwips(HDC dc, StretchMode stretch) {
    SetTextAlign(dc, TA_BASELINE);
    SetBkMode(dc, TRANSPARENT);
    SetMapMode(dc, MM_ANISOTROPIC);
    SetWindowExtEx(dc, kTwipsPerInch, kTwipsPerInch, nullptr);
    SetViewportExtEx(dc, GetDeviceCaps(dc, LOGPIXELSX), GetDeviceCaps(dc, LOGPIXELSY), nullptr);
    if (stretch == StretchMode::kColorOnColor) {
        SetStretchBltMode(dc, COLORONCOLOR);
    }
}

POINT PageSizeTwips(HDC printer) {
    return EscapeInTwips(printer, GETPHYSPAGESIZE, kDefaultPageSize);
}

POINT PrintingOffsetTwips(HDC printer) {
    return EscapeInTwips(printer, GETPRINTINGOFFSET, POINT{0, 0});
}

} // namespace pressel

#include "family/print/src/render/device_twips.h"

namespace pressel {
namespace {

// A device-unit answer of a printer escape in twips; nothing when the escape fails.
std::optional<POINT> EscapeInTwips(HDC dc, int escape) {
    POINT answer{};
    if (Escape(dc, escape, 0, nullptr, &answer) <= 0) {
        return std::nullopt;
    }
    DPtoLP(dc, &answer, 1);
    return answer;
}

} // namespace

void SetupTwips(HDC dc) {
    SetTextAlign(dc, TA_BASELINE);
    SetBkMode(dc, TRANSPARENT);
    SetMapMode(dc, MM_ANISOTROPIC);
    SetWindowExtEx(dc, kTwipsPerInch, kTwipsPerInch, nullptr);
    SetViewportExtEx(dc, GetDeviceCaps(dc, LOGPIXELSX), GetDeviceCaps(dc, LOGPIXELSY), nullptr);
}

void SetupPrinterTwips(HDC dc) {
    SetupTwips(dc);
    SetStretchBltMode(dc, COLORONCOLOR);
}

std::optional<SIZE> PhysicalPageSize(HDC dc) {
    const std::optional<POINT> size = EscapeInTwips(dc, GETPHYSPAGESIZE);
    if (!size) {
        return std::nullopt;
    }
    return SIZE{size->x, size->y};
}

POINT PageSizeTwips(HDC printer) {
    return EscapeInTwips(printer, GETPHYSPAGESIZE).value_or(kDefaultPageSize);
}

POINT PrintingOffsetTwips(HDC printer) {
    return EscapeInTwips(printer, GETPRINTINGOFFSET).value_or(POINT{0, 0});
}

} // namespace pressel

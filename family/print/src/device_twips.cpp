#include "family/print/src/device_twips.h"

namespace pressel {

void SetupTwips(HDC dc) {
    SetBkMode(dc, TRANSPARENT);
    SetMapMode(dc, MM_ANISOTROPIC);
    SetWindowExtEx(dc, kTwipsPerInch, kTwipsPerInch, nullptr);
    SetViewportExtEx(dc, GetDeviceCaps(dc, LOGPIXELSX), GetDeviceCaps(dc, LOGPIXELSY), nullptr);
}

std::optional<SIZE> PhysicalPageSize(HDC dc) {
    POINT size{};
    if (Escape(dc, GETPHYSPAGESIZE, 0, nullptr, &size) <= 0) {
        return std::nullopt;
    }
    DPtoLP(dc, &size, 1);
    return SIZE{size.x, size.y};
}

} // namespace pressel

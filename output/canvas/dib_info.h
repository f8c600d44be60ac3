// A BITMAPINFO with room for the largest colour table GetDIBits may write after the header
// (256 entries; the three masks of 16 and 32 bits per pixel fit too).
#pragma once

#include "platform/win32/wingdi.h"

namespace output {

struct DibInfo {
    BITMAPINFO info{};
    RGBQUAD moreColours[255]{};
};

// A request for the pixels of a `width` x `height` bitmap as 32-bit rows from the top.
inline DibInfo TopDown32(int width, int height) {
    DibInfo dib;
    dib.info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    dib.info.bmiHeader.biWidth = width;
    dib.info.bmiHeader.biHeight = -height;
    dib.info.bmiHeader.biPlanes = 1;
    dib.info.bmiHeader.biBitCount = 32;
    dib.info.bmiHeader.biCompression = BI_RGB;
    return dib;
}

} // namespace output

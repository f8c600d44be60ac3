#include "output/image/src/dib_rows.h"

#include <cstring>

namespace output {

namespace {

// Room for the header and the largest table GetDIBits may write after it.
struct DibInfo {
    BITMAPINFO info{};
    RGBQUAD moreColours[255]{};
};

// A memory context for the length of one read: GetDIBits asks for a context.
class ScreenContext {
public:
    ScreenContext() : dc_(CreateCompatibleDC(nullptr)) {}
    ~ScreenContext() {
        if (dc_ != nullptr) {
            DeleteDC(dc_);
        }
    }
    ScreenContext(const ScreenContext&) = delete;
    ScreenContext& operator=(const ScreenContext&) = delete;
    HDC Get() const { return dc_; }

private:
    HDC dc_;
};

std::optional<BITMAPINFOHEADER> OwnFormat(HBITMAP bitmap) {
    ScreenContext dc;
    DibInfo dib;
    dib.info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    if (bitmap == nullptr || dc.Get() == nullptr ||
        GetDIBits(dc.Get(), bitmap, 0, 0, nullptr, &dib.info, DIB_RGB_COLORS) == 0) {
        return std::nullopt;
    }
    const BITMAPINFOHEADER& header = dib.info.bmiHeader;
    if (header.biWidth <= 0 || header.biHeight == 0 || header.biBitCount == 0) {
        return std::nullopt;
    }
    return header;
}

} // namespace

std::size_t ColourTableBytes(int bitCount) {
    if (bitCount == 16 || bitCount == 32) {
        return 12;
    }
    if (bitCount == 24) {
        return 0;
    }
    return std::size_t{4} << bitCount;
}

std::optional<int> OwnBitCount(HBITMAP bitmap) {
    std::optional<BITMAPINFOHEADER> header = OwnFormat(bitmap);
    if (!header) {
        return std::nullopt;
    }
    return header->biBitCount;
}

std::optional<DibRows> ReadDibRows(HBITMAP bitmap, int bitCount, RowOrder order) {
    std::optional<BITMAPINFOHEADER> own = OwnFormat(bitmap);
    if (!own) {
        return std::nullopt;
    }
    DibRows rows;
    rows.width = own->biWidth;
    rows.height = own->biHeight < 0 ? -own->biHeight : own->biHeight;
    rows.stride =
        (static_cast<std::size_t>(rows.width) * static_cast<std::size_t>(bitCount) + 31) / 32 * 4;
    rows.bits.resize(rows.stride * static_cast<std::size_t>(rows.height));

    ScreenContext dc;
    DibInfo dib;
    BITMAPINFOHEADER& request = dib.info.bmiHeader;
    request.biSize = sizeof(BITMAPINFOHEADER);
    request.biWidth = rows.width;
    request.biHeight = order == RowOrder::TopDown ? -rows.height : rows.height;
    request.biPlanes = 1;
    request.biBitCount = static_cast<WORD>(bitCount);
    request.biCompression = BI_RGB;
    const UINT lines = static_cast<UINT>(rows.height);
    if (dc.Get() == nullptr ||
        GetDIBits(dc.Get(), bitmap, 0, lines, rows.bits.data(), &dib.info, DIB_RGB_COLORS) !=
            static_cast<int>(lines) ||
        request.biBitCount != bitCount) {
        return std::nullopt;
    }
    rows.header = request;
    const auto* after = reinterpret_cast<const std::uint8_t*>(&dib) + sizeof(BITMAPINFOHEADER);
    rows.table.assign(after, after + ColourTableBytes(bitCount));
    return rows;
}

} // namespace output

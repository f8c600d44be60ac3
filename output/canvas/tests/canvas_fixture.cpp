#include "canvas_fixture.h"

#include "output/canvas/dib_info.h"
#include "platform/win32/font_provider.h"

#include <fstream>
#include <iterator>
#include <sstream>

void FixedFontCanvas::SetUp() {
    win32::UseFontSource(win32::FontSource::FixedMetrics);
    canvas = std::make_unique<output::Canvas>(std::vector<output::DeviceInfo>{});
}

void FixedFontCanvas::TearDown() {
    canvas.reset();
    win32::UseFontSource(win32::FontSource::System);
}

Pixels ReadPixels(HBITMAP bitmap) {
    BITMAP info{};
    GetObjectA(bitmap, sizeof info, &info);
    Pixels pixels{info.bmWidth, info.bmHeight, {}};
    output::DibInfo dib = output::TopDown32(info.bmWidth, info.bmHeight);
    std::vector<std::uint8_t> bgrx(static_cast<std::size_t>(info.bmWidth) * info.bmHeight * 4);
    HDC dc = CreateCompatibleDC(nullptr);
    GetDIBits(dc, bitmap, 0, static_cast<UINT>(info.bmHeight), bgrx.data(), &dib.info,
              DIB_RGB_COLORS);
    DeleteDC(dc);
    for (std::size_t i = 0; i < bgrx.size(); i += 4) {
        pixels.colours.push_back(RGB(bgrx[i + 2], bgrx[i + 1], bgrx[i]));
    }
    return pixels;
}

Pixels ReadPpm(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::string magic;
    int width = 0;
    int height = 0;
    int maximum = 0;
    in >> magic >> width >> height >> maximum;
    in.get();
    if (magic != "P6" || maximum != 255 || width <= 0 || height <= 0) {
        return {};
    }
    std::vector<unsigned char> bytes(static_cast<std::size_t>(width) * height * 3);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!in) {
        return {};
    }
    Pixels pixels{width, height, {}};
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        pixels.colours.push_back(RGB(bytes[i], bytes[i + 1], bytes[i + 2]));
    }
    return pixels;
}

#include "canvas_fixture.h"

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

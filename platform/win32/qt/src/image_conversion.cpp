#include "platform/win32/qt/src/image_conversion.h"

namespace win32::qt {

QImage ToQImage(const WindowImage& image) {
    QImage result(image.width, image.height, QImage::Format_RGB32);
    for (int y = 0; y < image.height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(result.scanLine(y));
        const std::uint32_t* source =
            image.pixels.data() +
            static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width);
        for (int x = 0; x < image.width; ++x) {
            // Qt's 32-bit RGB wants an opaque alpha byte.
            row[x] = 0xFF000000u | source[x];
        }
    }
    return result;
}

} // namespace win32::qt

#include "platform/forms/qt/testing/pictures.h"

#include <QBuffer>
#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace forms::qt::testing {

std::string PictureFileBytes(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes.toStdString();
}

Image WhitePage(int width, int height) {
    return Image(width, height,
                 std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height, 0xFFFFFFFFu));
}

} // namespace forms::qt::testing

#include "platform/forms/qt/testing/pictures.h"

#include <QBuffer>
#include <QByteArray>

namespace forms::qt::testing {

std::string PictureFileBytes(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes.toStdString();
}

std::string WhitePagePng(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return PictureFileBytes(image, "PNG");
}

} // namespace forms::qt::testing

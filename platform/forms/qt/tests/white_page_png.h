// A white page of the given size in pixels as a PNG file's bytes: the page images a print-document
// view shows in the skin's tests.
#pragma once

#include <QBuffer>
#include <QImage>

#include <string>

namespace forms::qt::testing {

inline std::string WhitePagePng(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes.toStdString();
}

} // namespace forms::qt::testing

// A window's or the clipboard's pixels as a Qt image.
#pragma once

#include "platform/win32/window_host.h"

#include <QImage>

namespace win32::qt {

QImage ToQImage(const WindowImage& image);

} // namespace win32::qt

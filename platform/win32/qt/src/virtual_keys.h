// Qt's keys as Windows virtual-key codes.
#pragma once

namespace win32::qt {

// The virtual-key code of a Qt key (Qt::Key), or 0 for a key the layer has no code for.
int VirtualKeyOf(int qtKey);

} // namespace win32::qt

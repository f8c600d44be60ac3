// A second shared library linking the platform, as the support libraries do: objects it makes
// must be known to every other library of the process.
#include "platform/win32/windows.h"

extern "C" __attribute__((visibility("default"))) HPEN PeerCreatePen() {
    return CreatePen(PS_SOLID, 3, RGB(1, 2, 3));
}

#include "platform/system/windows_version.h"

namespace sys {

WindowsVersion ReportedWindowsVersion() {
    return {10, 0, 2};
}

} // namespace sys

// The Windows version the program is told it runs on. The program only asks in order to
// switch features off on the oldest Windows (version 4.0); this platform reports a fixed
// modern version, 10.0 on the NT platform, so nothing is ever switched off.
#pragma once

namespace sys {

struct WindowsVersion {
    int major;
    int minor;
    int platformId; // 2: the NT platform
};

WindowsVersion ReportedWindowsVersion();

} // namespace sys

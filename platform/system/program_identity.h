// Who the program is: its file name, title, version and the texts of its version information.
// The version numbers come from the build (the CMake project version); the texts are fixed here.
// All texts are Windows-1252.
#pragma once

#include <string_view>

namespace sys {

struct ProgramVersion {
    int major;
    int minor;
    int revision;
};

// The executable's base name, "Tallowmere", whatever name the program was started under: it
// names the program's own files ("Tallowmere.ini", "Tallowmere.flt", "Tallowmere.icf") and its
// per-user settings.
std::string_view ExecutableBaseName();

// The application title (window captions, message-box titles).
std::string_view Title();

ProgramVersion Version();

// The version information's texts: what the about box, the start-up window and the exit
// message show.
std::string_view FileDescription();
std::string_view LegalCopyright();
std::string_view Comments();

} // namespace sys

#include "platform/system/program_identity.h"

// The build passes the project version as TALLOWMERE_VERSION_MAJOR, _MINOR and _REVISION.
#if !defined(TALLOWMERE_VERSION_MAJOR) || !defined(TALLOWMERE_VERSION_MINOR) ||                    \
    !defined(TALLOWMERE_VERSION_REVISION)
#error "the build must define the program version"
#endif

namespace sys {

std::string_view ExecutableBaseName() {
    return "Tallowmere";
}

std::string_view Title() {
    return "Tallowmere";
}

ProgramVersion Version() {
    return {TALLOWMERE_VERSION_MAJOR, TALLOWMERE_VERSION_MINOR, TALLOWMERE_VERSION_REVISION};
}

std::string_view FileDescription() {
    return "Tallowmere Retirement Distribution Illustrator";
}

std::string_view LegalCopyright() {
    return "Copyright \xA9 2026 The Tallowmere developers";
}

std::string_view Comments() {
    return "Illustrations of retirement-plan distributions under US tax rules.";
}

} // namespace sys

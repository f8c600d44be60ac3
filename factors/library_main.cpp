// The library's Windows entry procedure, kept as an export for callers that look it up. The
// library sets nothing up at load and releases nothing at unload, so nothing calls it.
#include "factors/tallowmere.h"

std::int32_t LIBMAIN(std::int32_t /*instance*/, std::int32_t reason, std::int32_t /*reserved*/) {
    // Process detach, process attach, thread attach and thread detach.
    return reason >= 0 && reason <= 3 ? 1 : 0;
}

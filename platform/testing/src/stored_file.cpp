#include "platform/testing/stored_file.h"

#include <cstdlib>

namespace testkit {

bool RegeneratingStoredFiles() {
    const char* regenerate = std::getenv("TALLOWMERE_REGENERATE");
    return regenerate != nullptr && *regenerate != '\0';
}

} // namespace testkit

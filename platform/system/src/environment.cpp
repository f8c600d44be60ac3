#include "platform/system/src/environment.h"

#include <cstdlib>

namespace sys {

std::optional<std::string> EnvironmentValue(const std::string& name) {
    const char* value = std::getenv(name.c_str());
    if (value == nullptr || *value == '\0') {
        return std::nullopt;
    }
    return std::string(value);
}

} // namespace sys

// Internal to platform/system: reading the environment variables that move folders and drives.
#pragma once

#include <optional>
#include <string>

namespace sys {

// The value of an environment variable; nothing when it is unset or empty.
std::optional<std::string> EnvironmentValue(const std::string& name);

} // namespace sys

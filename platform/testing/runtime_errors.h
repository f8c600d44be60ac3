// Checks of the run-time errors that the original language runtime raises.
#pragma once

#include "platform/runtime/runtime_error.h"

#include <functional>
#include <optional>

namespace testkit {

// The run-time error that `action` raises; nothing when it raises none.
std::optional<runtime::RuntimeError> RuntimeErrorOf(const std::function<void()>& action);

// The number of the run-time error that `action` raises; 0 when it raises none.
int ErrorNumberOf(const std::function<void()>& action);

// Fails the running test unless `action` raises the run-time error `expected`.
void ExpectRuntimeError(runtime::ErrorNumber expected, const std::function<void()>& action);

} // namespace testkit

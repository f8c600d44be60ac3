#include "platform/testing/runtime_errors.h"

#include <gtest/gtest.h>

namespace testkit {

std::optional<runtime::RuntimeError> RuntimeErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const runtime::RuntimeError& error) {
        return error;
    }
    return std::nullopt;
}

int ErrorNumberOf(const std::function<void()>& action) {
    const std::optional<runtime::RuntimeError> error = RuntimeErrorOf(action);
    return error ? error->Number() : 0;
}

void ExpectRuntimeError(runtime::ErrorNumber expected, const std::function<void()>& action) {
    EXPECT_EQ(ErrorNumberOf(action), static_cast<int>(expected))
        << "the run-time error raised (0: none)";
}

} // namespace testkit

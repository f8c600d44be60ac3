// A check shared by the runtime's tests: the call fails with the run-time error of that number.
#pragma once

#include "platform/runtime/runtime_error.h"

#include <gtest/gtest.h>

#include <functional>

inline void ExpectRuntimeError(runtime::ErrorNumber expected, const std::function<void()>& call) {
    try {
        call();
        ADD_FAILURE() << "no error";
    } catch (const runtime::RuntimeError& error) {
        EXPECT_EQ(error.Number(), static_cast<int>(expected));
    }
}

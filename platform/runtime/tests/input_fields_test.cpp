#include "platform/runtime/input_fields.h"

#include "platform/testing/runtime_errors.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

TEST(InputFields, ReadsFreeFormatWholeNumbers) {
    struct Case {
        const char* text;
        std::vector<std::int32_t> expected;
    };
    // Four numbers as a logo's placement file holds them, written in the ways a text file may.
    const Case cases[] = {
        {"0, 0, 1440, 0", {0, 0, 1440, 0}},
        {"0,0,1440,0", {0, 0, 1440, 0}},
        {"0\r\n0\r\n1440\r\n0\r\n", {0, 0, 1440, 0}},
        {"0 0\n1440\t0", {0, 0, 1440, 0}},
        {"  720 , 4320 ,\n 1440 , 2880 trailing", {720, 4320, 1440, 2880}},
        {"1,,2,3", {1, 0, 2, 3}},
        {"-5,abc,2.5,3.5", {-5, 0, 2, 4}},
        {"1e3,12x,0,0", {1000, 12, 0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(runtime::InputIntegers(c.text, 4), c.expected);
    }
}

TEST(InputFields, FailsPastTheEndAndOnOverflow) {
    struct Case {
        const char* text;
        runtime::ErrorNumber error;
    };
    const Case cases[] = {
        {"", runtime::ErrorNumber::InputPastEndOfFile},
        {"  \r\n", runtime::ErrorNumber::InputPastEndOfFile},
        {"1, 2, 3", runtime::ErrorNumber::InputPastEndOfFile},
        {"1, 2, 3,", runtime::ErrorNumber::InputPastEndOfFile},
        {"1, 2, 3, 99999999999", runtime::ErrorNumber::Overflow},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        testkit::ExpectRuntimeError(c.error, [&c] { runtime::InputIntegers(c.text, 4); });
    }
}

} // namespace

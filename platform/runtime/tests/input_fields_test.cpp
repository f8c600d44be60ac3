#include "platform/runtime/input_fields.h"

#include "platform/runtime/runtime_error.h"

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
        int error;
    };
    const Case cases[] = {
        {"", 62}, {"  \r\n", 62}, {"1, 2, 3", 62}, {"1, 2, 3,", 62}, {"1, 2, 3, 99999999999", 6},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        try {
            runtime::InputIntegers(c.text, 4);
            ADD_FAILURE() << "no error";
        } catch (const runtime::RuntimeError& error) {
            EXPECT_EQ(error.Number(), c.error);
        }
    }
}

} // namespace

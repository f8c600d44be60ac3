#include "platform/runtime/number_parse.h"

#include "platform/testing/runtime_errors.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

// Expected values follow the leading-number rule: whitespace ignored anywhere, the longest
// leading number read, no number reading as 0.
TEST(Val, ReadsTheLeadingNumber) {
    struct Case {
        const char* text;
        double expected;
    };
    const Case cases[] = {
        {"", 0.0},          {"   ", 0.0},
        {"abc", 0.0},       {"-", 0.0},
        {".", 0.0},         {"$5", 0.0},
        {"1234", 1234.0},   {"1234.50", 1234.5},
        {"1234.", 1234.0},  {".5", 0.5},
        {"-.5", -0.5},      {"+7", 7.0},
        {"-1000", -1000.0}, {"  42  ", 42.0},
        {"1 2 3", 123.0},   {"\t1\n5", 15.0},
        {"1,234.50", 1.0},  {"12abc", 12.0},
        {"1.2.3", 1.2},     {"--5", 0.0},
        {"5-", 5.0},        {"1e3", 1000.0},
        {"1E+3", 1000.0},   {"2.5e-2", 0.025},
        {"1e", 1.0},        {"1e+", 1.0},
        {"1ex", 1.0},       {"1 e 2", 100.0},
        {"4.00 %", 4.0},    {"0000000000000000000000000000012", 12.0},
        {"1e-400", 0.0},    {"0e99999999999999999999", 0.0},
        {"0.1", 0.1},       {"\r5", 0.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("\"") + c.text + "\"");
        EXPECT_EQ(runtime::Val(c.text), c.expected);
    }
}

TEST(Val, OverflowIsARuntimeError) {
    for (const char* text : {"1e400", "-1e309", "99999999e99999999999"}) {
        SCOPED_TRACE(text);
        testkit::ExpectRuntimeError(runtime::ErrorNumber::Overflow, [text] { runtime::Val(text); });
    }
}

TEST(ParseNumber, AcceptsWholeNumberTextsWithMoneySigns) {
    struct Case {
        const char* text;
        std::optional<double> expected;
    };
    const Case cases[] = {
        {"1234", 1234.0},
        {"  1234  ", 1234.0},
        {"$1,234", 1234.0},
        {"$1,234.56", 1234.56},
        {"1,2,34", 1234.0},
        {"$-5", -5.0},
        {"-$5", -5.0},
        {"+$5", 5.0},
        {"-5", -5.0},
        {"950", 950.0},
        {".5", 0.5},
        {"5.", 5.0},
        {"6.00", 6.0},
        {"1.5e3", 1500.0},
        {"1E-2", 0.01},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"abc", std::nullopt},
        {"$", std::nullopt},
        {"-", std::nullopt},
        {".", std::nullopt},
        {"12abc", std::nullopt},
        {"1 2", std::nullopt},
        {",5", std::nullopt},
        {"1.2.3", std::nullopt},
        {"6.00%", std::nullopt},
        {"1e", std::nullopt},
        {"--5", std::nullopt},
        {"$$5", std::nullopt},
        {"5-", std::nullopt},
        {"1.5,0", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("\"") + c.text + "\"");
        EXPECT_EQ(runtime::ParseNumber(c.text), c.expected);
    }
}

TEST(ParseNumber, OverflowIsARuntimeError) {
    testkit::ExpectRuntimeError(runtime::ErrorNumber::Overflow,
                                [] { runtime::ParseNumber("$1e999"); });
}

} // namespace

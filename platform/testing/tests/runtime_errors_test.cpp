#include "platform/testing/runtime_errors.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <stdexcept>

namespace {

using runtime::ErrorNumber;
using runtime::RuntimeError;

TEST(RuntimeErrorsTest, AnswerTheErrorRaisedOrNone) {
    EXPECT_EQ(testkit::ErrorNumberOf([] { throw RuntimeError(ErrorNumber::Overflow); }), 6);
    EXPECT_EQ(testkit::ErrorNumberOf([] {}), 0);
    const auto error = testkit::RuntimeErrorOf(
        [] { throw RuntimeError(ErrorNumber::FileNotFound, "Tallowmere.flt"); });
    ASSERT_TRUE(error.has_value());
    EXPECT_NE(std::string(error->what()).find("Tallowmere.flt"), std::string::npos);
    // Any other exception is the test's failure to see, not a run-time error.
    EXPECT_THROW(testkit::ErrorNumberOf([] { throw std::out_of_range("x"); }), std::out_of_range);
}

TEST(RuntimeErrorsTest, ExpectRuntimeErrorFailsOnAnotherErrorOrNone) {
    testkit::ExpectRuntimeError(ErrorNumber::Overflow,
                                [] { throw RuntimeError(ErrorNumber::Overflow); });
    EXPECT_NONFATAL_FAILURE(testkit::ExpectRuntimeError(ErrorNumber::Overflow, [] {}),
                            "the run-time error raised");
    EXPECT_NONFATAL_FAILURE(
        testkit::ExpectRuntimeError(ErrorNumber::Overflow,
                                    [] { throw RuntimeError(ErrorNumber::TypeMismatch); }),
        "Which is: 13");
}

} // namespace

// The entry procedure and the C-convention twins.
#include "factors/tests/exports.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace {

TEST(LibMain, AnswersOneForTheFourLoadReasonsOnly) {
    struct Case {
        std::int32_t reason;
        std::int32_t expected;
    };
    const Case cases[] = {
        {0, 1},
        {1, 1},
        {2, 1},
        {3, 1},
        {4, 0},
        {-1, 0},
        {std::numeric_limits<std::int32_t>::max(), 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "reason " << c.reason);
        EXPECT_EQ(Exports().LIBMAIN(0, c.reason, 0), c.expected);
    }
}

TEST(CConventionTwins, AnswerExactlyAsTheirNamesakesCodesIncluded) {
    const std::int16_t values[] = {-32768, -3, -2, -1, 0, 1, 2, 3, 4, 5, 60, 70, 115, 116, 200};
    const auto& lib = Exports();
    for (const std::int16_t a : values) {
        for (const std::int16_t b : values) {
            for (const std::int16_t c : values) {
                SCOPED_TRACE(testing::Message() << a << ", " << b << ", " << c);
                EXPECT_EQ(lib._c_rmdsinglefactor(a, b, c), lib.RMDSINGLEFACTOR(a, b, c));
                EXPECT_EQ(lib._c_rmdsinglefactor2001(a, b, c), lib.RMDSINGLEFACTOR2001(a, b, c));
                EXPECT_EQ(lib._c_rmdjointfactor(a, b, c), lib.RMDJOINTFACTOR(a, b, c));
                EXPECT_EQ(lib._c_rmdjointfactor2001(a, b, c), lib.RMDJOINTFACTOR2001(a, b, c));
            }
        }
    }
    EXPECT_EQ(lib._c_rmdsinglefactor(0, 80, 70), 301.0f);
}

} // namespace

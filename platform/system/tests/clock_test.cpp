#include "platform/system/clock.h"

#include <gtest/gtest.h>

#include <ctime>

namespace {

using namespace std::chrono;

TEST(Clock, ScopedClocksNestAndRestore) {
    const sys::LocalDateTime newYear{2011, 1, 1, 0, 0, 0};
    const sys::LocalDateTime leapDay{2012, 2, 29, 23, 59, 59};
    {
        sys::ScopedClock fixed(newYear);
        EXPECT_EQ(sys::Now(), newYear);
        EXPECT_EQ(sys::Today(), year{2011} / January / 1);
        {
            int calls = 0;
            sys::ScopedClock ticking([&] {
                ++calls;
                return leapDay;
            });
            EXPECT_EQ(sys::Today(), year{2012} / February / 29);
            EXPECT_EQ(calls, 1);
        }
        EXPECT_EQ(sys::Now(), newYear);
    }
    // The system clock answers again: a real, valid date near the C library's own.
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    const year_month_day today = sys::Today();
    EXPECT_TRUE(today.ok());
    EXPECT_NEAR(static_cast<int>(today.year()), local.tm_year + 1900, 1);
}

} // namespace

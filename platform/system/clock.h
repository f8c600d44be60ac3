// The local date and time: "today" and "now". Tests and demonstrations fix the clock with a
// ScopedClock, so that everything that asks for the date gets the same answer.
#pragma once

#include <chrono>
#include <functional>

namespace sys {

struct LocalDateTime {
    int year;
    int month;  // 1 to 12
    int day;    // 1 to 31
    int hour;   // 0 to 23
    int minute; // 0 to 59
    int second; // 0 to 59 (60 in a leap second)

    friend bool operator==(const LocalDateTime&, const LocalDateTime&) = default;
};

LocalDateTime Now();
std::chrono::year_month_day Today();

// While a ScopedClock lives, Now and Today answer from `clock`; when it ends, the clock it
// replaced answers again. Meant for the one user-interface thread and for tests.
class ScopedClock {
public:
    explicit ScopedClock(std::function<LocalDateTime()> clock);
    // A clock that stands still at `moment`.
    explicit ScopedClock(const LocalDateTime& moment);
    ~ScopedClock();
    ScopedClock(const ScopedClock&) = delete;
    ScopedClock& operator=(const ScopedClock&) = delete;

private:
    std::function<LocalDateTime()> replaced_;
};

} // namespace sys

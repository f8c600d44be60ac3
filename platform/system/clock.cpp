#include "platform/system/clock.h"

#include <ctime>
#include <utility>

namespace sys {

namespace {

LocalDateTime SystemNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
            local.tm_hour,        local.tm_min,     local.tm_sec};
}

std::function<LocalDateTime()>& CurrentClock() {
    static std::function<LocalDateTime()> clock = SystemNow;
    return clock;
}

} // namespace

LocalDateTime Now() {
    return CurrentClock()();
}

std::chrono::year_month_day Today() {
    const LocalDateTime now = Now();
    return std::chrono::year_month_day{std::chrono::year{now.year},
                                       std::chrono::month{static_cast<unsigned>(now.month)},
                                       std::chrono::day{static_cast<unsigned>(now.day)}};
}

ScopedClock::ScopedClock(std::function<LocalDateTime()> clock)
    : replaced_(std::exchange(CurrentClock(), std::move(clock))) {}

ScopedClock::ScopedClock(const LocalDateTime& moment) : ScopedClock([moment] { return moment; }) {}

ScopedClock::~ScopedClock() {
    CurrentClock() = std::move(replaced_);
}

} // namespace sys

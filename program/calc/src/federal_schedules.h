// The published federal tax rate schedules (Schedule X single, Schedule Y-1 married filing
// jointly, Schedule Z head of household) and the amount of one personal exemption, one entry per
// tax year in ascending order. The data is generated at build time by
// program/calc/tables/make_federal_schedules.cpp from the CSV copies beside it.
#pragma once

#include "program/calc/src/bracket_table.h"

#include <array>
#include <span>

namespace calc {

inline constexpr int kFederalBracketCount = 6;
inline constexpr int kFederalStatusCount = 3;

struct FederalSchedule {
    int year;
    int exemptionAmount;
    // By filing status code - 1: single, married filing jointly, head of household. The first
    // bracket starts at 0.
    std::array<std::array<TaxBracket, kFederalBracketCount>, kFederalStatusCount> brackets;
};

// Every tax year with a schedule, the years consecutive and ascending.
std::span<const FederalSchedule> FederalSchedules();

} // namespace calc

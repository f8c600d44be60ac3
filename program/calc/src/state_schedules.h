// The bracket schedules of the state income tax rules, and the credit table of "CT". There is
// one set, with no tax-year dependence. Every schedule starts at its lowest threshold; the rule
// that walks it adds the closing row.
#pragma once

#include "program/calc/filing_status.h"
#include "program/calc/src/bracket_table.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace calc {

// The schedules of one state by filing status; status 4 and every other code use `others`.
struct StateSchedules {
    std::string_view code;
    std::span<const TaxBracket> single;
    std::span<const TaxBracket> joint;
    std::span<const TaxBracket> head;
    std::span<const TaxBracket> others;

    std::span<const TaxBracket> ForStatus(FilingStatus filingStatus) const;
};

// The schedules of an upper-case state code, or null for a state without a bracketed rule.
const StateSchedules* FindStateSchedules(std::string_view code);

// One row of the "CT" credit table: incomes up to `limit` keep 1 - `fraction` of the tax.
struct CreditRow {
    double limit;
    double fraction;
};

// The "CT" credit table of a filing status, limits ascending; the last row has the limit 9999999
// and no credit.
std::span<const CreditRow> ConnecticutCredits(FilingStatus filingStatus);

} // namespace calc

#include "program/calc/src/federal_tax.h"

#include "program/calc/src/bracket_table.h"
#include "program/calc/src/federal_schedules.h"

namespace calc {

namespace {

// Every federal schedule closes here, with the rate of its top bracket, so that every income
// below it finds its bracket.
constexpr double kClosingThreshold = 999999999;

const FederalSchedule& ScheduleOfYear(std::int16_t& year) {
    const auto schedules = FederalSchedules();
    const int first = schedules.front().year;
    const int last = schedules.back().year;
    if (year < first || year > last) {
        year = static_cast<std::int16_t>(last + 1);
        return schedules.back();
    }
    return schedules[year - first];
}

int StatusIndex(FilingStatus filingStatus) {
    switch (filingStatus) {
    case FilingStatus::Single:
        return 0;
    case FilingStatus::HeadOfHousehold:
        return 2;
    default:
        return 1;
    }
}

} // namespace

double FederalTax(double income, FilingStatus filingStatus, std::int16_t exemptions,
                  double& maxBracket, std::int16_t& year) {
    const FederalSchedule& schedule = ScheduleOfYear(year);
    const std::int32_t exemptionTotal = std::int32_t{exemptions} * schedule.exemptionAmount;
    const double taxableIncome = income - exemptionTotal;

    const auto& brackets = schedule.brackets[StatusIndex(filingStatus)];
    BracketTable table;
    table.AddSchedule(brackets, {kClosingThreshold, brackets.back().rate});
    return TaxFromBrackets(table, taxableIncome, maxBracket);
}

} // namespace calc

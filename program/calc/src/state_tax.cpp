#include "program/calc/src/state_tax.h"

#include "program/calc/src/bracket_table.h"
#include "program/calc/src/state_schedules.h"

#include "platform/runtime/conversions.h"
#include "platform/runtime/text.h"

#include <algorithm>
#include <string>

namespace calc {

namespace {

// Every state schedule closes here, with no rate; the walks tax a base above it at the last rate.
constexpr TaxBracket kClosingRow = {9999999, 0};

// The inputs as the rules read them. Products and sums with the exemption count are whole
// numbers in 32 bits, which no 16-bit count can overflow.
struct StateReturn {
    double income;
    FilingStatus status;
    std::int32_t exemptions;
    double taxFederal;
    double maxFedBracket;
    const StateSchedules* schedules; // null for a rule without brackets

    double Walk(std::span<const TaxBracket> schedule, double base, double& maxBracket) const {
        BracketTable table;
        table.AddSchedule(schedule, kClosingRow);
        return TaxFromBrackets(table, base, maxBracket);
    }
    // The progressive walk over the state's schedule for the filing status.
    double Walk(double base, double& maxBracket) const {
        return Walk(schedules->ForStatus(status), base, maxBracket);
    }
};

using Rule = double (*)(const StateReturn&, double& maxBracket);

double NoTax(const StateReturn&, double&) {
    return 0;
}

// A flat rate on the income less an amount per exemption.
double FlatRate(const StateReturn& r, int perExemption, double rate, double& maxBracket) {
    maxBracket = rate;
    return rate * 0.01 * (r.income - perExemption * r.exemptions);
}

// A share of the federal tax; the top rate is the same share of the federal top rate.
double FederalShare(const StateReturn& r, double factor, double& maxBracket) {
    maxBracket = r.maxFedBracket * factor;
    return r.taxFederal * factor;
}

// The schedule walked over the income less an amount per exemption, less a credit per exemption.
double Brackets(const StateReturn& r, int perExemption, int creditPerExemption,
                double& maxBracket) {
    return r.Walk(r.income - perExemption * r.exemptions, maxBracket) -
           creditPerExemption * r.exemptions;
}

double Arizona(const StateReturn& r, double& maxBracket) {
    return r.income > 15000 ? FederalShare(r, 0.17, maxBracket) : FederalShare(r, 0.1, maxBracket);
}

double Alabama(const StateReturn& r, double& maxBracket) {
    const int standard =
        r.status == FilingStatus::Single || r.status == FilingStatus::HeadOfHousehold ? 1500 : 3000;
    const std::int32_t dependents =
        r.exemptions == 0 || r.exemptions == 1 ? 0 : 300 * (r.exemptions - 1);
    return r.Walk(r.income - r.taxFederal - standard - dependents, maxBracket);
}

double California(const StateReturn& r, double& maxBracket) {
    const bool lowThreshold =
        r.status == FilingStatus::Single || (r.status == FilingStatus::MarriedFilingJointly &&
                                             (r.exemptions == 0 || r.exemptions == 1));
    if (r.income <= (lowThreshold ? 9291 : 18582)) {
        return 0;
    }
    return std::max(r.Walk(r.income, maxBracket) - 75 * r.exemptions, 0.0);
}

double Iowa(const StateReturn& r, double& maxBracket) {
    const std::int32_t credit =
        r.exemptions >= 0 && r.exemptions <= 2 ? 20 * r.exemptions : 40 + 40 * (r.exemptions - 2);
    return r.Walk(r.income - r.taxFederal, maxBracket) - credit;
}

double Missouri(const StateReturn& r, double& maxBracket) {
    std::int32_t exemption = 0;
    if (r.status == FilingStatus::Single || r.status == FilingStatus::MarriedFilingJointly) {
        exemption = 1200 * r.exemptions;
    } else if (r.status == FilingStatus::HeadOfHousehold) {
        exemption = r.exemptions == 0   ? 0
                    : r.exemptions >= 5 ? 3500 + 1200 * (r.exemptions - 4)
                                        : 3500;
    }
    const double federalLimit =
        r.status == FilingStatus::Single || r.status == FilingStatus::HeadOfHousehold ? 5000
                                                                                      : 10000;
    return r.Walk(r.income - exemption - std::min(r.taxFederal, federalLimit), maxBracket);
}

double Mississippi(const StateReturn& r, double& maxBracket) {
    const std::int32_t e = r.exemptions;
    int standard = 0;
    std::int32_t exemption = 0;
    if (r.status == FilingStatus::Single) {
        standard = 2300;
        exemption = e <= 1 ? 6000 : 6000 + 1500 * (e - 1);
    } else if (r.status == FilingStatus::HeadOfHousehold) {
        standard = 1700;
        exemption = e <= 1 ? 9500 : 9500 + 1500 * (e - 1);
    } else {
        standard = 4600;
        exemption = e == 0 ? 0 : e == 1 ? 12000 : 12000 + 1500 * (e - 1);
    }
    return r.Walk(r.income - standard - exemption, maxBracket);
}

double NorthCarolina(const StateReturn& r, double& maxBracket) {
    const int standard = r.status == FilingStatus::Single            ? 3000
                         : r.status == FilingStatus::HeadOfHousehold ? 4400
                                                                     : 2500;
    const double limit = r.status == FilingStatus::Single            ? 60000
                         : r.status == FilingStatus::HeadOfHousehold ? 80000
                                                                     : 100000;
    const int perExemption = r.income < limit ? 2500 : 2000;
    return r.Walk(r.income - standard - perExemption * r.exemptions, maxBracket);
}

double Oklahoma(const StateReturn& r, double& maxBracket) {
    constexpr double kCap = 22560;
    const double excess = r.income > kCap ? r.income - kCap : 0;
    const double income = r.income > kCap ? kCap : r.income;
    const double deduction = std::clamp(0.15 * income, 1000.0, 2000.0);
    const double federal = std::max(0.15 * (income - 2800 * r.exemptions), 0.0);
    const double base = income - 1000 * r.exemptions - deduction - federal;
    return 0.0675 * excess + r.Walk(base, maxBracket);
}

double Oregon(const StateReturn& r, double& maxBracket) {
    const bool first = r.status == FilingStatus::Single ||
                       (r.status == FilingStatus::HeadOfHousehold && r.exemptions < 3);
    const auto schedule = first ? r.schedules->single : r.schedules->others;
    return r.Walk(schedule, r.income - std::min(r.taxFederal, 3000.0), maxBracket) -
           90 * r.exemptions;
}

double SouthCarolina(const StateReturn& r, double& maxBracket) {
    BracketTable table;
    table.AddSchedule(r.schedules->others, kClosingRow);
    return TaxFromBracketsVariant(table, r.income - 2300 * r.exemptions, maxBracket);
}

double Virginia(const StateReturn& r, double& maxBracket) {
    return r.Walk(r.income - 800 * r.exemptions - 2500, maxBracket);
}

double Ohio(const StateReturn& r, double& maxBracket) {
    return r.Walk(r.income - 650 * r.exemptions, maxBracket) * 1.615;
}

double Louisiana(const StateReturn& r, double& maxBracket) {
    const std::int32_t e = r.exemptions;
    const std::int32_t exemption = e == 0 ? 0 : e == 1 ? 4500 : 9000 + 1000 * (e - 2);
    const int credit = e == 0 || e == 1 ? 5000 : 15000;
    const double upper = std::max(0.01 * (r.income - credit - exemption), 0.0);
    maxBracket = 2;
    return 0.02 * (r.income - exemption) + upper;
}

double Massachusetts(const StateReturn& r, double& maxBracket) {
    const std::int32_t e = r.exemptions;
    if (r.income < 8000 && e > 0) {
        return 0;
    }
    const double income = r.income - std::min(0.0765 * r.income, 2000.0);
    std::int32_t exemption = 0;
    if (e == 1 || (e == 2 && r.status == FilingStatus::MarriedFilingJointly)) {
        exemption = 4400;
    } else if (e != 0) {
        exemption = 1000 * e + 3400;
    }
    maxBracket = 5.6;
    const double tax = (income - exemption) * 5.6 * 0.01;
    return r.status == FilingStatus::HeadOfHousehold ? std::max(tax - 134.4, 0.0) : tax;
}

// The exemption falls by 1000 for every 1000 or part of it by which the income exceeds the
// phase-out start, down to 0. The part of the taxable amount above the first-bracket limit is
// taxed at 4.5 percent on top of 3 percent of the limit; the credit of the income's row of the
// credit table then forgives a fraction of the tax (none above the table's last limit).
double Connecticut(const StateReturn& r, double& maxBracket) {
    double exemption = r.status == FilingStatus::Single            ? 12250
                       : r.status == FilingStatus::HeadOfHousehold ? 19000
                                                                   : 24000;
    double phaseOutStart = r.status == FilingStatus::Single            ? 24500
                           : r.status == FilingStatus::HeadOfHousehold ? 38000
                                                                       : 48000;
    while (r.income > phaseOutStart && exemption > 0) {
        exemption = std::max(exemption - 1000, 0.0);
        phaseOutStart += 1000;
    }
    const double taxable = std::max(r.income - exemption, 0.0);
    const double limit = r.status == FilingStatus::Single            ? 10000
                         : r.status == FilingStatus::HeadOfHousehold ? 16000
                                                                     : 20000;

    maxBracket = 3;
    double tax = taxable * 3 * 0.01;
    if (taxable > limit) {
        maxBracket = 4.5;
        tax = 0.03 * limit + 0.045 * (taxable - limit);
    }
    const auto credits = ConnecticutCredits(r.status);
    const auto row = std::ranges::find_if(
        credits, [&](const CreditRow& credit) { return credit.limit >= r.income; });
    const double fraction = row == credits.end() ? 0 : row->fraction;
    return tax * (1 - fraction);
}

struct StateRule {
    std::string_view code;
    Rule rule;
};

// Brackets(r, amount per exemption off the income, credit per exemption off the tax);
// FlatRate(r, amount per exemption off the income, rate in percent); FederalShare(r, factor).
constexpr StateRule kRules[] = {
    {"AK", NoTax},
    {"AL", Alabama},
    {"AR", [](const StateReturn& r, double& m) { return Brackets(r, 0, 20, m); }},
    {"AZ", Arizona},
    {"CA", California},
    {"CO", [](const StateReturn& r, double& m) { return Brackets(r, 2850, 0, m); }},
    {"CT", Connecticut},
    {"DC", [](const StateReturn& r, double& m) { return Brackets(r, 1370, 0, m); }},
    {"DE", [](const StateReturn& r, double& m) { return Brackets(r, 0, 110, m); }},
    {"FL", NoTax},
    {"GA", [](const StateReturn& r, double& m) { return Brackets(r, 2700, 0, m); }},
    {"HI", [](const StateReturn& r, double& m) { return Brackets(r, 1040, 0, m); }},
    {"ID", [](const StateReturn& r, double& m) { return Brackets(r, 2800, 0, m); }},
    {"IL", [](const StateReturn& r, double& m) { return FlatRate(r, 2000, 3.0, m); }},
    {"IN", [](const StateReturn& r, double& m) { return FlatRate(r, 1000, 3.4, m); }},
    {"IA", Iowa},
    {"KS", [](const StateReturn& r, double& m) { return Brackets(r, 2250, 0, m); }},
    {"KY", [](const StateReturn& r, double& m) { return Brackets(r, 0, 20, m); }},
    {"LA", Louisiana},
    {"MA", Massachusetts},
    {"MD", [](const StateReturn& r, double& m) { return Brackets(r, 2100, 0, m); }},
    {"ME", [](const StateReturn& r, double& m) { return Brackets(r, 2850, 0, m); }},
    {"MI", [](const StateReturn& r, double& m) { return FlatRate(r, 2900, 4.2, m); }},
    {"MN", [](const StateReturn& r, double& m) { return Brackets(r, 2700, 0, m); }},
    {"MO", Missouri},
    {"MS", Mississippi},
    {"MT", [](const StateReturn& r, double& m) { return Brackets(r, 1700, 0, m); }},
    {"NC", NorthCarolina},
    {"ND", [](const StateReturn& r, double& m) { return FederalShare(r, 0.14, m); }},
    {"NE", [](const StateReturn& r, double& m) { return Brackets(r, 1490, 0, m); }},
    {"NV", NoTax},
    {"NH", NoTax},
    {"NJ", [](const StateReturn& r, double& m) { return Brackets(r, 1000, 0, m); }},
    {"NM", [](const StateReturn& r, double& m) { return Brackets(r, 2800, 0, m); }},
    {"NY", [](const StateReturn& r, double& m) { return Brackets(r, 1000, 0, m); }},
    {"OH", Ohio},
    {"OK", Oklahoma},
    {"OR", Oregon},
    {"PA", [](const StateReturn& r, double& m) { return FlatRate(r, 0, 2.8, m); }},
    {"RI", [](const StateReturn& r, double& m) { return FederalShare(r, 0.265, m); }},
    {"SD", NoTax},
    {"TN", NoTax},
    {"TX", NoTax},
    {"SC", SouthCarolina},
    {"UT", [](const StateReturn& r, double& m) { return Brackets(r, 1620, 0, m); }},
    {"VA", Virginia},
    {"VT", [](const StateReturn& r, double& m) { return Brackets(r, 2900, 0, m); }},
    {"WA", NoTax},
    {"WI", [](const StateReturn& r, double& m) { return Brackets(r, 0, 22, m); }},
    {"WV", [](const StateReturn& r, double& m) { return Brackets(r, 2000, 0, m); }},
    {"WY", NoTax},
};

} // namespace

double StateTax(const StateTaxInputs& inputs, double& maxBracket) {
    if (inputs.income == 0) {
        return 0;
    }
    const std::string code = runtime::UpperCase(inputs.state);
    const auto rule = std::ranges::find(kRules, code, &StateRule::code);
    if (rule == std::end(kRules)) {
        return 0;
    }
    const StateReturn taxReturn = {inputs.income,        inputs.filingStatus,
                                   inputs.exemptions,    inputs.taxFederal,
                                   inputs.maxFedBracket, FindStateSchedules(code)};
    const double tax = std::max(rule->rule(taxReturn, maxBracket), 0.0);
    return runtime::Round(tax, 2);
}

} // namespace calc

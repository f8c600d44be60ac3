#include "program/calc/stretch_projection.h"

#include "program/calc/src/divisor.h"

#include "platform/runtime/runtime_error.h"

#include <cmath>

namespace calc {

void StretchProjection::Shape(int phases, int columns, int years) {
    phases_ = phases;
    columns_ = columns;
    years_ = years;
    cells_.assign(static_cast<std::size_t>(phases) * columns * years, 0);
}

std::size_t StretchProjection::Offset(int phase, int column, int yearIndex) const {
    if (phase < 0 || phase >= phases_ || column < 0 || column >= columns_ || yearIndex < 0 ||
        yearIndex >= years_) {
        throw runtime::RuntimeError(runtime::ErrorNumber::SubscriptOutOfRange);
    }
    return (static_cast<std::size_t>(phase) * columns_ + column) * years_ + yearIndex;
}

std::int64_t StretchProjection::Cell(int phase, int column, int yearIndex) const {
    return cells_[Offset(phase, column, yearIndex)];
}

void StretchProjection::SetCell(int phase, int column, int yearIndex, std::int64_t value) {
    cells_[Offset(phase, column, yearIndex)] = value;
}

namespace {

std::int64_t RoundToWhole(double value) {
    // 2^63: the first double beyond the cells' range.
    constexpr double kLimit = 9223372036854775808.0;
    const double rounded = std::nearbyint(value);
    if (!(rounded >= -kLimit && rounded < kLimit)) {
        throw runtime::RuntimeError(runtime::ErrorNumber::Overflow);
    }
    return static_cast<std::int64_t>(rounded);
}

// Writes the cells of one year: a value stored in an owner's phase goes to the all-years phase
// too, unless the column is the age or the distributions to date.
class YearWriter {
public:
    YearWriter(StretchProjection& projection, int phase, int yearIndex)
        : projection_(projection), phase_(phase), yearIndex_(yearIndex) {}

    void Store(StretchProjection::Column column, double value) {
        const std::int64_t cell = RoundToWhole(value);
        projection_.SetCell(phase_, column, yearIndex_, cell);
        projection_.SetCell(StretchProjection::kAllYears, column, yearIndex_, cell);
    }
    // The calendar year; the owner's age, and the year index in the all-years phase.
    void StoreYearAndAge(int calendarYear, int age) {
        Store(StretchProjection::kYear, calendarYear);
        StoreIn(phase_, StretchProjection::kAge, age);
        StoreIn(StretchProjection::kAllYears, StretchProjection::kAge, yearIndex_);
    }
    // The owner's distributions to date and those over all owners: each the cell of the year
    // before plus this year's distribution.
    void StoreRunningTotals(double distribution) {
        for (int phase : {phase_, static_cast<int>(StretchProjection::kAllYears)}) {
            StoreIn(
                phase, StretchProjection::kDistributionsToDate,
                projection_.Cell(phase, StretchProjection::kDistributionsToDate, yearIndex_ - 1) +
                    distribution);
        }
    }

private:
    void StoreIn(int phase, StretchProjection::Column column, double value) {
        projection_.SetCell(phase, column, yearIndex_, RoundToWhole(value));
    }

    StretchProjection& projection_;
    int phase_;
    int yearIndex_;
};

} // namespace

int ProjectStretch(const StretchInputs& in, const StretchDivisors& divisors,
                   StretchProjection& projection) {
    using P = StretchProjection;
    projection.ResetToProjection();
    const double growth = 1 + in.ratePercent / 100;
    double balance = in.startingValue;
    float paidIn = 0;

    for (int i = 0; i < in.planholderLE; ++i) {
        YearWriter year(projection, P::kPlanholder, i);
        year.StoreYearAndAge(in.year + i, in.planholderAge + i);
        const double opening = balance;
        if (i < in.contributionYears) {
            paidIn =
                static_cast<float>(i == 0 ? balance + in.contribution : paidIn + in.contribution);
            balance += in.contribution;
        }
        year.Store(P::kPaidIn, paidIn);
        balance *= growth;
        double distribution = 0;
        if (in.planholderAge + i >= in.planholderStartAge) {
            const double divisor =
                DivisorOf(divisors.joint(in.planholderAge + i, in.spouseAge + i));
            distribution = in.roth ? 0 : opening / divisor;
            balance -= distribution;
            year.Store(P::kDistribution, distribution);
        }
        // The planholder's total is the total of all years.
        if (i == 0) {
            year.Store(P::kDistributionsToDate, distribution);
        } else {
            year.StoreRunningTotals(distribution);
        }
        year.Store(P::kClosingBalance, balance);
    }

    for (int i = in.planholderLE; i < in.spouseLE; ++i) {
        YearWriter year(projection, P::kSpouse, i);
        year.StoreYearAndAge(in.year + i, in.spouseAge + i);
        const double opening = balance;
        year.Store(P::kPaidIn, paidIn);
        balance *= growth;
        double distribution = 0;
        // The spouse's distributions start in the year of the 71st birthday.
        if (in.spouseAge + i > 70) {
            const double divisor = DivisorOf(divisors.joint(in.spouseAge + i, in.spouseAge + i));
            distribution = in.roth ? 0 : opening / divisor;
            balance -= distribution;
            year.Store(P::kDistribution, distribution);
        }
        year.StoreRunningTotals(distribution);
        year.Store(P::kClosingBalance, balance);
    }

    // The beneficiary's divisor is not recalculated: it falls by one a year from the Single Life
    // divisor at the age of the first beneficiary year.
    const int beneficiaryStartAge = in.beneficiaryAge + in.spouseLE;
    for (int i = in.spouseLE; i < P::kYears; ++i) {
        YearWriter year(projection, P::kBeneficiary, i);
        year.StoreYearAndAge(in.year + i, in.beneficiaryAge + i);
        const double opening = balance;
        year.Store(P::kPaidIn, paidIn);
        balance *= growth;
        const double divisor =
            DivisorOf(divisors.single(beneficiaryStartAge, in.beneficiaryAge + i));
        const double distribution = divisor > 1.0 ? opening / divisor : balance;
        balance -= distribution;
        year.Store(P::kDistribution, distribution);
        year.StoreRunningTotals(distribution);
        year.Store(P::kClosingBalance, balance);
        if (balance < 100) {
            return i;
        }
    }
    // Only a balance that never falls below 100 gets here: the table's last year is the last.
    return P::kYears - 1;
}

} // namespace calc

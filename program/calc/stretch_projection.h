// The Stretch projection: one retirement account followed year by year through the planholder,
// a spouse beneficiary and a non-spouse beneficiary, until it is emptied.
//
// The projection lives in the caller's result array, which every calculation shapes: the RMD and
// RMBD calculations reset it to a single element, the Stretch calculation to 4 phases by 6
// columns by 121 years and fills it. Cells are 64-bit whole numbers (money in whole dollars), so
// that large or long-growing accounts never overflow them.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace calc {

class StretchProjection {
public:
    enum Phase { kPlanholder = 0, kSpouse = 1, kBeneficiary = 2, kAllYears = 3 };
    enum Column {
        kYear = 0,                // calendar year
        kAge = 1,                 // the owner's age; the year index in the all-years phase
        kPaidIn = 2,              // money paid in to date
        kDistribution = 3,        // the year's distribution
        kDistributionsToDate = 4, // the owner's distributions to date; over all owners in phase 3
        kClosingBalance = 5,      // the year's closing balance
    };
    static constexpr int kPhases = 4;
    static constexpr int kColumns = 6;
    static constexpr int kYears = 121; // year indices 0 to 120

    // A single element, 0.
    StretchProjection() { ResetToSingleElement(); }

    void ResetToSingleElement() { Shape(1, 1, 1); }
    // 4 phases by 6 columns by 121 years, all 0.
    void ResetToProjection() { Shape(kPhases, kColumns, kYears); }

    int PhaseCount() const { return phases_; }
    int ColumnCount() const { return columns_; }
    int YearCount() const { return years_; }

    // A cell outside the current shape is the runtime's subscript error.
    std::int64_t Cell(int phase, int column, int yearIndex) const;
    void SetCell(int phase, int column, int yearIndex, std::int64_t value);

private:
    void Shape(int phases, int columns, int years);
    std::size_t Offset(int phase, int column, int yearIndex) const;

    int phases_ = 0;
    int columns_ = 0;
    int years_ = 0;
    std::vector<std::int64_t> cells_;
};

// What the projection starts from: the Stretch inputs as read from the illustration, the ages on
// December 31 of the illustration year, and the owners' years.
struct StretchInputs {
    double ratePercent;       // hypothetical rate of return
    double startingValue;     // account value
    double contribution;      // yearly contribution
    double contributionYears; // contributions are made while the year index is below this
    int year;                 // the illustration year: year index 0
    bool roth;                // no required distribution for planholder and spouse
    int planholderAge;
    int spouseAge; // the planholder's age when there is no spouse
    int beneficiaryAge;
    int planholderStartAge; // 70 when born January to June, else 71
    int planholderLE;       // the planholder's years: indices 0 to planholderLE - 1
    int spouseLE;           // the first year index of the non-spouse beneficiary, at least
                            // planholderLE; a spouse phase exists when it is greater
};

// The divisors of the projection, from the factor library.
struct StretchDivisors {
    // RMDJOINTFACTOR(first age, second age, TenYearsYoungerOrActualAges).
    std::function<float(int firstAge, int secondAge)> joint;
    // RMDSINGLEFACTOR(StartAgeLessYearsElapsed, start age, current age).
    std::function<float(int startAge, int currentAge)> single;
};

// Fills `projection` (reset to the projection's shape) year by year. Each year's opening balance
// grows at the rate; contributions are added first, in the first years, and are not part of the
// balance the year's distribution is computed on. A divisor below 1.0, or a result code (101 or
// more) in its place, counts as 1.0; a non-spouse beneficiary's divisor of 1.0 pays out the whole
// grown balance. The projection ends in the first beneficiary year whose closing balance is below
// 100, or after year index 120; the result is the index of that last year. Money cells are the
// values rounded half to even at the moment they are stored; a value beyond 64 bits is the
// runtime's overflow error.
int ProjectStretch(const StretchInputs& inputs, const StretchDivisors& divisors,
                   StretchProjection& projection);

} // namespace calc

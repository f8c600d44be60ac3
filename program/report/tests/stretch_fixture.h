// A small Stretch projection for the report tests: a planholder, an optional spouse and a
// beneficiary whose account runs out, each row with its year, age and amounts.
#pragma once

#include "program/calc/stretch_projection.h"
#include "program/report/stretch_report.h"

namespace report::testing {

struct ProjectionShape {
    int planholderEnd;
    int spouseEnd;
    int lastRow;               // the beneficiary's last filled row
    std::int64_t distribution; // every row's distribution
};

inline calc::StretchProjection MakeProjection(const ProjectionShape& shape) {
    using P = calc::StretchProjection;
    P projection;
    projection.ResetToProjection();
    std::int64_t total = 0;
    for (int row = 0; row <= shape.lastRow; ++row) {
        const int phase = row < shape.planholderEnd ? P::kPlanholder
                          : row < shape.spouseEnd   ? P::kSpouse
                                                    : P::kBeneficiary;
        total += shape.distribution;
        const std::int64_t balance = row == shape.lastRow ? 0 : 500000 - row * 1000;
        for (const int target : {phase, static_cast<int>(P::kAllYears)}) {
            projection.SetCell(target, P::kYear, row, 2004 + row);
            projection.SetCell(target, P::kAge, row, target == P::kAllYears ? row : 70 + row);
            projection.SetCell(target, P::kPaidIn, row, row < 3 ? 3000 : 0);
            projection.SetCell(target, P::kDistribution, row, shape.distribution);
            projection.SetCell(target, P::kDistributionsToDate, row, total);
            projection.SetCell(target, P::kClosingBalance, row, balance);
        }
    }
    return projection;
}

inline StretchReportInputs MakeInputs(const ProjectionShape& shape) {
    StretchReportInputs inputs;
    inputs.state = {"Ann {A} Lee",       "Bo Lee",        "Cy Lee",     "01/02/1934",
                    "03/04/1940",        "05/06/1970",    "Lee IRA",    shape.lastRow,
                    shape.planholderEnd, shape.spouseEnd, shape.lastRow};
    inputs.accountValue = "$500,000";
    inputs.contribution = "3,000";
    inputs.contributionYears = "3";
    inputs.rateOfReturn = "6.00%";
    inputs.illustrationDate = "01/05/2004";
    inputs.stateCode = "CA";
    inputs.stateName = "California";
    inputs.taxYear = 2004;
    inputs.representative.firstName = "Pat";
    inputs.representative.lastName = "Reyes";
    inputs.representative.agency = "Reyes Planning";
    inputs.representative.workPhone = "555-0100";
    return inputs;
}

} // namespace report::testing

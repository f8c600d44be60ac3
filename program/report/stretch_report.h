// What the Stretch report derives from the projection before its template is filled: the phase
// years, the balances handed from one owner to the next, the future income, the comparison of
// three ways for the beneficiary to take the inherited balance with their taxes, the
// representative's block, the section flags, and the five ledgers.
#pragma once

#include "program/calc/representative_line.h"
#include "program/calc/stretch_projection.h"
#include "program/report/composer.h"

#include <string>
#include <variant>
#include <vector>

namespace report {

// The names, dates and phase indices the input check and the calculation leave for the report.
struct StretchState {
    std::string planholderName;
    std::string spouseName;
    std::string beneficiaryName;
    std::string planholderBirthDate; // date texts
    std::string spouseBirthDate;
    std::string beneficiaryBirthDate;
    std::string planName;
    int futureIncomeYear = 0; // year index of the future-income figure
    int planholderEnd = 0;    // number of planholder rows, the first spouse row
    int spouseEnd = 0;        // the first beneficiary row; planholderEnd without a spouse
    int beneficiaryEnd = 0;   // the beneficiary phase's end index
};

struct StretchReportInputs {
    StretchState state;
    // Field texts as entered.
    std::string accountValue;      // "6-StretchAcctValue"
    std::string contribution;      // "6-StretchAcctCont"
    std::string contributionYears; // "2-StretchContYrs"
    std::string rateOfReturn;      // "1-StretchROR", with its "%"
    std::string illustrationDate;  // "6-IllustrationDate"
    std::string stateCode;         // the client's two-letter state
    std::string stateName;         // its full name
    bool roth = false;             // distributions of a Roth account are not taxed
    int taxYear = 0;               // the tax year of the comparison: this year
    calc::RepresentativeInfo representative;
    ReportSections sections;
};

// One key of the template and its value: a text, or a number the template engine writes.
struct Substitution {
    std::string key;
    std::variant<std::string, double> value;

    friend bool operator==(const Substitution&, const Substitution&) = default;
};

// The balance the tax comparison takes as a lump sum: the all-years phase's closing balance in
// the year the spouse phase ends.
double LumpSum(const StretchReportInputs& inputs, const calc::StretchProjection& projection);

// Whether the report has its tax page: the taxes section is on and there is a lump sum of at
// least a dollar to compare.
bool HasTaxPage(const StretchReportInputs& inputs, const calc::StretchProjection& projection);

// The keys in the order the template is given them; a key whose condition fails is left out.
// Besides the keys of the report's figures, names and sections, the tax comparison gives
// "R-TaxYear", the year of the federal schedule it used, and the flag "HasACity" says that the
// representative's address has a city. User texts are escaped for rich text. Throws
// runtime::RuntimeError for a projection shorter than the indices name.
std::vector<Substitution> StretchSubstitutions(const StretchReportInputs& inputs,
                                               const calc::StretchProjection& projection);

// One repeated table: its block's name and one entry per row, cells joined by "~"; an empty
// entry before each group of ten rows.
struct StretchTable {
    std::string name;
    std::vector<std::string> entries;
};

// The planholder, spouse (when there is a spouse phase), beneficiary and all-years ledgers. The
// beneficiary and all-years ledgers end with the first row whose balance is below 1, or at year
// index 119.
std::vector<StretchTable> StretchTables(const StretchReportInputs& inputs,
                                        const calc::StretchProjection& projection);

} // namespace report

#include "program/report/stretch_report.h"

#include "program/calc/calc_tax.h"
#include "program/calc/rich_text_escape.h"
#include "program/illustration/formatting.h"

#include "platform/runtime/conversions.h"
#include "platform/runtime/number_format.h"
#include "platform/runtime/number_text.h"
#include "platform/runtime/text.h"

#include <cstdint>

namespace report {

namespace {

using Projection = calc::StretchProjection;

// The last row index any ledger or pass may reach.
constexpr int kLastRowIndex = 119;
// The tax settings of every computation of the comparison: two exemptions, married filing
// jointly, and a base income the distributions are added to.
constexpr std::int16_t kExemptions = 2;
constexpr double kBaseIncome = 50000;

std::string Dollars(double wholeDollars) {
    return illustration::FormatDollars(runtime::IntegerCStr(static_cast<long long>(wholeDollars)));
}

std::string Amount(std::int64_t value) {
    return illustration::FormatAmount(runtime::IntegerCStr(value));
}

double CleanedValue(const std::string& fieldText) {
    return illustration::CleanedNumber(fieldText);
}

// Rows of the beneficiary phase, or of all years from 0: from `first`, each row taken, until a
// row whose balance in `phase` is below 1, the projection's last filled row, or index 119.
std::vector<int> RowsUntilEmptied(const Projection& projection, int phase, int first,
                                  int lastFilled) {
    std::vector<int> rows;
    for (int i = first;; ++i) {
        rows.push_back(i);
        if (projection.Cell(phase, Projection::kClosingBalance, i) < 1 || i >= lastFilled ||
            i >= kLastRowIndex) {
            return rows;
        }
    }
}

// One taxed year of the comparison: the taxes on the base income plus `distribution`, less the
// taxes on the base income alone.
struct TaxedYear {
    double federal;
    double state;
    double maxFedBracket;
    double maxStateBracket;
};

class TaxComparison {
public:
    explicit TaxComparison(const StretchReportInputs& inputs) : inputs_(inputs) {
        Compute(0, false);
        baseFederal_ = tax_.TaxFederal();
        baseState_ = tax_.TaxState();
        // A year the federal schedules do not hold is answered with the year after the last
        // schedule, which is the one then used.
        const int answered = tax_.TaxYear();
        scheduleYear_ = answered == inputs.taxYear ? answered : answered - 1;
    }

    // The year of the federal schedule the computations use.
    int ScheduleYear() const { return scheduleYear_; }

    TaxedYear Year(double distribution) {
        Compute(distribution, !inputs_.roth);
        return {tax_.TaxFederal() - baseFederal_, tax_.TaxState() - baseState_,
                tax_.MaxFedBracket(), tax_.MaxStateBracket()};
    }

private:
    void Compute(double distribution, bool taxed) {
        tax_.Initialize();
        tax_.SetState(inputs_.stateCode);
        tax_.SetExemptions(kExemptions);
        tax_.SetFilingStatus(calc::FilingStatus::MarriedFilingJointly);
        tax_.SetIncome(kBaseIncome + (taxed ? distribution : 0));
        tax_.SetTaxYear(static_cast<std::int16_t>(inputs_.taxYear));
        tax_.Calculate();
    }

    const StretchReportInputs& inputs_;
    calc::CalcTax tax_;
    double baseFederal_ = 0;
    double baseState_ = 0;
    int scheduleYear_ = 0;
};

double Round2(double value) {
    return runtime::Round(value, 2);
}

// The share of `total` lost to taxes, in percent as the tax page's column prints it: always two
// decimals, so that the column's figures line up and none reads as cut short. Nothing
// distributed loses nothing: a total of 0 (every distribution rounded to $0) has a share of 0.
std::string ShareLost(double total, double afterTaxes) {
    const double share = total == 0 ? 0 : 1 - afterTaxes / total;
    return runtime::Format(Round2(share * 100), "#0.00");
}

// The sums of one pass and the keys they give.
struct PassSums {
    double total = 0;
    double federal = 0;
    double state = 0;
    double maxFedBracket = 0;
    double maxStateBracket = 0;

    void Add(double distribution, const TaxedYear& year, bool first) {
        total += distribution;
        federal += year.federal;
        state += year.state;
        if (first) {
            maxFedBracket = year.maxFedBracket;
            maxStateBracket = year.maxStateBracket;
        }
    }
};

class Keys {
public:
    void Text(std::string key, std::string value) {
        list_.push_back({std::move(key), std::move(value)});
    }
    void Number(std::string key, double value) { list_.push_back({std::move(key), value}); }
    void Flag(std::string key, bool given) {
        if (given) {
            Text(std::move(key), "");
        }
    }

    // A pass's money keys ("R-<name>TDist" and the rest) and its share lost to taxes.
    void Pass(const std::string& name, const PassSums& sums, const std::string& lostKey) {
        const double total = runtime::Round(sums.total);
        const double federal = runtime::Round(sums.federal);
        const double state = runtime::Round(sums.state);
        const double after = runtime::Round(sums.total - sums.federal - sums.state);
        Text("R-" + name + "TDist", Dollars(total));
        Text("R-" + name + "TFedTax", Dollars(federal));
        Text("R-" + name + "TStateTax", Dollars(state));
        Text("R-" + name + "TAfterTax", Dollars(after));
        Text(lostKey, ShareLost(sums.total, sums.total - sums.federal - sums.state));
    }

    std::vector<Substitution> Take() { return std::move(list_); }

private:
    std::vector<Substitution> list_;
};

void AddTaxComparison(Keys& keys, const StretchReportInputs& inputs, const Projection& projection,
                      double lumpSum) {
    const StretchState& state = inputs.state;
    const double growth = 1 + CleanedValue(inputs.rateOfReturn) / 100;

    // Pass 1: the whole balance in one year.
    TaxComparison lump(inputs);
    const TaxedYear year = lump.Year(lumpSum);
    const double federal = runtime::Round(year.federal);
    const double stateTax = runtime::Round(year.state);
    const double after = lumpSum - federal - stateTax;
    keys.Text("R-LumpTDist", Dollars(lumpSum));
    keys.Text("R-LumpTFedTax", Dollars(federal));
    keys.Text("R-LumpTStateTax", Dollars(stateTax));
    keys.Text("R-LumpTAfterTax", Dollars(after));
    keys.Number("LSF", Round2(year.maxFedBracket));
    keys.Number("LSS", Round2(year.maxStateBracket));
    keys.Text("LLT", ShareLost(lumpSum, after));
    keys.Text("R-TaxYear", runtime::IntegerCStr(lump.ScheduleYear()));

    // Pass 2: equal shares of the remaining balance over five years, the rest growing.
    TaxComparison five(inputs);
    PassSums fiveSums;
    double balance = lumpSum;
    for (int yearsLeft = 5; yearsLeft >= 1; --yearsLeft) {
        const double distribution = balance / yearsLeft;
        fiveSums.Add(distribution, five.Year(distribution), yearsLeft == 5);
        balance = (balance - distribution) * growth;
    }
    keys.Number("FSF", Round2(fiveSums.maxFedBracket));
    keys.Number("FSS", Round2(fiveSums.maxStateBracket));
    keys.Pass("Five", fiveSums, "FLT");

    // Pass 3: the required distributions of the beneficiary phase.
    TaxComparison required(inputs);
    PassSums requiredSums;
    for (const int row : RowsUntilEmptied(projection, Projection::kBeneficiary, state.spouseEnd,
                                          state.beneficiaryEnd)) {
        const auto distribution = static_cast<double>(
            projection.Cell(Projection::kBeneficiary, Projection::kDistribution, row));
        requiredSums.Add(distribution, required.Year(distribution), row == state.spouseEnd);
    }
    keys.Number("RSF", Round2(requiredSums.maxFedBracket));
    keys.Number("RSS", Round2(requiredSums.maxStateBracket));
    keys.Pass("RMD", requiredSums, "RLT");
}

double FutureIncome(double value) {
    double unit = 100;
    if (value > 10000000) {
        unit = 10000;
    } else if (value > 1000000) {
        unit = 1000;
    }
    return runtime::Round(value / unit) * unit;
}

std::string RepresentativeName(const calc::RepresentativeInfo& rep) {
    std::string name;
    if (!runtime::Trim(rep.firstName).empty()) {
        name += rep.firstName;
    }
    if (!runtime::Trim(rep.middleInitial).empty()) {
        name += " " + rep.middleInitial + ".";
    }
    if (!runtime::Trim(rep.lastName).empty()) {
        name += " " + rep.lastName;
    }
    return name;
}

// The contact numbers, each on a line of its own: rich text on purpose.
std::string PhoneBlock(const calc::RepresentativeInfo& rep) {
    std::string block = "\\par ";
    const std::pair<const char*, const std::string*> lines[] = {{"Office: ", &rep.workPhone},
                                                                {"Mobile: ", &rep.mobilePhone},
                                                                {"Fax: ", &rep.fax},
                                                                {"Email: ", &rep.email}};
    for (const auto& [label, value] : lines) {
        if (!runtime::Trim(*value).empty()) {
            block += label + calc::EscapeRichText(*value) + " \\par ";
        }
    }
    return block;
}

std::string LongDate(const std::string& date) {
    return calc::EscapeRichText(illustration::FormatLongDate(date));
}

} // namespace

double LumpSum(const StretchReportInputs& inputs, const Projection& projection) {
    return static_cast<double>(projection.Cell(Projection::kAllYears, Projection::kClosingBalance,
                                               inputs.state.spouseEnd - 1));
}

bool HasTaxPage(const StretchReportInputs& inputs, const Projection& projection) {
    return inputs.sections.taxes && LumpSum(inputs, projection) >= 1;
}

std::vector<Substitution> StretchSubstitutions(const StretchReportInputs& inputs,
                                               const Projection& projection) {
    const StretchState& s = inputs.state;
    const auto cell = [&](int phase, int column, int row) {
        return static_cast<double>(projection.Cell(phase, column, row));
    };
    Keys keys;
    keys.Text("R-PHName", calc::EscapeRichText(s.planholderName));
    keys.Text("R-PHDOB", LongDate(s.planholderBirthDate));
    keys.Text("R-SpouseName", calc::EscapeRichText(s.spouseName));
    keys.Text("R-SpouseDOB", LongDate(s.spouseBirthDate));
    keys.Text("R-BeneName", calc::EscapeRichText(s.beneficiaryName));
    keys.Text("R-BeneDOB", LongDate(s.beneficiaryBirthDate));
    std::string accountValue = inputs.accountValue;
    std::string contribution = inputs.contribution;
    keys.Text("R-AccountValue",
              illustration::FormatDollars(illustration::CleanNumber(accountValue)));
    keys.Text("R-AnnCont", illustration::FormatDollars(illustration::CleanNumber(contribution)));
    keys.Text("R-CY", calc::EscapeRichText(inputs.contributionYears));
    keys.Text("R-PlanName", calc::EscapeRichText(s.planName));
    keys.Text("x.xx%", calc::EscapeRichText(inputs.rateOfReturn));
    keys.Text("XY", runtime::IntegerCStr(s.futureIncomeYear));

    const bool spousePhase = s.spouseEnd > s.planholderEnd;
    if (spousePhase) {
        keys.Text("R-SpouseAccount",
                  Dollars(cell(Projection::kPlanholder, Projection::kClosingBalance,
                               s.planholderEnd - 1)));
        keys.Text("R-BeneAccount",
                  Dollars(cell(Projection::kSpouse, Projection::kClosingBalance, s.spouseEnd - 1)));
        keys.Text("R-Bene0Name", calc::EscapeRichText(s.spouseName));
    } else {
        keys.Text("R-BeneAccount", Dollars(cell(Projection::kPlanholder,
                                                Projection::kClosingBalance, s.spouseEnd - 1)));
        keys.Text("R-Bene0Name", calc::EscapeRichText(s.beneficiaryName));
    }
    keys.Number("R-PHX", s.planholderEnd);
    keys.Number("R-SHX", s.spouseEnd);
    keys.Number("R-BHX", s.beneficiaryEnd);
    keys.Number("PHStart", cell(Projection::kPlanholder, Projection::kYear, 0));
    keys.Number("PHEnd", cell(Projection::kPlanholder, Projection::kYear, s.planholderEnd - 1));
    keys.Number("SHStart", cell(Projection::kSpouse, Projection::kYear, s.planholderEnd));
    keys.Number("SHEnd", cell(Projection::kSpouse, Projection::kYear, s.spouseEnd - 1));
    keys.Number("BHStart", cell(Projection::kBeneficiary, Projection::kYear, s.spouseEnd));
    keys.Number("BHEnd", cell(Projection::kBeneficiary, Projection::kYear, s.beneficiaryEnd));

    const double planAssets =
        runtime::Round(CleanedValue(inputs.accountValue) + CleanedValue(inputs.contribution));
    if (planAssets > 0) {
        keys.Text("R-PlanAssets", Dollars(planAssets));
    }
    keys.Text("R-FutureInc",
              Dollars(FutureIncome(cell(Projection::kAllYears, Projection::kDistributionsToDate,
                                        s.futureIncomeYear))));
    keys.Text("S^", calc::EscapeRichText(inputs.stateName));

    const double lumpSum = LumpSum(inputs, projection);
    if (lumpSum > 0) {
        AddTaxComparison(keys, inputs, projection, lumpSum);
    }

    const calc::RepresentativeInfo& rep = inputs.representative;
    keys.Text("R-AName", calc::EscapeRichText(RepresentativeName(rep)));
    keys.Text("R-Agency", calc::EscapeRichText(runtime::Trim(rep.agency)));
    keys.Text("R-AAddress", calc::EscapeRichText(runtime::Trim(rep.street)));
    keys.Text("R-ACity", calc::EscapeRichText(runtime::Trim(rep.city)));
    keys.Text("R-AStateCode", calc::EscapeRichText(rep.state));
    keys.Text("R-AZip", calc::EscapeRichText(runtime::Trim(rep.zip)));
    keys.Text("R-Aphone", PhoneBlock(rep));
    keys.Text("R-IllustrationDate", LongDate(inputs.illustrationDate));

    const ReportSections& on = inputs.sections;
    keys.Flag("CoverPage", on.cover);
    keys.Flag("WrenhallPage", on.wrenhall);
    keys.Flag("TaxPage", HasTaxPage(inputs, projection));
    keys.Flag("LedgerPages", on.ledger);
    keys.Flag("Graph0", on.graph);
    keys.Flag("PWrenhall", on.wrenhall && (on.taxes || on.ledger || on.graph));
    keys.Flag("TPage", on.taxes && (on.ledger || on.graph));
    keys.Flag("PLedger", on.ledger && on.graph);
    keys.Flag("HasContributions", CleanedValue(inputs.contribution) > 0);
    keys.Flag("HasSpouse", spousePhase);
    // A Roth account asks no distributions of its owner or of a spouse who takes it over.
    keys.Flag("RothPlan", inputs.roth);
    keys.Flag("HasACity", !runtime::Trim(rep.city).empty());
    return keys.Take();
}

std::vector<StretchTable> StretchTables(const StretchReportInputs& inputs,
                                        const Projection& projection) {
    const StretchState& s = inputs.state;
    const bool contributions = CleanedValue(inputs.contribution) > 0;
    // The row's cells: the year, the age with the blank a non-negative number is written with,
    // then the amounts; the contribution column only where the ledger has one.
    const auto entry = [&](int phase, int row, bool withContribution) {
        std::string text = runtime::IntegerCStr(projection.Cell(phase, Projection::kYear, row)) +
                           "~" + runtime::IntegerStr(projection.Cell(phase, Projection::kAge, row));
        if (withContribution) {
            text += "~" + Amount(projection.Cell(phase, Projection::kPaidIn, row));
        }
        for (const int column : {Projection::kDistribution, Projection::kDistributionsToDate,
                                 Projection::kClosingBalance}) {
            text += "~" + Amount(projection.Cell(phase, column, row));
        }
        return text;
    };
    // An empty entry starts each new group of ten rows after the first row.
    const auto table = [&](std::string name, int phase, const std::vector<int>& rows,
                           int groupStart, bool withContribution) {
        StretchTable result{std::move(name), {}};
        for (const int row : rows) {
            if (row % 10 == groupStart % 10 && row > groupStart) {
                result.entries.emplace_back();
            }
            result.entries.push_back(entry(phase, row, withContribution));
        }
        return result;
    };
    const auto range = [](int first, int end) {
        std::vector<int> rows;
        for (int row = first; row < end; ++row) {
            rows.push_back(row);
        }
        return rows;
    };

    std::vector<StretchTable> tables;
    tables.push_back(table(contributions ? "PLANHOLDER0" : "PLANHOLDER1", Projection::kPlanholder,
                           range(0, s.planholderEnd), 0, contributions));
    if (s.spouseEnd > s.planholderEnd) {
        tables.push_back(table("SPOUSE", Projection::kSpouse, range(s.planholderEnd, s.spouseEnd),
                               s.planholderEnd, false));
    }
    tables.push_back(
        table("BENE", Projection::kBeneficiary,
              RowsUntilEmptied(projection, Projection::kBeneficiary, s.spouseEnd, s.beneficiaryEnd),
              s.spouseEnd, false));
    tables.push_back(table(contributions ? "ALLYEARS0" : "ALLYEARS1", Projection::kAllYears,
                           RowsUntilEmptied(projection, Projection::kAllYears, 0, s.beneficiaryEnd),
                           0, contributions));
    return tables;
}

} // namespace report

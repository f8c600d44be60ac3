#include "program/calc/calc_tax.h"

#include "platform/testing/file_contents.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace calc;

// The published schedules, read here from the project's copy of the CSVs, independently of the
// generated data the calculator uses.
struct PublishedBracket {
    double threshold;
    double rate;
};
using PublishedSchedules = std::map<std::pair<int, int>, std::vector<PublishedBracket>>;

std::vector<std::vector<std::string>> ReadCsv(const std::string& name) {
    std::ifstream in(std::string(TALLOWMERE_CALC_TABLES) + "/" + name);
    EXPECT_TRUE(in) << name;
    std::vector<std::vector<std::string>> rows;
    std::string line;
    std::getline(in, line); // header
    while (std::getline(in, line)) {
        std::vector<std::string> fields;
        std::stringstream stream(line);
        for (std::string field; std::getline(stream, field, ',');) {
            fields.push_back(field);
        }
        rows.push_back(fields);
    }
    return rows;
}

PublishedSchedules ReadSchedules() {
    const std::map<std::string, int> statuses = {{"single", 1}, {"mfj", 2}, {"hoh", 3}};
    PublishedSchedules schedules;
    for (const auto& row : ReadCsv("federal-tax-rate-schedules-2002-2012.csv")) {
        schedules[{std::stoi(row[0]), statuses.at(row[1])}].push_back(
            {std::stod(row[3]), std::stod(row[4])});
    }
    return schedules;
}

std::map<int, int> ReadExemptions() {
    std::map<int, int> amounts;
    for (const auto& row : ReadCsv("federal-exemptions-2002-2012.csv")) {
        amounts[std::stoi(row[0])] = std::stoi(row[1]);
    }
    return amounts;
}

// Tax by the schedule: each bracket's rate on the part of the income inside it.
double PublishedTax(const std::vector<PublishedBracket>& brackets, double income) {
    double tax = 0;
    for (std::size_t i = 0; i < brackets.size(); ++i) {
        const double top = i + 1 < brackets.size() ? brackets[i + 1].threshold : 1e300;
        tax +=
            brackets[i].rate / 100 * std::max(0.0, std::min(income, top) - brackets[i].threshold);
    }
    return tax;
}

// The rate of the bracket an income falls in; an income on a threshold is in the upper one.
double PublishedRate(const std::vector<PublishedBracket>& brackets, double income) {
    double rate = brackets.front().rate;
    for (const PublishedBracket& bracket : brackets) {
        if (income >= bracket.threshold) {
            rate = bracket.rate;
        }
    }
    return rate;
}

CalcTax Federal(int year, int status, int exemptions, double income) {
    CalcTax tax;
    tax.SetTaxYear(static_cast<std::int16_t>(year));
    tax.SetFilingStatus(static_cast<FilingStatus>(status));
    tax.SetExemptions(static_cast<std::int16_t>(exemptions));
    tax.SetIncome(income);
    tax.Calculate();
    return tax;
}

TEST(FederalTaxTest, TheProjectsTablesAreThePublishedOnes) {
    // The SHA-256 digests of the published schedules as they were delivered with their sources;
    // a correction brings its new copy and its new digest together.
    struct Case {
        const char* name;
        const char* sha256;
    };
    const Case cases[] = {
        {"federal-tax-rate-schedules-2002-2012.csv",
         "91f68f37d9cbc9e2fd6771cf038dd8a42a35bc1b52619e04d463d8b1b2647f99"},
        {"federal-exemptions-2002-2012.csv",
         "9faf6c1f19fccb24cae19d091f21d5c6b3e1a8b5f38c04a25d68b3f3f9f36f5c"},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(testkit::Sha256Digest(std::string(TALLOWMERE_CALC_TABLES) + "/" + row.name),
                  row.sha256);
    }
}

TEST(FederalTaxTest, EveryYearAndStatusFollowsThePublishedSchedule) {
    const PublishedSchedules schedules = ReadSchedules();
    ASSERT_EQ(schedules.size(), 33u);
    for (const auto& [key, brackets] : schedules) {
        const auto [year, status] = key;
        std::vector<double> incomes = {2500000};
        for (std::size_t i = 1; i < brackets.size(); ++i) {
            for (double offset : {-0.01, 0.0, 0.01}) {
                incomes.push_back(brackets[i].threshold + offset);
            }
        }
        for (double income : incomes) {
            SCOPED_TRACE(testing::Message()
                         << year << " status " << status << " income " << std::fixed << income);
            const CalcTax tax = Federal(year, status, 0, income);
            EXPECT_NEAR(tax.TaxFederal(), PublishedTax(brackets, income), 1e-6);
            EXPECT_EQ(tax.MaxFedBracket(), PublishedRate(brackets, income));
            EXPECT_EQ(tax.TaxYear(), year);
        }
    }
}

TEST(FederalTaxTest, EveryYearTakesOffItsPublishedExemptionAmount) {
    const PublishedSchedules schedules = ReadSchedules();
    for (const auto& [year, amount] : ReadExemptions()) {
        SCOPED_TRACE(year);
        const auto& brackets = schedules.at({year, 2});
        const double income = 60000;
        const CalcTax tax = Federal(year, 2, 3, income);
        EXPECT_NEAR(tax.TaxFederal(), PublishedTax(brackets, income - 3 * amount), 1e-6);
    }
}

TEST(FederalTaxTest, EdgeCases) {
    struct Case {
        const char* name;
        int year;
        int status;
        int exemptions;
        double income;
        double taxFederal;
        double maxFedBracket;
        int yearAfter;
    };
    const Case cases[] = {
        // 50000 - 2 x 3650 = 42700: 10% of 16700 plus 15% of 26000.
        {"the report's base case", 2009, 2, 2, 50000, 5570, 15, 2009},
        // The published 2010 schedule is its own: 10% of 16750 plus 15% of 25950.
        {"2010 has its own schedule", 2010, 2, 2, 50000, 5567.5, 15, 2010},
        {"a threshold is taxed by the rows below", 2012, 1, 0, 8700, 870, 15, 2012},
        {"2002 single, all six rows", 2002, 1, 0, 400000,
         600 + 3292.50 + 10732.50 + 22065 + 58030 + 35878.70, 38.6, 2002},
        // Years without a schedule take 2012's, with 3800 an exemption, and read 2013 after.
        {"2001 falls back", 2001, 1, 1, 12500, 870, 15, 2013},
        {"2013 falls back", 2013, 1, 1, 12500, 870, 15, 2013},
        {"2020 falls back", 2020, 1, 1, 12500, 870, 15, 2013},
        {"income below the exemptions", 2012, 2, 2, 5000, 0, 10, 2012},
        {"negative income", 2012, 1, 0, -5000, 0, 10, 2012},
        // Exemption products never overflow: 9 x 3650 and 32767 x 3800 are taken off whole.
        {"nine exemptions in 2009", 2009, 1, 9, 40000, 715, 10, 2009},
        {"the largest exemption count", 2012, 1, 32767, 1e9,
         112683.5 + 0.35 * (1e9 - 124514600 - 388350), 35, 2012},
        {"negative exemptions add to the income", 2012, 1, -1, 4900, 870, 15, 2012},
        {"an unknown status is taxed as married filing jointly", 2012, 4, 0, 17400, 1740, 15, 2012},
        {"zero income computes nothing", 2009, 2, 2, 0, 0, 0, 0},
        {"zero year computes nothing", 0, 2, 2, 50000, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const CalcTax tax = Federal(c.year, c.status, c.exemptions, c.income);
        EXPECT_NEAR(tax.TaxFederal(), c.taxFederal, 1e-6);
        EXPECT_EQ(tax.MaxFedBracket(), c.maxFedBracket);
        EXPECT_EQ(tax.TaxYear(), c.yearAfter);
    }
}

TEST(CalcTaxTest, TheReportsBaseCaseWithAState) {
    CalcTax tax;
    tax.Initialize();
    tax.SetState("ny");
    tax.SetExemptions(2);
    tax.SetFilingStatus(FilingStatus::MarriedFilingJointly);
    tax.SetIncome(50000);
    tax.SetTaxYear(2009);
    tax.Calculate();
    EXPECT_DOUBLE_EQ(tax.TaxFederal(), 5570);
    EXPECT_EQ(tax.MaxFedBracket(), 15);
    // New York: 50000 - 2 x 1000 = 48000 over its schedule, reaching the 6.85% bracket.
    EXPECT_DOUBLE_EQ(tax.TaxState(), 320 + 135 + 105 + 413 + 0.0685 * 28000);
    EXPECT_EQ(tax.MaxStateBracket(), 6.85);
}

TEST(CalcTaxTest, InitializeClearsEverything) {
    CalcTax tax = Federal(2009, 2, 2, 50000);
    tax.SetState("CA");
    tax.Initialize();
    EXPECT_EQ(tax.Income(), 0);
    EXPECT_EQ(tax.State(), "");
    EXPECT_EQ(tax.FilingStatus(), FilingStatus{});
    EXPECT_EQ(tax.Exemptions(), 0);
    EXPECT_EQ(tax.MaxFedBracket(), 0);
    EXPECT_EQ(tax.MaxStateBracket(), 0);
    EXPECT_EQ(tax.TaxFederal(), 0);
    EXPECT_EQ(tax.TaxState(), 0);
    EXPECT_EQ(tax.TaxYear(), 0);
}

TEST(CalcTaxTest, ASecondCalculationKeepsTheRewrittenYear) {
    CalcTax tax = Federal(2020, 1, 1, 12500);
    ASSERT_EQ(tax.TaxYear(), 2013);
    tax.SetIncome(13500);
    tax.Calculate();
    EXPECT_EQ(tax.TaxYear(), 2013);
    EXPECT_NEAR(tax.TaxFederal(), 1020, 1e-9);
}

TEST(CalcTaxTest, TheStateSeesTheUnclampedFederalTax) {
    // Alabama takes the federal tax off its base: with a negative federal tax the base grows.
    CalcTax tax;
    tax.SetState("AL");
    tax.SetFilingStatus(FilingStatus::Single);
    tax.SetExemptions(2);
    tax.SetIncome(5000);
    tax.SetTaxYear(2012);
    tax.Calculate();
    EXPECT_EQ(tax.TaxFederal(), 0);
    // Federal -260; base 5000 + 260 - 1500 - 300 = 3460 over 0/2%, 500/4%, 3000/5%.
    EXPECT_DOUBLE_EQ(tax.TaxState(), 10 + 100 + 23);
}

} // namespace

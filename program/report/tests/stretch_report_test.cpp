// The Stretch report's keys and ledgers over small projections.
#include "program/report/stretch_report.h"

#include "program/report/tests/stretch_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace {

using namespace report;

using report::testing::MakeInputs;
using report::testing::MakeProjection;
using report::testing::ProjectionShape;

std::map<std::string, Substitution> ByKey(const std::vector<Substitution>& list) {
    std::map<std::string, Substitution> keys;
    for (const Substitution& substitution : list) {
        keys.emplace(substitution.key, substitution);
    }
    return keys;
}

const StretchTable& Named(const std::vector<StretchTable>& tables, const std::string& name) {
    const auto found = std::find_if(tables.begin(), tables.end(),
                                    [&](const StretchTable& table) { return table.name == name; });
    EXPECT_NE(found, tables.end()) << name;
    return *found;
}

// Nothing distributed loses nothing to taxes: a total of 0 gives a share of 0.00.
TEST(StretchSubstitutions, ABeneficiaryWithoutDistributionsLosesNoShareToTaxes) {
    const ProjectionShape shape{5, 5, 12, 0};
    const auto keys = ByKey(StretchSubstitutions(MakeInputs(shape), MakeProjection(shape)));
    EXPECT_EQ(std::get<std::string>(keys.at("R-RMDTDist").value), "$0");
    EXPECT_EQ(std::get<std::string>(keys.at("RLT").value), "0.00");
    EXPECT_EQ(keys.count("LLT"), 1U);
    EXPECT_EQ(keys.count("FLT"), 1U);
    // What follows the comparison is still given.
    EXPECT_EQ(std::get<std::string>(keys.at("R-IllustrationDate").value), "January 5, 2004");
    EXPECT_EQ(std::get<std::string>(keys.at("R-Aphone").value), "\\par Office: 555-0100 \\par ");
}

TEST(StretchSubstitutions, UserTextsAreEscapedAndThePhoneBlockIsRichText) {
    const ProjectionShape shape{5, 8, 12, 100};
    auto inputs = MakeInputs(shape);
    inputs.representative.email = "p{at}@x";
    const auto keys = ByKey(StretchSubstitutions(inputs, MakeProjection(shape)));
    EXPECT_EQ(std::get<std::string>(keys.at("R-PHName").value), "Ann \\{A\\} Lee");
    EXPECT_EQ(std::get<std::string>(keys.at("R-Aphone").value),
              "\\par Office: 555-0100 \\par Email: p\\{at\\}@x \\par ");
    EXPECT_EQ(std::get<std::string>(keys.at("R-Bene0Name").value), "Bo Lee");
    EXPECT_EQ(std::get<std::string>(keys.at("R-SpouseAccount").value), "$496,000");
}

TEST(StretchSubstitutions, SectionFlagsFollowTheSwitches) {
    const ProjectionShape shape{5, 8, 12, 100};
    struct Case {
        ReportSections on;
        std::vector<std::string> flags;
    };
    const Case cases[] = {
        {{false, true, false, false, false}, {"WrenhallPage"}},
        {{true, true, true, true, true},
         {"CoverPage", "WrenhallPage", "TaxPage", "LedgerPages", "Graph0", "PWrenhall", "TPage",
          "PLedger"}},
        {{false, false, true, false, true}, {"TaxPage", "Graph0", "TPage"}},
        {{false, true, false, true, false}, {"WrenhallPage", "LedgerPages", "PWrenhall"}},
    };
    const std::vector<std::string> allFlags = {"CoverPage",   "WrenhallPage", "TaxPage",
                                               "LedgerPages", "Graph0",       "PWrenhall",
                                               "TPage",       "PLedger"};
    for (const Case& row : cases) {
        auto inputs = MakeInputs(shape);
        inputs.sections = row.on;
        const auto keys = ByKey(StretchSubstitutions(inputs, MakeProjection(shape)));
        std::vector<std::string> given;
        for (const std::string& flag : allFlags) {
            if (keys.count(flag) != 0) {
                given.push_back(flag);
            }
        }
        EXPECT_EQ(given, row.flags);
        EXPECT_EQ(keys.count("HasSpouse"), 1U);
        EXPECT_EQ(keys.count("HasContributions"), 1U);
    }
}

// The composer places the tax page's pictures by HasTaxPage: it must say what the template's
// "TaxPage" flag says.
TEST(StretchSubstitutions, HasTaxPageAgreesWithTheTaxPageFlag) {
    for (const ProjectionShape& shape :
         {ProjectionShape{5, 8, 12, 100}, ProjectionShape{5, 5, 12, 0}}) {
        for (const bool taxes : {false, true}) {
            auto inputs = MakeInputs(shape);
            inputs.sections.taxes = taxes;
            const auto projection = MakeProjection(shape);
            const auto keys = ByKey(StretchSubstitutions(inputs, projection));
            EXPECT_EQ(HasTaxPage(inputs, projection), keys.count("TaxPage") == 1);
            EXPECT_EQ(HasTaxPage(inputs, projection), taxes && LumpSum(inputs, projection) >= 1);
        }
    }
}

TEST(StretchTables, LedgersEndAtTheLastFilledRowAndGroupByTen) {
    // The beneficiary's last row still holds a balance of 1 or more: the ledgers end there all
    // the same, not in the empty rows after it.
    const ProjectionShape shape{13, 41, 47, 100};
    auto projection = MakeProjection(shape);
    projection.SetCell(calc::StretchProjection::kBeneficiary,
                       calc::StretchProjection::kClosingBalance, 47, 50);
    projection.SetCell(calc::StretchProjection::kAllYears, calc::StretchProjection::kClosingBalance,
                       47, 50);
    const auto tables = StretchTables(MakeInputs(shape), projection);
    ASSERT_EQ(tables.size(), 4U);

    const auto emptyBefore = [](const StretchTable& table) {
        std::vector<int> positions;
        for (std::size_t i = 0; i < table.entries.size(); ++i) {
            if (table.entries[i].empty()) {
                positions.push_back(static_cast<int>(i));
            }
        }
        return positions;
    };
    const StretchTable& planholder = Named(tables, "PLANHOLDER0");
    EXPECT_EQ(planholder.entries.size(), 13U + 1U);
    EXPECT_EQ(emptyBefore(planholder), std::vector<int>{10});
    EXPECT_EQ(planholder.entries[0], "2004~ 70~3,000~100~100~500,000");
    // The spouse rows 13 to 40: empty entries before rows 23 and 33.
    const StretchTable& spouse = Named(tables, "SPOUSE");
    EXPECT_EQ(spouse.entries.size(), 28U + 2U);
    EXPECT_EQ(emptyBefore(spouse), (std::vector<int>{10, 21}));
    EXPECT_EQ(spouse.entries.front(), "2017~ 83~100~1,400~487,000");
    const StretchTable& beneficiary = Named(tables, "BENE");
    EXPECT_EQ(beneficiary.entries.back(), "2051~ 117~100~4,800~50");
    const StretchTable& allYears = Named(tables, "ALLYEARS0");
    EXPECT_EQ(allYears.entries.back(), "2051~ 47~0~100~4,800~50");
}

TEST(StretchTables, WithoutContributionsOrSpouseTheLedgersHaveFiveCells) {
    const ProjectionShape shape{6, 6, 10, 100};
    auto inputs = MakeInputs(shape);
    inputs.contribution = "";
    const auto tables = StretchTables(inputs, MakeProjection(shape));
    std::vector<std::string> names;
    for (const StretchTable& table : tables) {
        names.push_back(table.name);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"PLANHOLDER1", "BENE", "ALLYEARS1"}));
    EXPECT_EQ(Named(tables, "PLANHOLDER1").entries[0], "2004~ 70~100~100~500,000");
    EXPECT_EQ(Named(tables, "BENE").entries.back(), "2014~ 80~100~1,100~0");
}

} // namespace

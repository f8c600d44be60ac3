#include "program/calc/src/bracket_table.h"

#include "platform/runtime/runtime_error.h"

#include <gtest/gtest.h>

namespace {

using namespace calc;

// The 2009 single schedule as the federal calculation writes it, closed at 999999999.
BracketTable FederalTable() {
    BracketTable table;
    const TaxBracket brackets[] = {{0, 10},     {8350, 15},   {33950, 25},
                                   {82250, 28}, {171550, 33}, {357700, 35}};
    table.AddSchedule(brackets, {999999999, 35});
    return table;
}

// A state schedule, closed at 9999999 with no rate.
BracketTable StateTable() {
    BracketTable table;
    const TaxBracket brackets[] = {{0, 2}, {2000, 3}, {4000, 4}};
    table.AddSchedule(brackets, {9999999, 0});
    return table;
}

struct WalkCase {
    const char* name;
    BracketTable table;
    double income;
    double tax;
    double maxBracket;
};

TEST(TaxFromBracketsTest, WalksTheBracketsBelowTheIncome) {
    const WalkCase cases[] = {
        {"inside the second bracket", FederalTable(), 10000, 835 + 247.50, 15},
        {"on a threshold: the upper bracket's rate", FederalTable(), 8350, 835, 15},
        {"zero income", FederalTable(), 0, 0, 10},
        {"negative income: negative tax", FederalTable(), -1000, -100, 10},
        // Above the closing threshold the closing row taxes the rest at the top rate.
        {"above the federal closing threshold", FederalTable(), 1999999999,
         835 + 3840 + 12075 + 25004 + 61429.5 + 0.35 * (999999999 - 357700) + 0.35 * 1e9, 35},
        // A state schedule's closing row has no rate: the last bracket with one goes on.
        {"at the state closing threshold", StateTable(), 9999999, 40 + 60 + 0.04 * (9999999 - 4000),
         4},
        {"above the state closing threshold", StateTable(), 20000000,
         40 + 60 + 0.04 * (20000000 - 4000), 4},
        {"empty table", BracketTable(), 5000, 0, 0},
    };
    for (const WalkCase& c : cases) {
        SCOPED_TRACE(c.name);
        double maxBracket = -1;
        EXPECT_NEAR(TaxFromBrackets(c.table, c.income, maxBracket), c.tax, 1e-6);
        EXPECT_EQ(maxBracket, c.maxBracket);
    }
}

TEST(TaxFromBracketsTest, SumsAtMostFourteenRows) {
    BracketTable table;
    for (int row = 0; row < BracketTable::kRows; ++row) {
        table.AddRow(row * 1000, 10);
    }
    double maxBracket = 0;
    // Rows 1 to 14 are taxed whole; the income above the fifteenth threshold is not taxed.
    EXPECT_NEAR(TaxFromBrackets(table, 50000, maxBracket), 1400, 1e-9);
    EXPECT_THROW(table.AddRow(99999, 10), runtime::RuntimeError);
}

TEST(TaxFromBracketsVariantTest, ChargesOnlyTheBracketHoldingTheIncome) {
    const WalkCase cases[] = {
        {"inside the second bracket", FederalTable(), 10000, 247.50, 15},
        {"on a threshold: the bracket starting there", FederalTable(), 8350, 0, 15},
        {"below the first threshold", StateTable(), -500, -10, 2},
        {"top bracket", StateTable(), 9000, 200, 4},
        // A closing row without a rate leaves the income in the last bracket with one.
        {"at the state closing threshold", StateTable(), 9999999, 0.04 * (9999999 - 4000), 4},
        {"far above it", StateTable(), 5e9, 0.04 * (5e9 - 4000), 4},
        {"above the federal closing threshold", FederalTable(), 1999999999,
         0.35 * (1999999999 - 999999999), 35},
    };
    for (const WalkCase& c : cases) {
        SCOPED_TRACE(c.name);
        double maxBracket = -1;
        EXPECT_NEAR(TaxFromBracketsVariant(c.table, c.income, maxBracket), c.tax, 1e-6);
        EXPECT_EQ(maxBracket, c.maxBracket);
    }
}

} // namespace

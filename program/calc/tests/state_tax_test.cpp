#include "program/calc/src/state_tax.h"

#include <gtest/gtest.h>

namespace {

using namespace calc;

struct Result {
    double tax;
    double maxBracket;
};

// Every state code in three households, each with the federal results the rules may read:
//   A: married filing jointly, 2 exemptions, income 50000, federal tax 5570 at 15 percent;
//   B: single, 1 exemption, income 20000, federal tax 1765 at 15 percent;
//   C: head of household, 3 exemptions, income 150000, federal tax 30000 at 28 percent.
// The expected values come from a separate reference calculation of the rules. Worked by hand:
//   AL A: 50000 - 5570 - 3000 - 300 = 41130; 2% of 1000 + 4% of 5000 + 5% of 35130 = 1976.50.
//   CT A: the exemption 24000 falls to 22000; taxable 28000; 3% of 20000 + 4.5% of 8000 = 960;
//         the credit row of 50000 forgives 15 percent: 816.
//   LA A: 2% of (50000 - 9000) + 1% of (50000 - 15000 - 9000) = 1080.
//   NY A: 48000 over the schedule: 320 + 135 + 105 + 413 + 6.85% of 28000 = 2891.
// A rule without a rate leaves the top rate as it was (0 here).
struct StateCase {
    const char* code;
    Result a;
    Result b;
    Result c;
};
const StateCase kStates[] = {
    {"AK", {0, 0.0}, {0, 0.0}, {0, 0.0}},
    {"AL", {1976.5, 5.0}, {796.75, 5.0}, {5855.0, 5.0}},
    {"AR", {2790.0, 7.0}, {760.0, 6.0}, {9770.0, 7.0}},
    {"AZ", {946.9, 2.55}, {300.05, 2.55}, {5100.0, 4.76}},
    {"CA", {1406.42, 6.0}, {411.63, 4.0}, {10971.43, 9.3}},
    {"CO", {1766.35, 4.63}, {717.65, 4.63}, {6472.74, 4.63}},
    {"CT", {816.0, 4.5}, {151.12, 3}, {6510.0, 4.5}},
    {"DC", {3505.18, 9.3}, {1047.25, 7.5}, {12677.77, 9.3}},
    {"DE", {2168.5, 5.55}, {631.0, 5.2}, {7968.5, 5.95}},
    {"FL", {0, 0.0}, {0, 0.0}, {0, 0.0}},
    {"GA", {2416.0, 6.0}, {848.0, 6.0}, {8254.0, 6.0}},
    {"HI", {3065.92, 7.6}, {1152.96, 7.6}, {10874.88, 7.6}},
    {"ID", {2755.7, 7.8}, {1040.5, 7.8}, {11221.93, 8.2}},
    {"IL", {1380.0, 3}, {540.0, 3}, {4320.0, 3}},
    {"IN", {1632.0, 3.4}, {646.0, 3.4}, {4998.0, 3.4}},
    {"IA", {2904.04, 8.42}, {871.64, 6.98}, {9624.64, 8.98}},
    {"KS", {1643.75, 6.25}, {516.25, 3.5}, {8573.62, 6.45}},
    {"KY", {2760.0, 6.0}, {980.0, 6.0}, {8740.0, 6.0}},
    {"LA", {1080.0, 2}, {415.0, 2}, {4050.0, 2}},
    {"MA", {2441.6, 5.6}, {787.92, 5.6}, {7795.2, 5.6}},
    {"MD", {2144.4, 4.8}, {805.2, 4.8}, {6843.6, 4.8}},
    {"ME", {2248.0, 8.5}, {771.5, 7.0}, {11321.25, 8.5}},
    {"MI", {1856.4, 4.2}, {718.2, 4.2}, {5934.6, 4.2}},
    {"MN", {2386.96, 7.05}, {839.95, 5.35}, {10253.18, 7.85}},
    {"MO", {2296.8, 6.0}, {797.1, 6.0}, {8265.0, 6.0}},
    {"MS", {1445.0, 5.0}, {435.0, 5.0}, {6640.0, 5.0}},
    {"MT", {2410.61, 6.5}, {657.91, 6.1}, {8800.11, 6.5}},
    {"NC", {2762.5, 7.0}, {887.5, 7.0}, {10049.0, 7.75}},
    {"ND", {779.8, 2.1}, {247.1, 2.1}, {4200.0, 3.92}},
    {"NE", {2037.43, 6.98}, {600.08, 5.32}, {9691.79, 7.36}},
    {"NV", {0, 0.0}, {0, 0.0}, {0, 0.0}},
    {"NH", {0, 0.0}, {0, 0.0}, {0, 0.0}},
    {"NJ", {860.0, 2.0}, {285.0, 1.5}, {7970.0, 7.0}},
    {"NM", {1720.7, 6.0}, {485.7, 4.7}, {10207.5, 8.2}},
    {"NY", {2891.0, 6.85}, {914.0, 5.9}, {10357.8, 8.14}},
    {"OH", {1945.27, 3.5}, {458.26, 2.5}, {8886.54, 5.0}},
    {"OK", {2402.98, 8.0}, {725.3, 9.0}, {9106.58, 8.0}},
    {"OR", {3589.8, 9.0}, {1338.85, 9.0}, {12499.8, 9.0}},
    {"PA", {1400.0, 2.8}, {560.0, 2.8}, {4200.0, 2.8}},
    {"RI", {1476.05, 3.975}, {467.73, 3.975}, {7950.0, 7.42}},
    {"SD", {0, 0.0}, {0, 0.0}, {0, 0.0}},
    {"TN", {0, 0.0}, {0, 0.0}, {0, 0.0}},
    {"TX", {0, 0.0}, {0, 0.0}, {0, 0.0}},
    {"SC", {2478.0, 7.0}, {539.0, 7.0}, {9317.0, 7.0}},
    {"UT", {2713.62, 6.5}, {962.85, 6.5}, {9202.25, 6.5}},
    {"VA", {2381.75, 5.75}, {705.0, 5.0}, {8085.75, 5.75}},
    {"VT", {1359.0, 3.6}, {520.2, 3.6}, {9108.84, 8.64}},
    {"WA", {0, 0.0}, {0, 0.0}, {0, 0.0}},
    {"WI", {3050.82, 6.5}, {913.02, 7.28}, {9505.86, 6.5}},
    {"WV", {1935.0, 6.0}, {620.0, 4.0}, {8235.0, 6.5}},
    {"WY", {0, 0.0}, {0, 0.0}, {0, 0.0}},
};

Result Compute(const char* code, double income, int status, int exemptions, double taxFederal,
               double maxFedBracket, double maxBracketBefore = 0) {
    Result result{0, maxBracketBefore};
    result.tax = StateTax({income, code, static_cast<FilingStatus>(status),
                           static_cast<std::int16_t>(exemptions), taxFederal, maxFedBracket},
                          result.maxBracket);
    return result;
}

void ExpectResult(const Result& actual, const Result& expected) {
    EXPECT_DOUBLE_EQ(actual.tax, expected.tax);
    EXPECT_NEAR(actual.maxBracket, expected.maxBracket, 1e-12);
}

TEST(StateTaxTest, EveryStateCodeInThreeHouseholds) {
    ASSERT_EQ(std::size(kStates), 51u);
    for (const StateCase& state : kStates) {
        SCOPED_TRACE(state.code);
        {
            SCOPED_TRACE("A");
            ExpectResult(Compute(state.code, 50000, 2, 2, 5570, 15), state.a);
        }
        {
            SCOPED_TRACE("B");
            ExpectResult(Compute(state.code, 20000, 1, 1, 1765, 15), state.b);
        }
        {
            SCOPED_TRACE("C");
            ExpectResult(Compute(state.code, 150000, 3, 3, 30000, 28), state.c);
        }
    }
}

TEST(StateTaxTest, EdgeCases) {
    struct Case {
        const char* name;
        const char* code;
        double income;
        int status;
        int exemptions;
        double taxFederal;
        double maxFedBracket;
        Result expected; // top rate -1: left as it was
    };
    const Case cases[] = {
        {"AZ at 15000 takes a tenth of the federal tax", "AZ", 15000, 1, 0, 1000, 10, {100, 1}},
        {"AZ above 15000 takes 17 percent", "AZ", 15000.01, 1, 0, 1000, 10, {170, 1.7}},
        {"CA at its filing threshold", "CA", 9291, 1, 0, 0, 0, {0, -1}},
        {"CA joint with two exemptions below 18582", "CA", 10000, 2, 2, 0, 0, {0, -1}},
        {"AL with a federal tax above the income", "AL", 10000, 1, 1, 20000, 25, {0, 2}},
        {"IA with a federal tax above the income", "IA", 10000, 2, 2, 20000, 25, {0, 0.36}},
        {"MA below 8000 with an exemption", "MA", 7999.99, 1, 1, 0, 0, {0, -1}},
        // 7999.99 less 7.65 percent of it, at 5.6 percent.
        {"MA below 8000 without exemptions", "MA", 7999.99, 1, 0, 0, 0, {413.73, 5.6}},
        // (50000 - 2000 - 5400) at 5.6 percent, less 134.40.
        {"MA head of household", "MA", 50000, 3, 2, 0, 0, {2251.2, 5.6}},
        // The exemption is gone; 3% of 10000 + 4.5% of 40000 = 2100, 8 percent forgiven.
        {"CT single at 50000", "CT", 50000, 1, 0, 0, 0, {1932, 4.5}},
        {"CT above the credit table: no credit",
         "CT",
         20000000,
         1,
         0,
         0,
         0,
         {300 + 0.045 * (20000000 - 10000), 4.5}},
        {"CT at the exemption", "CT", 12250, 1, 0, 0, 0, {0, 3}},
        // I = 22560, D = 2000, F = 3384, base 17176 in the 10 percent bracket; 6.75% of 17440.
        {"OK single", "OK", 40000, 1, 0, 0, 0, {985.1 + 1177.2, 10}},
        {"LA with A below 0", "LA", 8000, 1, 1, 0, 0, {70, 2}},
        // 50000 - 12 x 2850 = 15800 (no overflow); 4.63% of 14150.
        {"CO with twelve exemptions", "CO", 50000, 1, 12, 0, 0, {655.14, 4.63}},
        // A tenth of 1.25 and of 3.75: a half cent goes to the even cent.
        {"a half cent down to the even cent", "AZ", 15000, 1, 0, 1.25, 10, {0.12, 1}},
        {"a half cent up to the even cent", "AZ", 15000, 1, 0, 3.75, 10, {0.38, 1}},
        {"SC in its top bracket", "SC", 9999998, 1, 0, 0, 0, {699299.86, 7}},
        // A base at or above the closing threshold stays in the top bracket.
        {"SC with a base one dollar below the closing threshold",
         "SC",
         10004598,
         1,
         2,
         0,
         0,
         {699299.86, 7}},
        {"SC with a base on the closing threshold", "SC", 10004599, 1, 2, 0, 0, {699299.93, 7}},
        {"SC far above the closing threshold", "SC", 20000000, 1, 0, 0, 0, {1399300, 7}},
        {"IA reaches its ninth bracket", "IA", 60000, 1, 0, 0, 0, {4316.64, 8.98}},
        {"WI single at 500000", "WI", 500000, 1, 0, 0, 0, {32473.01, 6.75}},
        {"WI single at 100000", "WI", 100000, 1, 0, 0, 0, {6321.86, 6.5}},
        {"ID below its first threshold", "ID", 0.5, 1, 0, 0, 0, {0, 0}},
        {"rounded to cents", "PA", 1000.35, 1, 0, 0, 0, {28.01, 2.8}},
        {"OR head of household with three exemptions", "OR", 50000, 3, 3, 5570, 15, {3499.8, 9}},
        {"OR head of household with two", "OR", 50000, 3, 2, 5570, 15, {3837.7, 9}},
        {"MO head of household with six", "MO", 50000, 3, 6, 5570, 15, {2121, 6}},
        {"MS status 4", "MS", 50000, 4, 0, 5570, 15, {2120, 5}},
        {"lower case code", "al", 10000, 1, 1, 20000, 25, {0, 2}},
        {"blank before the code", " AL", 50000, 1, 1, 0, 0, {0, -1}},
        {"blank inside the code", "A L", 50000, 1, 1, 0, 0, {0, -1}},
        {"empty code", "", 50000, 1, 1, 0, 0, {0, -1}},
        {"Puerto Rico has no rule", "PR", 50000, 1, 1, 0, 0, {0, -1}},
        {"TX has no tax", "TX", 50000, 1, 1, 0, 0, {0, -1}},
        {"zero income", "NY", 0, 1, 1, 0, 0, {0, -1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ExpectResult(
            Compute(c.code, c.income, c.status, c.exemptions, c.taxFederal, c.maxFedBracket, -1),
            c.expected);
    }
}

// Far above the closing threshold of the state schedules (9999999) every rule goes on taxing at
// its top rate: two incomes ten million apart differ by that rate on ten million. Single, no
// exemptions, a federal tax of 35 percent of the income. The rates are the top brackets of the
// schedules, scaled where a rule takes the federal tax off the base (AL, IA: by 0.65), multiplies
// the walk (OH: 1.615) or charges a share of the federal tax (AZ, ND, RI).
TEST(StateTaxTest, EveryStateTaxesHugeIncomesAtItsTopRate) {
    struct TopRate {
        const char* code;
        double percent;
    };
    const TopRate cases[] = {
        {"AK", 0},    {"AL", 3.25}, {"AR", 7},    {"AZ", 5.95},  {"CA", 9.3},  {"CO", 4.63},
        {"CT", 4.5},  {"DC", 9.3},  {"DE", 5.95}, {"FL", 0},     {"GA", 6},    {"HI", 7.6},
        {"ID", 8.2},  {"IL", 3},    {"IN", 3.4},  {"IA", 5.837}, {"KS", 6.45}, {"KY", 6},
        {"LA", 3},    {"MA", 5.6},  {"MD", 4.8},  {"ME", 8.5},   {"MI", 4.2},  {"MN", 7.85},
        {"MO", 6},    {"MS", 5},    {"MT", 6.5},  {"NC", 8.25},  {"ND", 4.9},  {"NE", 7.36},
        {"NV", 0},    {"NH", 0},    {"NJ", 7},    {"NM", 8.2},   {"NY", 7.35}, {"OH", 8.075},
        {"OK", 6.75}, {"OR", 9},    {"PA", 2.8},  {"RI", 9.275}, {"SD", 0},    {"TN", 0},
        {"TX", 0},    {"SC", 7},    {"UT", 6.5},  {"VA", 5.75},  {"VT", 9.5},  {"WA", 0},
        {"WI", 6.75}, {"WV", 6.5},  {"WY", 0},
    };
    ASSERT_EQ(std::size(cases), std::size(kStates));
    constexpr double kLower = 20000000;
    constexpr double kUpper = 30000000;
    for (const TopRate& c : cases) {
        SCOPED_TRACE(c.code);
        const double lower = Compute(c.code, kLower, 1, 0, 0.35 * kLower, 35).tax;
        const double upper = Compute(c.code, kUpper, 1, 0, 0.35 * kUpper, 35).tax;
        EXPECT_EQ(lower > 0, c.percent > 0) << lower;
        // Each tax is rounded to the cent.
        EXPECT_NEAR(upper - lower, c.percent * 0.01 * (kUpper - kLower), 0.01 + 1e-6);
    }
}

} // namespace

// Every exported lookup against the project's copy of the published tables (factors/tables/,
// read here at test time), and the properties and telling values the tables must keep.
#include "factors/joint_cell.h"
#include "factors/tables/published_table.h"
#include "factors/tests/exports.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <utility>

namespace {

namespace tables = factors::tables;
using factors::kHighestAge;

constexpr int kPreTwoThousandTwoLowestAge = 5;

struct AgeValue {
    int age;
    float value;
};

struct Cell {
    int younger, older;
    float value;
};

// One table of the project's copy, by age or by (younger, older) pair.
class PublishedValues {
public:
    explicit PublishedValues(const tables::PublishedTable& table) {
        const auto file = std::filesystem::path(TALLOWMERE_TABLES_DIR) / table.fileName;
        for (const auto& row : tables::ReadPublishedTable(file, table.shape)) {
            values_[{row.age, row.olderAge}] = row.value;
        }
    }
    bool Holds(int age) const { return Holds(age, age); }
    bool Holds(int younger, int older) const { return values_.contains({younger, older}); }
    float At(int age) const { return At(age, age); }
    float At(int younger, int older) const { return values_.at({younger, older}); }
    const std::map<std::pair<int, int>, float>& All() const { return values_; }

private:
    std::map<std::pair<int, int>, float> values_;
};

// The project's copy of the tables, read once per test program.
struct ProjectCopy {
    PublishedValues singleLife{tables::kIrsSingleLife};
    PublishedValues jointLastSurvivor{tables::kIrsJointLastSurvivor};
    PublishedValues uniformLifetime{tables::kIrsUniformLifetime};
    PublishedValues tableV{tables::kAnnuityTableV};
    PublishedValues tableVI{tables::kAnnuityTableVi};
};

const ProjectCopy& Copy() {
    static const ProjectCopy kCopy;
    return kCopy;
}

// The Table V age that holds the value of `age`: ages below 5 repeat the age-5 value.
int TableVAge(int age) {
    return std::max(age, kPreTwoThousandTwoLowestAge);
}

TEST(CurrentTables, SingleLifeAnswersThePublishedValueAtEveryAge) {
    const auto& lib = Exports();
    for (int age = 0; age <= kHighestAge; ++age) {
        SCOPED_TRACE(testing::Message() << "age " << age);
        const float published = Copy().singleLife.At(age);
        for (const int mode : {-2, -1, 1}) {
            EXPECT_EQ(lib.RMDSINGLEFACTOR(mode, 0, age), published);
        }
        EXPECT_EQ(lib.RMDSINGLEFACTOR(0, age, age), published);
    }
}

TEST(CurrentTables, JointLifeAnswersThePublishedValueForEveryPair) {
    const auto& lib = Exports();
    for (const auto& [pair, published] : Copy().jointLastSurvivor.All()) {
        const auto [younger, older] = pair;
        SCOPED_TRACE(testing::Message() << younger << '/' << older);
        EXPECT_EQ(lib.RMDJOINTFACTOR(younger, older, 2), published);
        EXPECT_EQ(lib.RMDJOINTFACTOR(older, younger, 2), published);
    }
}

TEST(CurrentTables, TenYearsYoungerGivesTheUniformLifetimeDivisorFrom70Up) {
    const auto& lib = Exports();
    for (int age = 70; age <= kHighestAge; ++age) {
        SCOPED_TRACE(testing::Message() << "age " << age);
        EXPECT_EQ(lib.RMDJOINTFACTOR(age, 0, 0), Copy().uniformLifetime.At(age));
        EXPECT_EQ(lib.RMDJOINTFACTOR(age, 0, -2), Copy().uniformLifetime.At(age));
    }
}

// Values that fix the 2002 edition of the tables: Single Life (Q&A-1), Joint and Last Survivor
// (Q&A-3), and the Uniform Lifetime divisors (Q&A-2) on the ten-years-younger cells.
TEST(CurrentTables, TellingValues) {
    const auto& lib = Exports();
    const AgeValue single[] = {{0, 82.4f},  {1, 81.6f},  {10, 72.8f}, {20, 63.0f}, {30, 53.3f},
                               {40, 43.6f}, {50, 34.2f}, {60, 25.2f}, {70, 17.0f}, {75, 13.4f},
                               {80, 10.2f}, {90, 5.5f},  {100, 2.9f}, {110, 1.1f}, {111, 1.0f}};
    for (const auto& [age, value] : single) {
        SCOPED_TRACE(testing::Message() << "age " << age);
        EXPECT_EQ(lib.RMDSINGLEFACTOR(1, 0, age), value);
    }
    for (int age = 111; age <= kHighestAge; ++age) {
        EXPECT_EQ(lib.RMDSINGLEFACTOR(1, 0, age), 1.0f) << "age " << age;
    }
    const Cell joint[] = {
        {0, 0, 90.0f},   {0, 5, 87.8f},   {0, 115, 82.4f},  {55, 70, 31.1f},  {60, 70, 27.4f},
        {61, 71, 26.5f}, {62, 72, 25.6f}, {65, 65, 26.2f},  {70, 70, 21.8f},  {70, 75, 19.9f},
        {80, 80, 13.8f}, {90, 90, 7.8f},  {100, 100, 4.2f}, {110, 110, 1.5f}, {115, 115, 1.0f},
        {65, 75, 22.9f}, {70, 80, 18.7f}, {80, 90, 11.4f},  {90, 100, 6.3f},  {105, 115, 1.9f},
    };
    for (const auto& c : joint) {
        SCOPED_TRACE(testing::Message() << c.younger << '/' << c.older);
        EXPECT_EQ(lib.RMDJOINTFACTOR(c.younger, c.older, 2), c.value);
    }
}

TEST(CurrentTables, NoValueRisesWithAgeAndNoneLeavesOneToNinety) {
    const auto& lib = Exports();
    float smallest = 1000.0f;
    float largest = 0.0f;
    for (int age = 1; age <= kHighestAge; ++age) {
        EXPECT_LE(lib.RMDSINGLEFACTOR(1, 0, age), lib.RMDSINGLEFACTOR(1, 0, age - 1))
            << "age " << age;
    }
    for (int older = 0; older <= kHighestAge; ++older) {
        for (int younger = 0; younger <= older; ++younger) {
            SCOPED_TRACE(testing::Message() << younger << '/' << older);
            const float cell = lib.RMDJOINTFACTOR(younger, older, 2);
            smallest = std::min(smallest, cell);
            largest = std::max(largest, cell);
            if (older < kHighestAge) {
                EXPECT_LE(lib.RMDJOINTFACTOR(younger, older + 1, 2), cell); // along the row
            }
            if (younger < older) {
                EXPECT_LE(lib.RMDJOINTFACTOR(younger + 1, older, 2), cell); // down the column
            }
            EXPECT_GE(cell, lib.RMDSINGLEFACTOR(1, 0, younger));
            EXPECT_GE(cell, lib.RMDSINGLEFACTOR(1, 0, older));
        }
    }
    EXPECT_EQ(smallest, 1.0f);
    EXPECT_EQ(largest, 90.0f);
}

TEST(PreTwoThousandTwoTables, SingleLifeAnswersTableVWhereTheCopyHoldsTheAge) {
    const auto& lib = Exports();
    for (int age = 0; age <= kHighestAge; ++age) {
        SCOPED_TRACE(testing::Message() << "age " << age);
        const float expected = Copy().tableV.Holds(TableVAge(age))
                                   ? Copy().tableV.At(TableVAge(age))
                                   : lib.RMDSINGLEFACTOR(1, 0, age);
        EXPECT_EQ(lib.RMDSINGLEFACTOR2001(1, 0, age), expected);
        // Mode 0 floors at 1.0; the other modes answer Table V's values below 1.0 as they are.
        EXPECT_EQ(lib.RMDSINGLEFACTOR2001(0, age, age), std::max(expected, 1.0f));
    }
}

TEST(PreTwoThousandTwoTables, JointLifeAnswersTableVIWhereTheCopyHoldsThePair) {
    const auto& lib = Exports();
    for (int older = kPreTwoThousandTwoLowestAge; older <= kHighestAge; ++older) {
        for (int younger = kPreTwoThousandTwoLowestAge; younger <= older; ++younger) {
            SCOPED_TRACE(testing::Message() << younger << '/' << older);
            const float expected = Copy().tableVI.Holds(younger, older)
                                       ? Copy().tableVI.At(younger, older)
                                       : lib.RMDJOINTFACTOR(younger, older, 2);
            EXPECT_EQ(lib.RMDJOINTFACTOR2001(younger, older, 2), expected);
            EXPECT_EQ(lib.RMDJOINTFACTOR2001(older, younger, 2), expected);
        }
    }
}

// Until the pre-2002 data is complete, a cell it lacks answers the current table's value: for a
// single life at the same arguments, for two lives at the cell the pre-2002 lookup reads (ages
// below its first age read at that age). Never 0, never a made-up number, never the 1.0 that
// would force the whole balance out.
TEST(PreTwoThousandTwoTables, CellsTheCopyLacksAnswerTheCurrentTables) {
    const auto& lib = Exports();
    int lacking = 0;
    for (int age = kPreTwoThousandTwoLowestAge; age <= kHighestAge; ++age) {
        if (Copy().tableV.Holds(age)) {
            continue;
        }
        ++lacking;
        for (const int mode : {-2, -1, 0, 1}) {
            // Mode 0 reads the start age, the other modes the current age: the lacking one here.
            const int startAge = mode == 0 ? age : 0;
            const int currentAge = mode == 0 ? kHighestAge : age;
            SCOPED_TRACE(testing::Message()
                         << "mode " << mode << ", ages " << startAge << " and " << currentAge);
            const float answer = lib.RMDSINGLEFACTOR2001(mode, startAge, currentAge);
            EXPECT_EQ(answer, lib.RMDSINGLEFACTOR(mode, startAge, currentAge));
            EXPECT_GT(answer, 0.0f);
        }
    }
    for (int first = 0; first <= kHighestAge; ++first) {
        for (int second = 0; second <= kHighestAge; ++second) {
            for (const int mode : {-2, -1, 0, 1, 2}) {
                const auto cell =
                    factors::JointCell(first, second, mode, kPreTwoThousandTwoLowestAge);
                if (Copy().tableVI.Holds(cell.younger, cell.older)) {
                    continue;
                }
                ++lacking;
                SCOPED_TRACE(testing::Message() << first << ", " << second << ", mode " << mode);
                const float answer = lib.RMDJOINTFACTOR2001(first, second, mode);
                EXPECT_EQ(answer, lib.RMDJOINTFACTOR(cell.younger, cell.older, 2));
                EXPECT_GT(answer, 0.0f);
            }
        }
    }
    if (lacking == 0) {
        GTEST_SKIP() << "the copy of the pre-2002 tables is complete";
    }
}

// Values that fix Tables V and VI of Treas. Reg. 1.72-9. A value the copy does not hold yet is
// answered from the current tables, so it can only be checked once the row is added.
TEST(PreTwoThousandTwoTables, TellingValuesWhereTheCopyHoldsThem) {
    const auto& lib = Exports();
    const AgeValue single[] = {{0, 76.6f},  {3, 76.6f},  {5, 76.6f},  {6, 75.6f},  {10, 71.7f},
                               {20, 61.9f}, {50, 33.1f}, {65, 20.0f}, {70, 16.0f}, {80, 9.5f},
                               {90, 5.0f},  {100, 2.7f}, {110, 1.0f}, {115, 0.5f}};
    for (const auto& [age, value] : single) {
        SCOPED_TRACE(testing::Message() << "age " << age);
        const bool held = Copy().tableV.Holds(TableVAge(age));
        EXPECT_EQ(lib.RMDSINGLEFACTOR2001(1, 0, age),
                  held ? value : lib.RMDSINGLEFACTOR(1, 0, age));
    }
    const Cell joint[] = {
        {5, 5, 83.8f},   {5, 6, 83.3f},   {5, 20, 78.9f},   {5, 115, 76.6f},
        {35, 35, 54.0f}, {50, 50, 39.2f}, {65, 65, 25.0f},  {65, 70, 23.1f},
        {70, 70, 20.6f}, {80, 80, 12.8f}, {100, 100, 3.8f}, {115, 115, 0.5f},
    };
    for (const auto& c : joint) {
        SCOPED_TRACE(testing::Message() << c.younger << '/' << c.older);
        const bool held = Copy().tableVI.Holds(c.younger, c.older);
        EXPECT_EQ(lib.RMDJOINTFACTOR2001(c.younger, c.older, 2),
                  held ? c.value : lib.RMDJOINTFACTOR(c.younger, c.older, 2));
    }
}

TEST(PreTwoThousandTwoTables, PublishedValuesKeepTheTablesProperties) {
    // All values lie between 0.5 and 83.8; with the second age 115 the two-life value is the
    // one-life value of the first age.
    for (const auto* table : {&Copy().tableV, &Copy().tableVI}) {
        for (const auto& [pair, value] : table->All()) {
            SCOPED_TRACE(testing::Message() << pair.first << '/' << pair.second);
            EXPECT_GE(value, 0.5f);
            EXPECT_LE(value, 83.8f);
        }
    }
    for (int age = kPreTwoThousandTwoLowestAge; age <= kHighestAge; ++age) {
        if (Copy().tableVI.Holds(age, kHighestAge) && Copy().tableV.Holds(age)) {
            EXPECT_EQ(Copy().tableVI.At(age, kHighestAge), Copy().tableV.At(age)) << "age " << age;
        }
    }
}

} // namespace

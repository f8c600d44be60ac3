// The four life tables the factor lookups read. They are constant data, generated at build time
// from the published tables in factors/tables/ by tables/generate_life_tables.cpp, so every call
// reads the same read-only values and no call builds or changes a table.
#pragma once

#include <array>

namespace factors {

inline constexpr int kHighestAge = 115;
inline constexpr int kAgeCount = kHighestAge + 1;

// A joint table holds only the triangle of pairs younger <= older, the rows of the older ages one
// after the other, each listing the younger ages from 0 up to the older age.
inline constexpr int kPairCount = kAgeCount * (kAgeCount + 1) / 2;

constexpr int PairIndex(int younger, int older) {
    return older * (older + 1) / 2 + younger;
}

// Every published value is above 0; a stored 0 marks a cell the published data does not hold.
constexpr bool IsHeld(float value) {
    return value > 0.0f;
}

// One value per age, 0 to 115.
struct SingleLifeTable {
    std::array<float, kAgeCount> byAge;

    float At(int age) const { return byAge[age]; }
};

// One value per pair of ages 0 <= younger <= older <= 115.
struct JointLifeTable {
    std::array<float, kPairCount> byPair;

    float At(int younger, int older) const { return byPair[PairIndex(younger, older)]; }
};

// The current IRS tables of Treas. Reg. 1.401(a)(9)-9: the Single Life Table (Q&A-1) and the
// Joint and Last Survivor Table (Q&A-3). Both are complete; the generator refuses a gap.
extern const SingleLifeTable SINGLETABLE;
extern const JointLifeTable JOINTTABLE;

// The pre-2002 annuity tables of Treas. Reg. 1.72-9: Table V (one life, ages 5 to 115; ages 0 to
// 4 repeat the age-5 value) and Table VI (two lives, pairs with both ages from 5 to 115). They
// hold only the rows the project has found so far; the other cells are 0.
extern const SingleLifeTable SINGLETABLE2001;
extern const JointLifeTable JOINTTABLE2001;

} // namespace factors

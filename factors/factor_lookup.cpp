// The factor exports: single-life and joint-and-last-survivor divisors from the current tables
// and from the pre-2002 tables, and their C-convention twins.
#include "factors/joint_cell.h"
#include "factors/life_tables.h"
#include "factors/tallowmere.h"

#include <optional>

namespace {

using factors::IsHeld;

// The lowest age of each joint table; ages below it are read at it.
constexpr int kCurrentJointLowestAge = 0;
constexpr int kPreTwoThousandTwoJointLowestAge = 5;

// The code of the first single-factor argument check that fails, in the order the codes are
// documented, or nothing when every check passes.
std::optional<float> RefuseSingleArguments(int mode, int startAge, int currentAge) {
    if (startAge < 0) {
        return 101.0f;
    }
    if (startAge > factors::kHighestAge) {
        return 102.0f;
    }
    if (currentAge < 0) {
        return 201.0f;
    }
    if (currentAge > factors::kHighestAge) {
        return 202.0f;
    }
    if (startAge > currentAge) {
        return 301.0f;
    }
    if (mode < -2 || mode > 1) {
        return 401.0f;
    }
    return std::nullopt;
}

bool IsJointMode(int mode) {
    return mode >= -2 && mode <= 2;
}

// The single-life divisor from `table` for checked arguments, or nothing when the table does
// not hold the age it reads. Mode 0 reduces the divisor at the start age by the years elapsed
// (never below 1.0); the other modes answer the value at the current age as published, which in
// the pre-2002 table falls below 1.0 at the highest ages.
std::optional<float> ReadSingleFactor(const factors::SingleLifeTable& table, int mode, int startAge,
                                      int currentAge) {
    const float stored = table.At(mode == 0 ? startAge : currentAge);
    if (!IsHeld(stored)) {
        return std::nullopt;
    }
    if (mode != 0) {
        return stored;
    }
    const float reduced = stored - static_cast<float>(currentAge - startAge);
    return reduced < 1.0f ? 1.0f : reduced;
}

// The current table's value of a cell. The table holds every pair; 1.0 is what a cell it lacked
// would yield.
float ReadCurrentJointCell(const factors::AgePair& cell) {
    const float stored = factors::JOINTTABLE.At(cell.younger, cell.older);
    return IsHeld(stored) ? stored : 1.0f;
}

} // namespace

float RMDSINGLEFACTOR(std::int16_t mode, std::int16_t startAge, std::int16_t currentAge) {
    if (const auto code = RefuseSingleArguments(mode, startAge, currentAge)) {
        return *code;
    }
    // The current table holds every age; 1.0 is what a cell it lacked would yield.
    return ReadSingleFactor(factors::SINGLETABLE, mode, startAge, currentAge).value_or(1.0f);
}

float RMDSINGLEFACTOR2001(std::int16_t mode, std::int16_t startAge, std::int16_t currentAge) {
    if (const auto code = RefuseSingleArguments(mode, startAge, currentAge)) {
        return *code;
    }
    // Where the pre-2002 data lacks the age, the current table answers for the same arguments:
    // a made-up number or a divisor of 0 would be worse than the nearest published figure.
    if (const auto factor =
            ReadSingleFactor(factors::SINGLETABLE2001, mode, startAge, currentAge)) {
        return *factor;
    }
    return RMDSINGLEFACTOR(mode, startAge, currentAge);
}

float RMDJOINTFACTOR(std::int16_t firstAge, std::int16_t secondAge, std::int16_t mode) {
    if (!IsJointMode(mode)) {
        return 501.0f;
    }
    return ReadCurrentJointCell(
        factors::JointCell(firstAge, secondAge, mode, kCurrentJointLowestAge));
}

float RMDJOINTFACTOR2001(std::int16_t firstAge, std::int16_t secondAge, std::int16_t mode) {
    if (!IsJointMode(mode)) {
        return 501.0f;
    }
    const auto cell =
        factors::JointCell(firstAge, secondAge, mode, kPreTwoThousandTwoJointLowestAge);
    const float stored = factors::JOINTTABLE2001.At(cell.younger, cell.older);
    // Where the pre-2002 data lacks the pair, the current table answers for the same cell (ages
    // below the pre-2002 table's first age read at that age, as above), never a divisor of 1.0
    // that would force the whole balance out.
    return IsHeld(stored) ? stored : ReadCurrentJointCell(cell);
}

float _c_rmdsinglefactor(std::int16_t mode, std::int16_t startAge, std::int16_t currentAge) {
    return RMDSINGLEFACTOR(mode, startAge, currentAge);
}

float _c_rmdsinglefactor2001(std::int16_t mode, std::int16_t startAge, std::int16_t currentAge) {
    return RMDSINGLEFACTOR2001(mode, startAge, currentAge);
}

float _c_rmdjointfactor(std::int16_t firstAge, std::int16_t secondAge, std::int16_t mode) {
    return RMDJOINTFACTOR(firstAge, secondAge, mode);
}

float _c_rmdjointfactor2001(std::int16_t firstAge, std::int16_t secondAge, std::int16_t mode) {
    return RMDJOINTFACTOR2001(firstAge, secondAge, mode);
}

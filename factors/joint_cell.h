// Which cell of a joint table a joint-and-last-survivor lookup reads.
#pragma once

#include "factors/life_tables.h"

#include <algorithm>

namespace factors {

struct AgePair {
    int younger;
    int older;

    friend bool operator==(const AgePair&, const AgePair&) = default;
};

// The cell for the arguments of a joint lookup whose mode has passed its check (-2..2);
// `lowestAge` is the table's lowest age (0 for the current table, 5 for the pre-2002 one).
// Each age is clamped into the table on its own. Modes -2 and 0 pair the first age with the
// age ten years younger (not below the lowest age), whatever the second age; modes -1 and 1 do
// the same unless the second person is more than ten years younger than the first, who is then
// looked up at the actual age; mode 2 takes the actual ages.
constexpr AgePair JointCell(int firstAge, int secondAge, int mode, int lowestAge) {
    const int first = std::clamp(firstAge, lowestAge, kHighestAge);
    const int givenSecond = std::clamp(secondAge, lowestAge, kHighestAge);
    int second = givenSecond;
    if (mode != 2) {
        second = std::max(first - 10, lowestAge);
        const bool actualAges = mode == -1 || mode == 1;
        if (actualAges && first - givenSecond > 10) {
            second = givenSecond;
        }
    }
    return {std::min(first, second), std::max(first, second)};
}

} // namespace factors

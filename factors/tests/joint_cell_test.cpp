// Which cell a joint lookup reads, for the current table (lowest age 0) and the pre-2002 table
// (lowest age 5). The pre-2002 cases cannot be seen through the exports until the project holds
// Table VI, so the cell choice is checked here on its own.
#include "factors/joint_cell.h"

#include <gtest/gtest.h>

namespace {

using factors::AgePair;
using factors::JointCell;

TEST(JointCell, ClampsFloorsAndPicksThePairByMode) {
    struct Case {
        int firstAge, secondAge, mode, lowestAge;
        AgePair expected;
    };
    const Case cases[] = {
        {70, 0, 0, 0, {60, 70}},      {70, 99, -2, 0, {60, 70}},  {70, 60, -1, 0, {60, 70}},
        {70, 59, -1, 0, {59, 70}},    {70, 55, 1, 0, {55, 70}},   {70, 75, -1, 0, {60, 70}},
        {75, 70, 2, 0, {70, 75}},     {70, 75, 2, 0, {70, 75}},   {5, 0, 0, 0, {0, 5}},
        {-5, 200, 2, 0, {0, 115}},    {200, -5, -1, 0, {0, 115}}, {3, 3, 2, 5, {5, 5}},
        {12, 40, 0, 5, {5, 12}},      {7, 0, -1, 5, {5, 7}},      {200, -3, -1, 5, {5, 115}},
        {115, 115, 2, 5, {115, 115}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "ages " << c.firstAge << " and " << c.secondAge
                                        << ", mode " << c.mode << ", lowest " << c.lowestAge);
        EXPECT_EQ(JointCell(c.firstAge, c.secondAge, c.mode, c.lowestAge), c.expected);
    }
}

} // namespace

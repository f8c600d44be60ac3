// The modes of the factor library's lookups, by what they do. The library takes each as a 16-bit
// number; FactorLibrary converts at the call, and nothing else in the program sees the numbers.
#pragma once

#include <cstdint>

namespace calc {

// How CALCULATEAGE counts a person's age.
enum class AgeMode : std::int16_t {
    LastBirthday = 0,    // whole years at the last birthday; a birthday on the as-of date counts
    NearestBirthday = 1, // at the nearest birthday (the library takes any other code alike)
};

// Which Single Life divisor RMDSINGLEFACTOR answers.
enum class SingleFactorMode : std::int16_t {
    StartAgeLessYearsElapsed = 0, // the divisor at the start age less the years since, at least 1
    AtCurrentAge = 1,             // the divisor at the current age as published (also -1 and -2)
};

// Which pair of ages RMDJOINTFACTOR reads.
enum class JointFactorMode : std::int16_t {
    // The first age with an age ten years younger, whatever the second age: from 70 on the
    // Uniform Lifetime divisor (also -2).
    TenYearsYounger = 0,
    // The same, unless the second person is more than ten years younger; then the actual ages
    // (also 1).
    TenYearsYoungerOrActualAges = -1,
    // The actual ages, in either order.
    ActualAges = 2,
};

} // namespace calc

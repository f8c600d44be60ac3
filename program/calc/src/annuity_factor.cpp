#include "program/calc/src/annuity_factor.h"

namespace calc {

namespace {

// Rev. Rul. 2002-62, q(x) for x = 0 to 115, ten ages a line.
constexpr MortalityTable kMortality = {
    0.001982, 0.000802, 0.000433, 0.000337, 0.000284, 0.000248, 0.000221, 0.000201, 0.000222,
    0.000241, // 0-9
    0.000259, 0.000277, 0.000292, 0.000306, 0.000318, 0.000331, 0.000344, 0.000359, 0.000375,
    0.000392, // 10-19
    0.000411, 0.000432, 0.000454, 0.000476, 0.000501, 0.000524, 0.000547, 0.000567, 0.000584,
    0.000598, // 20-29
    0.000608, 0.000615, 0.000619, 0.000622, 0.000625, 0.000629, 0.000636, 0.000657, 0.000696,
    0.000749, // 30-39
    0.000818, 0.000904, 0.001007, 0.001130, 0.001270, 0.001426, 0.001597, 0.001783, 0.001979,
    0.002187, // 40-49
    0.002409, 0.002646, 0.002896, 0.003167, 0.003453, 0.003754, 0.004069, 0.004398, 0.004736,
    0.005101, // 50-59
    0.005509, 0.005975, 0.006512, 0.007137, 0.007854, 0.008670, 0.009591, 0.010620, 0.011778,
    0.013072, // 60-69
    0.014519, 0.016139, 0.017950, 0.019958, 0.022198, 0.024699, 0.027484, 0.030582, 0.034010,
    0.037807, // 70-79
    0.042010, 0.046652, 0.051766, 0.057392, 0.063583, 0.070397, 0.077892, 0.086124, 0.095238,
    0.105068, // 80-89
    0.115518, 0.126487, 0.137876, 0.149419, 0.161176, 0.173067, 0.185008, 0.196920, 0.210337,
    0.224861, // 90-99
    0.241017, 0.259334, 0.280356, 0.303142, 0.329482, 0.359886, 0.394865, 0.434933, 0.480599,
    0.532376,                                                   // 100-109
    0.590774, 0.656307, 0.729484, 0.810817, 0.900819, 1.000000, // 110-115
};

} // namespace

void LoadMortalityTable(MortalityTable& table) {
    table = kMortality;
}

float AnnuityFactor(std::int16_t age, double rate) {
    constexpr int kLastAge = kMortalityAges - 1;
    if (age < 0 || age >= kLastAge) {
        return kAnnuityAgeRefused;
    }
    if (!(rate >= 0.0 && rate <= 0.12)) {
        return kAnnuityRateRefused;
    }
    MortalityTable q;
    LoadMortalityTable(q);

    // The first payment is due at once (survival and discount 1); the last at age 115.
    const double yearDiscount = 1 / (1 + rate);
    double survival = 1.0;
    double discount = 1.0;
    double factor = 1.0;
    for (int t = age + 1; t <= kLastAge; ++t) {
        survival = (1 - q[t - 1]) * survival;
        discount = yearDiscount * discount;
        factor += discount * survival;
    }
    return static_cast<float>(factor);
}

} // namespace calc

#include "program/calc/src/state_schedules.h"

#include <algorithm>
#include <array>

namespace calc {

namespace {

// Names are the state code, then the filing statuses that use the schedule ("Others" also
// covers status 4 and every unnamed code).
constexpr TaxBracket kAL13[] = {{0, 2}, {500, 4}, {3000, 5}};
constexpr TaxBracket kALOthers[] = {{0, 2}, {1000, 4}, {6000, 5}};
constexpr TaxBracket kAR[] = {{0, 1},      {3000, 2.5}, {6000, 3.5},
                              {9000, 4.5}, {15000, 6},  {25000, 7}};
constexpr TaxBracket kCA1[] = {{0, 1}, {5459, 2}, {12939, 4}, {20421, 6}, {28348, 8}, {35826, 9.3}};
constexpr TaxBracket kCA2[] = {{0, 1},     {10918, 2}, {25878, 4},
                               {40842, 6}, {56696, 8}, {71652, 9.3}};
constexpr TaxBracket kCAOthers[] = {{0, 1},     {10921, 2}, {25878, 4},
                                    {33358, 6}, {41285, 8}, {48765, 9.3}};
constexpr TaxBracket kCO13[] = {{0, 0}, {1650, 4.63}};
constexpr TaxBracket kCOOthers[] = {{0, 0}, {6150, 4.63}};
constexpr TaxBracket kDC[] = {{0, 0}, {2000, 5}, {10000, 7.5}, {30000, 9.3}};
constexpr TaxBracket kDE[] = {{0, 0},       {2000, 2.2},   {5000, 3.9},  {10000, 4.8},
                              {20000, 5.2}, {25000, 5.55}, {60000, 5.95}};
constexpr TaxBracket kGA1[] = {{0, 1}, {750, 2}, {2250, 3}, {3750, 4}, {5250, 5}, {7000, 6}};
constexpr TaxBracket kGAOthers[] = {{0, 1}, {1000, 2}, {3000, 3}, {5000, 4}, {7000, 5}, {10000, 6}};
constexpr TaxBracket kHI2[] = {{0, 1.5},     {4000, 3.7},  {8000, 6.4},
                               {16000, 6.9}, {24000, 7.3}, {32000, 7.6}};
constexpr TaxBracket kHIOthers[] = {{0, 1.5},    {2000, 3.7},  {4000, 6.4},
                                    {8000, 6.9}, {12000, 7.3}, {16000, 7.6}};
constexpr TaxBracket kID13[] = {{1, 0},      {1600, 2},   {2622, 4},   {3644, 4.5}, {4666, 5.5},
                                {5688, 6.5}, {6710, 7.5}, {9266, 7.8}, {22042, 8.2}};
constexpr TaxBracket kIDOthers[] = {{1, 0},       {4550, 2},    {6594, 4},
                                    {8638, 4.5},  {10682, 5.5}, {12726, 6.5},
                                    {14770, 7.5}, {19882, 7.8}, {45434, 8.2}};
constexpr TaxBracket kIA[] = {{0, 0.36},     {1100, 0.72},  {2150, 2.43},
                              {4300, 4.86},  {9750, 6.53},  {16250, 6.98},
                              {22000, 7.52}, {33000, 8.42}, {49000, 8.98}};
constexpr TaxBracket kKS13[] = {{0, 0}, {3000, 3.5}, {18000, 6.25}, {33000, 6.45}};
constexpr TaxBracket kKSOthers[] = {{0, 0}, {6000, 3.5}, {36000, 6.25}, {66000, 6.45}};
constexpr TaxBracket kKY[] = {{0, 2}, {3000, 3}, {4000, 4}, {5000, 5}, {8000, 6}};
constexpr TaxBracket kMD[] = {{0, 2}, {1000, 3}, {2000, 4}, {3000, 4.8}};
constexpr TaxBracket kME13[] = {{0, 0}, {1700, 2}, {5850, 4.5}, {9950, 7}, {18200, 8.5}};
constexpr TaxBracket kMEOthers[] = {{0, 0}, {4750, 2}, {13000, 4.5}, {21250, 7}, {37750, 8.5}};
constexpr TaxBracket kMN13[] = {{0, 0}, {1600, 5.35}, {19170, 7.05}, {59310, 7.85}};
constexpr TaxBracket kMNOthers[] = {{0, 0}, {4550, 5.35}, {30230, 7.05}, {106580, 7.85}};
constexpr TaxBracket kMO[] = {{0, 1.5},  {1000, 2},   {2000, 2.5}, {3000, 3},   {4000, 3.5},
                              {5000, 4}, {6000, 4.5}, {7000, 5},   {8000, 5.5}, {9000, 6}};
constexpr TaxBracket kMS[] = {{0, 3}, {5000, 4}, {10000, 5}};
constexpr TaxBracket kMT[] = {{0, 2.6}, {8230, 4.4}, {18250, 6.1}, {40000, 6.5}};
constexpr TaxBracket kNC1[] = {{0, 6}, {12750, 7}, {60000, 7.75}, {120000, 8.25}};
constexpr TaxBracket kNC3[] = {{0, 6}, {17000, 7}, {80000, 7.75}, {160000, 8.25}};
constexpr TaxBracket kNCOthers[] = {{0, 6}, {21250, 7}, {100000, 7.75}, {200000, 8.25}};
constexpr TaxBracket kNE13[] = {{0, 0},        {2200, 2.49},  {4400, 3.47},  {15500, 5.32},
                                {22750, 6.57}, {28100, 6.98}, {54100, 7.22}, {75100, 7.36}};
constexpr TaxBracket kNEOthers[] = {{0, 0},        {5250, 2.49},  {8250, 3.47},  {22400, 5.32},
                                    {35400, 6.57}, {42950, 6.98}, {58250, 7.22}, {75250, 7.36}};
constexpr TaxBracket kNJ13[] = {{0, 1.5}, {20000, 2}, {35000, 3.9}, {40000, 6.1}, {75000, 7}};
constexpr TaxBracket kNJOthers[] = {{0, 1.5},     {20000, 2},   {50000, 2.7},
                                    {70000, 3.9}, {80000, 6.1}, {150000, 7}};
constexpr TaxBracket kNM13[] = {{0, 0},     {1600, 1.7},  {7100, 3.2},  {12600, 4.7},
                                {17600, 6}, {27600, 7.1}, {43600, 7.9}, {66600, 8.2}};
constexpr TaxBracket kNMOthers[] = {{0, 0},     {4450, 1.7},  {12550, 3.2}, {20550, 4.7},
                                    {28550, 6}, {44550, 7.1}, {68550, 7.9}, {104550, 8.2}};
// The last two rates fall again; these are the schedule's values.
constexpr TaxBracket kNY[] = {{0, 4},        {8000, 4.5},   {11000, 5.25},  {13000, 5.9},
                              {20000, 6.85}, {90000, 7.64}, {100000, 8.14}, {150000, 7.35}};
constexpr TaxBracket kOH[] = {{0, 0.5},   {5000, 1},    {10000, 2}, {15000, 2.5},
                              {20000, 3}, {40000, 3.5}, {80000, 4}, {100000, 5}};
constexpr TaxBracket kOK1[] = {{0, 0.5},  {1000, 1}, {2500, 2},  {3750, 3},  {4900, 4},  {6100, 5},
                               {7500, 6}, {9000, 7}, {10500, 8}, {12500, 9}, {16000, 10}};
constexpr TaxBracket kOKOthers[] = {{0, 0.5},   {2000, 1},  {5000, 2},  {7500, 3},  {8900, 4},
                                    {10400, 5}, {12000, 6}, {13250, 7}, {15000, 8}, {18000, 9}};
// "OR" gives head of household the joint schedule from three exemptions on; its rule chooses.
constexpr TaxBracket kORFirst[] = {{0, 0}, {1090, 7}, {6800, 9}};
constexpr TaxBracket kORSecond[] = {{0, 0}, {2860, 7}, {13000, 9}};
constexpr TaxBracket kSC[] = {{0, 2}, {2000, 3}, {4000, 4}, {6000, 5}, {8000, 6}, {10000, 7}};
constexpr TaxBracket kUT13[] = {{0, 0},      {2090, 2.3}, {2840, 3.1}, {3590, 3.9},
                                {4340, 4.8}, {5090, 5.6}, {5840, 6.5}};
constexpr TaxBracket kUTOthers[] = {{0, 0},      {2000, 2.3}, {3590, 3.1}, {5090, 3.9},
                                    {6590, 4.8}, {8090, 5.6}, {9590, 6.5}};
constexpr TaxBracket kVA[] = {{0, 2}, {3000, 3}, {5000, 5}, {17000, 5.75}};
constexpr TaxBracket kVT13[] = {{0, 0},        {2650, 3.6},    {28700, 6.72},
                                {62200, 7.44}, {138400, 8.64}, {299000, 9.5}};
constexpr TaxBracket kVTOthers[] = {{0, 0},         {6450, 3.6},    {49900, 6.72},
                                    {105200, 7.44}, {171200, 8.64}, {302050, 9.5}};
// The rates fall to 6.5 at the sixth bracket; these are the schedule's values.
constexpr TaxBracket kWI13[] = {{0, 0},        {4001, 4.6},  {10621, 5.154}, {11826, 6.888},
                                {18630, 7.28}, {43954, 6.5}, {439540, 6.75}};
constexpr TaxBracket kWIOthers[] = {{0, 0},       {5101, 4.6},  {10001, 6.15}, {12168, 7.38},
                                    {18418, 7.8}, {35500, 6.5}, {355000, 6.75}};
constexpr TaxBracket kWV[] = {{0, 3}, {10000, 4}, {25000, 4.5}, {40000, 6}, {60000, 6.5}};

// Code, then the schedules of statuses 1, 2, 3 and the others.
constexpr StateSchedules kStates[] = {
    {"AL", kAL13, kALOthers, kAL13, kALOthers},
    {"AR", kAR, kAR, kAR, kAR},
    {"CA", kCA1, kCA2, kCAOthers, kCAOthers},
    {"CO", kCO13, kCOOthers, kCO13, kCOOthers},
    {"DC", kDC, kDC, kDC, kDC},
    {"DE", kDE, kDE, kDE, kDE},
    {"GA", kGA1, kGAOthers, kGAOthers, kGAOthers},
    {"HI", kHIOthers, kHI2, kHIOthers, kHIOthers},
    {"ID", kID13, kIDOthers, kID13, kIDOthers},
    {"IA", kIA, kIA, kIA, kIA},
    {"KS", kKS13, kKSOthers, kKS13, kKSOthers},
    {"KY", kKY, kKY, kKY, kKY},
    {"MD", kMD, kMD, kMD, kMD},
    {"ME", kME13, kMEOthers, kME13, kMEOthers},
    {"MN", kMN13, kMNOthers, kMN13, kMNOthers},
    {"MO", kMO, kMO, kMO, kMO},
    {"MS", kMS, kMS, kMS, kMS},
    {"MT", kMT, kMT, kMT, kMT},
    {"NC", kNC1, kNCOthers, kNC3, kNCOthers},
    {"NE", kNE13, kNEOthers, kNE13, kNEOthers},
    {"NJ", kNJ13, kNJOthers, kNJ13, kNJOthers},
    {"NM", kNM13, kNMOthers, kNM13, kNMOthers},
    {"NY", kNY, kNY, kNY, kNY},
    {"OH", kOH, kOH, kOH, kOH},
    {"OK", kOK1, kOKOthers, kOKOthers, kOKOthers},
    {"OR", kORFirst, kORSecond, kORFirst, kORSecond},
    {"SC", kSC, kSC, kSC, kSC},
    {"UT", kUT13, kUTOthers, kUT13, kUTOthers},
    {"VA", kVA, kVA, kVA, kVA},
    {"VT", kVT13, kVTOthers, kVT13, kVTOthers},
    {"WI", kWI13, kWIOthers, kWI13, kWIOthers},
    {"WV", kWV, kWV, kWV, kWV},
};

// The first row of each table (all forgiven) is the status's exemption amount in the "CT" rule.
constexpr CreditRow kCTCredits1[] = {
    {12250, 1},    {15300, 0.75}, {15800, 0.7},  {16300, 0.65}, {16800, 0.6},  {17300, 0.55},
    {17800, 0.5},  {18300, 0.45}, {18800, 0.4},  {20400, 0.35}, {20900, 0.3},  {21400, 0.25},
    {21900, 0.2},  {25500, 0.15}, {26000, 0.14}, {26500, 0.13}, {27000, 0.12}, {27500, 0.11},
    {49000, 0.1},  {49500, 0.09}, {50000, 0.08}, {50500, 0.07}, {51000, 0.06}, {51500, 0.05},
    {52000, 0.04}, {52500, 0.03}, {53000, 0.02}, {53500, 0.01}, {9999999, 0}};
constexpr CreditRow kCTCredits3[] = {
    {19000, 1},    {24000, 0.75}, {24500, 0.7},  {25000, 0.65}, {25500, 0.6},  {26000, 0.55},
    {26500, 0.5},  {27000, 0.45}, {27500, 0.4},  {34000, 0.35}, {34500, 0.3},  {35000, 0.25},
    {35500, 0.2},  {44000, 0.15}, {44500, 0.14}, {45000, 0.13}, {45500, 0.12}, {46000, 0.11},
    {74000, 0.1},  {74500, 0.09}, {75000, 0.08}, {75500, 0.07}, {76000, 0.06}, {76500, 0.05},
    {77000, 0.04}, {77500, 0.03}, {78000, 0.02}, {78500, 0.01}, {9999999, 0}};
constexpr CreditRow kCTCreditsOthers[] = {
    {24000, 1},    {30000, 0.75}, {30500, 0.7},   {31000, 0.65},  {31500, 0.6},  {32000, 0.55},
    {32500, 0.5},  {33000, 0.45}, {33500, 0.4},   {40000, 0.35},  {40500, 0.3},  {41000, 0.25},
    {41500, 0.2},  {50000, 0.15}, {50500, 0.14},  {51000, 0.13},  {51500, 0.12}, {52000, 0.11},
    {96000, 0.1},  {96500, 0.09}, {97000, 0.08},  {97500, 0.07},  {98000, 0.06}, {98500, 0.05},
    {99000, 0.04}, {99500, 0.03}, {100000, 0.02}, {100500, 0.01}, {9999999, 0}};

} // namespace

std::span<const TaxBracket> StateSchedules::ForStatus(FilingStatus filingStatus) const {
    switch (filingStatus) {
    case FilingStatus::Single:
        return single;
    case FilingStatus::MarriedFilingJointly:
        return joint;
    case FilingStatus::HeadOfHousehold:
        return head;
    default:
        return others;
    }
}

const StateSchedules* FindStateSchedules(std::string_view code) {
    const auto found = std::ranges::find(kStates, code, &StateSchedules::code);
    return found == std::end(kStates) ? nullptr : &*found;
}

std::span<const CreditRow> ConnecticutCredits(FilingStatus filingStatus) {
    switch (filingStatus) {
    case FilingStatus::Single:
        return kCTCredits1;
    case FilingStatus::HeadOfHousehold:
        return kCTCredits3;
    default:
        return kCTCreditsOthers;
    }
}

} // namespace calc

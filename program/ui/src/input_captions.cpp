#include "program/ui/src/input_captions.h"

namespace ui {

namespace {

constexpr std::string_view kAccountBalance =
    "Account Balance - Any Value Between Prior Year End and Calculation Date. *";
constexpr std::string_view kAccountValue =
    "Account Value (Generally on Last Day Prior to Calculation Year) *";

// Elements 18 to 20 and 52 are hidden stores without a label.
constexpr InputCaption kInputCaptions[] = {
    {0, "First *"},
    {1, "Middle"},
    {2, "Last *"},
    {3, "Date of Birth *"},
    {4, "Spouse Date of Birth"},
    {5, "Plan Name"},
    {6, "Retirement Date (Not Applicable to 5% or Greater Business Owners)"},
    {7, "Planholder's Date of Death (if Applicable)"},
    {8, "Calculation Year *"},
    {9, kAccountValue},
    {10, "First *"},
    {11, "Middle"},
    {12, "Last *"},
    {13, "Date of Birth *"},
    {14, "Plan Name"},
    {15, "Original Planholder's Date of Death *"},
    {16, "Calculation Year *"},
    {17, kAccountValue},
    {21, "First *"},
    {22, "Middle"},
    {23, "Last *"},
    {24, "Date of Birth *"},
    {25, "Plan Name *"},
    {26, "Calculation Date *"},
    {27, kAccountBalance},
    {28, "Beneficiary Date of Birth"},
    {29, kAccountBalance},
    {30, "Intentionally Left Blank"},
    {31, "Interest Rate Assumption (Max 120% Fed Mid-Term Rate) *"},
    {32, "First *"},
    {33, "Middle"},
    {34, "Last *"},
    {35, "Date of Birth *"},
    {36, "Years Life Expectancy *"},
    {37, "First *"},
    {38, "Middle"},
    {39, "Last *"},
    {40, "Date of Birth *"},
    {41, "Years Life Expectancy *"},
    {42, "First *"},
    {43, "Middle"},
    {44, "Last *"},
    {45, "Date of Birth *"},
    {46, "Plan Name *"},
    {47, "Account Value *"},
    {48, "Annual Contribution"},
    {49, "Contribution Years"},
    {50, "Hypothetical Rate of Return *"},
    {51, "Original Planholder's Date of Birth *"},
};

} // namespace

std::span<const InputCaption> InputCaptions() {
    return kInputCaptions;
}

} // namespace ui

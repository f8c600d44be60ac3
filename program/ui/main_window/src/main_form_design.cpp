// The main window's design: every control of the window with its place, caption, alignment and
// tool tip, in tab order, page by page; then its menus. The layout code (main_form_layout.cpp)
// moves only what follows the window's size.
#include "program/ui/main_window/main_form.h"

#include "platform/forms/control_table.h"

#include <string>

namespace ui {

namespace {

using A = forms::Alignment;
using K = forms::ControlKind;

constexpr std::string_view kTabCaptions = "&Planholder|&Beneficiary|S&EPP|Stretch|&Report|&Graph";
constexpr std::string_view kUseJointQuestion =
    "Use Joint Life Expectancy Table for RMD calculation if spouse is more than ten (10) years "
    "younger and the spouse is the sole beneficiary of the account?";
constexpr std::string_view kAccountValue =
    "Account Value (Generally on Last Day Prior to Calculation Year) *";
constexpr std::string_view kAccountBalance =
    "Account Balance - Any Value Between Prior Year End and Calculation Date. *";

// Twips. The window opens at its stored placement; this is its size when nothing is stored, and
// every page fits it.
constexpr int kDesignWidth = 8370;
constexpr int kDesignHeight = 8775;

// Inside a frame a row is a field 285 high with its caption 30 lower; rows are 30 apart, and a
// caption of two or three lines makes its row taller. Each page's container lies under the tab
// control's strip of tabs.
// clang-format off
constexpr forms::ControlRow kControls[] = {
    // name                  kind                    container           tab  position                   caption, tab index, alignment, tool tip
    {"ElasticOne1",          K::Resizer,             "",                 -1,  {0, 0, 8220, 8010}},
    {"Line1",                K::Line,                "ElasticOne1",      -1,  {60, 15, 8100, 0}},
    {"Line2",                K::Line,                "ElasticOne1",      -1,  {60, 30, 8100, 0}},
    {"TabOne1",              K::TabControl,          "ElasticOne1",      -1,  {60, 60, 8100, 7850},     kTabCaptions},
    {"ElasticOne2(0)",       K::Resizer,             "TabOne1",          0,   {60, 30, 7860, 7400}},
    {"ElasticOne2(1)",       K::Resizer,             "TabOne1",          1,   {60, 30, 7860, 7400}},
    {"ElasticOne2(2)",       K::Resizer,             "TabOne1",          2,   {60, 30, 7860, 7400}},
    {"ElasticOne2(3)",       K::Resizer,             "TabOne1",          3,   {60, 30, 7860, 7400}},
    {"ElasticOne2(4)",       K::Resizer,             "TabOne1",          4,   {60, 30, 7860, 7400}},
    {"ElasticOne2(5)",       K::Resizer,             "TabOne1",          5,   {60, 30, 7860, 7400}},
    // The Planholder page.
    {"Frame1(0)",            K::Frame,               "ElasticOne2(0)",   -1,  {120, 0, 7620, 915},      "Personal"},
    {"lblInput(0)",          K::Label,               "Frame1(0)",        -1,  {120, 285, 600, 225},     "First *"},
    {"txtInput(0)",          K::TextBox,             "Frame1(0)",        -1,  {810, 255, 2130, 285}},
    {"lblInput(1)",          K::Label,               "Frame1(0)",        -1,  {3090, 285, 660, 225},    "Middle"},
    {"txtInput(1)",          K::TextBox,             "Frame1(0)",        -1,  {3810, 255, 1140, 285}},
    {"lblInput(2)",          K::Label,               "Frame1(0)",        -1,  {5100, 285, 555, 225},    "Last *"},
    {"txtInput(2)",          K::TextBox,             "Frame1(0)",        -1,  {5670, 255, 1830, 285}},
    {"lblInput(3)",          K::Label,               "Frame1(0)",        -1,  {120, 600, 1380, 225},    "Date of Birth *"},
    {"txtInput(3)",          K::TextBox,             "Frame1(0)",        -1,  {1500, 570, 1440, 285}},
    {"Frame1(1)",            K::Frame,               "ElasticOne2(0)",   -1,  {120, 960, 7620, 1065},   "Spouse Beneficiary"},
    {"lblUseJoint",          K::Label,               "Frame1(1)",        -1,  {120, 255, 7380, 435},    kUseJointQuestion},
    {"optUseJoint(0)",       K::OptionButton,        "Frame1(1)",        -1,  {120, 720, 750, 285},     "Yes"},
    {"optUseJoint(1)",       K::OptionButton,        "Frame1(1)",        -1,  {960, 720, 690, 285},     "No"},
    {"lblInput(4)",          K::Label,               "Frame1(1)",        -1,  {2100, 750, 2160, 225},   "Spouse Date of Birth"},
    {"txtInput(4)",          K::TextBox,             "Frame1(1)",        -1,  {4320, 720, 3180, 285}},
    {"Frame1(2)",            K::Frame,               "ElasticOne2(0)",   -1,  {120, 2070, 7620, 1725},  "Plan Information"},
    {"lblPlanType0",         K::Label,               "Frame1(2)",        -1,  {120, 285, 4140, 225},    "Plan Type"},
    {"cmboPlanType(0)",      K::ComboBox,            "Frame1(2)",        -1,  {4320, 255, 3180, 285}},
    {"lblInput(5)",          K::Label,               "Frame1(2)",        -1,  {120, 600, 4140, 225},    "Plan Name"},
    {"txtInput(5)",          K::TextBox,             "Frame1(2)",        -1,  {4320, 570, 3180, 285},   "", -1, A::Right},
    {"lblInput(6)",          K::Label,               "Frame1(2)",        -1,  {120, 915, 4140, 435},    "Retirement Date (Not Applicable to 5% or Greater Business Owners)"},
    {"txtInput(6)",          K::TextBox,             "Frame1(2)",        -1,  {4320, 885, 3180, 285},   "", -1, A::Right},
    {"lblInput(7)",          K::Label,               "Frame1(2)",        -1,  {120, 1410, 4140, 225},   "Planholder's Date of Death (if Applicable)"},
    {"txtInput(7)",          K::TextBox,             "Frame1(2)",        -1,  {4320, 1380, 3180, 285},  "", -1, A::Right},
    {"Frame1(3)",            K::Frame,               "ElasticOne2(0)",   -1,  {120, 3840, 7620, 1095},  "RMD Calculation"},
    {"lblInput(8)",          K::Label,               "Frame1(3)",        -1,  {120, 285, 4140, 225},    "Calculation Year *"},
    {"txtInput(8)",          K::TextBox,             "Frame1(3)",        -1,  {4320, 255, 3180, 285},   "", -1, A::Right},
    {"lblInput(9)",          K::Label,               "Frame1(3)",        -1,  {120, 600, 4140, 435},    kAccountValue},
    {"txtInput(9)",          K::TextBox,             "Frame1(3)",        -1,  {4320, 570, 3180, 285},   "", -1, A::Right},
    {"Label3(0)",            K::Label,               "ElasticOne2(0)",   -1,  {120, 5035, 7620, 225},   "* Required fields"},
    // The Beneficiary page.
    {"Frame1(4)",            K::Frame,               "ElasticOne2(1)",   -1,  {120, 0, 7620, 1230},     "Personal"},
    {"lblInput(10)",         K::Label,               "Frame1(4)",        -1,  {120, 285, 600, 225},     "First *"},
    {"txtInput(10)",         K::TextBox,             "Frame1(4)",        -1,  {810, 255, 2130, 285}},
    {"lblInput(11)",         K::Label,               "Frame1(4)",        -1,  {3090, 285, 660, 225},    "Middle"},
    {"txtInput(11)",         K::TextBox,             "Frame1(4)",        -1,  {3810, 255, 1140, 285}},
    {"lblInput(12)",         K::Label,               "Frame1(4)",        -1,  {5100, 285, 555, 225},    "Last *"},
    {"txtInput(12)",         K::TextBox,             "Frame1(4)",        -1,  {5670, 255, 1830, 285}},
    {"lblInput(13)",         K::Label,               "Frame1(4)",        -1,  {120, 600, 1380, 225},    "Date of Birth *"},
    {"txtInput(13)",         K::TextBox,             "Frame1(4)",        -1,  {1500, 570, 1440, 285}},
    {"chkSurvivingSpouse",   K::CheckBox,            "Frame1(4)",        -1,  {120, 885, 7380, 285},    "Surviving Spouse Beneficiary - Not Taken Ownership"},
    {"Frame1(5)",            K::Frame,               "ElasticOne2(1)",   -1,  {120, 1275, 7620, 1545},  "Plan Information"},
    {"lblPlanType1",         K::Label,               "Frame1(5)",        -1,  {120, 285, 4140, 225},    "Plan Type"},
    {"cmboPlanType(1)",      K::ComboBox,            "Frame1(5)",        -1,  {4320, 255, 3180, 285}},
    {"lblInput(14)",         K::Label,               "Frame1(5)",        -1,  {120, 600, 4140, 225},    "Plan Name"},
    {"txtInput(14)",         K::TextBox,             "Frame1(5)",        -1,  {4320, 570, 3180, 285},   "", -1, A::Right},
    {"lblInput(15)",         K::Label,               "Frame1(5)",        -1,  {120, 915, 4140, 225},    "Original Planholder's Date of Death *"},
    {"txtInput(15)",         K::TextBox,             "Frame1(5)",        -1,  {4320, 885, 3180, 285},   "", -1, A::Right},
    {"lblInput(51)",         K::Label,               "Frame1(5)",        -1,  {120, 1230, 4140, 225},   "Original Planholder's Date of Birth *"},
    {"txtInput(51)",         K::TextBox,             "Frame1(5)",        -1,  {4320, 1200, 3180, 285},  "", -1, A::Right},
    {"Frame1(6)",            K::Frame,               "ElasticOne2(1)",   -1,  {120, 2865, 7620, 1095},  "RMD Calculation"},
    {"lblInput(16)",         K::Label,               "Frame1(6)",        -1,  {120, 285, 4140, 225},    "Calculation Year *"},
    {"txtInput(16)",         K::TextBox,             "Frame1(6)",        -1,  {4320, 255, 3180, 285},   "", -1, A::Right},
    {"lblInput(17)",         K::Label,               "Frame1(6)",        -1,  {120, 600, 4140, 435},    kAccountValue},
    {"txtInput(17)",         K::TextBox,             "Frame1(6)",        -1,  {4320, 570, 3180, 285},   "", -1, A::Right},
    {"Label3(1)",            K::Label,               "ElasticOne2(1)",   -1,  {120, 4060, 7620, 225},   "* Required fields"},
    {"txtInput(18)",         K::TextBox,             "ElasticOne2(1)",   -1,  {0, 0, 0, 0},             "", -1, A::Right},
    {"txtInput(19)",         K::TextBox,             "ElasticOne2(1)",   -1,  {0, 0, 0, 0},             "", -1, A::Right},
    {"txtInput(20)",         K::TextBox,             "ElasticOne2(1)",   -1,  {0, 0, 0, 0},             "", -1, A::Right},
    {"txtInput(52)",         K::TextBox,             "ElasticOne2(1)",   -1,  {0, 0, 0, 0},             "", -1, A::Right},
    // The S&EPP page; the payment choices in one column, their methods named beside them.
    {"Frame1(11)",           K::Frame,               "ElasticOne2(2)",   -1,  {120, 0, 7620, 915},      "Personal"},
    {"lblInput(21)",         K::Label,               "Frame1(11)",       -1,  {120, 285, 600, 225},     "First *"},
    {"txtInput(21)",         K::TextBox,             "Frame1(11)",       -1,  {810, 255, 2130, 285}},
    {"lblInput(22)",         K::Label,               "Frame1(11)",       -1,  {3090, 285, 660, 225},    "Middle"},
    {"txtInput(22)",         K::TextBox,             "Frame1(11)",       -1,  {3810, 255, 1140, 285}},
    {"lblInput(23)",         K::Label,               "Frame1(11)",       -1,  {5100, 285, 555, 225},    "Last *"},
    {"txtInput(23)",         K::TextBox,             "Frame1(11)",       -1,  {5670, 255, 1830, 285}},
    {"lblInput(24)",         K::Label,               "Frame1(11)",       -1,  {120, 600, 1380, 225},    "Date of Birth *"},
    {"txtInput(24)",         K::TextBox,             "Frame1(11)",       -1,  {1500, 570, 1440, 285}},
    {"lblInput(28)",         K::Label,               "Frame1(11)",       -1,  {3090, 600, 2250, 225},   "Beneficiary Date of Birth"},
    {"txtInput(28)",         K::TextBox,             "Frame1(11)",       -1,  {5370, 570, 2130, 285},   "", -1, A::Right},
    {"Frame1(12)",           K::Frame,               "ElasticOne2(2)",   -1,  {120, 960, 7620, 1230},   "Plan Information"},
    {"lblInput(25)",         K::Label,               "Frame1(12)",       -1,  {120, 285, 4140, 225},    "Plan Name *"},
    {"txtInput(25)",         K::TextBox,             "Frame1(12)",       -1,  {4320, 255, 3180, 285},   "", -1, A::Right},
    {"lblInput(26)",         K::Label,               "Frame1(12)",       -1,  {120, 600, 4140, 225},    "Calculation Date *"},
    {"txtInput(26)",         K::TextBox,             "Frame1(12)",       -1,  {4320, 570, 1650, 285},   "", -1, A::Right},
    {"cmdToday",             K::CommandButton,       "Frame1(12)",       -1,  {6030, 570, 1470, 285},   "&Today"},
    {"chkRMDOnce",           K::CheckBox,            "Frame1(12)",       -1,  {120, 885, 7380, 285},    "RMD Annual Recalculation  -- or --   One-time Change"},
    {"Frame1(13)",           K::Frame,               "ElasticOne2(2)",   -1,  {120, 2235, 7620, 780},   "Required Minimum Distribution Method"},
    {"lblInput(27)",         K::Label,               "Frame1(13)",       -1,  {120, 285, 4140, 435},    kAccountBalance},
    {"txtInput(27)",         K::TextBox,             "Frame1(13)",       -1,  {4320, 255, 3180, 285},   "", -1, A::Right},
    {"Frame1(14)",           K::Frame,               "ElasticOne2(2)",   -1,  {120, 3060, 7620, 1275},  "Fixed Amortization / Annuitization Method"},
    {"lblInput(29)",         K::Label,               "Frame1(14)",       -1,  {120, 285, 4140, 435},    kAccountBalance},
    {"txtInput(29)",         K::TextBox,             "Frame1(14)",       -1,  {4320, 255, 3180, 285},   "", -1, A::Right},
    {"lblInput(31)",         K::Label,               "Frame1(14)",       -1,  {120, 780, 4140, 435},    "Interest Rate Assumption (Max 120% Fed Mid-Term Rate) *"},
    {"txtInput(31)",         K::TextBox,             "Frame1(14)",       -1,  {4320, 750, 1650, 285},   "", -1, A::Right, "Important: Cannot exceed 120% of Federal Mid-Term rate."},
    {"cmdIRS",               K::CommandButton,       "Frame1(14)",       -1,  {6030, 750, 1470, 285},   "&Web Lookup *"},
    {"Frame1(15)",           K::Frame,               "ElasticOne2(2)",   -1,  {120, 4380, 7620, 2205},  "Choose Annual Payment Option"},
    {"lblRmdMethod",         K::Label,               "Frame1(15)",       -1,  {5040, 270, 2460, 435},   "Required Minimum Distribution Method"},
    {"optEqualPmt(0)",       K::OptionButton,        "Frame1(15)",       -1,  {120, 255, 2700, 270},    "Single Life"},
    {"lblEqualPmt(0)",       K::Label,               "Frame1(15)",       -1,  {2880, 270, 2040, 240},   "0.00", -1, A::Right},
    {"optEqualPmt(1)",       K::OptionButton,        "Frame1(15)",       -1,  {120, 525, 2700, 270},    "Uniform Lifetime"},
    {"lblEqualPmt(1)",       K::Label,               "Frame1(15)",       -1,  {2880, 540, 2040, 240},   "0.00", -1, A::Right},
    {"optEqualPmt(2)",       K::OptionButton,        "Frame1(15)",       -1,  {120, 795, 2700, 270},    "Joint and Last Survivor"},
    {"lblEqualPmt(2)",       K::Label,               "Frame1(15)",       -1,  {2880, 810, 2040, 240},   "0.00", -1, A::Right},
    {"lblFixedMethod",       K::Label,               "Frame1(15)",       -1,  {5040, 1080, 2460, 435},  "Fixed Amortization / Annuitization Method"},
    {"optEqualPmt(3)",       K::OptionButton,        "Frame1(15)",       -1,  {120, 1065, 2700, 270},   "Single Life"},
    {"lblEqualPmt(3)",       K::Label,               "Frame1(15)",       -1,  {2880, 1080, 2040, 240},  "0.00", -1, A::Right},
    {"optEqualPmt(4)",       K::OptionButton,        "Frame1(15)",       -1,  {120, 1335, 2700, 270},   "Uniform Lifetime"},
    {"lblEqualPmt(4)",       K::Label,               "Frame1(15)",       -1,  {2880, 1350, 2040, 240},  "0.00", -1, A::Right},
    {"optEqualPmt(5)",       K::OptionButton,        "Frame1(15)",       -1,  {120, 1605, 2700, 270},   "Joint and Last Survivor"},
    {"lblEqualPmt(5)",       K::Label,               "Frame1(15)",       -1,  {2880, 1620, 2040, 240},  "0.00", -1, A::Right},
    {"optEqualPmt(6)",       K::OptionButton,        "Frame1(15)",       -1,  {120, 1875, 2700, 270},   "Annuitization Method"},
    {"lblEqualPmt(6)",       K::Label,               "Frame1(15)",       -1,  {2880, 1890, 2040, 240},  "0.00", -1, A::Right},
    {"Label3(3)",            K::Label,               "ElasticOne2(2)",   -1,  {120, 6685, 7620, 645},   "* Required fields"},
    {"lblInput(30)",         K::Label,               "ElasticOne2(2)",   -1,  {0, 0, 0, 0},             "Intentionally Left Blank"},
    {"txtInput(30)",         K::TextBox,             "ElasticOne2(2)",   -1,  {0, 0, 0, 0},             "", -1, A::Right},
    // The Stretch page, in two columns.
    {"Frame1(7)",            K::Frame,               "ElasticOne2(3)",   -1,  {120, 0, 3750, 2040},     "Planholder"},
    {"lblInput(32)",         K::Label,               "Frame1(7)",        -1,  {120, 285, 1740, 225},    "First *"},
    {"txtInput(32)",         K::TextBox,             "Frame1(7)",        -1,  {1920, 255, 1710, 285}},
    {"lblInput(33)",         K::Label,               "Frame1(7)",        -1,  {120, 600, 1740, 225},    "Middle"},
    {"txtInput(33)",         K::TextBox,             "Frame1(7)",        -1,  {1920, 570, 1710, 285}},
    {"lblInput(34)",         K::Label,               "Frame1(7)",        -1,  {120, 915, 1740, 225},    "Last *"},
    {"txtInput(34)",         K::TextBox,             "Frame1(7)",        -1,  {1920, 885, 1710, 285}},
    {"lblInput(35)",         K::Label,               "Frame1(7)",        -1,  {120, 1230, 1740, 225},   "Date of Birth *"},
    {"txtInput(35)",         K::TextBox,             "Frame1(7)",        -1,  {1920, 1200, 1710, 285}},
    {"lblInput(36)",         K::Label,               "Frame1(7)",        -1,  {120, 1545, 1740, 435},   "Years Life Expectancy *"},
    {"txtInput(36)",         K::TextBox,             "Frame1(7)",        -1,  {1920, 1515, 750, 285}},
    {"cmdCalc(0)",           K::CommandButton,       "Frame1(7)",        -1,  {2730, 1515, 900, 285},   "Calc", -1, A::Left, "Look up life expectancy from IRS table"},
    {"Frame1(8)",            K::Frame,               "ElasticOne2(3)",   -1,  {120, 2085, 3750, 2355},  "Spouse Beneficiary"},
    {"lblInput(37)",         K::Label,               "Frame1(8)",        -1,  {120, 285, 1740, 225},    "First *"},
    {"txtInput(37)",         K::TextBox,             "Frame1(8)",        -1,  {1920, 255, 1710, 285}},
    {"lblInput(38)",         K::Label,               "Frame1(8)",        -1,  {120, 600, 1740, 225},    "Middle"},
    {"txtInput(38)",         K::TextBox,             "Frame1(8)",        -1,  {1920, 570, 1710, 285}},
    {"lblInput(39)",         K::Label,               "Frame1(8)",        -1,  {120, 915, 1740, 225},    "Last *"},
    {"txtInput(39)",         K::TextBox,             "Frame1(8)",        -1,  {1920, 885, 1710, 285}},
    {"lblInput(40)",         K::Label,               "Frame1(8)",        -1,  {120, 1230, 1740, 225},   "Date of Birth *"},
    {"txtInput(40)",         K::TextBox,             "Frame1(8)",        -1,  {1920, 1200, 1710, 285}},
    {"lblInput(41)",         K::Label,               "Frame1(8)",        -1,  {120, 1545, 1740, 435},   "Years Life Expectancy *"},
    {"txtInput(41)",         K::TextBox,             "Frame1(8)",        -1,  {1920, 1515, 750, 285}},
    {"cmdCalc(1)",           K::CommandButton,       "Frame1(8)",        -1,  {2730, 1515, 900, 285},   "Calc"},
    {"chkSkipSpouse",        K::CheckBox,            "Frame1(8)",        -1,  {120, 2010, 3510, 285},   "Skip"},
    {"Frame1(9)",            K::Frame,               "ElasticOne2(3)",   -1,  {3990, 0, 3750, 2250},    "Non-Spouse Beneficiary"},
    {"lblInput(42)",         K::Label,               "Frame1(9)",        -1,  {120, 285, 1740, 225},    "First *"},
    {"txtInput(42)",         K::TextBox,             "Frame1(9)",        -1,  {1920, 255, 1710, 285}},
    {"lblInput(43)",         K::Label,               "Frame1(9)",        -1,  {120, 600, 1740, 225},    "Middle"},
    {"txtInput(43)",         K::TextBox,             "Frame1(9)",        -1,  {1920, 570, 1710, 285}},
    {"lblInput(44)",         K::Label,               "Frame1(9)",        -1,  {120, 915, 1740, 225},    "Last *"},
    {"txtInput(44)",         K::TextBox,             "Frame1(9)",        -1,  {1920, 885, 1710, 285}},
    {"lblInput(45)",         K::Label,               "Frame1(9)",        -1,  {120, 1230, 1740, 225},   "Date of Birth *"},
    {"txtInput(45)",         K::TextBox,             "Frame1(9)",        -1,  {1920, 1200, 1710, 285}},
    {"lblState",             K::Label,               "Frame1(9)",        -1,  {120, 1545, 1740, 645},   "State to Use for Income Tax Comparison Page"},
    {"cmboState",            K::ComboBox,            "Frame1(9)",        -1,  {1920, 1515, 900, 285}},
    {"Frame1(10)",           K::Frame,               "ElasticOne2(3)",   -1,  {3990, 2295, 3750, 2535}, "Plan Information"},
    {"lblInput(46)",         K::Label,               "Frame1(10)",       -1,  {120, 285, 1740, 225},    "Plan Name *"},
    {"txtInput(46)",         K::TextBox,             "Frame1(10)",       -1,  {1920, 255, 1710, 285},   "", -1, A::Right},
    {"chkRoth",              K::CheckBox,            "Frame1(10)",       -1,  {120, 570, 3510, 285},    "Roth IRA Plan"},
    {"lblInput(47)",         K::Label,               "Frame1(10)",       -1,  {120, 915, 1740, 225},    "Account Value *"},
    {"txtInput(47)",         K::TextBox,             "Frame1(10)",       -1,  {1920, 885, 1710, 285},   "", -1, A::Right},
    {"lblInput(48)",         K::Label,               "Frame1(10)",       -1,  {120, 1230, 1740, 435},   "Annual Contribution"},
    {"txtInput(48)",         K::TextBox,             "Frame1(10)",       -1,  {1920, 1200, 1710, 285},  "", -1, A::Right},
    {"lblInput(49)",         K::Label,               "Frame1(10)",       -1,  {120, 1725, 1740, 225},   "Contribution Years"},
    {"txtInput(49)",         K::TextBox,             "Frame1(10)",       -1,  {1920, 1695, 1710, 285}},
    {"lblInput(50)",         K::Label,               "Frame1(10)",       -1,  {120, 2040, 1740, 435},   "Hypothetical Rate of Return *"},
    {"txtInput(50)",         K::TextBox,             "Frame1(10)",       -1,  {1920, 2010, 1710, 285},  "", -1, A::Right},
    {"Label3(2)",            K::Label,               "ElasticOne2(3)",   -1,  {3990, 4930, 3750, 225},  "* Required fields"},
    // The Report page: the composed pages fill it.
    {"VSPrinter1",           K::PrintDocumentView,   "ElasticOne2(4)",   -1,  {0, 0, 7860, 7400}},
    // The Graph page, laid out again before each drawing.
    {"picGraph",             K::PictureBox,          "ElasticOne2(5)",   -1,  {120, 90, 7620, 5715}},
    {"lstGraph",             K::ListBox,             "ElasticOne2(5)",   -1,  {120, 5895, 2550, 870}},
    {"hScrollGraph",         K::HScrollBar,          "ElasticOne2(5)",   -1,  {2790, 5895, 3330, 255}},
    {"Label3(4)",            K::Label,               "ElasticOne2(5)",   -1,  {2790, 6240, 3330, 435},  "Slide the bar to choose the last age the graph shows."},
    {"chkBackground",        K::CheckBox,            "ElasticOne2(5)",   -1,  {6240, 5895, 1500, 225},  "Background"},
    {"chkTopView",           K::CheckBox,            "ElasticOne2(5)",   -1,  {6240, 6210, 1500, 225},  "Top View"},
    {"chkGrayScale",         K::CheckBox,            "ElasticOne2(5)",   -1,  {6240, 6525, 1500, 225},  "Gray Scale"},
    // The timer and the menus; each separator is hidden with the items under it.
    {"Timer1",               K::Timer,               "",                 -1,  {}},
    {"mnuFile",              K::Menu,                "",                 -1,  {},                       "&File"},
    {"mnuFileNew",           K::Menu,                "mnuFile",          -1,  {},                       "New &RMD Illustration"},
    {"mnuFileNewRBD",        K::Menu,                "mnuFile",          -1,  {},                       "New R&MBD Illustration"},
    {"mnuFileNewEqual",      K::Menu,                "mnuFile",          -1,  {},                       "New S&EPP Illustration"},
    {"mnuFileNewStretch",    K::Menu,                "mnuFile",          -1,  {},                       "New S&tretch Illustration"},
    {"mnuNul1",              K::Menu,                "mnuFile",          -1,  {},                       "-"},
    {"mnuFileLoad",          K::Menu,                "mnuFile",          -1,  {},                       "&Load Illustration..."},
    {"mnuFileSave",          K::Menu,                "mnuFile",          -1,  {},                       "&Save Illustration"},
    {"mnuNul2",              K::Menu,                "mnuFile",          -1,  {},                       "-"},
    {"mnuFilePrint",         K::Menu,                "mnuFile",          -1,  {},                       "&Print Report"},
    {"mnuNul0",              K::Menu,                "mnuFile",          -1,  {},                       "-"},
    {"mnuFileExportPDF",     K::Menu,                "mnuFile",          -1,  {},                       "Save Report as P&DF File"},
    {"mnuNul3",              K::Menu,                "mnuFile",          -1,  {},                       "-"},
    {"mnuFileExit",          K::Menu,                "mnuFile",          -1,  {},                       "E&xit"},
    {"mnuReport",            K::Menu,                "",                 -1,  {},                       "&Report"},
    {"mnuReportCover",       K::Menu,                "mnuReport",        -1,  {},                       "&Cover Page"},
    {"mnuReportWrenhall",    K::Menu,                "mnuReport",        -1,  {},                       "&Summary"},
    {"mnuReportGraph",       K::Menu,                "mnuReport",        -1,  {},                       "&Graph"},
    {"mnuReportLedger",      K::Menu,                "mnuReport",        -1,  {},                       "&Ledger"},
    {"mnuReportTaxes",       K::Menu,                "mnuReport",        -1,  {},                       "&Taxes"},
    {"mnuOptions",           K::Menu,                "",                 -1,  {},                       "&Options"},
    {"mnuOptionsAdvisor",    K::Menu,                "mnuOptions",       -1,  {},                       "&Representative Information..."},
    {"mnuOptionsCompact",    K::Menu,                "mnuOptions",       -1,  {},                       "&Compact Illustration File"},
    {"mnuOptionsNul00",      K::Menu,                "mnuOptions",       -1,  {},                       "-"},
    {"mnuOptionsBackup",     K::Menu,                "mnuOptions",       -1,  {},                       "&Backup to Floppy"},
    {"mnuOptionsRestore",    K::Menu,                "mnuOptions",       -1,  {},                       "R&estore from Floppy"},
    {"mnuOptionsNul01",      K::Menu,                "mnuOptions",       -1,  {},                       "-"},
    {"mnuOptionsInternetBackup", K::Menu,            "mnuOptions",       -1,  {},                       "Backup to the &Internet"},
    {"mnuOptionsInternetRestore", K::Menu,           "mnuOptions",       -1,  {},                       "Restore from the I&nternet"},
    {"mnuDebugMode",         K::Menu,                "",                 -1,  {},                       "&Details"},
    {"mnuHelp",              K::Menu,                "",                 -1,  {},                       "&Help"},
    {"mnuHelpContents",      K::Menu,                "mnuHelp",          -1,  {},                       "&Contents"},
    {"mnuHelpQuickStart",    K::Menu,                "mnuHelp",          -1,  {},                       "&Quick Start"},
    {"mnuHelpFAQ",           K::Menu,                "mnuHelp",          -1,  {},                       "&FAQ"},
    {"mnuHelpSupport",       K::Menu,                "mnuHelp",          -1,  {},                       "&Support on the Web"},
    {"mnuHelpUpdate",        K::Menu,                "mnuHelp",          -1,  {},                       "Check for &Update"},
    {"mnuHelpNul0",          K::Menu,                "mnuHelp",          -1,  {},                       "-"},
    {"mnuHelpAbout",         K::Menu,                "mnuHelp",          -1,  {},                       "&About..."},
};
// clang-format on

} // namespace

std::vector<forms::Control*> frmMain::DesignWindow() {
    Move(0, 0, kDesignWidth, kDesignHeight);
    for (const illustration::FieldDefinition& field : illustration::FieldDefinitions()) {
        forms::TextBox& box = txtInput.Add(field.index);
        box.SetTag(std::string(field.tag));
        box.SetMaxLength(field.maxLength);
        box.SetVisible(field.visible);
        box.SetText(std::string(field.initialText));
        // The report elements are never edited: their grey is the background that the field
        // rules copy from "R-Plan70" to an input they close.
        if (field.index >= illustration::kFirstReportField) {
            box.SetBackColor(forms::Color::kGrayText);
        }
    }
    for (const int list : forms::ElementIndices(kControls, "cmboPlanType")) {
        cmboPlanType.Add(list, forms::vbComboDropdownList)
            .SetTag("PlanType" + std::to_string(list));
    }
    const auto addNamed = [](auto& array) {
        for (const int index : forms::ElementIndices(kControls, array.Name())) {
            array.Add(index);
        }
    };
    addNamed(optUseJoint);
    addNamed(optEqualPmt);
    addNamed(lblEqualPmt);
    addNamed(cmdCalc);
    addNamed(lblInput);
    addNamed(Label3);
    addNamed(ElasticOne2);
    addNamed(Frame1);
    std::vector<forms::Control*> controls =
        forms::LoadControls(*this, kControls, forms::ExistingNames::Placed);
    // The report elements hold values and are never shown.
    for (const illustration::FieldDefinition& field : illustration::FieldDefinitions()) {
        if (field.index >= illustration::kFirstReportField) {
            txtInput(field.index).SetContainer(ElasticOne2(4));
        }
    }
    return controls;
}

} // namespace ui

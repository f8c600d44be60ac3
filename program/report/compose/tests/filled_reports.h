// Filled report texts of each illustration type, as report production hands them over: the
// fields substituted, the switched-off blocks cut (each leaving its opening marker's "~" in a
// hidden group) and the Stretch sections on their own pages.
#pragma once

#include "program/report/composer.h"

#include <string>

namespace compose::testing {

inline constexpr const char* kClientName = "Margaret A. Holloway";
inline constexpr const char* kRepresentativeLine = "Daniel Ortiz, Ortiz Retirement Group";

// The report text of `type`. The Stretch text holds a page for each section that is on: the
// cover, the Wrenhall page, the tax page (when `taxPage`), two ledger pages and the graph page.
std::string FilledReport(illustration::IllustrationType type,
                         const report::ReportSections& sections = {}, bool taxPage = false);

} // namespace compose::testing

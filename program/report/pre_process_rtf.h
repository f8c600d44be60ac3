// The Stretch report's template filled through the Output module's Template object: the keys
// and flags of stretch_report.h, the conditional blocks resolved, the five ledgers repeated.
#pragma once

#include "program/calc/stretch_projection.h"
#include "program/report/stretch_report.h"

#include <string>
#include <string_view>

namespace report {

// The template text `source` filled, as text: the Template object takes it and gives it back
// without a file. Throws ReportError when the Template object cannot be created or used.
std::string PreProcessRTF(const StretchReportInputs& inputs,
                          const calc::StretchProjection& projection, std::string_view source);

} // namespace report

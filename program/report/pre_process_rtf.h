// The Stretch report's template filled through the Output module's Template object: the keys
// and flags of stretch_report.h, the conditional blocks resolved, the five ledgers repeated.
#pragma once

#include "program/calc/stretch_projection.h"
#include "program/report/stretch_report.h"

#include <filesystem>

namespace report {

// Reads the template `source`, fills it and writes it to `target`. Throws ReportError when the
// Template object cannot be created or used, or the template cannot be read or written; the
// target is then left as it was.
void PreProcessRTF(const StretchReportInputs& inputs, const calc::StretchProjection& projection,
                   const std::filesystem::path& source, const std::filesystem::path& target);

} // namespace report

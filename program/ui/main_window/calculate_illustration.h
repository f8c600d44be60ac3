// The calculation entry: the work every illustration type shares, then the calculation of the
// current type, from the main window's fields into its report fields (or, for the Stretch
// projection, into the caller's result array).
#pragma once

#include "program/calc/factor_library.h"
#include "program/calc/representative_line.h"
#include "program/calc/stretch_projection.h"
#include "program/ui/main_window/main_form.h"
#include "program/ui/windows/representative/rep_info_form.h"

namespace ui {

// The representative window's texts as the representative line and the reports read them.
calc::RepresentativeInfo ReadRepresentative(const frmRepInfo& repInfo);

// Runs after input validation has accepted the inputs of the current illustration type. The
// shared part brings the retirement date in line with the plan type, rebuilds the
// representative line, writes the calculation year into "R-YYYY" and, unless the illustration
// is saved and unchanged, today's date into "6-IllustrationDate"; then the type's calculation
// runs. No type (or a number outside the four types) ends after the shared part. A calculation
// computes all its results before it writes any field, so a run-time error (which reaches the
// caller, like a missing factor library) leaves the report fields as they were.
void CalculateIllustration(frmMain& main, const frmRepInfo& repInfo,
                           calc::StretchProjection& result,
                           calc::FactorLibrary& factors = calc::FactorLibrary::Program());

} // namespace ui

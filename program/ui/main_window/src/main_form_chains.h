// The output chains the main window's menus, tabs, timer and graph controls run.
#pragma once

#include "program/ui/main_window/main_form.h"

namespace ui {

// Validation, the calculation and the report (with the Stretch graph while its section is
// checked). False when a check failed or no report was produced.
bool RunReportChain(frmMain& main);
// Validation, the calculation and the graph.
void RunGraphChain(frmMain& main);

} // namespace ui

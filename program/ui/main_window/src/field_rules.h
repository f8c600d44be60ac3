// The rules that switch inputs of the main window on and off when another choice changes. A
// switched-off input is emptied, disabled and greyed, and its caption label greyed; a
// switched-on input keeps its text, is enabled, has the window background and its label the
// button-text colour. Each rule rereads what it depends on, so they run in any order.
#pragma once

#include "program/ui/main_window/main_form.h"

namespace ui {

// "7-OriginalDOB" on exactly when chkSurvivingSpouse is checked.
void UpdateOriginalDobField(frmMain& main);

// Every input up to `lastInputIndex` whose tag holds "StretchS" off when chkSkipSpouse is
// checked, else on; the spouse's life-expectancy button follows, and the graph list loses or
// regains the spouse's series.
void UpdateStretchSpouseFields(frmMain& main, int lastInputIndex);

// RMD only: "7-SpouseDOB" open when the joint table is chosen (optUseJoint "Yes"), else emptied and
// closed; the background is copied from "8-PlanName0" (open) or "R-Plan70" (closed).
void UpdateJointFields(frmMain& main);

// The beneficiary's plan type "Roth IRA" unchecks and disables chkSurvivingSpouse; any other
// enables it and keeps its value.
void ApplyRothRule(frmMain& main);

} // namespace ui

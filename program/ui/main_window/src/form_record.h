// The main window's side of the illustration record: which choices a record keeps besides the
// fields, the choices the window is designed with, and how a loaded or new illustration sets
// them.
#pragma once

#include "program/store/illustration_record.h"
#include "program/ui/main_window/main_form.h"

#include "platform/forms/message_box.h"

#include <cstdint>
#include <string_view>

namespace ui {

// The choices besides the fields that the record of the window's illustration keeps.
store::RecordControls RecordControlsOf(const frmMain& main);

// The choices the window is designed with, which every new illustration starts from: no box
// checked, the joint table not chosen, the first entry of each plan-type list, the first graph
// entry, the scroll bar at its design value, no payment option and no state.
store::RecordControls DesignChoices();

// Sets the window up for the illustration its fields now hold: the examples of failed checks
// are forgotten, the window takes `choices` and sets itself up for the type, a 72(t)
// illustration shows its payment amounts, and the illustration counts as saved.
//
// Each choice is looked up in its control as the control stands when the choice is applied, in
// an order where no control's event can undo or shift a choice made before it: the plan-type
// lists (the beneficiary's "Roth IRA" closes the surviving spouse's box), the joint option and
// the check boxes, the payment option (after "RMD Annual Recalculation", which closes some),
// the graph entry (after Skip, which takes out or puts back the spouse's entry), the scroll
// position, the state. A choice the window cannot take (a list text no entry has, a payment
// option the window lacks, a scroll position outside the bar's range) takes its design value
// and the others are still applied; a graph entry the list lacks selects none. Nothing raises
// out of it and nothing is shown.
void SetUpForIllustration(frmMain& main, const store::RecordControls& choices);

// Spreads `record`, read at `position` in the file, over the window: type and fields, its place
// as its number, then its choices (SetUpForIllustration). False when the record is refused (its
// message has been shown); the window is then unchanged.
bool LoadRecordIntoForm(frmMain& main, std::string_view record, std::int64_t position,
                        forms::MessageBoxService& messages);

} // namespace ui

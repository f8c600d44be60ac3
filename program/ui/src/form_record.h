// The main window's side of the illustration record: which controls a record keeps besides the
// fields, and how a loaded record sets them.
#pragma once

#include "program/ui/main_form.h"

#include "program/store/illustration_record.h"

#include "platform/forms/message_box.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace ui {

// The controls besides the fields that the record of the window's illustration keeps.
store::RecordControls RecordControlsOf(const frmMain& main);

// Spreads `record`, read at `position` in the file, over the window: type, fields and controls,
// its place as its number, then the window is set up for the type and the illustration counts as
// saved. False when the record is refused (its message has been shown); the window is then
// unchanged.
bool LoadRecordIntoForm(frmMain& main, std::string_view record, std::int64_t position,
                        forms::MessageBoxService& messages);

} // namespace ui

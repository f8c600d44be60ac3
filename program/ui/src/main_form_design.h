// The main window's control table: the controls it declares besides its field array.
#pragma once

#include "platform/forms/control_table.h"

#include <span>

namespace ui {

std::span<const forms::ControlRow> MainWindowControlRows();

} // namespace ui

// What the preview keeps in the family's shared profile "Hux.INI" (in the Windows folder),
// section "HuxPrint": the dialog's size in pixels, written when it closes and taken when it
// opens again, and whether the "To Clipboard" button is offered.
#pragma once

#include "platform/win32/windows.h"

#include <optional>

namespace pressel {

// The size kept by the last preview; none before the first, or when either value is -1.
std::optional<SIZE> SavedPreviewSize();

// Keeps the size as decimal text.
void SavePreviewSize(SIZE size);

// True when "Clipboard" holds a number other than 0.
bool ClipboardButtonWanted();

} // namespace pressel

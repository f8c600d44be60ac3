// The main window's position, size and state between runs. They are read from the INI file
// beside the program when it exists (section "Program"), else from the per-user settings; they
// are saved to the per-user settings only. Keys: Top, Left, Width, Height, WindowState.
#pragma once

#include "program/ui/support/user_settings.h"

#include <filesystem>

namespace forms {
class Form;
}

namespace ui {

// The smallest size the window's layout serves; saving never stores less.
struct MinimumSize {
    int width;
    int height;
};

// Restores the placement and keeps it on the screen: a Top or Left beyond the screen moves the
// window's edge back (by its size at the start of the call), below 1 becomes 1; a Width or
// Height larger than the screen gives Left or Top 1 and the screen's size less 100 or 200.
void LoadWindowPlacement(forms::Form& window, const std::filesystem::path& iniPath,
                         const UserSettings& settings);

// Stores the placement: a Top or Left that puts the window past the screen's far edge, or a
// negative one, as 1; a size below the minimum as the minimum; the state always as normal. A
// placement that cannot be stored is reported as `settings` reports it (user_settings.h).
void SaveWindowPlacement(forms::Form& window, MinimumSize minimum, UserSettings& settings);

} // namespace ui

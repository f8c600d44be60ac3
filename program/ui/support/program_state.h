// The program-wide state that the windows share.
#pragma once

#include "program/illustration/illustration_type.h"
#include "program/ui/support/user_settings.h"

#include <string>

namespace ui {

struct ProgramState {
    illustration::IllustrationType IllustrationType = illustration::IllustrationType::None;
    // Set when the illustration's record is written, a new illustration is started or a saved
    // one is loaded; cleared by every edit.
    bool IllustrationSaved = false;
    // 0 until a start-up switch is seen; then 100 plus the type the switch chose.
    int CommandLineMode = 0;
    // The program's command line, as the start-up switch reads it.
    std::string CommandLine;
    // Set by the representative window when the user cancels it.
    bool RepInfoCancelled = false;
    // Set by the representative window when the saved record was damaged and not used: the
    // main window's first paint then shows the window, whatever its fields hold.
    bool RepInfoUnread = false;
    // The support web address read at start-up; empty while there is none.
    std::string SupportUrl;
    // The per-user settings, with those of this run that could not be stored.
    UserSettings Settings;
};

} // namespace ui

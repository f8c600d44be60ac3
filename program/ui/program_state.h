// The program-wide state that the windows share.
#pragma once

#include "program/illustration/illustration_type.h"

namespace ui {

struct ProgramState {
    illustration::IllustrationType IllustrationType = illustration::IllustrationType::None;
    // Set when the illustration's record is written, a new illustration is started or a saved
    // one is loaded; cleared by every edit.
    bool IllustrationSaved = false;
};

} // namespace ui

// The program-wide state that the windows share.
#pragma once

#include <cstdint>

namespace ui {

struct ProgramState {
    // 0 RMD, 1 beneficiary RMD, 2 equal payments under 72(t), 3 Stretch; -1 while none is chosen.
    std::int16_t IllustrationType = -1;
    // Set when the illustration's record is written, a new illustration is started or a saved
    // one is loaded; cleared by every edit.
    bool IllustrationSaved = false;
};

} // namespace ui

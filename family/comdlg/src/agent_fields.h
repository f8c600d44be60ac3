// The representative record's ten texts: the profile key, the dialog field and the place in the
// record of each, in the order of the record.
#pragma once

#include "family/comdlg/caddow.h"

#include <span>

namespace caddow {

struct AgentTextField {
    const char* profileKey;
    int control;
    std::span<char> (*in)(AgentInfo& record);
};

std::span<const AgentTextField> AgentTextFields();

// The state indexes of the tables run 0 to kLastStateIndex; anything else is read as 0.
inline constexpr int kLastStateIndex = 50;
// The one state whose representatives must give a license number: California.
inline constexpr int kLicensedStateIndex = 4;

// The record's state index, 0 when it lies outside the tables.
int ValidStateIndex(int state);

} // namespace caddow

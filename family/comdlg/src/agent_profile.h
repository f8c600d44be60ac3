// The representative record in section "Agent Information" of the shared profile "Hux.INI".
#pragma once

#include "family/comdlg/caddow.h"

namespace caddow {

// Writes the ten texts and the state index; false when the profile could not be written, in
// which case the keys written before the failure keep their new values.
bool WriteAgentProfile(const AgentInfo& record);

} // namespace caddow

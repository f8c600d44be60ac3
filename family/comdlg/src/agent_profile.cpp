#include "family/comdlg/src/agent_profile.h"

#include "family/comdlg/src/agent_fields.h"
#include "family/comdlg/src/fixed_text.h"

#include "platform/win32/winbase.h"

#include <cstdint>
#include <string>

namespace caddow {

namespace {

constexpr char kProfile[] = "Hux.INI";
constexpr char kSection[] = "Agent Information";
constexpr char kStateKey[] = "State";

} // namespace

bool WriteAgentProfile(const AgentInfo& record) {
    AgentInfo copy = record;
    bool written = true;
    for (const AgentTextField& field : AgentTextFields()) {
        const std::string text = TextOf(field.in(copy));
        written = written &&
                  WritePrivateProfileStringA(kSection, field.profileKey, text.c_str(), kProfile);
    }
    const std::string state = std::to_string(copy.state);
    written = written && WritePrivateProfileStringA(kSection, kStateKey, state.c_str(), kProfile);
    // Asks the profile to flush what it may have cached; it answers FALSE with nothing pending.
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, kProfile);
    return written;
}

} // namespace caddow

void _ComReadAgentInfo(AgentInfo* record) {
    if (record == nullptr) {
        return;
    }
    *record = AgentInfo{};
    for (const caddow::AgentTextField& field : caddow::AgentTextFields()) {
        const std::span<char> text = field.in(*record);
        GetPrivateProfileStringA(caddow::kSection, field.profileKey, "", text.data(),
                                 static_cast<DWORD>(text.size()), caddow::kProfile);
    }
    const auto state = static_cast<std::int16_t>(
        GetPrivateProfileIntA(caddow::kSection, caddow::kStateKey, 0, caddow::kProfile));
    record->state = static_cast<std::int16_t>(caddow::ValidStateIndex(state));
}

void _ComWriteAgentInfo(const AgentInfo* record) {
    if (record != nullptr) {
        caddow::WriteAgentProfile(*record);
    }
}

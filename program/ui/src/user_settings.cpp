#include "program/ui/user_settings.h"

#include "program/store/user_info.h"

#include "platform/system/program_identity.h"
#include "platform/system/settings_store.h"

namespace ui {

std::string GetUserSetting(std::string_view key, std::string_view defaultValue) {
    return sys::GetSetting(sys::ExecutableBaseName(), store::UserName(), key, defaultValue);
}

void SaveUserSetting(std::string_view key, std::string_view value) {
    sys::SaveSetting(sys::ExecutableBaseName(), store::UserName(), key, value);
}

} // namespace ui

#include "program/ui/user_settings.h"

#include "platform/system/folders.h"
#include "platform/system/program_identity.h"
#include "platform/system/settings_store.h"

#include <exception>

namespace ui {

std::string SettingsUserName() {
    std::string name;
    try {
        name = sys::UserProfileFolder().filename().string();
    } catch (const std::exception&) {
        name.clear();
    }
    return name.empty() ? std::string("Init") : name;
}

std::string GetUserSetting(std::string_view key, std::string_view defaultValue) {
    return sys::GetSetting(sys::ExecutableBaseName(), SettingsUserName(), key, defaultValue);
}

void SaveUserSetting(std::string_view key, std::string_view value) {
    sys::SaveSetting(sys::ExecutableBaseName(), SettingsUserName(), key, value);
}

} // namespace ui

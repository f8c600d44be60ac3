#include "program/ui/support/user_settings.h"

#include "program/store/user_info.h"

#include "platform/forms/application.h"
#include "platform/forms/message_box.h"
#include "platform/runtime/runtime_error.h"
#include "platform/runtime/windows1252.h"
#include "platform/system/program_identity.h"
#include "platform/system/settings_store.h"

#include <vector>

namespace ui {

std::string UserSettings::Get(std::string_view key, std::string_view defaultValue) const {
    if (const auto kept = kept_.find(key); kept != kept_.end()) {
        return kept->second;
    }
    return sys::GetSetting(sys::ExecutableBaseName(), store::UserName(), key, defaultValue);
}

void UserSettings::Save(std::span<const sys::ProfileEntry> entries, forms::Application& app) {
    for (const sys::ProfileEntry& entry : entries) {
        kept_.insert_or_assign(entry.key, entry.value);
    }
    std::vector<sys::ProfileEntry> pending;
    for (const auto& [key, value] : kept_) {
        pending.push_back({key, value});
    }
    try {
        sys::SaveSettings(sys::ExecutableBaseName(), store::UserName(), pending);
        kept_.clear();
    } catch (const runtime::RuntimeError& error) {
        if (reported_) {
            return;
        }
        reported_ = true;
        const std::string folder =
            runtime::Utf8ToWindows1252(sys::SettingsFile().parent_path().string());
        app.MsgBox("Your settings could not be saved: " + runtime::ErrorText(error.Number()) +
                       ".\r\nFolder: " + folder + "\r\n\r\nThe program keeps them until it ends.",
                   forms::vbOKOnly + forms::vbExclamation, "Settings Not Saved");
    }
}

void UserSettings::Save(std::string_view key, std::string_view value, forms::Application& app) {
    const sys::ProfileEntry entry{std::string(key), std::string(value)};
    Save(std::span(&entry, 1), app);
}

} // namespace ui

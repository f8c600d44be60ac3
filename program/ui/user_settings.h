// Where the program keeps its per-user settings: application = the program's file name,
// section = the user's short name (store::UserName: the last part of the home folder; "Init"
// without one).
#pragma once

#include <string>
#include <string_view>

namespace ui {

std::string GetUserSetting(std::string_view key, std::string_view defaultValue = {});
void SaveUserSetting(std::string_view key, std::string_view value);

} // namespace ui

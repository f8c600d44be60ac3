// The two dialog templates, "AgentDlg" and "OpenClientDlg", and the ids of their controls.
#pragma once

#include "platform/win32/windows.h"

namespace caddow {

inline constexpr char kAgentDialog[] = "AgentDlg";
inline constexpr char kOpenClientDialog[] = "OpenClientDlg";

// The representative dialog's fields.
inline constexpr int kNameField = 200;
inline constexpr int kNumberField = 201;
inline constexpr int kLicenseField = 202;
inline constexpr int kAgencyField = 203;
inline constexpr int kWorkField = 204;
inline constexpr int kHomeField = 205;
inline constexpr int kFaxField = 206;
inline constexpr int kStreetField = 207;
inline constexpr int kCityField = 208;
inline constexpr int kStateList = 209;
inline constexpr int kZipField = 210;

// The client picker's list and its Delete button.
inline constexpr int kClientList = 200;
inline constexpr int kDeleteButton = 11;

inline constexpr int kHelpButton = 998;

// Makes both templates known under the library's instance.
void RegisterDialogTemplates(HINSTANCE instance);

} // namespace caddow

// Web addresses the program opens in the user's browser.
#pragma once

#include <string_view>

namespace ui {

// Opens an http or https address (the scheme in any letter case) in the browser, the address
// as the browser's one argument; any other text is refused. False when refused or the browser
// could not be started.
bool OpenWebAddress(std::string_view address);

// Opens the web address kept in the member `memberName` of the program's resource archive
// (<program name>.icf in the install folder): the member is extracted into the program folder,
// its first line read as the address, and the extracted file removed. Every failure (no archive
// or member, an unreadable file, a text that is not a web address, no browser) is silent.
void OpenArchivedUrl(std::string_view memberName);

} // namespace ui

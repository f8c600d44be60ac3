// Web addresses the program opens in the user's browser.
#pragma once

#include <string_view>

namespace ui {

// Opens an http or https address (the scheme in any letter case) in the browser, the address
// as the browser's one argument; any other text is refused. False when refused or the browser
// could not be started.
bool OpenWebAddress(std::string_view address);

} // namespace ui

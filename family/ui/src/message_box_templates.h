// The six dialog templates of the message box: one, two or three buttons, with or without the
// icon button.
#pragma once

#include "family/ui/vistel.h"

#include "platform/win32/windows.h"

namespace vistel {

inline constexpr WORD kFirstButton = 100;
inline constexpr WORD kSecondButton = 101;
inline constexpr WORD kThirdButton = 102;
inline constexpr WORD kIconButton = 201;
inline constexpr WORD kMessageText = kUIMessageText;

// The template name for `buttonCount` buttons (1 to 3), with or without an icon.
const char* MessageBoxTemplate(int buttonCount, bool withIcon);

// Makes the templates known under the library's instance.
void RegisterMessageBoxTemplates(HINSTANCE instance);

} // namespace vistel

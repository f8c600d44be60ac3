// Internal to program/store: the message boxes the store's operations show.
#pragma once

#include "platform/forms/message_box.h"

#include <string>

namespace store {

// Line breaks inside a message, as the program writes them.
inline constexpr const char* kNewLine = "\r\n";

int ShowMessage(forms::MessageBoxService& messages, const std::string& prompt, int style,
                const std::string& title);

// The file-error message: "An error occurred. Type:", the runtime error number with its leading
// blank, ".", a line break, the runtime's text for it and one more line break, under `title`,
// with the critical icon; `epilogue` follows when it is not empty.
void ShowFileError(forms::MessageBoxService& messages, int errorNumber, const std::string& title,
                   const std::string& epilogue = {});

} // namespace store

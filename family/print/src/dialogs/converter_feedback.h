// What the converter tells the convert dialog: its progress, which the dialog may answer with a
// request to stop, and its failures, shown as message boxes with the library's strings.
#pragma once

#include "platform/win32/windows.h"

#include <cstdint>

namespace pressel {

// Library strings of the converter's messages.
inline constexpr int kOutOfMemoryCaption = 3000;
inline constexpr int kOutOfMemoryText = 3001;
inline constexpr int kFileErrorCaption = 3002;
inline constexpr int kCorruptFileText = 3003;
inline constexpr int kNamelessFieldText = 3004;
inline constexpr int kFieldWithoutValueText = 3005;

// The percent of the template read: 64-bit arithmetic, clamped to 0..100.
int ProgressPercent(std::int64_t position, std::int64_t bodyStart, std::int64_t fileSize);

// Sends WM_USER with the percent to the dialog, then lets the waiting messages through; answers
// the dialog's answer (non-zero: stop).
LRESULT ReportProgress(HWND dialog, int percent);

// A message box, OK with the exclamation icon, of the library's strings `captionId` and
// `textId`, with `suffix` after the text.
void ShowLibraryMessage(HWND owner, int captionId, int textId, const char* suffix = "");

} // namespace pressel

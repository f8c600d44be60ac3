#include "family/print/src/dialogs/converter_feedback.h"

#include "family/print/src/module/library_instance.h"
#include "family/ui/vistel.h"
#include "family/util/umbrant.h"

#include "platform/progress/waiting_messages.h"

#include <algorithm>
#include <string>

namespace pressel {
namespace {

constexpr int kExclamationOk = 48;

} // namespace

int ProgressPercent(std::int64_t position, std::int64_t bodyStart, std::int64_t fileSize) {
    const std::int64_t span = fileSize - bodyStart;
    if (span <= 0) {
        return 100;
    }
    return static_cast<int>(std::clamp<std::int64_t>((position - bodyStart) * 100 / span, 0, 100));
}

LRESULT ReportProgress(HWND dialog, int percent) {
    const LRESULT answer = SendMessageA(dialog, WM_USER, static_cast<WPARAM>(percent), 0);
    progress::LetMessagesThrough(dialog);
    return answer;
}

void ShowLibraryMessage(HWND owner, int captionId, int textId, const char* suffix) {
    // The two strings come from alternating buffers, so both stay valid together.
    const char* caption = _UtilLoadStringInst(LibraryInstance(), captionId);
    const std::string text = std::string(_UtilLoadStringInst(LibraryInstance(), textId)) + suffix;
    _UIMessageBox(owner, text.c_str(), caption, kExclamationOk);
}

} // namespace pressel

#include "platform/win32/src/window/scroll_info.h"

#include <algorithm>

namespace win32 {

int LastScrollPosition(const ScrollState& state) {
    return std::max(state.minimum, state.maximum - std::max(state.page - 1, 0));
}

int ApplyScrollInfo(ScrollState& state, const SCROLLINFO& info) {
    if ((info.fMask & SIF_RANGE) != 0) {
        state.minimum = info.nMin;
        state.maximum = std::max(info.nMin, info.nMax);
    }
    if ((info.fMask & SIF_PAGE) != 0) {
        state.page = static_cast<int>(std::min<UINT>(info.nPage, 0x7FFFFFFF));
    }
    state.page = std::min(state.page, state.maximum - state.minimum + 1);
    if ((info.fMask & SIF_POS) != 0) {
        state.position = info.nPos;
    }
    state.position = std::clamp(state.position, state.minimum, LastScrollPosition(state));
    return state.position;
}

void ReadScrollInfo(const ScrollState& state, SCROLLINFO& info) {
    if ((info.fMask & SIF_RANGE) != 0) {
        info.nMin = state.minimum;
        info.nMax = state.maximum;
    }
    if ((info.fMask & SIF_PAGE) != 0) {
        info.nPage = static_cast<UINT>(state.page);
    }
    if ((info.fMask & SIF_POS) != 0) {
        info.nPos = state.position;
    }
    if ((info.fMask & SIF_TRACKPOS) != 0) {
        info.nTrackPos = state.position;
    }
}

} // namespace win32

// The font of the graph's 3-D labels as the 2-D side sees it: "Arial" with a character height of
// 24 pixels, weight 400, in a memory context of its own, for measuring labels. The 3-D text is
// drawn from the outlines of the same face scaled to 24 units an em, so that a measured extent
// and the drawn label agree in proportion.
#pragma once

#include "platform/win32/wingdi.h"

#include <string>

namespace output {

struct LabelExtent {
    int width = 0;
    int height = 0;
};

class LabelFont {
public:
    static constexpr int kCharacterHeight = 24;

    LabelFont();
    ~LabelFont();
    LabelFont(const LabelFont&) = delete;
    LabelFont& operator=(const LabelFont&) = delete;

    LabelExtent Measure(const std::string& text) const;

    // The face's logical font, for finding its outline file.
    static LOGFONTA Logical();

private:
    HDC context_ = nullptr;
    HFONT font_ = nullptr;
    HGDIOBJ previousFont_ = nullptr;
};

} // namespace output

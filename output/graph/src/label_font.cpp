#include "output/graph/label_font.h"

#include <cstring>

namespace output {

LOGFONTA LabelFont::Logical() {
    LOGFONTA font{};
    font.lfHeight = -kCharacterHeight;
    font.lfWeight = FW_NORMAL;
    font.lfOutPrecision = OUT_TT_ONLY_PRECIS;
    std::strcpy(font.lfFaceName, "Arial");
    return font;
}

LabelFont::LabelFont() {
    const LOGFONTA logical = Logical();
    context_ = CreateCompatibleDC(nullptr);
    font_ = CreateFontIndirectA(&logical);
    if (context_ != nullptr && font_ != nullptr) {
        previousFont_ = SelectObject(context_, font_);
    }
}

LabelFont::~LabelFont() {
    if (context_ != nullptr) {
        if (previousFont_ != nullptr) {
            SelectObject(context_, previousFont_);
        }
        DeleteDC(context_);
    }
    if (font_ != nullptr) {
        DeleteObject(font_);
    }
}

LabelExtent LabelFont::Measure(const std::string& text) const {
    SIZE size{};
    if (context_ == nullptr ||
        !GetTextExtentPoint32A(context_, text.data(), static_cast<int>(text.size()), &size)) {
        return {};
    }
    return {size.cx, size.cy};
}

} // namespace output

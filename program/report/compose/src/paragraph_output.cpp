#include "program/report/compose/src/paragraph_output.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace compose {

namespace {

// The line under a run lies 1.2 font heights below the top of the line: 12 twips per half-point.
constexpr std::int64_t kUnderlineTwipsPerHalfPoint = 12;

std::int32_t ClampToInt32(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

// A tab met in the paragraph: where the run after it goes.
struct PendingTab {
    std::int32_t target = 0;
    TabKind kind = TabKind::Left;
    bool underlined = false;
};

// The tab from current position x0: the first stop, in the order defined, whose place on the
// page lies beyond x0 (no further than the right edge); the right edge itself when none does.
PendingTab FindTab(const ParagraphSetting& setting, std::int32_t x0, bool underlined) {
    for (const TabStop& stop : setting.group.tabStops) {
        const std::int64_t place = std::int64_t{setting.leftMargin} + stop.position;
        if (place > x0) {
            return {ClampToInt32(std::min<std::int64_t>(place, setting.rightEdge)), stop.kind,
                    underlined};
        }
    }
    return {std::max(x0, setting.rightEdge), TabKind::Left, underlined};
}

// Where a run of `width` starts when it follows `tab` from position x: left of the target by the
// whole width (right stop) or half of it (centre stop, a half twip to the even neighbour), never
// left of x.
std::int32_t TabbedStart(const PendingTab& tab, std::int32_t x, std::int32_t width) {
    std::int64_t target = tab.target;
    if (tab.kind == TabKind::Centre) {
        target = static_cast<std::int64_t>(std::nearbyint(tab.target - width / 2.0));
    } else if (tab.kind == TabKind::Right) {
        target -= width;
    }
    return ClampToInt32(std::max<std::int64_t>(target, x));
}

void ApplyFont(RichTextSurface& surface, const std::vector<RTFFont>& fonts, const RTFForm& form) {
    // A number defined twice means its later definition.
    const auto font = std::find_if(fonts.rbegin(), fonts.rend(), [&form](const RTFFont& entry) {
        return entry.index == form.fontIndex;
    });
    if (font != fonts.rend()) {
        surface.SetFontName(font->name);
    }
    surface.SetFontSize(static_cast<float>(form.fontSize) / 2.0F);
    surface.SetFontBold((form.style & kStyleBold) != 0);
    surface.SetFontItalic((form.style & kStyleItalic) != 0);
}

} // namespace

void WriteParagraph(RichTextSurface& surface, const Paragraph& paragraph,
                    const ParagraphSetting& setting) {
    const RTFGroup& group = setting.group;
    surface.SetAlignment(group.alignment);
    surface.SetCurrentY(ClampToInt32(std::int64_t{surface.CurrentY()} + group.spaceBefore));
    // An indented paragraph: the surface wraps its lines at the indent, taken as the left margin
    // while the paragraph is written, and its first line starts at the first line's own indent,
    // so that a value after a tab wraps under itself rather than under its label.
    const bool indented = group.leftIndent != 0 || group.firstLineIndent != 0;
    if (indented) {
        const std::int64_t indent = std::int64_t{setting.leftMargin} + group.leftIndent;
        surface.SetMargin(PageMargin::Left, ClampToInt32(indent));
        surface.SetCurrentX(ClampToInt32(indent + group.firstLineIndent));
    }

    const std::string& text = paragraph.text;
    const std::size_t length = text.size();
    // The tab met last, until the run after it is placed.
    PendingTab pendingTab;
    bool tabPending = false;
    std::size_t runStart = 0;
    for (std::size_t end = 0; end <= length; ++end) {
        const bool atEnd = end == length;
        const bool atTab = !atEnd && text[end] == '\t';
        if (!atEnd && !atTab && paragraph.forms[end] == paragraph.forms[runStart]) {
            continue;
        }
        // A run ends at the end, at a tab or where the format changes. Past the last character
        // (an empty paragraph, or one ending in a tab) the group's own format stands in.
        const std::string run = text.substr(runStart, end - runStart);
        const RTFForm& form = runStart < length ? paragraph.forms[runStart] : group.form;
        std::int32_t x = surface.CurrentX();
        const std::int32_t underlineY = ClampToInt32(std::int64_t{surface.CurrentY()} +
                                                     kUnderlineTwipsPerHalfPoint * form.fontSize);
        ApplyFont(surface, setting.fonts, form);
        const std::int32_t width = surface.MeasureText(run);

        if (tabPending) {
            const std::int32_t start = TabbedStart(pendingTab, x, width);
            if (x < start) {
                if (pendingTab.underlined) {
                    surface.DrawLine(x, underlineY, start, underlineY);
                }
                x = start;
                surface.SetCurrentX(start);
            }
            tabPending = false;
        }
        if ((form.style & kStyleUnderline) != 0) {
            surface.DrawLine(x, underlineY, ClampToInt32(std::int64_t{x} + width), underlineY);
        }
        if (atEnd) {
            surface.WriteParagraph(run);
            break;
        }
        surface.WriteText(run);
        runStart = end;
        if (atTab) {
            // The tab character itself is not written; it moves the next run.
            const bool underlined = (paragraph.forms[end].style & kStyleUnderline) != 0;
            pendingTab = FindTab(setting, surface.CurrentX(), underlined);
            tabPending = true;
            runStart = end + 1;
        }
    }

    if (indented) {
        surface.SetMargin(PageMargin::Left, setting.leftMargin);
        surface.SetCurrentX(setting.leftMargin);
    }
    surface.SetCurrentY(ClampToInt32(std::int64_t{surface.CurrentY()} + group.spaceAfter));
}

} // namespace compose

// Writing one collected paragraph on the surface, at \par.
#pragma once

#include "program/report/compose/rich_text_surface.h"
#include "program/report/compose/src/rtf_group.h"

#include <cstdint>
#include <string>
#include <vector>

namespace compose {

// The text of one paragraph, with the format of each character.
struct Paragraph {
    std::string text;
    std::vector<RTFForm> forms; // one per character of text
};

// What the paragraph is written with besides its own text.
struct ParagraphSetting {
    const RTFGroup& group; // the group current at \par: alignment, spacing, tab stops
    const std::vector<RTFFont>& fonts;
    std::int32_t leftMargin = 0;
    std::int32_t rightEdge = 0; // the page width less the right margin
};

// Writes `paragraph` in runs of equal format: a run ends at a tab or where the font, size or
// style changes. Each run is measured in its own font; a tab moves the next run to the first tab
// stop beyond the current position (a centre or right stop aligns the run on it), or to the
// right edge when there is none. Underlined runs and underlined tab gaps get a drawn line 1.2
// font heights below the line's top. The last run ends the paragraph, even when it is empty.
// With a left indent (\li) the lines after the first start that far right of the left margin,
// and the first line starts the first line's indent (\fi) from there: \li3960\fi-3960 with a
// stop at 3960 keeps a wrapped value in its column.
void WriteParagraph(RichTextSurface& surface, const Paragraph& paragraph,
                    const ParagraphSetting& setting);

} // namespace compose

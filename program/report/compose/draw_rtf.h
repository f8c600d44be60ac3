// The report's rich-text interpreter. It is not a general rich-text reader: it understands the
// small set of control words the report templates use (fonts, bold, italic, underline, hidden
// text, alignment, paragraph spacing, tab stops, margins, new pages), keeps a stack of group
// states and a font table, collects one paragraph at a time with a format per character, and at
// each \par writes the paragraph in runs of equal format. Everything else in the text is skipped:
// unknown words, pictures, colours, style sheets, information, headers and footers.
#pragma once

#include "program/report/compose/rich_text_surface.h"

#include <optional>
#include <string>
#include <string_view>

namespace compose {

// Groups may nest this deep; a deeper text is refused rather than drawn.
inline constexpr int kMaxGroupDepth = 256;
// A paragraph keeps at most this many tab stops; later \tx words are ignored.
inline constexpr int kMaxTabStops = 64;

// Draws `richText` (Windows-1252) on `surface`. Answers the message naming the fault when the
// text cannot be drawn; nothing when it was. Text after the last \par is not written. What the
// surface throws passes to the caller.
[[nodiscard]] std::optional<std::string> DrawRTF(RichTextSurface& surface,
                                                 std::string_view richText);

} // namespace compose

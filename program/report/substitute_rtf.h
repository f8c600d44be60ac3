// Filling a report template from the illustration's report fields: the choice of the template
// by illustration type, the removal of the blocks the calculation switched off, and the
// replacement of every report field's tag by its text.
#pragma once

#include "program/illustration/illustration_fields.h"
#include "program/illustration/illustration_type.h"

#include <string>
#include <string_view>

namespace report {

// The archive member holding the template of `type`: for the RMD illustration the spouse's
// version when `spouseBirthDate` (as input validation took it) is a date. Empty for no type.
std::string TemplateMember(illustration::IllustrationType type, std::string_view spouseBirthDate);

// The report text made from `templateText`:
// - Blocks: every report field whose text begins with "~" is a marker; a stretch of the text
//   from one occurrence of the marker to the next is cut out with both markers, except the
//   opening marker's "~". At most ten blocks per marker.
// - Tags: each report field's tag is replaced by its text, first occurrence first, at most ten
//   times per field, in field order. Texts are escaped (calc::EscapeRichText), except those of
//   the fields that carry rich text on purpose (the representative line, whose own texts the
//   calculation escapes, and the planholder's dates).
std::string SubstituteRTF(std::string templateText, const illustration::IllustrationFields& fields);

} // namespace report

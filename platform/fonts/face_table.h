// The one face table: the Windows face names the system asks for, and the metric-compatible
// Liberation faces that stand for them on Linux.
//   "Arial", "Helvetica", "MS Sans Serif", "Microsoft Sans Serif", "MS Shell Dlg", "System"
//                                                          -> "Liberation Sans"
//   "Times New Roman", "Times", "MS Serif"                -> "Liberation Serif"
//   "Courier New", "Courier"                              -> "Liberation Mono"
// Names are compared without regard to case.
#pragma once

#include <optional>
#include <string_view>

// The library's exports; everything else in it stays hidden.
#define FONTS_EXPORT __attribute__((visibility("default")))

namespace fonts {

// The three kinds of face a request falls back on; the order indexes the table of families.
enum class Generic { Sans, Serif, Mono };

// The kind a face name stands for in the table; nothing for a name the table does not hold.
FONTS_EXPORT std::optional<Generic> GenericOfFaceName(std::string_view name);

// "Liberation Sans", "Liberation Serif", "Liberation Mono".
FONTS_EXPORT const char* LiberationFamily(Generic generic);

// fontconfig's generic name: "sans-serif", "serif", "monospace".
FONTS_EXPORT const char* GenericFamilyName(Generic generic);

} // namespace fonts

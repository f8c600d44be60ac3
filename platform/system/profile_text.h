// The text of a profile (INI) file, read and edited with the Windows profile rules:
//
//   ; a comment: a line whose first non-blank character is ";"
//   [Section]          a section header; the name is trimmed
//   Key = value        a key line; key and value are trimmed
//
// Section names and keys compare without regard to letter case; the names a caller gives are
// trimmed alike, for look-ups and writes. Lines before the first header,
// lines without "=" and blank lines belong to no key. Where a key stands twice, the first one
// wins; where a section stands twice, its first occurrence is searched first. A value whose
// first and last characters are the same quote (' or ") loses that pair. There are no comments
// after a value. Lines end with LF, CR LF or a lone CR. A UTF-8 byte-order mark at the start of
// the text is no part of its first line; edits keep it.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sys {

// The value of `key` in `section`; nothing when the text holds no such key.
std::optional<std::string> FindProfileValue(std::string_view text, std::string_view section,
                                            std::string_view key);

// Refuses with error 52 a name or value the format cannot hold: a line break, "]" in a section
// name, "=" in a key, a key that is empty or starts with "[" or ";".
void CheckProfileWritable(std::string_view section, std::string_view key, std::string_view value);

// The text with `key` in `section` set to `value`, written as it is. The key line is replaced
// where the lookup finds it; otherwise the key is added after the section's last key, and the
// section at the end of the text. Comments, blank lines and other keys are kept as they stand;
// new lines use the text's own line ending (LF for a text without one). What
// CheckProfileWritable refuses is refused.
std::string SetProfileValue(std::string_view text, std::string_view section, std::string_view key,
                            std::string_view value);

// The text without any line of `key` in `section`; unchanged when it holds none.
std::string RemoveProfileKey(std::string_view text, std::string_view section, std::string_view key);

// The section names of the text in the order they first stand, each once.
std::vector<std::string> ListProfileSections(std::string_view text);

// The keys of `section` (every occurrence of it) in the order they stand, each once.
std::vector<std::string> ListProfileKeys(std::string_view text, std::string_view section);

// The text without `section`: every occurrence's header and the lines up to the next header.
std::string RemoveProfileSection(std::string_view text, std::string_view section);

} // namespace sys

// The client entries of a record database: the top-level entries whose names begin with "C",
// each holding a ClientRecord. Every path is absolute, so the handle's working entry does not
// matter.
#pragma once

#include "family/comdlg/caddow.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace caddow {

// The names of the top-level entries in the database's order. A damaged sibling chain (a name
// that does not sort after the one before) ends the list rather than looping.
std::vector<std::string> TopLevelEntries(int database);

bool IsClientEntry(std::string_view name);

// The client record of the entry; a record that cannot be read is all zeros (empty names), and
// data shorter than a record is zero-filled.
ClientRecord ReadClientRecord(int database, std::string_view name);

// Deletes the entry with its children; the database's result code.
unsigned char DeleteClientEntry(int database, std::string_view name);

// "C" and one more than the largest number after a client entry's "C" (the digits up to the
// first other character; none count as 0); "C0" without client entries. Nothing when that name
// would be longer than an entry name may be.
std::optional<std::string> NextClientName(const std::vector<std::string>& entries);

} // namespace caddow

// Finding the entry a full path names. The walk follows sorted sibling chains and stops as soon
// as the wanted name sorts before the current one; it may start at the handle's working entry
// or take the find cursor's entry without reading the file. Every walk is bounded by the number
// of records the file can hold and checks that each chain ascends and that each record names
// its parent, so a cycle in a damaged file is reported as damage, never followed for ever.
#pragma once

#include "family/data/dorrick.h"
#include "family/data/src/records.h"
#include "family/data/src/slots.h"

#include <string>
#include <vector>

namespace dorrick {

struct Lookup {
    // The deepest entry matched, and how many names of the path it accounts for.
    std::int32_t offset = 0;
    EntryRecord record;
    std::size_t matchedNames = 0;
    bool exists = false;
    bool damaged = false;
};

// The root (no names) exists when the database has a first top-level entry, and is answered
// with that entry.
Lookup FindPath(const DatabaseSlot& slot, const std::string& fullPath,
                const std::vector<std::string>& names);

// A request on a path, as every path operation starts it: the handle is checked (1), the full
// path built (7) and looked up (2 for a damaged file). Whether the entry exists is left to the
// operation.
struct PathRequest {
    DatabaseSlot* slot = nullptr;
    std::string fullPath;
    std::vector<std::string> names;
    Lookup found;

    bool IsRoot() const { return names.empty(); }
};
DataResult ResolvePath(int handle, const char* path, PathRequest& request);

// As ResolvePath, for operations on one entry's data or lock, which the root does not have:
// the root and a missing entry are 5.
DataResult ResolveEntry(int handle, const char* path, PathRequest& request);

// A chain link's next step, checked: a record that does not sort after the one before it
// means the chain is damaged (or loops).
bool Ascends(const EntryRecord& before, const EntryRecord& after);

// Whether a record met in the chain below `parent` (0: top level) names that parent. Each record
// names one parent, so a walk that checks it can reach a record by one path only: links that
// would make a child its own ancestor, or share a chain between parents, are damage.
bool BelongsTo(const EntryRecord& record, std::int32_t parent);

} // namespace dorrick

// The tree's shape: adding and deleting entries, listing children with the find cursor, and the
// working entry.
#include "family/data/dorrick.h"
#include "family/data/src/lookup.h"
#include "family/data/src/paths.h"
#include "family/data/src/slots.h"

#include <cstring>
#include <string_view>

namespace {

using namespace dorrick;

void EmptyText(char* out) {
    if (out != nullptr) {
        out[0] = '\0';
    }
}

void CopyText(std::string_view text, char* out) {
    if (out != nullptr) {
        std::memcpy(out, text.data(), text.size());
        out[text.size()] = '\0';
    }
}

// Where a new name joins a sibling chain: after `predecessor` (0: first) and before
// `following` (0: last).
struct ChainPlace {
    std::int32_t predecessor = 0;
    EntryRecord predecessorRecord;
    std::int32_t following = 0;
    EntryRecord followingRecord;
};

// Walks the chain from `start` to the place of `name`. Not found when the chain is damaged, or
// when it holds the name already (which a sound lookup would have found).
DataResult FindChainPlace(const DatabaseSlot& slot, std::int32_t parent, std::int32_t start,
                          const std::string& name, ChainPlace& place) {
    const std::int64_t bound = slot.file.WalkBound();
    std::int64_t steps = 0;
    for (std::int32_t current = start; current != 0;) {
        const auto record = slot.file.ReadRecord(current);
        if (++steps > bound || !record || !BelongsTo(*record, parent) ||
            (place.predecessor != 0 && !Ascends(place.predecessorRecord, *record))) {
            return kDataNotADatabase;
        }
        const int order = CompareNames(record->name, name);
        if (order == 0) {
            return kDataEntryExists;
        }
        if (order > 0) {
            place.following = current;
            place.followingRecord = *record;
            break;
        }
        place.predecessor = current;
        place.predecessorRecord = *record;
        current = record->next;
    }
    return kDataSuccess;
}

// Writes `record` at the end of the file and answers its offset, or 0 when it could not be.
std::int32_t AppendRecord(const DatabaseSlot& slot, const EntryRecord& record) {
    const auto offset = slot.file.AppendOffset(RecordSize(record.name));
    if (!offset || !slot.file.WriteRecord(*offset, record)) {
        return 0;
    }
    return *offset;
}

// Adds the names of the request that the lookup did not find. The first joins the sorted chain
// below the deepest match (or at top level); each further one is the only child of the one
// before. Each new record is written before anything links to it.
DataResult AddMissingNames(const DatabaseSlot& slot, const PathRequest& request) {
    const Lookup& found = request.found;
    const std::int32_t parent = found.matchedNames > 0 ? found.offset : 0;
    EntryRecord parentRecord = found.record;

    EntryRecord record;
    record.name = request.names[found.matchedNames];
    record.parent = parent;
    ChainPlace place;
    const DataResult placed = FindChainPlace(
        slot, parent, parent != 0 ? parentRecord.firstChild : slot.firstEntry, record.name, place);
    if (placed != kDataSuccess) {
        return placed;
    }
    record.previous = place.predecessor;
    record.next = place.following;
    std::int32_t offset = AppendRecord(slot, record);
    if (offset == 0) {
        return kDataWriteFailed;
    }
    bool written = true;
    if (place.following != 0) {
        place.followingRecord.previous = offset;
        written &= StoreRecord(slot, place.following, place.followingRecord);
    }
    if (place.predecessor != 0) {
        place.predecessorRecord.next = offset;
        written &= StoreRecord(slot, place.predecessor, place.predecessorRecord);
    } else if (parent != 0) {
        parentRecord.firstChild = offset;
        written &= StoreRecord(slot, parent, parentRecord);
    } else {
        written &= SetFirstEntry(slot, offset);
    }

    for (std::size_t index = found.matchedNames + 1; written && index < request.names.size();
         ++index) {
        EntryRecord child;
        child.name = request.names[index];
        child.parent = offset;
        const std::int32_t childOffset = AppendRecord(slot, child);
        if (childOffset == 0) {
            return kDataWriteFailed;
        }
        record.firstChild = childOffset;
        written &= StoreRecord(slot, offset, record);
        offset = childOffset;
        record = child;
    }
    return written ? kDataSuccess : kDataWriteFailed;
}

struct Doomed {
    std::int32_t offset;
    EntryRecord record;
};

// The entry and every descendant, depth first, for deletion. A damaged record ends its chain;
// a walk longer than the file can hold records is a loop, and the file is damaged.
bool CollectSubtree(const DatabaseSlot& slot, const Lookup& found, std::vector<Doomed>& doomed) {
    const std::int64_t bound = slot.file.WalkBound();
    doomed.push_back({found.offset, found.record});
    std::vector<std::int32_t> chains{found.record.firstChild};
    while (!chains.empty()) {
        std::int32_t current = chains.back();
        chains.pop_back();
        while (current != 0) {
            const auto record = slot.file.ReadRecord(current);
            if (!record) {
                break;
            }
            if (static_cast<std::int64_t>(doomed.size()) > bound) {
                return false;
            }
            doomed.push_back({current, *record});
            chains.push_back(record->firstChild);
            current = record->next;
        }
    }
    return true;
}

// Takes the entry out of its chain, so that lookups and finds no longer meet it.
bool Unlink(const DatabaseSlot& slot, std::int32_t offset, const EntryRecord& record) {
    bool written = true;
    if (record.parent != 0) {
        auto parent = slot.file.ReadRecord(record.parent);
        if (parent && parent->firstChild == offset) {
            parent->firstChild = record.next;
            written &= StoreRecord(slot, record.parent, *parent);
        }
    } else if (slot.file.ReadHeader().value_or(DatabaseHeader{}).firstEntry == offset) {
        written &= SetFirstEntry(slot, record.next);
    }
    if (auto previous =
            record.previous != 0 ? slot.file.ReadRecord(record.previous) : std::nullopt) {
        previous->next = record.next;
        written &= StoreRecord(slot, record.previous, *previous);
    }
    if (auto next = record.next != 0 ? slot.file.ReadRecord(record.next) : std::nullopt) {
        next->previous = record.previous;
        written &= StoreRecord(slot, record.next, *next);
    }
    return written;
}

} // namespace

unsigned char _DataAddEntry(int handle, const char* path) {
    PathRequest request;
    const DataResult result = ResolvePath(handle, path, request);
    if (result != kDataSuccess) {
        return result;
    }
    if (request.IsRoot()) {
        return kDataNoSuchEntry;
    }
    if (request.found.exists) {
        return kDataEntryExists;
    }
    request.slot->ForgetCursor();
    return AddMissingNames(*request.slot, request);
}

unsigned char _DataDeleteEntry(int handle, const char* path) {
    PathRequest request;
    const DataResult result = ResolveEntry(handle, path, request);
    if (result != kDataSuccess) {
        return result;
    }
    if (request.found.record.Locked()) {
        return kDataEntryLocked;
    }
    DatabaseSlot& slot = *request.slot;
    slot.ForgetCursor();
    std::vector<Doomed> doomed;
    if (!CollectSubtree(slot, request.found, doomed)) {
        return kDataNotADatabase;
    }
    bool written = Unlink(slot, request.found.offset, request.found.record);
    std::int64_t garbage = 0;
    for (auto& [offset, record] : doomed) {
        record.flags |= kFlagDeleted;
        written &= StoreRecord(slot, offset, record);
        garbage += StoredSize(record);
    }
    written &= slot.file.AddGarbage(garbage);
    LeaveDeletedSubtree(slot, request.fullPath);
    return written ? kDataSuccess : kDataWriteFailed;
}

unsigned char _DataFindFirstEntry(int handle, const char* path, char* name) {
    EmptyText(name);
    PathRequest request;
    const DataResult result = ResolvePath(handle, path, request);
    if (result != kDataSuccess) {
        return result;
    }
    DatabaseSlot& slot = *request.slot;
    slot.ForgetCursor();
    if (!request.found.exists) {
        return kDataNoSuchEntry;
    }
    // The root's first child is the first top-level entry, which the lookup answered.
    std::int32_t offset = request.found.offset;
    auto record = std::optional(request.found.record);
    if (!request.IsRoot()) {
        offset = request.found.record.firstChild;
        record = offset != 0 ? slot.file.ReadRecord(offset) : std::nullopt;
        if (!record) {
            return kDataNoMoreEntries;
        }
        if (!BelongsTo(*record, request.found.offset)) {
            return kDataNotADatabase;
        }
    }
    slot.cursorOffset = offset;
    slot.cursorRecord = *record;
    slot.cursorPath = request.fullPath + record->name + ".";
    CopyText(record->name, name);
    return kDataSuccess;
}

unsigned char _DataFindNextEntry(int handle, char* name) {
    EmptyText(name);
    DatabaseSlot* slot = OpenSlot(handle);
    if (slot == nullptr) {
        return kDataBadHandle;
    }
    if (slot->cursorOffset == 0 || slot->cursorRecord.next == 0) {
        return kDataNoMoreEntries;
    }
    const std::int32_t offset = slot->cursorRecord.next;
    const auto record = slot->file.ReadRecord(offset);
    if (!record) {
        return kDataNoMoreEntries;
    }
    // A chain that does not ascend would let a host's listing loop run for ever.
    if (!BelongsTo(*record, slot->cursorRecord.parent) || !Ascends(slot->cursorRecord, *record)) {
        slot->ForgetCursor();
        return kDataNotADatabase;
    }
    slot->cursorPath = ParentPath(slot->cursorPath) + record->name + ".";
    slot->cursorOffset = offset;
    slot->cursorRecord = *record;
    CopyText(record->name, name);
    return kDataSuccess;
}

unsigned char _DataGetCurrentWorkingEntry(int handle, char* path) {
    EmptyText(path);
    const DatabaseSlot* slot = OpenSlot(handle);
    if (slot == nullptr) {
        return kDataBadHandle;
    }
    CopyText(slot->workingPath, path);
    return kDataSuccess;
}

unsigned char _DataSetCurrentWorkingEntry(int handle, const char* path) {
    DatabaseSlot* slot = OpenSlot(handle);
    if (slot == nullptr) {
        return kDataBadHandle;
    }
    const std::string_view request = path == nullptr ? "" : path;
    const auto fullPath = request == ".." ? std::optional(ParentPath(slot->workingPath))
                                          : FullPath(slot->workingPath, request);
    if (!fullPath) {
        return kDataPathTooLong;
    }
    const Lookup found = FindPath(*slot, *fullPath, SplitNames(*fullPath));
    if (found.damaged) {
        return kDataNotADatabase;
    }
    if (!found.exists) {
        return kDataNoSuchEntry;
    }
    slot->workingPath = *fullPath;
    slot->workingEntry = found.offset;
    return kDataSuccess;
}

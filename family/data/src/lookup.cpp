#include "family/data/src/lookup.h"

#include "family/data/src/paths.h"

namespace dorrick {

namespace {

Lookup FindRoot(const DatabaseSlot& slot) {
    Lookup found;
    if (slot.firstEntry == 0) {
        return found;
    }
    const auto record = slot.file.ReadRecord(slot.firstEntry);
    if (record && !BelongsTo(*record, 0)) {
        found.damaged = true;
    } else if (record) {
        found.offset = slot.firstEntry;
        found.record = *record;
        found.exists = true;
    }
    return found;
}

} // namespace

bool Ascends(const EntryRecord& before, const EntryRecord& after) {
    return CompareNames(before.name, after.name) < 0;
}

bool BelongsTo(const EntryRecord& record, std::int32_t parent) {
    return record.parent == parent;
}

Lookup FindPath(const DatabaseSlot& slot, const std::string& fullPath,
                const std::vector<std::string>& names) {
    if (names.empty()) {
        return FindRoot(slot);
    }
    Lookup found;
    if (slot.cursorOffset != 0 && fullPath == slot.cursorPath) {
        found.offset = slot.cursorOffset;
        found.record = slot.cursorRecord;
        found.matchedNames = names.size();
        found.exists = true;
        return found;
    }

    // The walk starts below the working entry when the path lies within it.
    std::int32_t current = slot.firstEntry;
    std::int32_t parent = 0;
    const auto workingNames = SplitNames(slot.workingPath);
    if (!workingNames.empty() && slot.workingEntry != 0 && IsWithin(fullPath, slot.workingPath)) {
        const auto working = slot.file.ReadRecord(slot.workingEntry);
        if (!working) {
            return found;
        }
        found.offset = slot.workingEntry;
        found.record = *working;
        found.matchedNames = workingNames.size();
        if (found.matchedNames == names.size()) {
            found.exists = true;
            return found;
        }
        current = working->firstChild;
        parent = slot.workingEntry;
    }

    const std::int64_t bound = slot.file.WalkBound();
    std::int64_t steps = 0;
    std::optional<EntryRecord> sibling; // the chain entry passed just before
    while (current != 0) {
        if (++steps > bound) {
            found.damaged = true;
            return found;
        }
        const auto record = slot.file.ReadRecord(current);
        if (!record) {
            return found;
        }
        if (!BelongsTo(*record, parent) || (sibling && !Ascends(*sibling, *record))) {
            found.damaged = true;
            return found;
        }
        const int order = CompareNames(names[found.matchedNames], record->name);
        if (order < 0) {
            return found;
        }
        if (order > 0) {
            sibling = record;
            current = record->next;
            continue;
        }
        found.offset = current;
        found.record = *record;
        if (++found.matchedNames == names.size()) {
            found.exists = true;
            return found;
        }
        sibling.reset();
        parent = current;
        current = record->firstChild;
    }
    return found;
}

DataResult ResolvePath(int handle, const char* path, PathRequest& request) {
    request.slot = OpenSlot(handle);
    if (request.slot == nullptr) {
        return kDataBadHandle;
    }
    const auto fullPath = FullPath(request.slot->workingPath, path == nullptr ? "" : path);
    if (!fullPath) {
        return kDataPathTooLong;
    }
    request.fullPath = *fullPath;
    request.names = SplitNames(request.fullPath);
    request.found = FindPath(*request.slot, request.fullPath, request.names);
    return request.found.damaged ? kDataNotADatabase : kDataSuccess;
}

DataResult ResolveEntry(int handle, const char* path, PathRequest& request) {
    const DataResult result = ResolvePath(handle, path, request);
    if (result != kDataSuccess) {
        return result;
    }
    return request.IsRoot() || !request.found.exists ? kDataNoSuchEntry : kDataSuccess;
}

} // namespace dorrick

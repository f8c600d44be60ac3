// What an entry holds: its data and its lock mark. Locks stop deletion only; they stop neither
// writes nor new children.
#include "family/data/dorrick.h"
#include "family/data/src/lookup.h"
#include "family/data/src/slots.h"

#include <algorithm>

namespace {

using namespace dorrick;

template <typename T>
void Empty(T* out) {
    if (out != nullptr) {
        *out = 0;
    }
}

// Sets or clears the lock mark; `already` is the answer when it is set or clear already.
DataResult MarkLock(int handle, const char* path, bool locked, DataResult already) {
    PathRequest request;
    const DataResult result = ResolveEntry(handle, path, request);
    if (result != kDataSuccess) {
        return result;
    }
    EntryRecord record = request.found.record;
    if (record.Locked() == locked) {
        return already;
    }
    record.flags = static_cast<std::uint16_t>(locked ? record.flags | kFlagLocked
                                                     : record.flags & ~kFlagLocked);
    return StoreRecord(*request.slot, request.found.offset, record) ? kDataSuccess
                                                                    : kDataWriteFailed;
}

} // namespace

unsigned char _DataGetEntrySize(int handle, const char* path, int* size) {
    Empty(size);
    PathRequest request;
    const DataResult result = ResolveEntry(handle, path, request);
    if (result == kDataSuccess && size != nullptr) {
        *size = request.found.record.dataLength;
    }
    return result;
}

unsigned char _DataRead(int handle, const char* path, void* buffer, unsigned size, int* reserved) {
    Empty(reserved);
    auto* out = static_cast<char*>(buffer);
    if (out != nullptr && size > 0) {
        out[0] = '\0';
    }
    PathRequest request;
    const DataResult result = ResolveEntry(handle, path, request);
    if (result != kDataSuccess) {
        return result;
    }
    const EntryRecord& record = request.found.record;
    if (out != nullptr && record.dataOffset != 0 && record.dataLength != 0) {
        request.slot->file.ReadAt(record.dataOffset, out,
                                  std::min<std::size_t>(record.dataLength, size));
    }
    return kDataSuccess;
}

unsigned char _DataWrite(int handle, const char* path, const void* data, unsigned length,
                         int* reserved) {
    Empty(reserved);
    PathRequest request;
    const DataResult result = ResolveEntry(handle, path, request);
    if (result != kDataSuccess) {
        return result;
    }
    // The stored length is 16 bits: longer data is refused, never cut short.
    if (length > kLongestData || (data == nullptr && length > 0)) {
        return kDataWriteFailed;
    }
    const DatabaseSlot& slot = *request.slot;
    EntryRecord record = request.found.record;
    // Longer data moves to the end of the file; the entry's old stored size becomes garbage.
    if (length > record.dataLength || record.dataOffset == 0) {
        const auto end = slot.file.AppendOffset(length);
        if (!end) {
            return kDataWriteFailed;
        }
        if (record.dataLength != 0 && !slot.file.AddGarbage(StoredSize(record))) {
            return kDataWriteFailed;
        }
        record.dataOffset = *end;
    }
    record.dataLength = static_cast<std::uint16_t>(length);
    // The data goes first, so that the record never points at bytes not yet there.
    const bool written = slot.file.WriteAt(record.dataOffset, data, length) &&
                         StoreRecord(slot, request.found.offset, record);
    return written ? kDataSuccess : kDataWriteFailed;
}

unsigned char _DataLockEntry(int handle, const char* path) {
    return MarkLock(handle, path, true, kDataEntryLocked);
}

unsigned char _DataUnlockEntry(int handle, const char* path) {
    return MarkLock(handle, path, false, kDataEntryNotLocked);
}

unsigned char _DataIsEntryLocked(int handle, const char* path) {
    PathRequest request;
    const DataResult result = ResolveEntry(handle, path, request);
    if (result != kDataSuccess) {
        return result;
    }
    return request.found.record.Locked() ? kDataEntryLocked : kDataEntryNotLocked;
}

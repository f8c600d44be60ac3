#include "family/data/src/slots.h"

#include "family/data/src/paths.h"

#include <sys/stat.h>

#include <array>

namespace dorrick {

namespace {

// The library's handles, process-wide; one thread at a time. Never destroyed: the entry
// procedure closes them when the library is unloaded, which at process exit comes after the
// destruction of the library's static objects.
std::array<DatabaseSlot, kHandleCount>& slots = *new std::array<DatabaseSlot, kHandleCount>;

template <typename Visit>
void ForEachSlotOnSameFile(const DatabaseSlot& slot, Visit visit) {
    for (auto& other : slots) {
        if (other.IsOpen() && SameFile(slot, other)) {
            visit(other);
        }
    }
}

} // namespace

void DatabaseSlot::ForgetCursor() {
    cursorRecord = {};
    cursorOffset = 0;
    cursorPath.clear();
}

void DatabaseSlot::Reset(DatabaseFile newFile, std::filesystem::path name, std::int32_t first) {
    *this = DatabaseSlot{};
    file = std::move(newFile);
    fileName = std::move(name);
    workingEntry = first;
    firstEntry = first;
}

void DatabaseSlot::Clear() {
    *this = DatabaseSlot{};
}

DatabaseSlot* OpenSlot(int handle) {
    if (handle < 1 || handle > kHandleCount) {
        return nullptr;
    }
    DatabaseSlot& slot = slots[static_cast<std::size_t>(handle - 1)];
    return slot.IsOpen() ? &slot : nullptr;
}

int FreeHandle() {
    for (int handle = 1; handle <= kHandleCount; ++handle) {
        if (!SlotOf(handle).IsOpen()) {
            return handle;
        }
    }
    return 0;
}

DatabaseSlot& SlotOf(int handle) {
    return slots[static_cast<std::size_t>(handle - 1)];
}

bool SameFile(const DatabaseSlot& left, const DatabaseSlot& right) {
    if (&left == &right) {
        return true;
    }
    struct stat leftStatus {};
    struct stat rightStatus {};
    return fstat(left.file.Descriptor(), &leftStatus) == 0 &&
           fstat(right.file.Descriptor(), &rightStatus) == 0 &&
           leftStatus.st_dev == rightStatus.st_dev && leftStatus.st_ino == rightStatus.st_ino;
}

bool SharedWithAnotherHandle(const DatabaseSlot& slot) {
    bool shared = false;
    ForEachSlotOnSameFile(slot, [&](const DatabaseSlot& other) { shared |= &other != &slot; });
    return shared;
}

bool SetFirstEntry(const DatabaseSlot& slot, std::int32_t first) {
    auto header = slot.file.ReadHeader().value_or(DatabaseHeader{});
    header.firstEntry = first;
    ForEachSlotOnSameFile(slot, [&](DatabaseSlot& other) {
        other.firstEntry = first;
        if (other.workingPath == kRootPath) {
            other.workingEntry = first;
        }
    });
    return slot.file.WriteHeader(header);
}

bool StoreRecord(const DatabaseSlot& slot, std::int32_t offset, const EntryRecord& record) {
    ForEachSlotOnSameFile(slot, [&](DatabaseSlot& other) {
        if (other.cursorOffset == offset) {
            other.cursorRecord = record;
        }
    });
    return slot.file.WriteRecord(offset, record);
}

void LeaveDeletedSubtree(const DatabaseSlot& slot, const std::string& deletedPath) {
    ForEachSlotOnSameFile(slot, [&](DatabaseSlot& other) {
        if (IsWithin(other.workingPath, deletedPath)) {
            other.workingPath = kRootPath;
            other.workingEntry = other.firstEntry;
        }
        if (other.cursorOffset != 0 && IsWithin(other.cursorPath, deletedPath)) {
            other.ForgetCursor();
        }
    });
}

void CloseAllHandles() {
    for (auto& slot : slots) {
        slot.Clear();
    }
}

} // namespace dorrick

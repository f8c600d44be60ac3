// The nine handles of the process. A slot holds one open database file, the working entry (the
// current folder of the handle) and the find cursor (the entry the last find answered).
// Several slots may hold the same file, each with its own descriptor; what one of them changes
// about the tree is carried to the others here, so that none keeps an offset that no longer
// means what it meant.
#pragma once

#include "family/data/src/database_file.h"
#include "family/data/src/records.h"

#include <filesystem>
#include <string>

namespace dorrick {

constexpr int kHandleCount = 9;
constexpr std::size_t kLongestFileName = 260;

struct DatabaseSlot {
    DatabaseFile file;
    std::filesystem::path fileName;
    std::string workingPath{"."};
    // The working entry's record offset; for the root, the first top-level entry.
    std::int32_t workingEntry = 0;
    EntryRecord cursorRecord;
    std::int32_t cursorOffset = 0;
    std::string cursorPath;
    // A copy of the header's first top-level entry.
    std::int32_t firstEntry = 0;

    bool IsOpen() const { return file.IsOpen(); }
    void ForgetCursor();
    // Takes `file` at the root, as opening leaves a handle.
    void Reset(DatabaseFile newFile, std::filesystem::path name, std::int32_t first);
    // Closes the file and frees the slot.
    void Clear();
};

// The slot of `handle`, or null when the handle is not 1-9 or not open.
DatabaseSlot* OpenSlot(int handle);
// The first free slot's handle, or 0 when all are taken.
int FreeHandle();
DatabaseSlot& SlotOf(int handle);

// Whether two open slots hold the same file (the same file system object, however named).
bool SameFile(const DatabaseSlot& left, const DatabaseSlot& right);
// Whether a slot other than `slot` holds its file.
bool SharedWithAnotherHandle(const DatabaseSlot& slot);

// Sets the header's first top-level entry and every slot's copy of it on the same file (and the
// working entry of those at the root).
bool SetFirstEntry(const DatabaseSlot& slot, std::int32_t first);

// Rewrites a record, and the cursor copy of every slot on the same file that holds it.
bool StoreRecord(const DatabaseSlot& slot, std::int32_t offset, const EntryRecord& record);

// After the subtree at `deletedPath` went: every slot on the same file whose working entry lay
// in it is moved to the root, and every find cursor in it is forgotten.
void LeaveDeletedSubtree(const DatabaseSlot& slot, const std::string& deletedPath);

void CloseAllHandles();

} // namespace dorrick

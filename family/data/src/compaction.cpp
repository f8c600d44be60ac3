// Compaction: the database rebuilt with its live entries only. The old file stays beside it
// under the old-copy name, and the new one takes the database's name in one rename, so that the
// name always holds a whole database, the old one or the new one.
//
// The new file is laid out as adding every entry and writing its data in turn would lay it
// out: each chain in chain order, each entry before its children, each record followed by its
// data area (an empty one included), the sibling chains sorted, the garbage count 0. Lock marks
// are kept. A damaged tree (a repeated name in a chain, a damaged record, a loop, a path too
// long) ends the copy of that chain; the rest is still copied, and the result says it failed.
// The old copy such a compaction leaves is then the only whole copy of the database, so a later
// compaction never replaces an old copy that is a damaged database: it refuses with the same
// result and changes nothing until the user has moved that file away.
#include "family/data/dorrick.h"
#include "family/data/src/file_names.h"
#include "family/data/src/paths.h"
#include "family/data/src/progress.h"
#include "family/data/src/slots.h"

#include "platform/system/atomic_file.h"
#include "platform/system/files.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <exception>
#include <limits>
#include <set>
#include <string_view>
#include <utility>
#include <vector>

namespace {

using namespace dorrick;

// The new file is written in pieces of about this size.
constexpr std::size_t kFlushSize = 64 * 1024;

struct PlannedEntry {
    EntryRecord record; // with its place and links in the new file
    std::int32_t offset = 0;
    std::int32_t sourceData = 0;
};

// Reads the old tree and works out where each live entry goes in the new file.
class CompactionPlan {
public:
    explicit CompactionPlan(const DatabaseFile& source)
        : source_(source), stepsLeft_(source.WalkBound()) {}

    void Make(std::int32_t firstEntry) {
        firstEntry_ = CopyChain(firstEntry, 0, 0, kRootPath.size());
    }

    const std::vector<PlannedEntry>& Entries() const { return entries_; }
    std::int32_t FirstEntry() const { return firstEntry_; }
    bool Failed() const { return failed_; }

private:
    // Plans the chain from `start` below the entry at `parentInOld` in the old file (0: top
    // level), which goes to `parent` in the new one and whose path is `parentLength` characters
    // long; answers the new offset of the chain's first entry.
    std::int32_t CopyChain(std::int32_t start, std::int32_t parentInOld, std::int32_t parent,
                           std::size_t parentLength) {
        std::vector<std::size_t> members;
        std::set<std::string> names;
        for (std::int32_t current = start; current != 0;) {
            const auto record = --stepsLeft_ >= 0 ? source_.ReadRecord(current) : std::nullopt;
            // The entry's path, as ".A.B" without the closing dot, must fit a request.
            const std::size_t pathLength = parentLength + (record ? record->name.size() : 0);
            if (!record || record->parent != parentInOld || pathLength + 2 > kPathLimit ||
                !names.insert(record->name).second || !Place(*record, parent)) {
                failed_ = true;
                break;
            }
            const std::size_t index = entries_.size() - 1;
            members.push_back(index);
            const std::int32_t firstChild =
                CopyChain(record->firstChild, current, entries_[index].offset, pathLength + 1);
            entries_[index].record.firstChild = firstChild;
            current = record->next;
        }
        return Link(members);
    }

    bool Place(const EntryRecord& old, std::int32_t parent) {
        const std::int64_t recordSize = static_cast<std::int64_t>(RecordSize(old.name));
        if (end_ + recordSize + old.dataLength > std::numeric_limits<std::int32_t>::max()) {
            return false;
        }
        PlannedEntry entry;
        entry.offset = static_cast<std::int32_t>(end_);
        entry.sourceData = old.dataOffset;
        entry.record.name = old.name;
        entry.record.flags = old.flags & kFlagLocked;
        entry.record.parent = parent;
        entry.record.dataOffset = static_cast<std::int32_t>(end_ + recordSize);
        entry.record.dataLength = old.dataLength;
        end_ += recordSize + old.dataLength;
        entries_.push_back(std::move(entry));
        return true;
    }

    // Links a chain's entries in the order of their names; answers the first one's offset.
    std::int32_t Link(std::vector<std::size_t>& members) {
        std::sort(members.begin(), members.end(), [&](std::size_t left, std::size_t right) {
            return CompareNames(entries_[left].record.name, entries_[right].record.name) < 0;
        });
        for (std::size_t i = 0; i < members.size(); ++i) {
            EntryRecord& record = entries_[members[i]].record;
            record.previous = i > 0 ? entries_[members[i - 1]].offset : 0;
            record.next = i + 1 < members.size() ? entries_[members[i + 1]].offset : 0;
        }
        return members.empty() ? 0 : entries_[members.front()].offset;
    }

    const DatabaseFile& source_;
    std::int64_t stepsLeft_;
    std::int64_t end_ = static_cast<std::int64_t>(kHeaderSize);
    std::vector<PlannedEntry> entries_;
    std::int32_t firstEntry_ = 0;
    bool failed_ = false;
};

// The new file's bytes, handed to the temporary file in pieces.
class CompactedWriter {
public:
    CompactedWriter(sys::AtomicFile& file, const Progress& progress, std::int64_t total)
        : file_(file), progress_(progress), total_(total) {}

    void Append(const std::vector<std::uint8_t>& bytes) {
        pending_.append(reinterpret_cast<const char*>(bytes.data()), bytes.size());
        written_ += static_cast<std::int64_t>(bytes.size());
    }
    void Append(std::string_view bytes) {
        pending_.append(bytes);
        written_ += static_cast<std::int64_t>(bytes.size());
    }
    // After each entry: the size of the new file so far against the live size of the old.
    void EntryDone() {
        progress_.Report(written_, total_);
        if (pending_.size() >= kFlushSize) {
            Flush();
        }
    }
    void Flush() {
        file_.Write(pending_);
        pending_.clear();
    }

private:
    sys::AtomicFile& file_;
    const Progress& progress_;
    std::int64_t total_;
    std::int64_t written_ = 0;
    std::string pending_;
};

// Writes the planned file; answers false when some data could not be read whole (a data area
// past the end of a damaged file), whose missing bytes are written as zeros.
bool WriteCompacted(const DatabaseFile& source, const CompactionPlan& plan,
                    CompactedWriter& writer) {
    bool dataWhole = true;
    writer.Append(EncodeHeader({plan.FirstEntry(), 0}));
    std::string data;
    for (const auto& entry : plan.Entries()) {
        writer.Append(EncodeRecord(entry.record));
        data.assign(entry.record.dataLength, '\0');
        if (!data.empty()) {
            dataWhole &= entry.sourceData >= static_cast<std::int32_t>(kHeaderSize) &&
                         source.ReadAt(entry.sourceData, data.data(), data.size()) == data.size();
        }
        writer.Append(data);
        writer.EntryDone();
    }
    writer.Flush();
    return dataWhole;
}

// Whether every data area the plan copies lies inside the file.
bool DataAreasInFile(const DatabaseFile& source, const CompactionPlan& plan) {
    const std::int64_t size = source.Size();
    return std::all_of(
        plan.Entries().begin(), plan.Entries().end(), [&](const PlannedEntry& entry) {
            const std::int64_t length = entry.record.dataLength;
            return length == 0 || (entry.sourceData >= static_cast<std::int32_t>(kHeaderSize) &&
                                   entry.sourceData + length <= size);
        });
}

// Whether `oldCopy` is a database that compaction would find damaged: the old copy a compaction
// kept when it reported damage, and so the only whole copy of what the database held. A file
// that is no database at all is not one.
bool HoldsDamagedDatabase(const std::filesystem::path& oldCopy) {
    int error = 0;
    const auto file = OpenDatabaseFile(oldCopy, error, FileAccess::ReadOnly);
    const auto header = file ? file->ReadHeader() : std::nullopt;
    if (!header) {
        return false;
    }
    CompactionPlan plan(*file);
    plan.Make(header->firstEntry);
    return plan.Failed() || !DataAreasInFile(*file, plan);
}

// Keeps the database as it is now under the old-copy name: a second name for the same file
// (the file a symbolic link points to) when the file system allows it, else a copy.
bool KeepOldCopy(const std::filesystem::path& database, const std::filesystem::path& oldCopy) {
    if (unlink(oldCopy.c_str()) != 0 && errno != ENOENT) {
        return false;
    }
    if (linkat(AT_FDCWD, database.c_str(), AT_FDCWD, oldCopy.c_str(), AT_SYMLINK_FOLLOW) == 0) {
        return true;
    }
    try {
        sys::FileCopy(database, oldCopy);
    } catch (const std::exception&) {
        return false;
    }
    return true;
}

DataResult Compact(DatabaseSlot& slot, const Progress& progress) {
    // Another handle on the file would keep offsets into the database that is replaced.
    if (SharedWithAnotherHandle(slot)) {
        return kDataCannotOpenFile;
    }
    const std::filesystem::path oldCopy = OldCopyName(slot.fileName);
    if (oldCopy == slot.fileName) {
        return kDataCannotOpenFile;
    }
    // A damaged old copy is never replaced: the compaction stops before it changes anything,
    // and says so as a compaction that met damage does, asking the user to save that file.
    if (HoldsDamagedDatabase(oldCopy)) {
        return kDataCompactFailed;
    }
    const DatabaseHeader header = slot.file.ReadHeader().value_or(DatabaseHeader{});
    CompactionPlan plan(slot.file);
    plan.Make(header.firstEntry);
    // A garbage count at or past the file size is damage; the whole file is the total then.
    const std::int64_t size = slot.file.Size();
    const std::int64_t live = size - header.garbage;
    const std::int64_t total = live > 0 && live <= size ? live : size;

    if (!KeepOldCopy(slot.fileName, oldCopy)) {
        return kDataCannotOpenFile;
    }
    bool dataWhole = true;
    try {
        sys::AtomicFile compacted(slot.fileName);
        CompactedWriter writer(compacted, progress, total);
        dataWhole = WriteCompacted(slot.file, plan, writer);
        compacted.Commit();
    } catch (const std::exception&) {
        return kDataCannotOpenFile;
    }
    int error = 0;
    auto file = OpenDatabaseFile(slot.fileName, error);
    if (!file) {
        slot.Clear();
        return kDataCannotOpenFile;
    }
    slot.Reset(std::move(*file), slot.fileName, plan.FirstEntry());
    return plan.Failed() || !dataWhole ? kDataCompactFailed : kDataSuccess;
}

} // namespace

unsigned char _DataCompact(int handle, void* argument, DataProgressCallback progress) {
    DatabaseSlot* slot = OpenSlot(handle);
    if (slot == nullptr) {
        return kDataBadHandle;
    }
    return Compact(*slot, Progress(argument, progress));
}

// Backup to "a:\backup.hxd" and restore from it. Each replaces its target whole: the copy goes
// into a temporary file beside the target and is renamed over it only when complete, so a
// failed or interrupted run leaves the target as it was.
#include "family/data/dorrick.h"
#include "family/data/src/file_names.h"
#include "family/data/src/progress.h"
#include "family/data/src/slots.h"

#include "platform/system/atomic_file.h"

#include <array>
#include <exception>
#include <string_view>
#include <utility>

namespace {

using namespace dorrick;

constexpr std::size_t kChunkSize = 8192;

// Copies `from` whole into `to`, reporting the percent done before each chunk and 100 at the
// end, and puts it in place.
DataResult CopyAndCommit(const DatabaseFile& from, sys::AtomicFile& to, const Progress& progress) {
    const std::int64_t total = from.Size();
    std::array<char, kChunkSize> chunk{};
    try {
        std::int64_t done = 0;
        for (;;) {
            const std::size_t read = from.ReadAt(done, chunk.data(), chunk.size());
            if (read == 0) {
                break;
            }
            progress.Report(done, total);
            done += static_cast<std::int64_t>(read);
            to.Write(std::string_view(chunk.data(), read));
        }
        progress.Report(total, total);
        to.Commit();
    } catch (const std::exception&) {
        return kDataWriteFailed;
    }
    return kDataSuccess;
}

DataResult Backup(const DatabaseSlot& slot, const Progress& progress) {
    const auto backupName = BackupFileName();
    if (!backupName) {
        return kDataCannotOpenFile;
    }
    try {
        sys::AtomicFile backup(*backupName);
        return CopyAndCommit(slot.file, backup, progress);
    } catch (const std::exception&) {
        return kDataCannotOpenFile;
    }
}

DataResult Restore(DatabaseSlot& slot, const Progress& progress) {
    // Another handle on the file would keep offsets into the database that is replaced.
    if (SharedWithAnotherHandle(slot)) {
        return kDataCannotOpenFile;
    }
    const auto backupName = BackupFileName();
    int error = 0;
    const auto backup =
        backupName ? OpenDatabaseFile(*backupName, error, FileAccess::ReadOnly) : std::nullopt;
    if (!backup) {
        return kDataCannotOpenFile;
    }
    const auto header = backup->ReadHeader();
    if (!header) {
        return kDataNotADatabase;
    }
    DataResult result = kDataSuccess;
    try {
        sys::AtomicFile database(slot.fileName);
        result = CopyAndCommit(*backup, database, progress);
    } catch (const std::exception&) {
        return kDataCannotOpenFile;
    }
    if (result != kDataSuccess) {
        return result;
    }
    auto restored = OpenDatabaseFile(slot.fileName, error);
    if (!restored) {
        slot.Clear();
        return kDataCannotOpenFile;
    }
    slot.Reset(std::move(*restored), slot.fileName, header->firstEntry);
    return kDataSuccess;
}

} // namespace

unsigned char _DataBackup(int handle, void* argument, DataProgressCallback progress, int restore) {
    DatabaseSlot* slot = OpenSlot(handle);
    if (slot == nullptr) {
        return kDataBadHandle;
    }
    const Progress reporter(argument, progress);
    return restore != 0 ? Restore(*slot, reporter) : Backup(*slot, reporter);
}

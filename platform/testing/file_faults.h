// Writers and readers struck in the middle of their work, for the tests of what they leave
// behind and what they say. A test executable that links the object library
// platform_testing_file_faults has its own read, pread, write, pwrite, ftruncate, open, openat,
// mkdir, rename, renameat2, linkat and unlink: they pass every call to the kernel until a test
// arms a fault, so the faults reach no other test program. Four faults:
//
// - the kill switch lets a set number of file-changing calls through and then kills the process
//   outright (SIGKILL) instead of making the next one; it is armed in a child process, whose
//   end the parent then looks at;
// - the write fault is a full disk: it lets a set number of bytes through and then fails one
//   write, once, so that what the code under test does about it (put back what it wrote) can
//   succeed, as it would once the disk has room again;
// - the read fault fails the next read with an I/O error, once;
// - the folder fault makes a folder read-only or its disk full for as long as it is armed. Real
//   permission bits do not bind a test run as root, and a small file system cannot be mounted
//   without root, so the fault is made in the calls: in a read-only folder no entry can be made,
//   removed or renamed (EACCES), as without write permission on it; in a full one no byte can
//   be written to a file (ENOSPC). A program a test starts gets the same fault in the
//   environment that FolderFaultEnvironment (folder_fault.h) gives.
//
// An executable whose shared libraries write through these names must export them (link it with
// -rdynamic).
#pragma once

#include "platform/testing/folder_fault.h"

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>

namespace testkit {

// Kills this process just before its `callsBeforeKill`+1-th file-changing call.
void ArmKillSwitch(int callsBeforeKill);

// Runs `operation` in a child process that is killed just before its `point`+1-th
// file-changing call. True when the kill struck; false when the operation ran to its end (the
// child then exits 0; any other end fails the test).
bool RunKilledAt(int point, const std::function<void()>& operation);

// Runs `operation` killed at each of its file-changing calls in turn, from before the first one
// on, until a run is not cut short: `reset` puts the files back before each run and `check`
// looks at them after it (with whether the kill struck). Answers the number of calls the
// operation makes; fails the test when the operation never finishes within `mostCalls`.
int KillAtEveryCall(const std::function<void()>& reset, const std::function<void()>& operation,
                    const std::function<void(bool killed)>& check, int mostCalls = 1000);

enum class WriteFault {
    DiskFull,   // the write fails with ENOSPC
    NoProgress, // the write answers 0: no byte written, and no error
};

class ScopedWriteFault {
public:
    ScopedWriteFault(WriteFault fault, std::size_t bytesBeforeFault);
    ~ScopedWriteFault();
    ScopedWriteFault(const ScopedWriteFault&) = delete;
    ScopedWriteFault& operator=(const ScopedWriteFault&) = delete;

    // Whether the fault has struck: the code under test got as far as the failing write.
    bool Struck() const;
};

// While it lives, the next read fails with EIO (a damaged disk), once.
class ScopedReadFault {
public:
    ScopedReadFault();
    ~ScopedReadFault();
    ScopedReadFault(const ScopedReadFault&) = delete;
    ScopedReadFault& operator=(const ScopedReadFault&) = delete;

    // Whether the fault has struck: the code under test got as far as a read.
    bool Struck() const;
};

// While it lives, `folder` (with everything below it) has the fault. One at a time.
class ScopedFolderFault {
public:
    ScopedFolderFault(FolderFault fault, const std::filesystem::path& folder);
    ~ScopedFolderFault();
    ScopedFolderFault(const ScopedFolderFault&) = delete;
    ScopedFolderFault& operator=(const ScopedFolderFault&) = delete;

    // How many calls the fault has refused.
    int Struck() const;
};

} // namespace testkit

// A full disk on demand, for the tests of writers. The test executable that links
// write_fault.cpp has its own write, pwrite and pwrite64: until a test arms a fault they pass
// every call straight to the kernel; armed, they let a set number of bytes through and then
// fail one write. The fault strikes once, so that what the code under test does about it (put
// back what it wrote) can succeed, as it would once the disk has room again.
#pragma once

#include <cstddef>

namespace sys::testing {

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

} // namespace sys::testing

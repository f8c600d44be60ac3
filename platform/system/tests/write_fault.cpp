#include "platform/system/tests/write_fault.h"

#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace sys::testing {

namespace {

// The tests of one executable run on one thread, one after another.
struct ArmedFault {
    bool armed = false;
    bool struck = false;
    WriteFault fault = WriteFault::DiskFull;
    std::size_t bytesLeft = 0;
};

ArmedFault armedFault;

// Passes up to `size` bytes to `writeThrough` while the armed fault allows them, then strikes.
template <typename WriteThrough>
ssize_t WriteUnderFault(std::size_t size, WriteThrough writeThrough) {
    if (!armedFault.armed) {
        return writeThrough(size);
    }
    if (armedFault.bytesLeft == 0) {
        armedFault.armed = false;
        armedFault.struck = true;
        if (armedFault.fault == WriteFault::NoProgress) {
            return 0;
        }
        errno = ENOSPC;
        return -1;
    }
    const ssize_t written = writeThrough(std::min(size, armedFault.bytesLeft));
    if (written > 0) {
        armedFault.bytesLeft -= static_cast<std::size_t>(written);
    }
    return written;
}

ssize_t PositionedWrite(int descriptor, const void* bytes, std::size_t size, off_t offset) {
    return WriteUnderFault(size, [&](std::size_t allowed) {
        return static_cast<ssize_t>(syscall(SYS_pwrite64, descriptor, bytes, allowed, offset));
    });
}

} // namespace

ScopedWriteFault::ScopedWriteFault(WriteFault fault, std::size_t bytesBeforeFault) {
    armedFault = {true, false, fault, bytesBeforeFault};
}

ScopedWriteFault::~ScopedWriteFault() {
    armedFault = {};
}

bool ScopedWriteFault::Struck() const {
    return armedFault.struck;
}

} // namespace sys::testing

// The C library's names, defined in this executable, take the calls of everything it runs.
extern "C" ssize_t write(int descriptor, const void* bytes, size_t size) {
    return sys::testing::WriteUnderFault(size, [&](std::size_t allowed) {
        return static_cast<ssize_t>(syscall(SYS_write, descriptor, bytes, allowed));
    });
}

extern "C" ssize_t pwrite(int descriptor, const void* bytes, size_t size, off_t offset) {
    return sys::testing::PositionedWrite(descriptor, bytes, size, offset);
}

extern "C" ssize_t pwrite64(int descriptor, const void* bytes, size_t size, off64_t offset) {
    return sys::testing::PositionedWrite(descriptor, bytes, size, offset);
}

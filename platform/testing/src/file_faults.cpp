#include "platform/testing/file_faults.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <string>

namespace testkit {

namespace {

// -1: disarmed. Each process has its own copy after fork.
int callsLeft = -1;

void CountCall() {
    if (callsLeft < 0) {
        return;
    }
    if (callsLeft == 0) {
        kill(getpid(), SIGKILL);
    }
    --callsLeft;
}

// The tests of one executable run on one thread, one after another.
struct ArmedFault {
    bool armed = false;
    bool struck = false;
    WriteFault fault = WriteFault::DiskFull;
    std::size_t bytesLeft = 0;
};

ArmedFault armedFault;

struct ArmedReadFault {
    bool armed = false;
    bool struck = false;
};

ArmedReadFault armedReadFault;

// Passes the read to `readThrough` unless the armed read fault strikes it.
template <typename ReadThrough>
ssize_t ReadUnderFault(ReadThrough readThrough) {
    if (armedReadFault.armed) {
        armedReadFault.armed = false;
        armedReadFault.struck = true;
        errno = EIO;
        return -1;
    }
    return readThrough();
}

// Passes up to `size` bytes to `writeThrough` while the armed fault allows them, then strikes.
// Every write is a file-changing call of the kill switch.
template <typename WriteThrough>
ssize_t WriteUnderFaults(std::size_t size, WriteThrough writeThrough) {
    CountCall();
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
    return WriteUnderFaults(size, [&](std::size_t allowed) {
        return static_cast<ssize_t>(syscall(SYS_pwrite64, descriptor, bytes, allowed, offset));
    });
}

} // namespace

void ArmKillSwitch(int callsBeforeKill) {
    callsLeft = callsBeforeKill;
}

bool RunKilledAt(int point, const std::function<void()>& operation) {
    const pid_t child = fork();
    if (child == 0) {
        ArmKillSwitch(point);
        operation();
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    if (WIFSIGNALED(status)) {
        EXPECT_EQ(WTERMSIG(status), SIGKILL) << "at point " << point;
        return true;
    }
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "at point " << point;
    return false;
}

int KillAtEveryCall(const std::function<void()>& reset, const std::function<void()>& operation,
                    const std::function<void(bool killed)>& check, int mostCalls) {
    for (int point = 0; point <= mostCalls; ++point) {
        reset();
        const bool killed = RunKilledAt(point, operation);
        SCOPED_TRACE("killed before file-changing call " + std::to_string(point + 1));
        check(killed);
        if (!killed) {
            return point;
        }
    }
    ADD_FAILURE() << "the operation never finished";
    return mostCalls;
}

ScopedWriteFault::ScopedWriteFault(WriteFault fault, std::size_t bytesBeforeFault) {
    armedFault = {true, false, fault, bytesBeforeFault};
}

ScopedWriteFault::~ScopedWriteFault() {
    armedFault = {};
}

bool ScopedWriteFault::Struck() const {
    return armedFault.struck;
}

ScopedReadFault::ScopedReadFault() {
    armedReadFault = {true, false};
}

ScopedReadFault::~ScopedReadFault() {
    armedReadFault = {};
}

bool ScopedReadFault::Struck() const {
    return armedReadFault.struck;
}

} // namespace testkit

// The C library's names, defined and exported by the executable, take the calls of everything
// it runs, the libraries it loads included.
extern "C" __attribute__((visibility("default"))) ssize_t read(int descriptor, void* bytes,
                                                               size_t size) {
    return testkit::ReadUnderFault(
        [&] { return static_cast<ssize_t>(syscall(SYS_read, descriptor, bytes, size)); });
}

extern "C" __attribute__((visibility("default"))) ssize_t pread(int descriptor, void* bytes,
                                                                size_t size, off_t offset) {
    return testkit::ReadUnderFault([&] {
        return static_cast<ssize_t>(syscall(SYS_pread64, descriptor, bytes, size, offset));
    });
}

extern "C" __attribute__((visibility("default"))) ssize_t pread64(int descriptor, void* bytes,
                                                                  size_t size, off64_t offset) {
    return testkit::ReadUnderFault([&] {
        return static_cast<ssize_t>(syscall(SYS_pread64, descriptor, bytes, size, offset));
    });
}

extern "C" __attribute__((visibility("default"))) ssize_t write(int descriptor, const void* bytes,
                                                                size_t size) {
    return testkit::WriteUnderFaults(size, [&](std::size_t allowed) {
        return static_cast<ssize_t>(syscall(SYS_write, descriptor, bytes, allowed));
    });
}

extern "C" __attribute__((visibility("default"))) ssize_t pwrite(int descriptor, const void* bytes,
                                                                 size_t size, off_t offset) {
    return testkit::PositionedWrite(descriptor, bytes, size, offset);
}

extern "C" __attribute__((visibility("default"))) ssize_t
pwrite64(int descriptor, const void* bytes, size_t size, off64_t offset) {
    return testkit::PositionedWrite(descriptor, bytes, size, offset);
}

extern "C" __attribute__((visibility("default"))) int ftruncate(int descriptor,
                                                                off_t length) noexcept {
    testkit::CountCall();
    return static_cast<int>(syscall(SYS_ftruncate, descriptor, length));
}

extern "C" __attribute__((visibility("default"))) int rename(const char* from,
                                                             const char* to) noexcept {
    testkit::CountCall();
    return static_cast<int>(syscall(SYS_rename, from, to));
}

extern "C" __attribute__((visibility("default"))) int renameat2(int fromFolder, const char* from,
                                                                int toFolder, const char* to,
                                                                unsigned int flags) noexcept {
    testkit::CountCall();
    return static_cast<int>(syscall(SYS_renameat2, fromFolder, from, toFolder, to, flags));
}

extern "C" __attribute__((visibility("default"))) int
linkat(int fromFolder, const char* from, int toFolder, const char* to, int flags) noexcept {
    testkit::CountCall();
    return static_cast<int>(syscall(SYS_linkat, fromFolder, from, toFolder, to, flags));
}

extern "C" __attribute__((visibility("default"))) int unlink(const char* path) noexcept {
    testkit::CountCall();
    return static_cast<int>(syscall(SYS_unlink, path));
}

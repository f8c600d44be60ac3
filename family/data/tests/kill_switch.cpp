#include "family/data/tests/kill_switch.h"

#include <signal.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace dorrick_test {

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

} // namespace

void ArmKillSwitch(int callsBeforeKill) {
    callsLeft = callsBeforeKill;
}

} // namespace dorrick_test

// The C library's names, defined and exported by this executable, take the calls of everything
// it runs, the libraries it loads included.
extern "C" __attribute__((visibility("default"))) ssize_t write(int descriptor, const void* bytes,
                                                                size_t size) {
    dorrick_test::CountCall();
    return syscall(SYS_write, descriptor, bytes, size);
}

extern "C" __attribute__((visibility("default"))) ssize_t pwrite(int descriptor, const void* bytes,
                                                                 size_t size, off_t offset) {
    dorrick_test::CountCall();
    return syscall(SYS_pwrite64, descriptor, bytes, size, offset);
}

extern "C" __attribute__((visibility("default"))) ssize_t
pwrite64(int descriptor, const void* bytes, size_t size, off64_t offset) {
    dorrick_test::CountCall();
    return syscall(SYS_pwrite64, descriptor, bytes, size, offset);
}

extern "C" __attribute__((visibility("default"))) int rename(const char* from,
                                                             const char* to) noexcept {
    dorrick_test::CountCall();
    return static_cast<int>(syscall(SYS_rename, from, to));
}

extern "C" __attribute__((visibility("default"))) int
linkat(int fromFolder, const char* from, int toFolder, const char* to, int flags) noexcept {
    dorrick_test::CountCall();
    return static_cast<int>(syscall(SYS_linkat, fromFolder, from, toFolder, to, flags));
}

extern "C" __attribute__((visibility("default"))) int unlink(const char* path) noexcept {
    dorrick_test::CountCall();
    return static_cast<int>(syscall(SYS_unlink, path));
}

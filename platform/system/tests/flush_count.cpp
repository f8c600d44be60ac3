#include "platform/system/tests/flush_count.h"

#include <sys/syscall.h>
#include <unistd.h>

namespace sys::testing {

namespace {

// The tests of one executable run on one thread, one after another.
int flushes = 0;

} // namespace

int FlushCount() {
    return flushes;
}

} // namespace sys::testing

extern "C" int fsync(int descriptor) {
    ++sys::testing::flushes;
    return static_cast<int>(syscall(SYS_fsync, descriptor));
}

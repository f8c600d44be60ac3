// Counting what reaches the disk: the test executable that links flush_count.cpp has its own
// fsync, which counts each call and passes it on to the kernel.
#pragma once

namespace sys::testing {

// The fsync calls since the program started.
int FlushCount();

} // namespace sys::testing

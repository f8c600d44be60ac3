#include "platform/system/freed_memory.h"

#include <malloc.h>

namespace sys {

namespace {

constexpr int kLargestHeapBlock = 32 << 20;
constexpr int kFreeTopKept = 256 << 20;

} // namespace

void KeepFreedMemory() {
    mallopt(M_MMAP_THRESHOLD, kLargestHeapBlock);
    mallopt(M_TRIM_THRESHOLD, kFreeTopKept);
}

} // namespace sys

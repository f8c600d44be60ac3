// How the process keeps the memory it frees. A report allocates and frees buffers of a megabyte
// and more (the graph's bitmaps, its picture file, the decoded pictures, the PDF file's streams);
// by default the C library returns such blocks to the system when they are freed, and the next
// report takes them back one page fault at a time.
#pragma once

namespace sys {

// From now on blocks up to 32 MiB come from the heap and freed memory stays with the process
// for the next use, up to 256 MiB free at the top of the heap. Called once at start-up.
void KeepFreedMemory();

} // namespace sys

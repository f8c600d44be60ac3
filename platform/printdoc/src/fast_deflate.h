// Cairo compresses every stream of a PDF file, its pictures' pixels included, with zlib at
// zlib's default level, and offers no other. While a FastDeflate lives, a stream that the thread
// starts at that default level is compressed at zlib's fastest level instead: as lossless, a
// few times quicker on a picture of a megabyte, for a file somewhat larger. Streams started on
// other threads, at other levels or outside the scope are compressed as asked.
#pragma once

namespace printdoc {

class FastDeflate {
public:
    FastDeflate();
    ~FastDeflate();
    FastDeflate(const FastDeflate&) = delete;
    FastDeflate& operator=(const FastDeflate&) = delete;
};

} // namespace printdoc

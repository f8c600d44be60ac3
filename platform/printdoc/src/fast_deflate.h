// Cairo compresses every stream of a PDF file, its pictures' pixels included, with zlib at
// zlib's default level, sixteen kilobytes at a time, and offers no other way. While a
// FastDeflate lives, a stream that the thread starts at that default level is taken over here:
// its bytes are gathered as Cairo writes them and compressed whole when Cairo finishes the
// stream, at the fastest level of libdeflate, which packs a PDF file's streams smaller than
// zlib's fastest level in less time. The compressed bytes of a large stream are kept, so that
// the same bytes written again (a picture that every report holds, the graph of a report
// exported again) take them instead of a second compression. Streams started on other threads,
// at other levels or outside the scope, and every other caller of zlib, are zlib's as asked;
// zlib's other functions refuse a stream taken over.
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

// Owning handles for libzip's objects, so that every way out of an operation releases them.
#pragma once

#include <zip.h>

#include <memory>

namespace archive {

struct ArchiveDiscarder {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
struct MemberCloser {
    void operator()(zip_file_t* member) const { zip_fclose(member); }
};
struct SourceReleaser {
    void operator()(zip_source_t* source) const { zip_source_free(source); }
};

// An open archive; discarding it writes nothing.
using ArchiveHandle = std::unique_ptr<zip_t, ArchiveDiscarder>;
using MemberHandle = std::unique_ptr<zip_file_t, MemberCloser>;
// A source the caller still owns (libzip takes a source over only when a call succeeds).
using SourceHandle = std::unique_ptr<zip_source_t, SourceReleaser>;

} // namespace archive

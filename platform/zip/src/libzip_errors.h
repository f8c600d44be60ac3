// The result that stands for one of libzip's error codes.
#pragma once

#include "platform/zip/zip_result.h"

namespace archive {

// For a failure while opening or reading an archive: a file that cannot be opened is missing,
// a password or method problem is its own result, and everything else is damage.
ZipResult ResultOfReadError(int libzipError);

// For a failure while writing a changed archive: writing it is a write failure, and reading the
// members carried over from the old archive fails as reading does.
ZipResult ResultOfWriteError(int libzipError);

} // namespace archive

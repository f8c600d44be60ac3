#include "platform/zip/src/libzip_errors.h"

#include <zip.h>

namespace archive {

ZipResult ResultOfReadError(int libzipError) {
    switch (libzipError) {
    case ZIP_ER_NOENT:
    case ZIP_ER_OPEN:
        return ZipResult::MissingArchive;
    case ZIP_ER_NOPASSWD:
    case ZIP_ER_WRONGPASSWD:
        return ZipResult::WrongPassword;
    case ZIP_ER_COMPNOTSUPP:
    case ZIP_ER_ENCRNOTSUPP:
        return ZipResult::UnsupportedMethod;
    default:
        return ZipResult::DamagedArchive;
    }
}

ZipResult ResultOfWriteError(int libzipError) {
    switch (libzipError) {
    case ZIP_ER_CLOSE:
    case ZIP_ER_RENAME:
    case ZIP_ER_TMPOPEN:
    case ZIP_ER_WRITE:
        return ZipResult::WriteFailure;
    default:
        return ResultOfReadError(libzipError);
    }
}

} // namespace archive

#include "platform/runtime/runtime_error.h"

#include <cerrno>

namespace runtime {

std::string ErrorText(int number) {
    switch (static_cast<ErrorNumber>(number)) {
    case ErrorNumber::InvalidProcedureCall:
        return "Invalid procedure call or argument";
    case ErrorNumber::Overflow:
        return "Overflow";
    case ErrorNumber::SubscriptOutOfRange:
        return "Subscript out of range";
    case ErrorNumber::TypeMismatch:
        return "Type mismatch";
    case ErrorNumber::BadFileNameOrNumber:
        return "Bad file name or number";
    case ErrorNumber::FileNotFound:
        return "File not found";
    case ErrorNumber::FileAlreadyOpen:
        return "File already open";
    case ErrorNumber::DeviceIOError:
        return "Device I/O error";
    case ErrorNumber::FileAlreadyExists:
        return "File already exists";
    case ErrorNumber::BadRecordLength:
        return "Bad record length";
    case ErrorNumber::DiskFull:
        return "Disk full";
    case ErrorNumber::InputPastEndOfFile:
        return "Input past end of file";
    case ErrorNumber::BadRecordNumber:
        return "Bad record number";
    case ErrorNumber::DeviceUnavailable:
        return "Device unavailable";
    case ErrorNumber::PermissionDenied:
        return "Permission denied";
    case ErrorNumber::DiskNotReady:
        return "Disk not ready";
    case ErrorNumber::PathFileAccessError:
        return "Path/File access error";
    case ErrorNumber::PathNotFound:
        return "Path not found";
    case ErrorNumber::InvalidPropertyValue:
        return "Invalid property value";
    case ErrorNumber::InvalidPropertyArrayIndex:
        return "Invalid property array index";
    case ErrorNumber::FormAlreadyDisplayed:
        return "Form already displayed; can't show modally";
    case ErrorNumber::DllEntryPointNotFound:
        return "Specified DLL function not found";
    case ErrorNumber::InvalidPicture:
        return "Invalid picture";
    }
    return "Application-defined or object-defined error";
}

ErrorNumber ErrorFromErrno(int errnoValue, ErrorNumber fallback) {
    switch (errnoValue) {
    case ENOENT:
        return ErrorNumber::FileNotFound;
    case ENOTDIR:
        return ErrorNumber::PathNotFound;
    case EEXIST:
        return ErrorNumber::FileAlreadyExists;
    case EACCES:
    case EPERM:
    case EROFS:
        return ErrorNumber::PermissionDenied;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return ErrorNumber::DiskFull;
    case EIO:
        return ErrorNumber::DeviceIOError;
    case ENXIO:
    case ENODEV:
        return ErrorNumber::DeviceUnavailable;
    case EISDIR:
    case ETXTBSY:
    case EBUSY:
        return ErrorNumber::PathFileAccessError;
    case ENAMETOOLONG:
    case EINVAL:
        return ErrorNumber::BadFileNameOrNumber;
    case EMFILE:
    case ENFILE:
        return ErrorNumber::FileAlreadyOpen;
    default:
        return fallback;
    }
}

RuntimeError::RuntimeError(ErrorNumber number)
    : std::runtime_error(ErrorText(static_cast<int>(number))), number_(static_cast<int>(number)) {}

RuntimeError::RuntimeError(ErrorNumber number, const std::string& detail)
    : std::runtime_error(ErrorText(static_cast<int>(number)) + ": " + detail),
      number_(static_cast<int>(number)) {}

} // namespace runtime

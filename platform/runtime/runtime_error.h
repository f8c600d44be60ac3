// Run-time errors of the original language runtime: one exception type that carries the
// runtime's error number, and that number's text as the runtime worded it.
#pragma once

#include <stdexcept>
#include <string>

namespace runtime {

// The error numbers the system traps and reports, and those the windowing runtime raises.
enum class ErrorNumber : int {
    InvalidProcedureCall = 5,
    Overflow = 6,
    SubscriptOutOfRange = 9,
    TypeMismatch = 13,
    BadFileNameOrNumber = 52,
    FileNotFound = 53,
    FileAlreadyOpen = 55,
    DeviceIOError = 57,
    FileAlreadyExists = 58,
    BadRecordLength = 59,
    DiskFull = 61,
    InputPastEndOfFile = 62,
    BadRecordNumber = 63,
    DeviceUnavailable = 68,
    PermissionDenied = 70,
    DiskNotReady = 71,
    PathFileAccessError = 75,
    PathNotFound = 76,
    InvalidPropertyValue = 380,
    InvalidPropertyArrayIndex = 381,
    FormAlreadyDisplayed = 400,
    DllEntryPointNotFound = 453,
    InvalidPicture = 481,
};

// The runtime's text for an error number ("Subscript out of range"); for a number it does not
// know, "Application-defined or object-defined error", as the runtime answers.
std::string ErrorText(int number);

// The runtime error a failed operating-system call stands for; `fallback` where errno has no
// closer match.
ErrorNumber ErrorFromErrno(int errnoValue, ErrorNumber fallback = ErrorNumber::DeviceIOError);

class RuntimeError : public std::runtime_error {
public:
    explicit RuntimeError(ErrorNumber number);
    RuntimeError(ErrorNumber number, const std::string& detail);

    int Number() const { return number_; }

private:
    int number_;
};

} // namespace runtime

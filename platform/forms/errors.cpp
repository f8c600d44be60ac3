#include "platform/forms/errors.h"

#include "platform/runtime/runtime_error.h"

namespace forms {

namespace {

// The runtime's list of error numbers holds the file and arithmetic errors; these object errors
// carry their number all the same.
constexpr int kInvalidProcedureCall = 5;
constexpr int kInvalidPropertyValue = 380;
constexpr int kInvalidPicture = 481;

[[noreturn]] void Raise(int number, const std::string& what) {
    throw runtime::RuntimeError(static_cast<runtime::ErrorNumber>(number), what);
}

} // namespace

void RaiseSubscriptOutOfRange(const std::string& what) {
    throw runtime::RuntimeError(runtime::ErrorNumber::SubscriptOutOfRange, what);
}

void RaiseInvalidProcedureCall(const std::string& what) {
    Raise(kInvalidProcedureCall, "Invalid procedure call or argument: " + what);
}

void RaiseInvalidPropertyValue(const std::string& what) {
    Raise(kInvalidPropertyValue, "Invalid property value: " + what);
}

void RaiseInvalidPicture(const std::string& what) {
    Raise(kInvalidPicture, "Invalid picture: " + what);
}

} // namespace forms

#include "platform/forms/errors.h"

#include "platform/runtime/runtime_error.h"

namespace forms {

using runtime::ErrorNumber;
using runtime::RuntimeError;

void RaiseSubscriptOutOfRange(const std::string& what) {
    throw RuntimeError(ErrorNumber::SubscriptOutOfRange, what);
}

void RaiseInvalidProcedureCall(const std::string& what) {
    throw RuntimeError(ErrorNumber::InvalidProcedureCall, what);
}

void RaiseInvalidPropertyValue(const std::string& what) {
    throw RuntimeError(ErrorNumber::InvalidPropertyValue, what);
}

void RaiseInvalidPropertyArrayIndex(const std::string& what) {
    throw RuntimeError(ErrorNumber::InvalidPropertyArrayIndex, what);
}

void RaiseFormAlreadyDisplayed(const std::string& what) {
    throw RuntimeError(ErrorNumber::FormAlreadyDisplayed, what);
}

void RaiseInvalidPicture(const std::string& what) {
    throw RuntimeError(ErrorNumber::InvalidPicture, what);
}

} // namespace forms

#include "platform/forms/errors.h"

#include "platform/runtime/runtime_error.h"

#include <new>

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

UntrappedErrorReport ReportOf(std::exception_ptr error) {
    // The runtime's numbers and texts for the two failures that are not its own errors.
    constexpr int kOutOfMemory = 7;
    constexpr int kInternalError = 51;
    try {
        std::rethrow_exception(error);
    } catch (const RuntimeError& runtimeError) {
        return {runtimeError.Number(), runtime::ErrorText(runtimeError.Number())};
    } catch (const std::bad_alloc&) {
        return {kOutOfMemory, "Out of memory"};
    } catch (...) {
        return {kInternalError, "Internal error"};
    }
}

} // namespace forms

// The run-time errors the forms runtime raises, with the runtime's numbers.
#pragma once

#include <exception>
#include <string>

namespace forms {

// Error 9: a control array has no element with that index.
[[noreturn]] void RaiseSubscriptOutOfRange(const std::string& what);
// Error 5: a call the object cannot honour now (focus on a hidden control, a list position past
// the end).
[[noreturn]] void RaiseInvalidProcedureCall(const std::string& what);
// Error 380: a property value outside its range (a scroll value past Max, a list index past the
// last item).
[[noreturn]] void RaiseInvalidPropertyValue(const std::string& what);
// Error 381: an item number outside a list (List(i) past the last item).
[[noreturn]] void RaiseInvalidPropertyArrayIndex(const std::string& what);
// Error 400: showing modally a form that is already showing.
[[noreturn]] void RaiseFormAlreadyDisplayed(const std::string& what);
// Error 481: a picture file that is not a BMP or JPEG picture.
[[noreturn]] void RaiseInvalidPicture(const std::string& what);

// What the run-time error box says of an error that no handler trapped.
struct UntrappedErrorReport {
    int number;
    std::string text;
};

// A run-time error reports its own number and the runtime's text for it; memory running out is
// error 7, "Out of memory"; any other failure error 51, "Internal error". The details an
// exception carries (file paths, type names, the failing call) are never part of the report.
UntrappedErrorReport ReportOf(std::exception_ptr error);

} // namespace forms

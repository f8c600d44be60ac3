// A report that could not be produced: the message the user is shown. The report is abandoned;
// the program and the illustration stay as they were.
#pragma once

#include <stdexcept>
#include <string>

namespace report {

class ReportError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace report

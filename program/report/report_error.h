// A report that could not be produced: the message the user is shown. The report is abandoned;
// the program and the illustration stay as they were.
#pragma once

#include <stdexcept>
#include <string>

namespace report {

class ReportError : public std::runtime_error {
public:
    // `errorNumber` is the run-time error behind the failure, for the messages that give the
    // number rather than the sentence; 0 when no run-time error caused it.
    explicit ReportError(const std::string& message, int errorNumber = 0)
        : std::runtime_error(message), errorNumber_(errorNumber) {}

    int ErrorNumber() const { return errorNumber_; }

private:
    int errorNumber_;
};

} // namespace report

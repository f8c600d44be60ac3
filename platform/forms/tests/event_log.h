// A log of raised events, written by handlers that tests attach: "txtName.GotFocus".
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace forms::testing {

class EventLog {
public:
    // A handler that records `entry` when it runs.
    std::function<void()> Record(std::string entry) {
        return [this, entry] { entries_.push_back(entry); };
    }
    void Add(std::string entry) { entries_.push_back(std::move(entry)); }
    const std::vector<std::string>& Entries() const { return entries_; }
    void Clear() { entries_.clear(); }

private:
    std::vector<std::string> entries_;
};

} // namespace forms::testing

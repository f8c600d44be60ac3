#include "platform/printing/file_printer_log.h"

#include <algorithm>
#include <limits>

namespace printing {

std::optional<std::uint64_t> LeadingJobNumber(std::string_view text) {
    constexpr std::string_view kPrefix = "job";
    if (!text.starts_with(kPrefix)) {
        return std::nullopt;
    }
    std::size_t at = kPrefix.size();
    while (at < text.size() && text[at] == ' ') {
        ++at;
    }
    if (at == text.size() || text[at] < '0' || text[at] > '9') {
        return std::nullopt;
    }
    constexpr std::uint64_t kLargest = std::numeric_limits<std::uint64_t>::max();
    std::uint64_t number = 0;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
        const auto digit = static_cast<std::uint64_t>(text[at] - '0');
        number = number > (kLargest - digit) / 10 ? kLargest : number * 10 + digit;
    }
    return number;
}

std::optional<std::int64_t> NextJobAfterLog(std::string_view log) {
    constexpr auto kLastJob = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
    std::uint64_t highest = 0;
    while (!log.empty()) {
        const std::size_t end = log.find('\n');
        if (std::optional<std::uint64_t> number = LeadingJobNumber(log.substr(0, end))) {
            highest = std::max(highest, *number);
        }
        log.remove_prefix(end == std::string_view::npos ? log.size() : end + 1);
    }
    if (highest >= kLastJob) {
        return std::nullopt;
    }
    return static_cast<std::int64_t>(highest + 1);
}

} // namespace printing

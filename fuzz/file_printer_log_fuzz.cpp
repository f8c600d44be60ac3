// The file printer's log read from arbitrary bytes: reading never fails badly, and a new job's
// number is above every job number a line starts with.
#include "platform/printing/file_printer_log.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view log(reinterpret_cast<const char*>(data), size);
    const std::optional<std::int64_t> next = printing::NextJobAfterLog(log);
    if (next && *next < 1) {
        std::abort();
    }
    // Each line that starts with "job", blanks and digits names a job; a number at the 64-bit
    // maximum or beyond leaves none for a new job.
    bool noneLeft = false;
    std::string_view rest = log;
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
        if (!line.starts_with("job")) {
            continue;
        }
        line.remove_prefix(3);
        line.remove_prefix(std::min(line.find_first_not_of(' '), line.size()));
        std::int64_t job = 0;
        const auto [stop, error] = std::from_chars(line.data(), line.data() + line.size(), job);
        if (stop == line.data() || line[0] == '-') {
            continue;
        }
        if (error != std::errc() || job == INT64_MAX) {
            noneLeft = true;
        } else if (next && *next <= job) {
            std::abort();
        }
    }
    if (next.has_value() == noneLeft) {
        std::abort();
    }
    return 0;
}

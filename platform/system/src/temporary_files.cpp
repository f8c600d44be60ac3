#include "platform/system/src/temporary_files.h"

#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <charconv>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace sys {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kPrefix = ".tmp-";

// Distinguishes the temporary files of one process; the process id distinguishes processes.
std::atomic<unsigned> temporaryCounter{0};

std::optional<unsigned long> Digits(std::string_view text) {
    unsigned long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

// The process that made a temporary file of that name, when the name is one.
std::optional<pid_t> OwnerOf(std::string_view name) {
    if (!name.starts_with(kPrefix)) {
        return std::nullopt;
    }
    name.remove_prefix(kPrefix.size());
    const std::size_t dash = name.find('-');
    if (dash == std::string_view::npos || !Digits(name.substr(dash + 1))) {
        return std::nullopt;
    }
    const std::optional<unsigned long> process = Digits(name.substr(0, dash));
    if (!process || *process == 0 || *process > static_cast<unsigned long>(INT32_MAX)) {
        return std::nullopt;
    }
    return static_cast<pid_t>(*process);
}

// A process that exists but is not ours to signal still runs.
bool Runs(pid_t process) {
    return kill(process, 0) == 0 || errno != ESRCH;
}

} // namespace

fs::path TemporaryFileIn(const fs::path& folder) {
    return folder / (std::string(kPrefix) + std::to_string(getpid()) + "-" +
                     std::to_string(temporaryCounter++));
}

void RemoveStaleTemporaryFiles(const fs::path& folder) noexcept {
    std::error_code error;
    fs::directory_iterator entries(folder.empty() ? fs::path(".") : folder, error);
    for (const fs::directory_iterator end; !error && entries != end; entries.increment(error)) {
        const std::optional<pid_t> owner = OwnerOf(entries->path().filename().string());
        std::error_code kind;
        if (owner && !Runs(*owner) && entries->is_regular_file(kind)) {
            std::error_code ignored;
            fs::remove(entries->path(), ignored);
        }
    }
}

} // namespace sys

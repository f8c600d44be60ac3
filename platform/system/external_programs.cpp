#include "platform/system/external_programs.h"

#include "platform/system/src/environment.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <string_view>
#include <utility>

namespace sys {

namespace fs = std::filesystem;

namespace {

// The first executable file called `name` in the folders of PATH.
std::optional<fs::path> FindOnPath(std::string_view name) {
    const std::string path = EnvironmentValue("PATH").value_or("/usr/local/bin:/usr/bin:/bin");
    std::string_view folders = path;
    while (true) {
        const auto colon = folders.find(':');
        const std::string_view folder = folders.substr(0, colon);
        const fs::path candidate = fs::path(folder.empty() ? "." : folder) / name;
        if (access(candidate.c_str(), X_OK) == 0 && !fs::is_directory(candidate)) {
            return candidate;
        }
        if (colon == std::string_view::npos) {
            return std::nullopt;
        }
        folders.remove_prefix(colon + 1);
    }
}

// Starts the program with its arguments, detached: an intermediate child starts it and ends at
// once, so the program is never left as an unreaped child of ours. Only async-signal-safe
// calls run between fork and exec.
bool StartDetached(const fs::path& program, const std::string& argument) {
    const std::string programName = program.filename().string();
    char* const arguments[] = {const_cast<char*>(programName.c_str()),
                               const_cast<char*>(argument.c_str()), nullptr};
    const pid_t child = fork();
    if (child < 0) {
        return false;
    }
    if (child == 0) {
        const pid_t grandchild = fork();
        if (grandchild == 0) {
            execve(program.c_str(), arguments, environ);
            _exit(127);
        }
        _exit(grandchild < 0 ? 1 : 0);
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) {
            return false;
        }
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

bool StartXdgOpen(const std::string& url) {
    const auto xdgOpen = FindOnPath("xdg-open");
    return xdgOpen && StartDetached(*xdgOpen, url);
}

std::function<bool(const std::string&)>& CurrentBrowser() {
    static std::function<bool(const std::string&)> browser = StartXdgOpen;
    return browser;
}

} // namespace

bool OpenUrlInBrowser(const std::string& url) {
    return CurrentBrowser()(url);
}

bool OpenOnDesktop(const fs::path& file) {
    std::error_code error;
    const fs::path absolute = fs::absolute(file, error);
    return !error && StartXdgOpen(absolute.string());
}

ScopedBrowser::ScopedBrowser(std::function<bool(const std::string&)> browser)
    : replaced_(std::exchange(CurrentBrowser(), std::move(browser))) {}

ScopedBrowser::~ScopedBrowser() {
    CurrentBrowser() = std::move(replaced_);
}

std::optional<fs::path> SystemInformationTool() {
    return std::nullopt;
}

} // namespace sys

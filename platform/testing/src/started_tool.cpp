#include "platform/testing/started_tool.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <stdexcept>
#include <thread>

namespace testkit {

namespace {

constexpr int kReportDescriptor = 3;
constexpr auto kPollStep = std::chrono::milliseconds(20);

int StatusOf(int waitStatus) {
    if (WIFEXITED(waitStatus)) {
        return WEXITSTATUS(waitStatus);
    }
    if (WIFSIGNALED(waitStatus)) {
        return 128 + WTERMSIG(waitStatus);
    }
    return -1;
}

// What the child does between fork and exec: only calls that are safe there. On any failure it
// ends with status 127, as a shell does for a command it cannot run.
[[noreturn]] void BecomeTool(char* const* argv, int logDescriptor, int reportWriteEnd,
                             pid_t testProcess) {
    setpgid(0, 0);
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (getppid() != testProcess) {
        _exit(127); // the test ended before the tool could be tied to it
    }
    const int input = open("/dev/null", O_RDONLY);
    if (input < 0 || dup2(input, STDIN_FILENO) < 0 || dup2(logDescriptor, STDOUT_FILENO) < 0 ||
        dup2(logDescriptor, STDERR_FILENO) < 0) {
        _exit(127);
    }
    if (reportWriteEnd >= 0 && dup2(reportWriteEnd, kReportDescriptor) < 0) {
        _exit(127);
    }
    execvp(argv[0], argv);
    _exit(127);
}

} // namespace

StartedTool::StartedTool(const std::vector<std::string>& arguments,
                         const std::filesystem::path& log, bool reportChannel) {
    if (arguments.empty()) {
        throw std::invalid_argument("no tool named");
    }
    name_ = arguments[0];
    std::vector<char*> argv;
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);

    const int logDescriptor = open(log.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (logDescriptor < 0) {
        throw std::runtime_error("cannot open " + log.string() + ": " + std::strerror(errno));
    }
    int report[2] = {-1, -1};
    if (reportChannel && pipe2(report, O_CLOEXEC) != 0) {
        close(logDescriptor);
        throw std::runtime_error(std::string("cannot make a pipe: ") + std::strerror(errno));
    }
    const pid_t testProcess = getpid();
    pid_ = fork();
    if (pid_ == 0) {
        BecomeTool(argv.data(), logDescriptor, report[1], testProcess);
    }
    const int forkError = errno;
    close(logDescriptor);
    if (report[1] >= 0) {
        close(report[1]);
    }
    reportReadEnd_ = report[0];
    if (pid_ < 0) {
        if (reportReadEnd_ >= 0) {
            close(reportReadEnd_);
        }
        throw std::runtime_error("cannot start " + name_ + ": " + std::strerror(forkError));
    }
    // Set here too, so that a signal to the group cannot come before the child has made it.
    setpgid(pid_, pid_);
}

StartedTool::~StartedTool() {
    if (Running()) {
        Stop();
    }
    if (reportReadEnd_ >= 0) {
        close(reportReadEnd_);
    }
}

std::optional<std::string> StartedTool::ReadReport(std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (reportReadEnd_ >= 0) {
        if (const std::size_t end = reported_.find('\n'); end != std::string::npos) {
            std::string line = reported_.substr(0, end);
            reported_.erase(0, end + 1);
            return line;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            return std::nullopt;
        }
        pollfd waiting{reportReadEnd_, POLLIN, 0};
        const int ready = poll(&waiting, 1, static_cast<int>(left.count()));
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        if (ready <= 0) {
            return std::nullopt;
        }
        char buffer[256];
        const ssize_t got = read(reportReadEnd_, buffer, sizeof buffer);
        if (got > 0) {
            reported_.append(buffer, static_cast<std::size_t>(got));
        } else if (got == 0 || errno != EINTR) {
            close(reportReadEnd_);
            reportReadEnd_ = -1;
        }
    }
    return std::nullopt;
}

void StartedTool::CheckEnded(int options) {
    if (exitStatus_ || pid_ < 0) {
        return;
    }
    siginfo_t ended{};
    int result = 0;
    do {
        result = waitid(P_PID, static_cast<id_t>(pid_), &ended, WEXITED | WNOWAIT | options);
    } while (result < 0 && errno == EINTR);
    if (result < 0) {
        exitStatus_ = -1; // not our child any more: nothing left to wait for
        return;
    }
    if (ended.si_pid != pid_) {
        return; // still running
    }
    // Until the tool is reaped its number cannot be given to another process, so the group is
    // still its own: what it started and left behind ends with it.
    kill(-pid_, SIGKILL);
    int status = 0;
    while (waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
    }
    exitStatus_ = StatusOf(status);
}

bool StartedTool::Running() {
    CheckEnded(WNOHANG);
    return !exitStatus_;
}

std::optional<int> StartedTool::WaitForExit(std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (Running()) {
        if (std::chrono::steady_clock::now() >= deadline) {
            return std::nullopt;
        }
        std::this_thread::sleep_for(kPollStep);
    }
    return exitStatus_;
}

int StartedTool::Stop(std::chrono::milliseconds grace) {
    if (Running()) {
        kill(-pid_, SIGTERM);
        if (!WaitForExit(grace)) {
            kill(-pid_, SIGKILL);
            CheckEnded(0);
        }
    }
    return exitStatus_.value_or(-1);
}

} // namespace testkit

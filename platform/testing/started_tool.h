// A tool that runs beside a test rather than to its end: an X server, a window manager, a
// message bus, the program under test. Started from an argument vector, never a shell, with the
// test's environment, standard input empty and both output streams appended to a log file. It
// leads a process group of its own: when it ends or is stopped, what it started and left behind
// ends with it. It is killed when the test process dies, so that a test that crashes or is timed
// out leaves nothing running.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace testkit {

class StartedTool {
public:
    // Starts arguments[0] (looked up on PATH when it holds no slash). With `reportChannel` the
    // tool finds the writing end of a pipe as its descriptor 3, for tools that tell where they
    // listen on a descriptor they are given (Xvfb -displayfd 3, dbus-daemon --print-address=3).
    // Throws std::runtime_error when the tool cannot be started.
    StartedTool(const std::vector<std::string>& arguments, const std::filesystem::path& log,
                bool reportChannel = false);
    // Stops the tool when it still runs.
    ~StartedTool();
    StartedTool(const StartedTool&) = delete;
    StartedTool& operator=(const StartedTool&) = delete;

    pid_t Pid() const { return pid_; }
    const std::string& Name() const { return name_; }

    // The first line the tool wrote on descriptor 3, without its line break; nothing when the
    // tool wrote no whole line within `timeout` or closed the descriptor first.
    std::optional<std::string> ReadReport(std::chrono::milliseconds timeout);

    // True while the tool has not ended.
    bool Running();

    // The exit status once the tool has ended (128 + the signal's number when a signal ended
    // it); nothing when it still runs after `timeout`.
    std::optional<int> WaitForExit(std::chrono::milliseconds timeout);

    // Asks the tool's process group to end (SIGTERM), then kills it (SIGKILL) when the tool has
    // not ended within `grace`. Answers the tool's exit status.
    int Stop(std::chrono::milliseconds grace = std::chrono::seconds(5));

private:
    void CheckEnded(int options);

    std::string name_;
    pid_t pid_ = -1;
    int reportReadEnd_ = -1;
    std::string reported_;
    std::optional<int> exitStatus_;
};

} // namespace testkit

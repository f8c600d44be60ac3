#include "platform/testing/outside_tool.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

extern char** environ;

namespace testkit {

namespace {

// Both ends of a pipe, closed when it goes.
class Pipe {
public:
    Pipe() {
        if (pipe2(ends_, O_CLOEXEC) != 0) {
            ends_[0] = ends_[1] = -1;
        }
    }
    ~Pipe() {
        CloseReadEnd();
        CloseWriteEnd();
    }
    Pipe(const Pipe&) = delete;
    Pipe& operator=(const Pipe&) = delete;

    bool Open() const { return ends_[0] >= 0; }
    int ReadEnd() const { return ends_[0]; }
    int WriteEnd() const { return ends_[1]; }
    void CloseReadEnd() { Close(ends_[0]); }
    void CloseWriteEnd() { Close(ends_[1]); }

private:
    static void Close(int& end) {
        if (end >= 0) {
            close(end);
            end = -1;
        }
    }
    int ends_[2];
};

// Reads both pipes until the tool has closed them, so that neither fills up and stalls it.
void Drain(Pipe& output, Pipe& errors, ToolRun& run) {
    Pipe* pipes[] = {&output, &errors};
    std::string* texts[] = {&run.output, &run.errors};
    for (;;) {
        pollfd waiting[2];
        int count = 0;
        int which[2];
        for (int i = 0; i < 2; ++i) {
            if (pipes[i]->ReadEnd() >= 0) {
                waiting[count] = {pipes[i]->ReadEnd(), POLLIN, 0};
                which[count++] = i;
            }
        }
        if (count == 0) {
            return;
        }
        if (poll(waiting, static_cast<nfds_t>(count), -1) < 0) {
            if (errno == EINTR) {
                continue;
            }
            return;
        }
        for (int k = 0; k < count; ++k) {
            if (waiting[k].revents == 0) {
                continue;
            }
            char buffer[4096];
            const ssize_t got = read(waiting[k].fd, buffer, sizeof buffer);
            if (got > 0) {
                texts[which[k]]->append(buffer, static_cast<std::size_t>(got));
            } else if (got == 0 || errno != EINTR) {
                pipes[which[k]]->CloseReadEnd();
            }
        }
    }
}

} // namespace

ToolRun RunTool(const std::vector<std::string>& arguments) {
    ToolRun run;
    if (arguments.empty()) {
        run.errors = "no tool named";
        return run;
    }
    Pipe output;
    Pipe errors;
    if (!output.Open() || !errors.Open()) {
        run.errors = std::string("cannot make a pipe: ") + std::strerror(errno);
        return run;
    }
    std::vector<char*> argv;
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, output.WriteEnd(), STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, errors.WriteEnd(), STDERR_FILENO);
    pid_t pid = -1;
    const int failed = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (failed != 0) {
        run.errors = "cannot run " + arguments[0] + ": " + std::strerror(failed);
        return run;
    }
    output.CloseWriteEnd();
    errors.CloseWriteEnd();
    Drain(output, errors, run);

    int status = 0;
    while (waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR) {
            run.errors += "cannot wait for " + arguments[0];
            return run;
        }
    }
    if (WIFEXITED(status)) {
        run.exitStatus = WEXITSTATUS(status);
    } else if (WIFSIGNALED(status)) {
        run.exitStatus = 128 + WTERMSIG(status);
    }
    return run;
}

} // namespace testkit

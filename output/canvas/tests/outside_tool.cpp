#include "outside_tool.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

ToolResult RunTool(const std::vector<std::string>& arguments) {
    ToolResult result;
    int pipeEnds[2];
    if (arguments.empty() || pipe(pipeEnds) != 0) {
        return result;
    }
    std::vector<char*> argv;
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    pid_t child = 0;
    int spawned = posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    if (spawned == 0) {
        char buffer[4096];
        ssize_t count;
        while ((count = read(pipeEnds[0], buffer, sizeof buffer)) > 0) {
            result.output.append(buffer, static_cast<std::size_t>(count));
        }
    }
    close(pipeEnds[0]);
    int status = 0;
    if (spawned == 0 && waitpid(child, &status, 0) == child && WIFEXITED(status)) {
        result.exitCode = WEXITSTATUS(status);
    }
    return result;
}

// A tool beside the test: its report line, its exit status and log, and what it started ending
// with it, whether it is stopped (even while it ignores the request to end) or ends by itself.
#include "platform/testing/started_tool.h"

#include "platform/testing/file_contents.h"
#include "platform/testing/sandbox.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <string>
#include <thread>

namespace {

using namespace std::chrono_literals;
using testkit::StartedTool;

// A process that has ended and been reaped is gone; one that has ended and waits to be reaped
// shows as a zombie.
bool ProcessRuns(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    if (!std::getline(status, line)) {
        return false;
    }
    const std::size_t state = line.rfind(')');
    return state != std::string::npos && line.size() > state + 2 && line[state + 2] != 'Z';
}

TEST(StartedToolTest, EndsWithItsStatusAndLogsBothStreams) {
    testkit::Sandbox sandbox;
    struct Case {
        std::vector<std::string> arguments;
        int exitStatus;
        const char* log;
    };
    const Case cases[] = {
        {{"/bin/sh", "-c", "echo out; echo err >&2; exit 3"}, 3, "out\nerr\n"},
        {{"/bin/sh", "-c", "read line; echo \"[$line]\""}, 0, "[]\n"}, // standard input is empty
        {{"/bin/sh", "-c", "kill -KILL $$"}, 128 + SIGKILL, ""},
        {{"tallowmere-no-such-tool"}, 127, ""},
    };
    int run = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.back());
        const std::filesystem::path log =
            sandbox.Root() / ("tool" + std::to_string(++run) + ".log");
        StartedTool tool(c.arguments, log);
        EXPECT_EQ(tool.WaitForExit(10s), std::optional<int>(c.exitStatus));
        EXPECT_FALSE(tool.Running());
        EXPECT_EQ(testkit::ReadFileBytes(log), c.log);
    }
}

TEST(StartedToolTest, ReadsTheLineTheToolReportsOnDescriptorThree) {
    testkit::Sandbox sandbox;
    StartedTool reporting({"/bin/sh", "-c", "printf ':1'; printf '07\\nmore\\n' >&3; sleep 30"},
                          sandbox.Root() / "reporting.log", true);
    EXPECT_EQ(reporting.ReadReport(10s), std::optional<std::string>("07"));
    EXPECT_EQ(reporting.ReadReport(10s), std::optional<std::string>("more"));
    EXPECT_TRUE(reporting.Running());
    EXPECT_EQ(reporting.Stop(), 128 + SIGTERM);

    // A tool that ends without a whole line gives no report, and at once.
    StartedTool silent({"/bin/sh", "-c", "printf 'half' >&3"}, sandbox.Root() / "silent.log", true);
    EXPECT_EQ(silent.ReadReport(30s), std::nullopt);
    EXPECT_EQ(silent.WaitForExit(10s), std::optional<int>(0));
}

TEST(StartedToolTest, WhatTheToolStartedEndsWithItStoppedOrNot) {
    testkit::Sandbox sandbox;
    struct Case {
        const char* what;
        const char* script; // starts a sleeper in the tool's group and reports its number
        bool stop;
        int exitStatus;
    };
    const Case cases[] = {
        {"stopped while it ignores the request to end",
         "trap '' TERM; sleep 60 & echo $! >&3; wait", true, 128 + SIGKILL},
        {"stopped", "sleep 60 & echo $! >&3; wait", true, 128 + SIGTERM},
        {"ended by itself", "sleep 60 & echo $! >&3", false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        StartedTool tool({"/bin/sh", "-c", c.script}, sandbox.Root() / "tool.log", true);
        const std::optional<std::string> started = tool.ReadReport(10s);
        ASSERT_TRUE(started);
        const pid_t sleeper = std::stoi(*started);
        ASSERT_TRUE(ProcessRuns(sleeper));
        EXPECT_EQ(c.stop ? std::optional<int>(tool.Stop(200ms)) : tool.WaitForExit(10s),
                  std::optional<int>(c.exitStatus));
        EXPECT_FALSE(tool.Running());
        // The sleeper was killed with the group; whoever adopted it reaps it in its own time.
        for (int tries = 0; ProcessRuns(sleeper) && tries < 100; ++tries) {
            std::this_thread::sleep_for(20ms);
        }
        EXPECT_FALSE(ProcessRuns(sleeper));
    }
}

} // namespace

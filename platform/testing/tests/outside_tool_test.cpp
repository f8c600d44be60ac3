// Running a tool: arguments reach it exactly as given, its two output streams and its exit
// status come back apart, and a tool that writes a lot to both streams does not stall.
#include "platform/testing/outside_tool.h"

#include <gtest/gtest.h>

namespace {

using testkit::RunTool;
using testkit::ToolRun;

TEST(OutsideToolTest, ArgumentsReachTheToolWithoutAShell) {
    const std::string awkward = "two words; echo $HOME `id` 'quoted' \"double\" *";
    const ToolRun run = RunTool({"printf", "[%s]", awkward, ""});
    EXPECT_EQ(run.exitStatus, 0) << run.errors;
    EXPECT_EQ(run.output, "[" + awkward + "][]");
    EXPECT_EQ(run.errors, "");
}

TEST(OutsideToolTest, ReportsStatusAndStreamsApart) {
    struct Case {
        const char* script;
        int exitStatus;
        const char* output;
        const char* errors;
    };
    const Case cases[] = {
        {"echo out; echo err >&2", 0, "out\n", "err\n"},
        {"echo partial; exit 3", 3, "partial\n", ""},
        {"read line; echo \"[$line]\"", 0, "[]\n", ""}, // standard input is empty
        {"kill -TERM $$", 128 + 15, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.script);
        const ToolRun run = RunTool({"/bin/sh", "-c", c.script});
        EXPECT_EQ(run.exitStatus, c.exitStatus);
        EXPECT_EQ(run.output, c.output);
        EXPECT_EQ(run.errors, c.errors);
    }
}

TEST(OutsideToolTest, LargeOutputOnBothStreamsIsReadWhole) {
    // Far more than a pipe holds, on both streams at once.
    const ToolRun run =
        RunTool({"/bin/sh", "-c", "head -c 300000 /dev/zero; head -c 200000 /dev/zero >&2"});
    EXPECT_EQ(run.exitStatus, 0);
    EXPECT_EQ(run.output.size(), 300000u);
    EXPECT_EQ(run.errors.size(), 200000u);
}

TEST(OutsideToolTest, AToolThatCannotStartSaysSo) {
    const ToolRun run = RunTool({"tallowmere-no-such-tool"});
    EXPECT_EQ(run.exitStatus, -1);
    EXPECT_NE(run.errors.find("cannot run tallowmere-no-such-tool"), std::string::npos)
        << run.errors;
    EXPECT_EQ(RunTool({}).exitStatus, -1);
}

} // namespace

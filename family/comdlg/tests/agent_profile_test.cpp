// The representative record in the shared profile, as this library writes and reads it and as
// the program reads it.
#include "family/comdlg/caddow.h"
#include "family/comdlg/tests/agent_record.h"

#include "platform/runtime/text.h"
#include "platform/system/folders.h"
#include "platform/system/profile_file.h"
#include "platform/testing/sandbox.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>

namespace {

using caddow_test::CompleteAgent;
using caddow_test::SameRecord;
using caddow_test::Set;

class AgentProfile : public ::testing::Test {
protected:
    std::filesystem::path Profile() const { return sys::WindowsFolder() / "Hux.INI"; }
    void WriteProfile(const std::string& contents) const {
        std::filesystem::create_directories(Profile().parent_path());
        sandbox.WriteFile(std::filesystem::relative(Profile(), sandbox.Root()), contents);
    }

    testkit::Sandbox sandbox;
};

TEST_F(AgentProfile, RecordRoundTripsThroughTheProfile) {
    // Every text at the full width of its field, and the last state.
    AgentInfo written{};
    Set(written.name, std::string(31, 'n'));
    Set(written.number, std::string(31, '1'));
    Set(written.agency, std::string(39, 'a'));
    Set(written.workPhone, std::string(31, 'w'));
    Set(written.homePhone, std::string(31, 'h'));
    Set(written.fax, std::string(31, 'f'));
    Set(written.streetAddress, std::string(127, 's'));
    Set(written.city, "S\xE3o Paulo"); // Windows-1252 stays as it is
    written.state = 50;
    Set(written.zip, std::string(10, '9'));
    Set(written.licenseNumber, std::string(31, 'l'));
    _ComWriteAgentInfo(&written);

    AgentInfo read{};
    std::memset(&read, 0x55, sizeof read);
    _ComReadAgentInfo(&read);
    EXPECT_TRUE(SameRecord(read, written));
}

TEST_F(AgentProfile, MissingProfileGivesEmptyTextsAndAlabama) {
    AgentInfo read = CompleteAgent();
    _ComReadAgentInfo(&read);
    EXPECT_TRUE(SameRecord(read, AgentInfo{}));
}

TEST_F(AgentProfile, StateOutsideTheTablesReadsAsAlabama) {
    struct Case {
        const char* value;
        int state;
    };
    // The value is taken as a 16-bit number: 65540 is 4.
    const Case cases[] = {{"51", 0}, {"-1", 0}, {"50", 50},   {"4", 4},
                          {"x", 0},  {"", 0},   {"65540", 4}, {"32768", 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        WriteProfile(std::string("[Agent Information]\r\nName=Pat\r\nZip=123456789012345\r\n") +
                     "State=" + c.value + "\r\n");
        AgentInfo read{};
        _ComReadAgentInfo(&read);
        EXPECT_EQ(read.state, c.state);
        EXPECT_STREQ(read.name, "Pat");
        EXPECT_STREQ(read.zip, "1234567890"); // cut to the field
    }
}

// The program falls back on the same section for the representative, reading each key's value
// trimmed and the state as an index of the state table: the library writes those keys.
TEST_F(AgentProfile, WritesTheKeysTheProgramReads) {
    const AgentInfo agent = CompleteAgent();
    _ComWriteAgentInfo(&agent);
    const auto value = [this](const char* key) {
        return runtime::Trim(sys::GetProfileString(Profile(), "Agent Information", key, "", 64));
    };
    const struct {
        const char* key;
        const char* value;
    } cases[] = {
        {"Agency", "Quinn Financial"},
        {"Work", "303-555-0100"},
        {"Home", "303-555-0101"},
        {"Fax", "303-555-0102"},
        {"Address", "1 Main Street"},
        {"City", "Denver"},
        {"Zip", "80202"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        EXPECT_EQ(value(c.key), c.value);
    }
    const std::string state = value("State");
    ASSERT_FALSE(state.empty());
    EXPECT_STREQ(_StateCode[std::stoi(state)], "CO");
}

} // namespace

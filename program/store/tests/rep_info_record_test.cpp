#include "program/store/rep_info_record.h"

#include "program/store/tests/store_fixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

namespace {

using namespace store;

namespace fs = std::filesystem;
using store::testing::ReadBytes;
using store::testing::WriteBytes;

class RepInfoTest : public store::testing::StoreTest {
protected:
    // The window's state table, shortened: index text to code, "XX" past the end.
    static std::string StateCode(const std::string& indexText) {
        static const char* const kCodes[] = {"AL", "AK", "AZ", "AR", "CA", "CO"};
        const int index = std::atoi(indexText.c_str());
        return index >= 0 && index < 6 ? kCodes[index] : "XX";
    }

    static RepInfoFields Representative() {
        RepInfoFields fields;
        fields.txtInput = {"Jonathan",
                           "Q",
                           "Pemberton",
                           "R-55012",
                           "Pemberton Financial",
                           "555-201-3344",
                           "555-201-9988",
                           "555-201-3345",
                           "jq@pemberton.example",
                           "1200 Lakeshore Drive, Suite 400",
                           "Chicago",
                           "60611-3210",
                           "04/01/2011 09:30:00",
                           " kept as it is "};
        fields.state = "IL";
        return fields;
    }

    // The same representative's record, field by field from the layout table.
    static std::string RepresentativeRecord() {
        std::string record(1000, ' ');
        const std::pair<int, std::string> placements[] = {
            {1, "Jonathan"},                         // First, 1-20
            {21, "Q"},                               // Initial
            {22, "Pemberton"},                       // Last, 22-51
            {52, "Pemberton Financial"},             // Agency, 52-81
            {82, "1200 Lakeshore Drive, Suite 400"}, // Address, 82-141
            {142, "Chicago"},                        // City, 142-171
            {172, "IL"},                             // State
            {174, "60611-3210"},                     // Zip, 174-184
            {185, "555-201-3344"},                   // Work, 185-214
            {215, "555-201-9988"},                   // Home, 215-244
            {245, "555-201-3345"},                   // Fax, 245-274
            {275, "jq@pemberton.example"},           // EMail, 275-334
            {335, "R-55012"},                        // RepNumber, 335-354
            {355, "04/01/2011 09:30:00"},            // RunDate, 355-374
            {375, " kept as it is "},                // reserved, 375-389
        };
        for (const auto& [position, text] : placements) {
            record.replace(static_cast<std::size_t>(position - 1), text.size(), text);
        }
        return record;
    }
};

TEST_F(RepInfoTest, RecordRoundTripsByteForByte) {
    const std::string record = RepresentativeRecord();
    EXPECT_EQ(RepFormToRecord(Representative()), record);
    RepInfoFields loaded = RepRecordToForm(record);
    EXPECT_EQ(loaded.txtInput[13], "kept as it is"); // trimmed on load, as every field
    loaded.txtInput[13] = " kept as it is ";
    EXPECT_EQ(loaded, Representative());
}

TEST_F(RepInfoTest, TextsAreTrimmedAndCutToTheirFields) {
    RepInfoFields fields;
    fields.txtInput[0] = "  Maximilian-Alexander the Third  "; // trimmed, then cut to 20
    fields.txtInput[12] = "04/01/2011 09:30:00";
    fields.state = "ny";
    const std::string record = RepFormToRecord(fields);
    EXPECT_EQ(record.substr(0, 21), "Maximilian-Alexander ");
    EXPECT_EQ(record.substr(171, 2), "ny");
    fields.txtInput[0].clear();
    fields.state.clear();
    EXPECT_EQ(RepFormToRecord(fields),
              std::string(354, ' ') + "04/01/2011 09:30:00" + std::string(627, ' '));
}

TEST_F(RepInfoTest, LoadsTheRecordWhenItExists) {
    WriteBytes(Folder("windows") / "Hux.INI", "[Agent Information]\r\nFirst=Profile\r\n");
    WriteBytes(Folder("data") / "RepInfo.flt", RepresentativeRecord());
    const LoadedRepInfo loaded = LoadRepInfo(StateCode);
    EXPECT_EQ(loaded.fields, RepRecordToForm(RepresentativeRecord()));
    EXPECT_TRUE(loaded.damagedRecord.empty());
}

// What a damaged record looks like, and what is still a sound one: every printable
// Windows-1252 character in a field, blanks or the NULs of a record never filled after them.
TEST_F(RepInfoTest, ARecordIsCheckedAsItIsRead) {
    std::mt19937 random(103);
    std::string randomBytes(1000, ' ');
    for (char& byte : randomBytes) {
        byte = static_cast<char>(random());
    }
    std::string printable = RepresentativeRecord();
    const std::string name = "Ren\xE9"
                             "e \x80\xA0\xFF\x9C~ !\"#$%&'(";
    ASSERT_EQ(name.size(), 20u);
    printable.replace(0, name.size(), name);
    std::string nulFiller = RepresentativeRecord();
    nulFiller.replace(389, 611, std::string(611, '\0'));
    const auto with = [](std::size_t at, char byte) {
        std::string record = RepresentativeRecord();
        record[at] = byte;
        return record;
    };
    struct Case {
        const char* name;
        std::string bytes;
        bool sound;
    };
    const Case cases[] = {
        {"as written", RepresentativeRecord(), true},
        {"every kind of printable character", printable, true},
        {"NULs after the fields", nulFiller, true},
        {"random bytes", randomBytes, false},
        {"0xFF bytes", std::string(1000, '\xFF'), false},
        {"cut to 500 bytes", RepresentativeRecord().substr(0, 500), false},
        {"one byte more", RepresentativeRecord() + " ", false},
        {"a line break in a field", with(30, '\n'), false},
        {"a NUL in a field", with(0, '\0'), false},
        {"a code Windows-1252 does not have", with(100, '\x81'), false},
        {"DEL in the reserved field", with(380, '\x7F'), false},
        {"a letter after the fields", with(999, 'x'), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(IsSoundRepInfoRecord(c.bytes), c.sound);
        WriteBytes(Folder("windows") / "Hux.INI", "[Agent Information]\r\nFirst=Profile\r\n");
        WriteBytes(Folder("data") / "RepInfo.flt", c.bytes);
        const LoadedRepInfo loaded = LoadRepInfo(StateCode);
        if (c.sound) {
            EXPECT_TRUE(loaded.damagedRecord.empty());
            EXPECT_EQ(loaded.fields.txtInput[2], "Pemberton");
        } else {
            // Not used: the shared profile answers, as before the record existed.
            EXPECT_EQ(loaded.damagedRecord, Folder("data") / "RepInfo.flt");
            EXPECT_EQ(loaded.keptAs, Folder("data") / "RepInfo.flt.damaged");
            EXPECT_EQ(loaded.fields.txtInput[0], "Profile");
            EXPECT_EQ(loaded.fields.txtInput[2], "");
            EXPECT_EQ(ReadBytes(Folder("data") / "RepInfo.flt"), c.bytes) << "left as it was";
        }
    }
}

// A record written over a damaged one keeps the damaged file beside it, under a name no earlier
// damaged file has; a sound record is replaced as ever.
TEST_F(RepInfoTest, AWriteKeepsTheDamagedRecordBesideTheNewOne) {
    const fs::path path = Folder("data") / "RepInfo.flt";
    WriteBytes(path, std::string(1000, '\xFF'));
    ASSERT_TRUE(RepWriteFlat(path, Representative(), driver));
    EXPECT_EQ(ReadBytes(path), RepresentativeRecord());
    EXPECT_EQ(ReadBytes(Folder("data") / "RepInfo.flt.damaged"), std::string(1000, '\xFF'));

    WriteBytes(path, "cut short");
    EXPECT_EQ(DamagedRepInfoPath(path), Folder("data") / "RepInfo.flt.damaged.2");
    ASSERT_TRUE(RepWriteFlat(path, Representative(), driver));
    EXPECT_EQ(ReadBytes(Folder("data") / "RepInfo.flt.damaged.2"), "cut short");
    EXPECT_EQ(ReadBytes(Folder("data") / "RepInfo.flt.damaged"), std::string(1000, '\xFF'));

    ASSERT_TRUE(RepWriteFlat(path, Representative(), driver));
    EXPECT_FALSE(fs::exists(Folder("data") / "RepInfo.flt.damaged.3"));
    EXPECT_TRUE(driver.MessageBoxes().empty());
}

TEST_F(RepInfoTest, WithoutARecordTheSharedProfileAnswers) {
    const std::string longAddress(70, 'a');
    struct Case {
        const char* stateValue;
        const char* state;
    };
    const Case cases[] = {{"5", "CO"}, {"", "AL"}, {"52", ""}, {"-1", ""}};
    for (const Case& row : cases) {
        SCOPED_TRACE(row.stateValue);
        WriteBytes(Folder("windows") / "Hux.INI",
                   "[Agent Information]\r\nFirst=  Ann  \r\nLast=Lee\r\nAddress=" + longAddress +
                       "\r\nState=" + row.stateValue + "\r\n");
        const RepInfoFields fields = LoadRepInfo(StateCode).fields;
        EXPECT_EQ(fields.txtInput[0], "Ann");
        EXPECT_EQ(fields.txtInput[2], "Lee");
        EXPECT_EQ(fields.txtInput[9], longAddress.substr(0, 63));
        EXPECT_EQ(fields.state, row.state);
    }
    std::filesystem::remove(Folder("windows") / "Hux.INI");
    EXPECT_EQ(LoadRepInfo(StateCode).fields.state, "AL");
}

TEST_F(RepInfoTest, WriteFailureIsReportedAndTheProgramGoesOn) {
    const auto path = Folder("data") / "RepInfo.flt";
    EXPECT_TRUE(RepWriteFlat(path, Representative(), driver));
    EXPECT_EQ(ReadBytes(path), RepresentativeRecord());
    EXPECT_TRUE(RepWriteFlat("", Representative(), driver));

    RepInfoFields changed = Representative();
    changed.txtInput[0] = "Changed";
    {
        store::testing::DiskFullAfter full(500);
        driver.ExpectMessageBox("Error in RepWriteFlat", forms::vbOK);
        EXPECT_FALSE(RepWriteFlat(path, changed, driver));
    }
    EXPECT_EQ(driver.MessageBoxes().back().prompt,
              "Error type:  61\r\nError description: \"Disk full\"\r\n\r\nFile Path and Name: \"" +
                  path.string() + "\"");
    EXPECT_EQ(driver.MessageBoxes().back().icon, forms::MessageBoxIcon::Critical);
    EXPECT_EQ(ReadBytes(path), RepresentativeRecord());
    EXPECT_FALSE(app.Ended());
}

} // namespace

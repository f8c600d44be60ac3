#include "program/store/illustration_record.h"

#include "program/store/tests/store_fixture.h"

#include <gtest/gtest.h>

#include <optional>
#include <utility>
#include <vector>

namespace {

using namespace store;

using illustration::IllustrationType;
using store::testing::Padded;

// Positions (1-based) and texts of one record, as the record layout table gives them.
using Placements = std::vector<std::pair<int, std::string>>;

std::string HandMadeRecord(const Placements& placements) {
    std::string record(kRecordLength, ' ');
    for (const auto& [position, text] : placements) {
        record.replace(static_cast<std::size_t>(position - 1), text.size(), text);
    }
    return record;
}

struct TypeFixture {
    const char* name;
    IllustrationType type;
    Placements fields; // field index and text, as the window holds them
    RecordControls controls;
    Placements record; // the record those give, by position
};

// Every illustration type once, each with its own fields filled as a user would have them and
// the percent and money fields a new illustration starts with.
std::vector<TypeFixture> TypeFixtures() {
    std::vector<TypeFixture> fixtures;
    {
        TypeFixture rmd{"RMD", IllustrationType::PlanholderRmd, {}, {}, {}};
        rmd.fields = {{0, "Margaret"},   {1, "A"},          {2, "Whitfield"},
                      {3, "03/15/1940"}, {4, "07/04/1948"}, {5, "Harbor Savings 401(k) Plan"},
                      {8, "2011"},       {9, "$1,250,000"}, {16, "2011"},
                      {17, "$0"},        {18, "12"},        {19, "04/01/2011"},
                      {20, "$45,620"},   {27, "$0"},        {29, "$0"},
                      {31, "0.00%"},     {47, "$0"},        {48, "$0"},
                      {50, "0.00%"}};
        rmd.controls.planTypes = {"401(k)", "IRA"};
        rmd.controls.useJoint = true;
        rmd.controls.graphList = "All Years";
        rmd.controls.graphScroll = 99;
        rmd.controls.equalPayment = 0;
        rmd.controls.state = "AL";
        rmd.record = {
            {1, "1"},                            // live
            {2, "0"},                            // RMD
            {3, "Margaret"},                     // 8-PartFirst, 3-32
            {33, "A"},                           // 8-PartMiddle, 33-62
            {63, "Whitfield"},                   // 8-PartLast, 63-112
            {113, "03/15/1940"},                 // 7-PartDOB, 113-130
            {131, "07/04/1948"},                 // 7-SpouseDOB, 131-148
            {149, "Harbor Savings 401(k) Plan"}, // 8-PlanName0, 149-198
            {235, "2011"},                       // 3-Year0, 235-238
            {239, "$1,250,000"},                 // 6-AcctValue0, 239-249
            {446, "2011"},                       // 3-Year1
            {450, "$0"},                         // 6-AcctValue1
            {461, "12"},                         // 3-DatabaseIndex, 461-466
            {467, "04/01/2011"},                 // 6-IllustrationDate, 467-476
            {477, "$45,620"},                    // 6-RMD_Amt, 477-487
            {591, "$0"},                         // 6-EqualAcctValue1
            {620, "$0"},                         // 6-EqualAcctValue2
            {649, "0.00%"},                      // 1-EqualROR, 649-654
            {864, "$0"},                         // 6-StretchAcctValue
            {875, "$0"},                         // 6-StretchAcctCont
            {888, "0.00%"},                      // 1-StretchROR, 888-893
            {901, "401(k)"},                     // plan type 0, 901-920
            {921, "IRA"},                        // plan type 1, 921-940
            {941, "100000"},                     // joint Yes; five graph check boxes clear
            {947, "All Years"},                  // graph list, 947-968
            {969, "99"},                         // scroll position
            {971, "000"},                        // option 0, RMD once and surviving spouse clear
            {974, "AL"},                         // state, 974-975
        };
        fixtures.push_back(rmd);
    }
    {
        TypeFixture rmbd{"RMBD", IllustrationType::BeneficiaryRmd, {}, {}, {}};
        rmbd.fields = {
            {0, "01/02/1939"}, {9, "$0"},          {10, "Thomas"},     {11, "J"},
            {12, "Whitfield"}, {13, "11/30/1965"}, {14, "Harbor IRA"}, {15, "06/01/2010"},
            {16, "2011"},      {17, "$310,000"},   {18, "7"},          {19, "03/02/2011"},
            {20, "$12,004"},   {31, "0.00%"},      {50, "0.00%"},      {51, "01/02/1939"}};
        rmbd.controls.planTypes = {"401(k)", "Roth IRA"};
        rmbd.controls.graphList = "Planholder";
        rmbd.controls.graphScroll = 45;
        rmbd.controls.survivingSpouse = true;
        rmbd.controls.state = "CA";
        rmbd.record = {
            {1, "1"},
            {2, "1"},            // RMBD
            {3, "01/02/1939"},   // 7-OriginalDOB in front, over 8-PartFirst; 894-900 blank
            {239, "$0"},         // 6-AcctValue0
            {250, "Thomas"},     // 8-BeneFirst, 250-279
            {280, "J"},          // 8-BeneMiddle, 280-309
            {310, "Whitfield"},  // 8-BeneLast, 310-359
            {360, "11/30/1965"}, // 7-BeneDOB, 360-377
            {378, "Harbor IRA"}, // 8-PlanName1, 378-427
            {428, "06/01/2010"}, // 7-DD1, 428-445
            {446, "2011"},       // 3-Year1, 446-449
            {450, "$310,000"},   // 6-AcctValue1, 450-460
            {461, "7"},          // 3-DatabaseIndex
            {467, "03/02/2011"}, // 6-IllustrationDate
            {477, "$12,004"},    // 6-RMD_Amt
            {649, "0.00%"},      // 1-EqualROR
            {888, "0.00%"},      // 1-StretchROR
            {901, "401(k)"},
            {921, "Roth IRA"},
            {941, "000000"},
            {947, "Planholder"},
            {969, "45"},
            {971, " 01"}, // no payment option; surviving spouse checked
            {974, "CA"},
        };
        fixtures.push_back(rmbd);
    }
    {
        TypeFixture equal{"equal payments", IllustrationType::EqualPayments, {}, {}, {}};
        equal.fields = {{9, "$0"},
                        {17, "$0"},
                        {18, "3"},
                        {19, "12/15/2010"},
                        {21, "Ruth"},
                        {22, "Ann"},
                        {23, "Delacroix-Smythe"},
                        {24, "09/09/1955"},
                        {25, "Delacroix Rollover IRA"},
                        {26, "12/15/2010"},
                        {27, "$402,500"},
                        {28, "10/10/1957"},
                        {29, "$0"},
                        {31, "5.25%"},
                        {50, "0.00%"}};
        equal.controls.planTypes = {"IRA", "IRA"};
        equal.controls.state = "TX";
        equal.controls.useJoint = false;
        equal.controls.graphList = "All Years";
        equal.controls.graphScroll = 10;
        equal.controls.equalPayment = 4;
        equal.controls.rmdOnce = true;
        equal.record = {
            {1, "1"},
            {2, "2"},                        // equal payments
            {239, "$0"},                     // 6-AcctValue0
            {450, "$0"},                     // 6-AcctValue1
            {461, "3"},                      // 3-DatabaseIndex
            {467, "12/15/2010"},             // 6-IllustrationDate
            {488, "Ruth"},                   // 8-EqualFirst, 488-499
            {500, "Ann"},                    // 8-EqualMiddle, 500-511
            {512, "Delacroix-Smythe"},       // 8-EqualLast, 512-529
            {530, "09/09/1955"},             // 7-EqualDOB, 530-547
            {548, "Delacroix Rollover IRA"}, // 8-EqualPlanName, 548-572
            {573, "12/15/2010"},             // 7-EqualDate, 573-590
            {591, "$402,500"},               // 6-EqualAcctValue1, 591-601
            {602, "10/10/1957"},             // 7-EqualSpouseDOB1, 602-619
            {620, "$0"},                     // 6-EqualAcctValue2, 620-630
            {649, "5.25%"},                  // 1-EqualROR
            {888, "0.00%"},                  // 1-StretchROR
            {901, "IRA"},
            {921, "IRA"},
            {941, "000000"},
            {947, "All Years"},
            {969, "10"},
            {971, "410"}, // option 4, RMD once checked
            {974, "TX"},
        };
        fixtures.push_back(equal);
    }
    {
        TypeFixture stretch{"Stretch", IllustrationType::Stretch, {}, {}, {}};
        stretch.fields = {{9, "$0"},          {17, "$0"},         {18, "10"},
                          {19, "01/05/2011"}, {31, "0.00%"},      {32, "Edward"},
                          {33, "K"},          {34, "Ballantyne"}, {35, "02/28/1944"},
                          {36, "1"},          {37, "Lucia"},      {39, "Ballantyne"},
                          {40, "05/05/1950"}, {41, "2"},          {42, "Oliver"},
                          {44, "Ballantyne"}, {45, "12/12/1980"}, {46, "Ballantyne Family IRA"},
                          {47, "$875,000"},   {48, "$5,500"},     {49, "12"},
                          {50, "6.50%"}};
        stretch.controls.planTypes = {"IRA", "IRA"};
        stretch.controls.background = true;
        stretch.controls.grayScale = true;
        stretch.controls.roth = true;
        stretch.controls.skipSpouse = false;
        stretch.controls.topView = true;
        stretch.controls.graphList = "Non-Spouse Beneficiary";
        stretch.controls.graphScroll = 60;
        stretch.controls.equalPayment = 0;
        stretch.controls.state = "NY";
        stretch.record = {
            {1, "1"},
            {2, "3"}, // Stretch
            {239, "$0"},
            {450, "$0"},
            {461, "10"},
            {467, "01/05/2011"},
            {649, "0.00%"},
            {655, "Edward"},                // 8-StretchPFirst, 655-666
            {667, "K"},                     // 8-StretchPMiddle, 667-678
            {679, "Ballantyne"},            // 8-StretchPLast, 679-696
            {697, "02/28/1944"},            // 7-StretchPDOB, 697-714
            {715, "1"},                     // 2-StretchPLEO, 715-716
            {717, "Lucia"},                 // 8-StretchSFirst, 717-728
            {741, "Ballantyne"},            // 8-StretchSLast, 741-758
            {759, "05/05/1950"},            // 7-StretchSDOB, 759-776
            {777, "2"},                     // 2-StretchSLEO
            {779, "Oliver"},                // 8-StretchBFirst, 779-790
            {803, "Ballantyne"},            // 8-StretchBLast, 803-820
            {821, "12/12/1980"},            // 7-StretchBDOB, 821-838
            {839, "Ballantyne Family IRA"}, // 8-StretchPlanName, 839-863
            {864, "$875,000"},              // 6-StretchAcctValue, 864-874
            {875, "$5,500"},                // 6-StretchAcctCont, 875-885
            {886, "12"},                    // 2-StretchContYrs, 886-887
            {888, "6.50%"},                 // 1-StretchROR, 888-893
            {901, "IRA"},
            {921, "IRA"},
            {941, "011101"}, // joint No; background, grey scale, Roth, top view checked
            {947, "Non-Spouse Beneficiary"},
            {969, "60"},
            {971, "000"},
            {974, "NY"},
        };
        fixtures.push_back(stretch);
    }
    return fixtures;
}

class IllustrationRecordTest : public store::testing::StoreTest {
protected:
    void Fill(const Placements& texts) {
        for (int index = 0; index < illustration::kInputEndMarker; ++index) {
            fields.SetText(index, "");
        }
        for (const auto& [index, text] : texts) {
            fields.SetText(index, text);
        }
    }
};

TEST_F(IllustrationRecordTest, EveryTypeRoundTripsByteForByte) {
    for (const TypeFixture& fixture : TypeFixtures()) {
        SCOPED_TRACE(fixture.name);
        const std::string expected = HandMadeRecord(fixture.record);
        Fill(fixture.fields);
        EXPECT_EQ(EncodeRecord(fixture.type, fields, fixture.controls), expected);

        Fill({});
        type = IllustrationType::PlanholderRmd;
        saved = false;
        CurrentIllustration current = Current();
        const auto loaded = DecodeRecord(expected, current, driver);
        ASSERT_TRUE(loaded.has_value());
        EXPECT_EQ(*loaded, fixture.controls);
        EXPECT_EQ(type, fixture.type);
        EXPECT_TRUE(saved);
        EXPECT_EQ(EncodeRecord(type, fields, *loaded), expected);
    }
}

// A beneficiary record keeps the original planholder's birth date as its whole slot over
// positions 3-20, so a long first name left in "8-PartFirst" does not run into it.
TEST_F(IllustrationRecordTest, BeneficiaryRecordKeepsTheWholeOriginalBirthDateSlot) {
    Fill({{0, "Alexandria Katherine"}, {51, "1/2/39"}});
    const std::string record =
        EncodeRecord(IllustrationType::BeneficiaryRmd, fields, RecordControls{});
    EXPECT_EQ(record.substr(2, 30), "1/2/39            ne          ");
    EXPECT_EQ(record.substr(893, 7), Padded("", 7));

    CurrentIllustration current = Current();
    ASSERT_TRUE(DecodeRecord(record, current, driver));
    EXPECT_EQ(fields.Text(51), "1/2/39");
    EXPECT_EQ(fields.Text(0), "1/2/39            ne");
}

// Other types keep the first 7 characters of "7-OriginalDOB" at 894-900 and read back only
// those, not the plan type that follows the area.
TEST_F(IllustrationRecordTest, OtherTypesKeepSevenCharactersOfTheLastSlot) {
    Fill({{51, "12/31/1999"}});
    RecordControls controls;
    controls.planTypes = {"401(k)", "IRA"};
    const std::string record = EncodeRecord(IllustrationType::PlanholderRmd, fields, controls);
    EXPECT_EQ(record.substr(893, 27), Padded("12/31/1401(k)", 27));

    CurrentIllustration current = Current();
    ASSERT_TRUE(DecodeRecord(record, current, driver));
    EXPECT_EQ(fields.Text(51), "12/31/1");
}

TEST_F(IllustrationRecordTest, TextsAreCutToTheirSlotsAndLongAmountsKeepTheirDigits) {
    struct Case {
        int index;
        const char* text;
        int position;
        const char* stored; // blank-padded to the slot's width
    };
    const Case cases[] = {
        {2, "Abercrombie-Fitzwilliam-Montgomery-Smythe-Worthington", 63,
         "Abercrombie-Fitzwilliam-Montgomery-Smythe-Worthin"}, // 50 of 53 characters
        {8, "2011", 235, "2011"},                              // exactly the width
        {9, "$12,345,678", 239, "$12,345,678"},                // a money text that fits
        {9, "$123,456,789", 239, "123456789  "},               // one that does not
        {20, "$1,234,567.89", 477, "1234567.89 "},
        {19, "04/01/2011", 467, "04/01/2011"},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.text);
        Fill({{row.index, row.text}});
        const std::string record =
            EncodeRecord(IllustrationType::PlanholderRmd, fields, RecordControls{});
        const std::string stored = row.stored;
        EXPECT_EQ(record.substr(static_cast<std::size_t>(row.position - 1), stored.size()), stored);
    }
}

// The choices come back as the record holds them, for the window to look up in its controls;
// only the old plan-type names, blanks and characters that are no digit are read for what they
// stand for.
TEST_F(IllustrationRecordTest, LoadingGivesEachChoiceAsStored) {
    struct Case {
        const char* name;
        Placements record;
        void (*expect)(RecordControls&); // what differs from a record of blanks
    };
    const Case cases[] = {
        {"blanks", {}, [](RecordControls&) {}},
        {"old plan type names",
         {{901, "Rollover IRA"}, {921, "SEP"}},
         [](RecordControls& c) {
             c.planTypes = {"IRA", "SEP-IRA"};
         }},
        {"texts no list may have",
         {{901, "Keogh"}, {921, "Roth IRA"}, {947, "Grandchild"}, {974, "ZZ"}},
         [](RecordControls& c) {
             c.planTypes = {"Keogh", "Roth IRA"};
             c.graphList = "Grandchild";
             c.state = "ZZ";
         }},
        {"scroll position 0", {{969, "00"}}, [](RecordControls&) {}},
        {"scroll position 7", {{969, " 7"}}, [](RecordControls& c) { c.graphScroll = 7; }},
        {"scroll position below any range",
         {{969, "-5"}},
         [](RecordControls& c) { c.graphScroll = -5; }},
        {"option digit", {{971, "9"}}, [](RecordControls& c) { c.equalPayment = 9; }},
        {"option character that is no digit", {{971, "x"}}, [](RecordControls&) {}},
        {"flags other than 1 are clear",
         {{941, "1x1012"}, {972, "21"}},
         [](RecordControls& c) {
             c.useJoint = true;
             c.grayScale = true;
             c.skipSpouse = true;
             c.survivingSpouse = true;
         }},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        Placements placements = row.record;
        placements.insert(placements.begin(), {{1, "1"}, {2, "3"}});
        CurrentIllustration current = Current();
        const auto loaded = DecodeRecord(HandMadeRecord(placements), current, driver);
        ASSERT_TRUE(loaded.has_value());
        RecordControls expected;
        expected.graphList = "All Years";
        row.expect(expected);
        EXPECT_EQ(*loaded, expected);
    }
}

TEST_F(IllustrationRecordTest, PercentFieldsLoadFormatted) {
    const std::string record =
        HandMadeRecord({{1, "1"}, {2, "2"}, {649, "5.5"}, {888, ""}}); // 1-EqualROR, 1-StretchROR
    CurrentIllustration current = Current();
    ASSERT_TRUE(DecodeRecord(record, current, driver));
    EXPECT_EQ(fields.Text(31), "5.50%");
    EXPECT_EQ(fields.Text(50), "%");
}

TEST_F(IllustrationRecordTest, RecordWithoutAKnownTypeIsRefusedAndChangesNothing) {
    Fill({{0, "Margaret"}});
    for (const std::string& record : {HandMadeRecord({{1, "1"}, {2, "7"}, {3, "Intruder"}}),
                                      HandMadeRecord({{1, "1"}, {2, " "}}),
                                      std::string(kRecordLength, '\0'), std::string("10Short")}) {
        driver.ExpectMessageBox("Error Reading Database", forms::vbOK);
        CurrentIllustration current = Current();
        EXPECT_FALSE(DecodeRecord(record, current, driver).has_value());
        EXPECT_EQ(fields.Text(0), "Margaret");
        EXPECT_EQ(type, IllustrationType::PlanholderRmd);
        EXPECT_FALSE(saved);
    }
}

// A tag no input field bears is a message that names it (OK only, under the default title), and
// no slot.
TEST_F(IllustrationRecordTest, DataFindPointersFindsInputSlotsByWalkingTheWidths) {
    struct Case {
        const char* tag;
        std::optional<std::pair<int, int>> slot; // position and width, from the layout table
    };
    const Case cases[] = {
        {"8-PartFirst", std::pair{3, 30}},
        {"3-DatabaseIndex", std::pair{461, 6}},
        {"6-IllustrationDate", std::pair{467, 10}},
        {"7-OriginalDOB", std::pair{894, 18}},
        {"", std::nullopt},
        {"R-RMD", std::nullopt},
        {"3-databaseindex", std::nullopt},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.tag);
        const std::size_t boxes = driver.MessageBoxes().size();
        if (!row.slot) {
            driver.ExpectMessageBox(forms::vbOK);
        }
        const auto slot = DataFindPointers(row.tag, driver);
        ASSERT_EQ(slot.has_value(), row.slot.has_value());
        if (slot) {
            EXPECT_EQ(std::pair(slot->position, slot->width), *row.slot);
            EXPECT_EQ(driver.MessageBoxes().size(), boxes);
            continue;
        }
        ASSERT_EQ(driver.MessageBoxes().size(), boxes + 1);
        const forms::testing::MessageBoxRecord& box = driver.MessageBoxes().back();
        EXPECT_EQ(box.prompt, std::string(row.tag) + ": Invalid Tag in DataFindPointers");
        EXPECT_EQ(box.title, "");
        EXPECT_EQ(box.buttonSet, forms::vbOKOnly);
        EXPECT_EQ(box.icon, forms::MessageBoxIcon::None);
    }
}

} // namespace

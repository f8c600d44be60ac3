// A representative's saved work comes back whole. In one sitting, with New between them, she
// prepares clients of every type with every choice that changes the window and saves each
// through File > Save. Every record is then opened from a window as a restart leaves it, from a
// window whose choices all differ, and one after another in one sitting, and the window must
// show each field and choice as it showed them when the record was saved, without a message and
// with the program still running.
#include "program/illustration/formatting.h"
#include "program/store/illustration_file.h"
#include "program/ui/tests/saved_clients.h"
#include "program/ui/tests/saved_records.h"
#include "program/ui/tests/valid_inputs.h"

#include "platform/system/clock.h"
#include "platform/system/folders.h"
#include "platform/testing/file_contents.h"
#include "platform/testing/sandbox.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace {

using namespace ui;

using Lines = std::vector<std::string>;

// The inputs of each type's tab, by index: the rules open and close some of them.
std::vector<int> InputsOfType(IllustrationType type) {
    switch (type) {
    case IllustrationType::PlanholderRmd:
        return {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    case IllustrationType::BeneficiaryRmd:
        return {10, 11, 12, 13, 14, 15, 16, 17, 51};
    case IllustrationType::EqualPayments:
        return {21, 22, 23, 24, 25, 26, 27, 28, 29, 31};
    default:
        return {32, 33, 34, 35, 36, 37, 38, 39, 40, 41, 42, 43, 44, 45, 46, 47, 48, 49, 50};
    }
}

std::string Flag(bool on) {
    return on ? "1" : "0";
}

// What the window shows of its illustration, one line per field and choice: the type, the 52
// inputs (a percent field as its number, which its display form does not change), the plan
// types, the joint choice, the check boxes, the graph list's entries and choice, the scroll
// position, the payment option, the state, and which inputs and controls of the type's tab the
// rules left open, with the payment amounts of a 72(t) illustration.
Lines Screen(frmMain& main) {
    Lines lines;
    const auto add = [&lines](const std::string& name, const std::string& value) {
        lines.push_back(name + "=" + value);
    };
    const IllustrationType type = main.Program().IllustrationType;
    add("type", std::to_string(static_cast<int>(type)));
    for (int index = 0; index < illustration::kInputEndMarker; ++index) {
        const forms::TextBox& box = main.txtInput(index);
        std::string text = box.Text();
        if (box.Tag().starts_with("1-")) {
            char number[32];
            std::snprintf(number, sizeof number, "%g", illustration::CleanedNumber(text));
            text = number;
        }
        add(box.Tag(), text);
    }
    add("cmboPlanType(0)", main.cmboPlanType(0).Text());
    add("cmboPlanType(1)", main.cmboPlanType(1).Text());
    add("optUseJoint", main.optUseJoint(0).Value()   ? "Yes"
                       : main.optUseJoint(1).Value() ? "No"
                                                     : "none");
    for (const forms::CheckBox* box :
         {&main.chkBackground, &main.chkGrayScale, &main.chkRoth, &main.chkSkipSpouse,
          &main.chkTopView, &main.chkRMDOnce, &main.chkSurvivingSpouse}) {
        add(box->Name(), std::to_string(box->Value()));
    }
    std::string entries;
    for (int item = 0; item < main.lstGraph.ListCount(); ++item) {
        entries += main.lstGraph.List(item) + "|";
    }
    add("lstGraph entries", entries);
    const int graph = main.lstGraph.ListIndex();
    add("lstGraph", graph < 0 ? "(none)" : main.lstGraph.List(graph));
    add("hScrollGraph", std::to_string(main.hScrollGraph.Value()));
    std::string option = "(none)";
    for (int choice = 0; choice < main.optEqualPmt.Count(); ++choice) {
        if (main.optEqualPmt(choice).Value()) {
            option = std::to_string(choice);
        }
    }
    add("optEqualPmt", option);
    add("cmboState", main.cmboState.Text());
    for (const int index : InputsOfType(type)) {
        add("open " + std::string(main.txtInput(index).Tag()),
            Flag(main.txtInput(index).Enabled()));
    }
    if (type == IllustrationType::BeneficiaryRmd) {
        add("open chkSurvivingSpouse", Flag(main.chkSurvivingSpouse.Enabled()));
    }
    if (type == IllustrationType::EqualPayments) {
        for (int choice = 0; choice < main.optEqualPmt.Count(); ++choice) {
            add("open optEqualPmt(" + std::to_string(choice) + ")",
                Flag(main.optEqualPmt(choice).Enabled()));
            add("lblEqualPmt(" + std::to_string(choice) + ")", main.lblEqualPmt(choice).Caption());
        }
    }
    if (type == IllustrationType::Stretch) {
        add("open cmdCalc(1)", Flag(main.cmdCalc(1).Enabled()));
    }
    return lines;
}

// The value of the line `name` in `lines`.
std::string ValueOf(const Lines& lines, const std::string& name) {
    for (const std::string& line : lines) {
        if (line.starts_with(name + "=")) {
            return line.substr(name.size() + 1);
        }
    }
    ADD_FAILURE() << "no line " << name;
    return {};
}

// The line of `name` in `lines` set to `value`.
Lines With(Lines lines, const std::string& name, const std::string& value) {
    for (std::string& line : lines) {
        if (line.starts_with(name + "=")) {
            line = name + "=" + value;
        }
    }
    return lines;
}

// What a record shows once opened: what its window showed, but for what the record's layout
// keeps otherwise. A scroll bar never moved (0) is kept as unset and comes back as 99; both draw
// the graph to its last age. A beneficiary record keeps the original planholder's birth date
// over the planholder's first name, which that type does not use.
Lines Reopened(Lines saved) {
    const bool beneficiary = ValueOf(saved, "type") == "1";
    const std::string originalBirth = ValueOf(saved, "7-OriginalDOB");
    for (std::string& line : saved) {
        if (line == "hScrollGraph=0") {
            line = "hScrollGraph=99";
        } else if (beneficiary && line == "8-PartFirst=") {
            line += originalBirth;
        }
    }
    return saved;
}

class SavedWorkTest : public ::testing::Test {
protected:
    SavedWorkTest() {
        sys::EnterProgramFolder();
        KeepRepresentative();
    }

    // The clients saved in one sitting, New between them; what the window showed of each as it
    // was saved, by record number (from 1).
    std::vector<Lines> SaveTheDay(const std::vector<Client>& clients) {
        std::vector<Lines> shown;
        ProgramSession s(IllustrationType::PlanholderRmd);
        s.Start([&s](frmData& browser) { s.driver.Click(browser.cmdNew); });
        for (const Client& client : clients) {
            SCOPED_TRACE(client.name);
            s.driver.ChooseMenuItem(NewItem(s.main, client.type));
            client.prepare(s);
            s.driver.ChooseMenuItem(s.main.mnuFileSave);
            EXPECT_TRUE(s.program.IllustrationSaved) << "not saved";
            EXPECT_EQ(s.main.GetField("3-DatabaseIndex"), std::to_string(shown.size() + 1));
            shown.push_back(Screen(s.main));
        }
        if (!s.main.mnuReportTaxes.Checked()) {
            s.driver.ChooseMenuItem(s.main.mnuReportTaxes);
        }
        ExpectNoMessages(s);
        EXPECT_EQ(store::IllustrationRecordCount(), static_cast<int>(clients.size()));
        return shown;
    }

    // No message but the question whether to save the client that was being typed.
    static void ExpectNoMessages(const ProgramSession& s) {
        for (const forms::testing::MessageBoxRecord& box : s.driver.MessageBoxes()) {
            if (box.title != "Illustration Data") {
                ADD_FAILURE() << "message \"" << box.title << "\": " << box.prompt;
            }
        }
    }

    static void ExpectCalm(ProgramSession& s) {
        ExpectNoMessages(s);
        EXPECT_FALSE(s.app.Ended()) << "the program ended";
        EXPECT_TRUE(s.program.IllustrationSaved) << "an opened illustration is not changed";
    }

    // The record at `position` opened from a window as a restart leaves it, and from one whose
    // choices all differ; each shows `expected`.
    static void ExpectOpens(int position, const Lines& expected) {
        {
            SCOPED_TRACE("after a restart");
            ProgramSession s(IllustrationType::PlanholderRmd);
            s.Start([&s, position](frmData& browser) { s.OpenRow(browser, position); });
            EXPECT_EQ(Screen(s.main), expected);
            ExpectCalm(s);
        }
        {
            SCOPED_TRACE("from a window whose choices all differ");
            ProgramSession s(IllustrationType::Stretch);
            s.Start([&s](frmData& browser) { s.driver.Click(browser.cmdNew); });
            ChangeEveryChoice(s);
            s.Load(position);
            EXPECT_EQ(Screen(s.main), expected);
            ExpectCalm(s);
        }
    }

    testkit::Sandbox sandbox;
    sys::ScopedClock clock{sys::LocalDateTime{2011, 6, 15, 10, 0, 0}};
};

TEST_F(SavedWorkTest, EveryIllustrationOfTheDayOpensAsItWasSaved) {
    const std::vector<Client> clients = Clients();
    const std::vector<Lines> saved = SaveTheDay(clients);
    ASSERT_EQ(saved.size(), clients.size());
    const sys::ScopedClock nextDay{sys::LocalDateTime{2011, 6, 16, 9, 0, 0}};

    for (std::size_t record = 0; record < saved.size(); ++record) {
        SCOPED_TRACE(clients[record].name);
        ExpectOpens(static_cast<int>(record + 1), Reopened(saved[record]));
    }

    SCOPED_TRACE("one after another, each from the window the one before left");
    ProgramSession s(IllustrationType::Stretch);
    s.Start([&s](frmData& browser) { s.OpenRow(browser, 1); });
    for (std::size_t record = 1; record < saved.size(); ++record) {
        SCOPED_TRACE(clients[record].name);
        s.Load(static_cast<int>(record + 1));
        EXPECT_EQ(Screen(s.main), Reopened(saved[record]));
    }
    ExpectCalm(s);
}

// A choice that the window cannot take: the record's other fields and choices open as saved,
// the damaged choice shows its design value (a graph entry the list lacks, none).
TEST_F(SavedWorkTest, ADamagedChoiceOpensAsTheDesignHasIt) {
    const std::vector<Client> clients = Clients();
    const std::vector<Lines> saved = SaveTheDay(clients);
    const auto client = [&clients](const std::string& name) {
        const auto found = std::find_if(clients.begin(), clients.end(),
                                        [&name](const Client& c) { return c.name == name; });
        EXPECT_NE(found, clients.end()) << name;
        return static_cast<std::size_t>(found - clients.begin());
    };
    // The choice's line with its design value, and the lines that follow from it.
    using Shown = std::vector<std::pair<const char*, const char*>>;
    struct Damage {
        const char* what;
        std::size_t record;
        std::size_t position; // 1-based, as the record's layout gives it
        std::string bytes;
        Shown shown;
    };
    const Damage damages[] = {
        {"a plan type no list has",
         client("RMD, not joint after a spouse date, died"),
         901,
         "Keogh               ",
         {{"cmboPlanType(0)", "IRA"}}},
        {"a beneficiary plan type no list has",
         client("RMBD, 401(k)"),
         921,
         "Keogh               ",
         {{"cmboPlanType(1)", "IRA"}}},
        {"a state no list has", client("Skip, All Years"), 974, "ZZ", {{"cmboState", ""}}},
        {"a graph entry no list has",
         client("spouse, All Years"),
         947,
         "Grandchild            ",
         {{"lstGraph", "(none)"}}},
        {"a scroll position below the bar",
         client("Skip, All Years"),
         969,
         "-5",
         {{"hScrollGraph", "0"}}},
        // Without an option there is no distribution to show.
        {"a payment digit without an option",
         client("SEPP, fixed uniform"),
         971,
         "9",
         {{"optEqualPmt", "(none)"}, {"6-RMD_Amt", ""}}},
        {"a payment character that is no digit",
         client("SEPP, fixed joint"),
         971,
         "x",
         {{"optEqualPmt", "(none)"}, {"6-RMD_Amt", ""}}},
    };
    const std::string file = testkit::ReadFileBytes(store::IllustrationFilePath());
    std::string damagedFile;
    for (const Damage& damage : damages) {
        std::string record = file.substr(damage.record * 1000, 1000);
        record.replace(damage.position - 1, damage.bytes.size(), damage.bytes);
        damagedFile += record;
    }
    std::ofstream(store::IllustrationFilePath(), std::ios::binary | std::ios::trunc) << damagedFile;

    for (std::size_t at = 0; at < std::size(damages); ++at) {
        const Damage& damage = damages[at];
        SCOPED_TRACE(damage.what);
        Lines expected =
            With(Reopened(saved[damage.record]), "3-DatabaseIndex", std::to_string(at + 1));
        for (const auto& [line, value] : damage.shown) {
            expected = With(expected, line, value);
        }
        ExpectOpens(static_cast<int>(at + 1), expected);
    }
    EXPECT_TRUE(testkit::ReadFileBytes(store::IllustrationFilePath()) == damagedFile)
        << "opening wrote to the file";
}

// Skip takes the spouse's entry out of the graph list and puts it back: a Stretch record's
// graph entry comes back whatever Skip the window had when it was opened, and whatever Skip the
// record holds.
TEST_F(SavedWorkTest, TheGraphEntryComesBackWhateverSkipTheWindowHad) {
    struct Case {
        bool windowSkips;
        bool recordSkips;
        const char* entry;
    };
    std::vector<Case> cases;
    std::vector<std::string> records;
    for (const bool windowSkips : {false, true}) {
        for (const bool recordSkips : {false, true}) {
            for (const char* entry :
                 {"Planholder", "Spouse Beneficiary", "Non-Spouse Beneficiary", "All Years"}) {
                if (recordSkips && std::string(entry) == "Spouse Beneficiary") {
                    continue; // not in the list the record was saved from
                }
                cases.push_back({windowSkips, recordSkips, entry});
                store::RecordControls controls;
                controls.planTypes = {"IRA", "IRA"};
                controls.skipSpouse = recordSkips;
                controls.graphList = entry;
                controls.state = "NY";
                RecordFields fields(kValidStretch.begin(), kValidStretch.end());
                records.push_back(Record(IllustrationType::Stretch, fields, controls));
            }
        }
    }
    WriteIllustrationFile(records);
    for (std::size_t at = 0; at < cases.size(); ++at) {
        const Case& c = cases[at];
        SCOPED_TRACE(std::string(c.windowSkips ? "window skips" : "window has the spouse") +
                     (c.recordSkips ? ", record skips, " : ", record has the spouse, ") + c.entry);
        ProgramSession s(IllustrationType::Stretch);
        s.Start([&s](frmData& browser) { s.driver.Click(browser.cmdNew); });
        if (c.windowSkips) {
            s.driver.Click(s.main.chkSkipSpouse);
        }
        s.Load(static_cast<int>(at + 1));
        EXPECT_EQ(s.main.chkSkipSpouse.Value(),
                  c.recordSkips ? forms::vbChecked : forms::vbUnchecked);
        const int selected = s.main.lstGraph.ListIndex();
        EXPECT_EQ(selected < 0 ? "(none)" : s.main.lstGraph.List(selected), c.entry);
        ExpectCalm(s);
    }
}

// An illustration opened and not changed is the one that was saved: its date stays, whatever
// the controls' events did on the way.
TEST_F(SavedWorkTest, AnOpenedIllustrationKeepsItsDate) {
    const IllustrationType types[] = {IllustrationType::PlanholderRmd,
                                      IllustrationType::BeneficiaryRmd,
                                      IllustrationType::EqualPayments, IllustrationType::Stretch};
    std::vector<std::string> records;
    for (const IllustrationType type : types) {
        RecordFields fields(ValidInputs(type).begin(), ValidInputs(type).end());
        fields.emplace_back("6-IllustrationDate", "06/01/2011");
        store::RecordControls controls;
        controls.planTypes = {"IRA", "IRA"};
        controls.equalPayment = 1;
        controls.state = "NY";
        records.push_back(Record(type, fields, controls));
    }
    WriteIllustrationFile(records);
    for (std::size_t at = 0; at < records.size(); ++at) {
        SCOPED_TRACE(static_cast<int>(types[at]));
        const int position = static_cast<int>(at + 1);
        {
            ProgramSession s(IllustrationType::PlanholderRmd);
            s.Start([&s, position](frmData& browser) { s.OpenRow(browser, position); });
            EXPECT_EQ(s.main.GetField("6-IllustrationDate"), "06/01/2011");
            ExpectCalm(s);
        }
        ProgramSession s(IllustrationType::Stretch);
        s.Start([&s](frmData& browser) { s.driver.Click(browser.cmdNew); });
        ChangeEveryChoice(s);
        s.Load(position);
        EXPECT_EQ(s.main.GetField("6-IllustrationDate"), "06/01/2011");
        ExpectCalm(s);
    }
}

// The choices of `lines`, without the fields.
Lines ChoicesOf(const Lines& lines) {
    static const std::vector<std::string> kChoices = {
        "cmboPlanType(0)",    "cmboPlanType(1)",  "optUseJoint",
        "chkBackground",      "chkGrayScale",     "chkRoth",
        "chkSkipSpouse",      "chkTopView",       "chkRMDOnce",
        "chkSurvivingSpouse", "lstGraph entries", "lstGraph",
        "hScrollGraph",       "optEqualPmt",      "cmboState"};
    Lines choices;
    for (const std::string& line : lines) {
        const std::string name = line.substr(0, line.find('='));
        if (std::find(kChoices.begin(), kChoices.end(), name) != kChoices.end()) {
            choices.push_back(line);
        }
    }
    return choices;
}

// A new client starts from the window's design, whatever the client before chose: each way to
// start one, after a client with every choice changed that the user chose not to save.
TEST_F(SavedWorkTest, EveryNewClientStartsWithTheDesignChoices) {
    const Lines design = {"cmboPlanType(0)=IRA",
                          "cmboPlanType(1)=IRA",
                          "optUseJoint=No",
                          "chkBackground=0",
                          "chkGrayScale=0",
                          "chkRoth=0",
                          "chkSkipSpouse=0",
                          "chkTopView=0",
                          "chkRMDOnce=0",
                          "chkSurvivingSpouse=0",
                          "lstGraph entries=Planholder|Spouse Beneficiary|Non-Spouse "
                          "Beneficiary|All Years|",
                          "lstGraph=Planholder",
                          "hScrollGraph=0",
                          "optEqualPmt=(none)",
                          "cmboState="};
    struct Path {
        const char* name;
        IllustrationType type; // of the new client
        std::function<void(ProgramSession&)> start;
    };
    const auto fileNew = [](IllustrationType type) {
        return [type](ProgramSession& s) {
            s.driver.ExpectMessageBox("Illustration Data", forms::vbNo);
            s.driver.ChooseMenuItem(NewItem(s.main, type));
        };
    };
    const Path paths[] = {
        {"File > New RMD", IllustrationType::PlanholderRmd,
         fileNew(IllustrationType::PlanholderRmd)},
        {"File > New RMBD", IllustrationType::BeneficiaryRmd,
         fileNew(IllustrationType::BeneficiaryRmd)},
        {"File > New SEPP", IllustrationType::EqualPayments,
         fileNew(IllustrationType::EqualPayments)},
        {"File > New Stretch", IllustrationType::Stretch, fileNew(IllustrationType::Stretch)},
        {"the browser's New", IllustrationType::Stretch,
         [](ProgramSession& s) {
             s.driver.ExpectMessageBox("Illustration Data", forms::vbNo);
             frmData& browser = s.store.DataWindow();
             s.driver.WhenModal(browser, [&s, &browser] { s.driver.Click(browser.cmdNew); });
             s.driver.ChooseMenuItem(s.main.mnuFileLoad);
         }},
    };
    for (const Path& path : paths) {
        SCOPED_TRACE(path.name);
        ProgramSession s(IllustrationType::Stretch);
        s.Start([&s](frmData& browser) { s.driver.Click(browser.cmdNew); });
        ChangeEveryChoice(s);
        path.start(s);
        EXPECT_EQ(s.program.IllustrationType, path.type);
        const Lines shown = Screen(s.main);
        EXPECT_EQ(ChoicesOf(shown), design);
        EXPECT_EQ(s.main.hScrollGraph.Min(), 0);
        EXPECT_EQ(s.main.hScrollGraph.Max(), 32767);
        // The rules follow the design: the spouse's inputs and the surviving spouse's box open,
        // the retirement date of an IRA closed.
        EXPECT_TRUE(s.main.cmdCalc(1).Enabled());
        EXPECT_TRUE(s.main.txtInput(s.main.SetIndex("8-StretchSFirst")).Enabled());
        EXPECT_TRUE(s.main.chkSurvivingSpouse.Enabled());
        EXPECT_EQ(s.main.GetField("3-DatabaseIndex"), "0");
        ExpectCalm(s);
    }
}

} // namespace

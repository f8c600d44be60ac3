// Controls declared as a table: the loader creates each row's control on the form with its
// container, page, place, caption and tab index, or places the form's own control of that name,
// and refuses a bad table whole.
#include "platform/forms/control_table.h"

#include "platform/forms/control_array.h"
#include "platform/forms/control_visitor.h"
#include "platform/forms/testing/driver.h"

#include <gtest/gtest.h>

namespace {

using namespace forms;

using K = ControlKind;

// A small window: two tabs, a field and a frame of two choices on the first, OK first in tab
// order.
// clang-format off
constexpr ControlRow kRows[] = {
    // name         kind              container    tab  position                  caption          tab index
    {"TabOne1",     K::TabControl,    "",          -1,  {120, 120, 6000, 4000},   "&Plan|&Report", -1},
    {"lblName",     K::Label,         "TabOne1",    0,  {240, 240, 1500, 300},    "&Name",         -1},
    {"txtName",     K::TextBox,       "TabOne1",    0,  {1800, 200, 2400, 330},   "Smith",         -1},
    {"fraChoice",   K::Frame,         "TabOne1",    0,  {240, 800, 3000, 900},    "Payment",       -1},
    {"optLevel",    K::OptionButton,  "fraChoice", -1,  {120, 240, 1200, 300},    "Level",         -1},
    {"optRising",   K::OptionButton,  "fraChoice", -1,  {1500, 240, 1200, 300},   "Rising",        -1},
    {"lstGraph",    K::ListBox,       "TabOne1",    1,  {120, 120, 2400, 1200},   "",              -1},
    {"cmdOK",       K::CommandButton, "",          -1,  {4400, 4300, 1200, 400},  "&OK",            0},
    {"mnuFile",     K::Menu,          "",          -1,  {},                       "&File",         -1},
    {"mnuFileSave", K::Menu,          "mnuFile",   -1,  {},                       "&Save",         -1},
};
// clang-format on

struct TableForm : Form {
    explicit TableForm(Application& app) : Form(app, "frmTable") {
        created = LoadControls(*this, kRows);
    }
    std::vector<Control*> created;
};

template <class T>
T& Named(const TableForm& form, std::string_view name) {
    for (Control* control : form.created) {
        if (control->Name() == name) {
            return dynamic_cast<T&>(*control);
        }
    }
    throw std::logic_error("no control " + std::string(name));
}

TEST(ControlTableTest, EachRowBecomesAControlWithItsPlaceCaptionAndContainer) {
    Application app;
    forms::testing::Driver driver(app);
    auto& form = app.Create<TableForm>();
    ASSERT_EQ(form.created.size(), std::size(kRows));
    for (std::size_t i = 0; i < std::size(kRows); ++i) {
        SCOPED_TRACE(kRows[i].name);
        EXPECT_EQ(form.created[i]->Name(), kRows[i].name);
        EXPECT_EQ(form.created[i]->Kind(), kRows[i].kind);
    }
    auto& tabs = Named<TabControl>(form, "TabOne1");
    EXPECT_EQ(tabs.TabCount(), 2);
    EXPECT_EQ(tabs.TabCaption(1), "&Report");
    auto& name = Named<TextBox>(form, "txtName");
    EXPECT_EQ(name.Text(), "Smith");
    EXPECT_EQ(name.Container(), &tabs);
    EXPECT_EQ(name.ContainerPage(), 0);
    EXPECT_EQ((std::vector<int>{name.Left(), name.Top(), name.Width(), name.Height()}),
              (std::vector<int>{1800, 200, 2400, 330}));
    EXPECT_EQ(Named<Label>(form, "lblName").Caption(), "&Name");
    EXPECT_EQ(Named<ListBox>(form, "lstGraph").ContainerPage(), 1);
    EXPECT_EQ(Named<Menu>(form, "mnuFileSave").ParentMenu(), &Named<Menu>(form, "mnuFile"));
    EXPECT_EQ(Named<OptionButton>(form, "optLevel").Group().size(), 2u) << "the frame groups them";

    form.Show();
    driver.Pump();
    EXPECT_EQ(app.ActiveControl(), &Named<CommandButton>(form, "cmdOK")) << "tab index 0";
    name.SetText("changed");
    UnloadForm(form);
    EXPECT_EQ(name.Text(), "Smith") << "the table's values are the design";
}

TEST(ControlTableTest, ABadRowNamesItselfAndAddsNothing) {
    struct Case {
        const char* why;
        ControlRow row;
    };
    const Case cases[] = {
        {"taken name", {"txtName", K::TextBox, "", -1, {}, "", -1}},
        {"unknown container", {"txtOther", K::TextBox, "fraNone", -1, {}, "", -1}},
        {"container that holds nothing", {"txtOther", K::TextBox, "txtName", -1, {}, "", -1}},
        {"page past the tabs", {"txtOther", K::TextBox, "TabOne1", 2, {}, "", -1}},
        {"page without a tab control", {"txtOther", K::TextBox, "", 0, {}, "", -1}},
        {"caption on a list", {"lstOther", K::ListBox, "", -1, {}, "x", -1}},
        {"menu item under a frame", {"mnuOther", K::Menu, "fraChoice", -1, {}, "x", -1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        Application app;
        auto& form = app.Create<TableForm>();
        const std::size_t before = form.Controls().size();
        const ControlRow rows[] = {{"txtFirst", K::TextBox, "", -1, {}, "", -1}, c.row};
        try {
            LoadControls(form, rows);
            ADD_FAILURE() << "accepted";
        } catch (const std::invalid_argument& error) {
            EXPECT_NE(std::string(error.what()).find(c.row.name), std::string::npos)
                << error.what();
        }
        EXPECT_EQ(form.Controls().size(), before);
    }
}

// A window whose members and array elements exist before its table places them: the table's
// order is the tab order, the name field is right-aligned and has a tool tip.
// clang-format off
constexpr ControlRow kPlacedRows[] = {
    // name           kind              container    tab  position                 caption     tab index  alignment         tool tip
    {"Frame1(0)",     K::Frame,         "",          -1,  {120, 120, 4000, 1500},  "Personal", -1},
    {"Label1(1)",     K::Label,         "Frame1(0)", -1,  {120, 700, 1000, 255},   "&Last",    -1},
    {"txtInput(1)",   K::TextBox,       "Frame1(0)", -1,  {1200, 700, 2000, 285},  "",         -1,        Alignment::Right, "The family name"},
    {"Label1(0)",     K::Label,         "Frame1(0)", -1,  {120, 300, 1000, 255},   "&First",   -1},
    {"txtInput(0)",   K::TextBox,       "Frame1(0)", -1,  {1200, 300, 2000, 285},  "",         -1},
    {"cmdOK",         K::CommandButton, "",          -1,  {2900, 1800, 1215, 375}, "",         -1},
    {"lblNote",       K::Label,         "",          -1,  {120, 1800, 2000, 255},  "* Required", -1},
};
// clang-format on

struct PlacedForm : Form {
    explicit PlacedForm(Application& app)
        : Form(app, "frmPlaced"), cmdOK(*this, "cmdOK"), txtInput(*this, "txtInput"),
          Label1(*this, "Label1"), Frame1(*this, "Frame1") {
        cmdOK.SetCaption("&Ok");
        for (const int index : ElementIndices(kPlacedRows, "txtInput")) {
            txtInput.Add(index).SetText("design " + std::to_string(index));
        }
        for (const int index : ElementIndices(kPlacedRows, "Label1")) {
            Label1.Add(index);
        }
        for (const int index : ElementIndices(kPlacedRows, "Frame1")) {
            Frame1.Add(index);
        }
        loaded = LoadControls(*this, kPlacedRows, ExistingNames::Placed);
    }
    CommandButton cmdOK;
    ControlArray<TextBox> txtInput;
    ControlArray<Label> Label1;
    ControlArray<Frame> Frame1;
    std::vector<Control*> loaded;
};

TEST(ControlTableTest, RowsPlaceTheFormsOwnControlsAndSetTheTabOrder) {
    Application app;
    forms::testing::Driver driver(app);
    auto& form = app.Create<PlacedForm>();
    EXPECT_EQ(ElementIndices(kPlacedRows, "txtInput"), (std::vector<int>{1, 0}));
    ASSERT_EQ(form.loaded.size(), std::size(kPlacedRows));
    EXPECT_EQ(form.loaded[2], &form.txtInput(1));
    EXPECT_EQ(form.loaded[5], &form.cmdOK);
    EXPECT_EQ(form.Controls().size(), 7u) << "only lblNote is new";

    TextBox& last = form.txtInput(1);
    EXPECT_EQ(last.Container(), &form.Frame1(0));
    EXPECT_EQ((std::vector<int>{last.Left(), last.Top(), last.Width(), last.Height()}),
              (std::vector<int>{1200, 700, 2000, 285}));
    EXPECT_EQ(last.GetAlignment(), Alignment::Right);
    EXPECT_EQ(last.ToolTipText(), "The family name");
    EXPECT_EQ(last.Text(), "design 1") << "a row without a caption keeps the control's";
    EXPECT_EQ(form.txtInput(0).GetAlignment(), Alignment::Left);
    EXPECT_EQ(form.cmdOK.Caption(), "&Ok");
    EXPECT_EQ(form.Label1(0).Caption(), "&First");
    EXPECT_EQ(form.Frame1(0).Caption(), "Personal");

    // The members were made first, in another order; the tab order is the table's.
    form.Show();
    driver.Pump();
    const std::vector<Control*> order = form.TabOrder();
    EXPECT_EQ(order, (std::vector<Control*>{&form.txtInput(1), &form.txtInput(0), &form.cmdOK}));
    EXPECT_EQ(app.ActiveControl(), &form.txtInput(1));
}

TEST(ControlTableTest, APlacingRowThatDoesNotFitItsControlAddsAndMovesNothing) {
    struct Case {
        const char* why;
        ControlRow row;
    };
    const Case cases[] = {
        {"another kind", {"cmdOK", K::Label, "", -1, {1, 1, 1, 1}, "", -1}},
        {"no such element", {"txtInput(7)", K::TextBox, "", -1, {1, 1, 1, 1}, "", -1}},
        {"no element name", {"txtInput(x)", K::TextBox, "", -1, {1, 1, 1, 1}, "", -1}},
        {"named twice", {"cmdOK", K::CommandButton, "", -1, {1, 1, 1, 1}, "", -1}},
        {"alignment on a button",
         {"cmdOther", K::CommandButton, "", -1, {}, "", -1, Alignment::Center}},
        {"tool tip on a menu", {"mnuOther", K::Menu, "", -1, {}, "x", -1, Alignment::Left, "t"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        Application app;
        auto& form = app.Create<PlacedForm>();
        const std::size_t before = form.Controls().size();
        const ControlRow rows[] = {{"cmdOK", K::CommandButton, "", -1, {5, 5, 5, 5}, "", -1},
                                   c.row};
        try {
            LoadControls(form, rows, ExistingNames::Placed);
            ADD_FAILURE() << "accepted";
        } catch (const std::invalid_argument& error) {
            EXPECT_NE(std::string(error.what()).find(c.row.name), std::string::npos)
                << error.what();
        }
        EXPECT_EQ(form.Controls().size(), before);
        EXPECT_EQ(form.cmdOK.Left(), 2900) << "the first row moved nothing";
    }
}

// A window that declares its menus, timer and tab control as members: its table places them as
// it places the rest, and it loads with ExistingNames::Required.
// clang-format off
constexpr ControlRow kMemberRows[] = {
    // name         kind           container  tab  position                caption
    {"TabOne1",     K::TabControl, "",        -1,  {120, 120, 6000, 4000}, "&Plan|&Report"},
    {"txtName",     K::TextBox,    "TabOne1",  1,  {240, 240, 2400, 330},  "Smith"},
    {"Timer1",      K::Timer,      "",        -1,  {}},
    {"mnuFile",     K::Menu,       "",        -1,  {},                     "&File"},
    {"mnuFileSave", K::Menu,       "mnuFile", -1,  {},                     "&Save"},
    {"mnuFileExit", K::Menu,       "mnuFile", -1,  {}},
    {"mnuHelp",     K::Menu,       "",        -1,  {},                     "&Help"},
};
// clang-format on

struct MemberForm : Form {
    explicit MemberForm(Application& app) : Form(app, "frmMembers") {
        mnuFileExit.SetCaption("E&xit");
        Timer1.SetInterval(10);
        loaded = LoadControls(*this, kMemberRows, ExistingNames::Required);
    }
    // Made before the table is loaded, in another order than its rows; each menu after its
    // parent.
    Menu mnuHelp{*this, "mnuHelp"};
    Menu mnuFile{*this, "mnuFile"};
    Menu mnuFileSave{*this, "mnuFileSave", &mnuFile};
    Menu mnuFileExit{*this, "mnuFileExit", &mnuFile};
    Timer Timer1{*this, "Timer1"};
    TextBox txtName{*this, "txtName"};
    TabControl TabOne1{*this, "TabOne1", 2};
    std::vector<Control*> loaded;
};

TEST(ControlTableTest, RowsPlaceTheFormsMenusTimerAndTabControl) {
    Application app;
    forms::testing::Driver driver(app);
    auto& form = app.Create<MemberForm>();
    EXPECT_EQ(form.Controls().size(), std::size(kMemberRows)) << "nothing is new";
    EXPECT_EQ(form.loaded,
              (std::vector<Control*>{&form.TabOne1, &form.txtName, &form.Timer1, &form.mnuFile,
                                     &form.mnuFileSave, &form.mnuFileExit, &form.mnuHelp}));
    EXPECT_EQ(form.TabOne1.TabCaption(0), "&Plan");
    EXPECT_EQ(form.TabOne1.TabCaption(1), "&Report");
    EXPECT_EQ((std::vector<int>{form.TabOne1.Left(), form.TabOne1.Top(), form.TabOne1.Width(),
                                form.TabOne1.Height()}),
              (std::vector<int>{120, 120, 6000, 4000}));
    EXPECT_EQ(form.txtName.Container(), &form.TabOne1);
    EXPECT_EQ(form.txtName.ContainerPage(), 1);
    EXPECT_EQ(form.Timer1.Interval(), 10);
    EXPECT_EQ(form.mnuFile.Caption(), "&File");
    EXPECT_EQ(form.mnuFileSave.Caption(), "&Save");
    EXPECT_EQ(form.mnuFileExit.Caption(), "E&xit") << "a row without a caption keeps the menu's";
    EXPECT_EQ(form.mnuFile.Items(), (std::vector<Menu*>{&form.mnuFileSave, &form.mnuFileExit}));
    EXPECT_TRUE(form.mnuHelp.IsTopLevel());
    // Every control takes its row's place in the tab order, the menus and the timer too.
    for (std::size_t i = 1; i < form.loaded.size(); ++i) {
        EXPECT_LT(form.loaded[i - 1]->TabIndex(), form.loaded[i]->TabIndex())
            << form.loaded[i]->Name();
    }

    form.Show();
    driver.Pump();
    form.TabOne1.SetTabCaption(0, "changed");
    form.mnuFileSave.SetCaption("changed");
    UnloadForm(form);
    EXPECT_EQ(form.TabOne1.TabCaption(0), "&Plan") << "the table's values are the design";
    EXPECT_EQ(form.mnuFileSave.Caption(), "&Save");
}

TEST(ControlTableTest, ARowThatDoesNotFitTheFormsMenuTimerOrTabControlChangesNothing) {
    struct Case {
        const char* why;
        ControlRow row;
    };
    const Case cases[] = {
        {"a menu row naming the timer", {"Timer1", K::Menu, "", -1, {}, "&Timer"}},
        {"a timer row naming a menu", {"mnuHelp", K::Timer, "", -1, {}}},
        {"a tab control row naming a text box", {"txtName", K::TabControl, "", -1, {}, "&A"}},
        {"an item made as a top-level menu", {"mnuFileSave", K::Menu, "", -1, {}, "&Save"}},
        {"a top-level menu placed as an item", {"mnuHelp", K::Menu, "mnuFile", -1, {}, "&Help"}},
        {"an item under another menu", {"mnuFileExit", K::Menu, "mnuHelp", -1, {}, "E&xit"}},
        {"a tab too many", {"TabOne1", K::TabControl, "", -1, {}, "&Plan|&Report|&Graph"}},
        {"a tab too few", {"TabOne1", K::TabControl, "", -1, {}, "&Plan"}},
        {"tabs not given", {"TabOne1", K::TabControl, "", -1, {}}},
        {"a caption on the timer", {"Timer1", K::Timer, "", -1, {}, "x"}},
        {"a control the form lacks", {"lblExtra", K::Label, "", -1, {}, "x"}},
        {"a menu the form lacks", {"mnuExtra", K::Menu, "mnuFile", -1, {}, "x"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        Application app;
        auto& form = app.Create<MemberForm>();
        const std::vector<Control*> before = form.Controls();
        const ControlRow rows[] = {{"mnuFile", K::Menu, "", -1, {}, "&Changed"},
                                   {"TabOne1", K::TabControl, "", -1, {1, 1, 1, 1}, "&A|&B"},
                                   c.row};
        try {
            LoadControls(form, rows, ExistingNames::Required);
            ADD_FAILURE() << "accepted";
        } catch (const std::invalid_argument& error) {
            EXPECT_NE(std::string(error.what()).find(c.row.name), std::string::npos)
                << error.what();
        }
        EXPECT_EQ(form.Controls(), before);
        EXPECT_EQ(form.mnuFile.Caption(), "&File") << "the first rows changed nothing";
        EXPECT_EQ(form.TabOne1.TabCaption(0), "&Plan");
        EXPECT_EQ(form.TabOne1.Left(), 120);
    }
}

// Placing rows and rows that create controls mix only where the form allows it: a control the
// form lacks is created with Placed and refused with Required.
TEST(ControlTableTest, OnlyPlacedCreatesWhatTheFormLacks) {
    const ControlRow rows[] = {{"mnuFileSave", K::Menu, "mnuFile", -1, {}, "&Save"},
                               {"mnuFileNew", K::Menu, "mnuFile", -1, {}, "&New"}};
    Application app;
    auto& form = app.Create<MemberForm>();
    EXPECT_THROW(LoadControls(form, rows, ExistingNames::Required), std::invalid_argument);
    EXPECT_THROW(LoadControls(form, rows, ExistingNames::Refused), std::invalid_argument);
    const std::vector<Control*> loaded = LoadControls(form, rows, ExistingNames::Placed);
    ASSERT_EQ(loaded.size(), 2u);
    EXPECT_EQ(loaded[0], &form.mnuFileSave);
    EXPECT_EQ(form.Controls().size(), std::size(kMemberRows) + 1);
    EXPECT_EQ(form.mnuFile.Items().back(), loaded[1]) << "the new item under the form's menu";
}

} // namespace

// The browser's grid: columns, rows, sorting, selection and redraw hold.
#include "platform/forms/controls/grid.h"

#include "platform/forms/keys.h"
#include "platform/forms/testing/driver.h"
#include "platform/runtime/runtime_error.h"

#include <gtest/gtest.h>

namespace {

using namespace forms;

class GridTest : public ::testing::Test {
protected:
    Application app;
    forms::testing::Driver driver{app};
    Form& form = app.Create<Form>("frmData");
    Grid grid{form, "VSFlexGrid1"};

    void SetUp() override {
        grid.SetCols(2);
        grid.SetColumn(0, {"Name", "Name", 2100, Alignment::Left, GridDataKind::Text, false});
        grid.SetColumn(
            1, {"Record", "Record", 800, Alignment::Right, GridDataKind::WholeNumber, true});
    }

    void AddRows(std::initializer_list<std::pair<const char*, const char*>> rows) {
        for (const auto& [name, record] : rows) {
            const int row = grid.AddRow();
            grid.SetTextMatrix(row, 0, name);
            grid.SetTextMatrix(row, 1, record);
        }
    }

    std::vector<std::string> Column(int col) {
        std::vector<std::string> cells;
        for (int row = 1; row < grid.Rows(); ++row) {
            cells.push_back(grid.TextMatrix(row, col));
        }
        return cells;
    }
};

TEST_F(GridTest, ColumnsAreFoundByKeyAndTitlesAreRowZero) {
    EXPECT_EQ(grid.ColIndex("Record"), 1);
    EXPECT_EQ(grid.ColIndex("Missing"), -1);
    EXPECT_EQ(grid.TextMatrix(0, 0), "Name");
    EXPECT_TRUE(grid.Column(1).hidden);
    EXPECT_EQ(grid.Column(0).width, 2100);
}

TEST_F(GridTest, SortIgnoresCaseAndKeepsTheOrderOfEqualNames) {
    AddRows({{"smith, John", "1"}, {"Adams, Ann", "2"}, {"Smith, John", "3"}, {"baker, Bo", "4"}});
    grid.SortAscendingIgnoringCase(0);
    EXPECT_EQ(Column(1), (std::vector<std::string>{"2", "4", "1", "3"}));
}

TEST_F(GridTest, RedrawHeldBackDrawsOnceWhenResumed) {
    const int before = grid.RedrawCount();
    grid.SetRedraw(false);
    AddRows({{"a", "1"}, {"b", "2"}, {"c", "3"}});
    EXPECT_EQ(grid.RedrawCount(), before);
    grid.SetRedraw(true);
    EXPECT_EQ(grid.RedrawCount(), before + 1);
}

TEST_F(GridTest, RowsShrinkToTheTitleRowAndSelectionFollows) {
    AddRows({{"a", "1"}, {"b", "2"}, {"c", "3"}});
    grid.SetRow(3);
    grid.SetTopRow(3);
    EXPECT_EQ(grid.Row(), 3);
    EXPECT_EQ(grid.TopRow(), 3);
    grid.SetRows(1);
    EXPECT_EQ(grid.Rows(), 1);
    EXPECT_EQ(grid.Row(), 0);
    EXPECT_EQ(grid.TopRow(), 1);
    EXPECT_THROW(grid.SetRow(1), runtime::RuntimeError);
    EXPECT_THROW((void)grid.TextMatrix(1, 0), runtime::RuntimeError);
    EXPECT_THROW((void)grid.TextMatrix(0, 2), runtime::RuntimeError);
}

TEST_F(GridTest, TheUserSelectsRowsAndTypesIntoTheGrid) {
    AddRows({{"a", "1"}, {"b", "2"}});
    std::string typed;
    grid.KeyPress = [&](int& key) { typed += static_cast<char>(key); };
    int clicks = 0;
    grid.Click = [&] { ++clicks; };
    form.Show();
    driver.SelectGridRow(grid, 2);
    EXPECT_EQ(grid.Row(), 2);
    EXPECT_EQ(clicks, 1);
    driver.PressKey('s');
    driver.PressKey('m');
    EXPECT_EQ(typed, "sm");
    EXPECT_THROW(driver.SelectGridRow(grid, 3), UnreachableError);
}

TEST_F(GridTest, UpDownAndCtrlHomeEndMoveTheSelectedRow) {
    AddRows({{"a", "1"}, {"b", "2"}, {"c", "3"}, {"d", "4"}});
    form.Show();
    driver.SelectGridRow(grid, 1);
    struct Case {
        int key;
        int shift;
        int row; // afterwards
    };
    const Case cases[] = {
        {vbKeyDown, 0, 2}, {vbKeyDown, 0, 3},         {vbKeyDown, 0, 4},
        {vbKeyDown, 0, 4}, {vbKeyUp, 0, 3},           {vbKeyHome, vbCtrlMask, 1},
        {vbKeyUp, 0, 1},   {vbKeyEnd, vbCtrlMask, 4}, {vbKeyHome, 0, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.key) + " shift " + std::to_string(c.shift));
        driver.PressKeyCode(c.key, c.shift);
        EXPECT_EQ(grid.Row(), c.row);
    }
    // A row above the first shown comes into view.
    grid.SetTopRow(3);
    driver.PressKeyCode(vbKeyHome, vbCtrlMask);
    EXPECT_EQ(grid.TopRow(), 1);
}

} // namespace

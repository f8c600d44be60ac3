// Macro arguments, page numbers, table cells and picture macros.
#include "family/print/src/convert/report_macros.h"

#include <gtest/gtest.h>

namespace {

using namespace pressel;

TEST(ReportMacros, ArgumentsReadAsDecimalAndIndexesStayInRange) {
    EXPECT_EQ(MacroArgument("42"), 42);
    EXPECT_EQ(MacroArgument("-7x"), -7);
    EXPECT_EQ(MacroArgument("+3"), 3);
    EXPECT_EQ(MacroArgument("abc"), 0);
    EXPECT_EQ(MacroArgument(""), 0);
    EXPECT_EQ(MacroArgument("99999999999"), INT32_MAX);
    EXPECT_EQ(MacroIndex("2", 3), 2);
    EXPECT_EQ(MacroIndex("3", 3), std::nullopt);
    EXPECT_EQ(MacroIndex("-1", 3), std::nullopt);
    EXPECT_EQ(MacroIndex("0", 0), std::nullopt);
}

TEST(ReportMacros, PageNumbersCountFromTheBase) {
    PageNumbering numbering;
    EXPECT_EQ(numbering.Page(0), 1);
    EXPECT_EQ(numbering.LastPage(4), 4);
    // Reset on the second page (one page counted before it): the third page is number 2.
    numbering.Reset(1);
    EXPECT_EQ(numbering.Page(2), 2);
    numbering.SetLastPageAddend(3);
    EXPECT_EQ(numbering.LastPage(4), 6);
}

TEST(ReportMacros, TableCellsByColumnWithinTheRow) {
    const std::string longText(150, 'c');
    const char* const cells[] = {"a0", "a1", "b0", nullptr, longText.c_str(), "c1"};
    const PrintTable table{3, 2, cells, nullptr};
    EXPECT_EQ(TableCellText(table, 0, "$#TE1"), "a1");
    EXPECT_EQ(TableCellText(table, 1, "$#TE0"), "b0");
    EXPECT_EQ(TableCellText(table, 1, "$#TE1"), std::nullopt);
    EXPECT_EQ(TableCellText(table, 2, "$#TE0"), std::string(99, 'c'));
    EXPECT_EQ(TableCellText(table, 0, "$#TE2"), std::nullopt);
    EXPECT_EQ(TableCellText(table, 0, "$#TE-1"), std::nullopt);
    EXPECT_EQ(TableCellText(table, 3, "$#TE0"), std::nullopt);
    EXPECT_EQ(TableCellText(table, 0, "$#TX0"), std::nullopt);
}

TEST(ReportMacros, GraphMacroNeedsAPictureAndAPositiveSize) {
    const std::optional<MacroPicture> placed = GraphMacroPicture(2, "1", "1440", "720");
    ASSERT_TRUE(placed.has_value());
    EXPECT_EQ(placed->index, 1);
    EXPECT_EQ(placed->width, 1440);
    EXPECT_EQ(placed->height, 720);
    EXPECT_FALSE(GraphMacroPicture(2, "2", "10", "10"));
    EXPECT_FALSE(GraphMacroPicture(2, "-1", "10", "10"));
    EXPECT_FALSE(GraphMacroPicture(2, "0", "0", "10"));
    EXPECT_FALSE(GraphMacroPicture(2, "0", "10", "-5"));
    EXPECT_FALSE(GraphMacroPicture(2, "0", "40000", "10"));
}

} // namespace

// Reading the published life tables that the factor library carries as CSV files in this folder.
//
// A table file is plain text: a header line naming the columns, then one row a line, LF or CRLF
// line ends. A one-age table has the columns `age,<value>`; a two-age table has
// `age1,age2,<value>` with age1 <= age2, one row per unordered pair. An age is a whole number; a
// value is a positive number with at most two whole digits and at most one decimal, as the
// tables publish it ("27.4", "1.0"), so no value can be taken for the library's result codes,
// which start at 101.
//
// The reader trusts nothing: a wrong header, an empty line, a missing or extra field, an age or
// value that is not plain digits, an age outside the table's range, a pair out of order, a row
// given twice or (for a table that must be complete) a missing row is an error that names the
// file and the line.
#pragma once

#include <filesystem>
#include <stdexcept>
#include <string_view>
#include <vector>

namespace factors::tables {

struct TableShape {
    std::string_view header; // the exact header line
    int ageColumns;          // 1 or 2
    int lowestAge;           // the lowest age a row may name; the highest is always 115
    bool complete;           // every age (every pair) from lowestAge to 115 must have a row
};

struct PublishedTable {
    std::string_view fileName;
    TableShape shape;
};

// The tables the project carries. The pre-2002 ones are incomplete until their missing rows are
// found; the lookups answer from the current tables where they have no row.
inline constexpr PublishedTable kIrsSingleLife{"irs-2002-single-life.csv",
                                               {"age,divisor", 1, 0, true}};
inline constexpr PublishedTable kIrsJointLastSurvivor{"irs-2002-joint-last-survivor.csv",
                                                      {"age1,age2,divisor", 2, 0, true}};
inline constexpr PublishedTable kIrsUniformLifetime{"irs-2002-uniform-lifetime.csv",
                                                    {"age,divisor", 1, 70, true}};
inline constexpr PublishedTable kAnnuityTableV{"reg-1.72-9-table-v.csv",
                                               {"age,multiple", 1, 5, false}};
inline constexpr PublishedTable kAnnuityTableVi{"reg-1.72-9-table-vi.csv",
                                                {"age1,age2,multiple", 2, 5, false}};

struct TableRow {
    int age;      // the age, or the younger age of a pair
    int olderAge; // the older age of a pair; the same as `age` in a one-age table
    float value;  // the nearest float to the published decimal
};

class TableError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The rows of `file` in file order. Throws TableError when the file cannot be read or breaks the
// rules above.
std::vector<TableRow> ReadPublishedTable(const std::filesystem::path& file,
                                         const TableShape& shape);

} // namespace factors::tables

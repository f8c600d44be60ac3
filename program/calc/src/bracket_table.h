// The bracket table of the income tax calculator and the two walks that turn a taxable income
// into a tax over it.
//
// A table holds up to 15 rows of (lower threshold in dollars, rate in percent), thresholds
// ascending, numbered from 1. Its last filled row closes it: a federal schedule closes at
// 999999999 with the rate of its top bracket, a state schedule at 9999999 with no rate. Rows that
// were never filled read as 0 in both columns.
#pragma once

#include <array>
#include <span>

namespace calc {

// One bracket of a schedule: the income at which it starts and its rate in percent.
struct TaxBracket {
    double threshold;
    double rate;
};

class BracketTable {
public:
    static constexpr int kRows = 15;

    // Appends a row after the filled ones; a sixteenth row is a subscript error.
    void AddRow(double threshold, double rate);
    // Appends every bracket of a schedule, then the closing row.
    void AddSchedule(std::span<const TaxBracket> brackets, TaxBracket closingRow);

    int RowCount() const { return rowCount_; }
    // Row numbers run from 1 to kRows; a row that was never filled reads 0.
    double Threshold(int row) const;
    double Rate(int row) const;

private:
    std::array<TaxBracket, kRows> rows_{};
    int rowCount_ = 0;
};

// The progressive walk: each bracket below the one holding the income is taxed whole, the
// holding bracket on the part of the income above its threshold. An income exactly on a
// threshold belongs to the bracket starting there. The walk never passes the last filled row, so
// an income at or above the closing threshold is taxed in the closing row at its rate; a closing
// row without a rate holds no income, which then stays in the bracket below it and is taxed on at
// that bracket's rate. At most 14 rows are walked. `maxBracket` receives the rate of the bracket
// holding the income.
double TaxFromBrackets(const BracketTable& table, double income, double& maxBracket);

// The single-bracket walk: only the bracket holding the income is charged, on the part of the
// income above its threshold; lower brackets add nothing. It stops where the progressive walk
// stops.
double TaxFromBracketsVariant(const BracketTable& table, double income, double& maxBracket);

} // namespace calc

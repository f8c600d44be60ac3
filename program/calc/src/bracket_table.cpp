#include "program/calc/src/bracket_table.h"

#include "platform/runtime/runtime_error.h"

namespace calc {

namespace {

// The walk that sums every bracket stops after this row, as the calculator always did.
constexpr int kLastSummedRow = 14;

// The last row that can hold an income. A closing row without a rate holds none: an income at or
// above its threshold stays in the bracket below it, the last one with a rate, and is taxed on
// at that rate rather than not at all.
int LastHoldingRow(const BracketTable& table) {
    const int last = table.RowCount();
    return last > 1 && table.Rate(last) == 0 ? last - 1 : last;
}

} // namespace

void BracketTable::AddRow(double threshold, double rate) {
    if (rowCount_ == kRows) {
        throw runtime::RuntimeError(runtime::ErrorNumber::SubscriptOutOfRange,
                                    "bracket table row 16");
    }
    rows_[rowCount_++] = {threshold, rate};
}

void BracketTable::AddSchedule(std::span<const TaxBracket> brackets, TaxBracket closingRow) {
    for (const TaxBracket& bracket : brackets) {
        AddRow(bracket.threshold, bracket.rate);
    }
    AddRow(closingRow.threshold, closingRow.rate);
}

double BracketTable::Threshold(int row) const {
    return row >= 1 && row <= rowCount_ ? rows_[row - 1].threshold : 0.0;
}

double BracketTable::Rate(int row) const {
    return row >= 1 && row <= rowCount_ ? rows_[row - 1].rate : 0.0;
}

double TaxFromBrackets(const BracketTable& table, double income, double& maxBracket) {
    const int lastRow = LastHoldingRow(table);
    double tax = 0.0;
    for (int row = 1; row <= kLastSummedRow; ++row) {
        maxBracket = table.Rate(row);
        const double rate = table.Rate(row) * 0.01;
        if (row >= lastRow || table.Threshold(row + 1) > income) {
            return tax + rate * (income - table.Threshold(row));
        }
        tax += rate * (table.Threshold(row + 1) - table.Threshold(row));
    }
    return tax;
}

double TaxFromBracketsVariant(const BracketTable& table, double income, double& maxBracket) {
    const int lastRow = LastHoldingRow(table);
    for (int row = 1;; ++row) {
        maxBracket = table.Rate(row);
        const double rate = table.Rate(row) * 0.01;
        if (row >= lastRow || table.Threshold(row + 1) - income > 0) {
            return rate * (income - table.Threshold(row));
        }
    }
}

} // namespace calc

#include "program/calc/bracket_table.h"

#include "platform/runtime/runtime_error.h"

namespace calc {

namespace {

// The walk that sums every bracket stops after this row, as the calculator always did.
constexpr int kLastSummedRow = 14;

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
    double tax = 0.0;
    for (int row = 1; row <= kLastSummedRow; ++row) {
        maxBracket = table.Rate(row);
        const double rate = table.Rate(row) * 0.01;
        if (row >= table.RowCount() || table.Threshold(row + 1) > income) {
            return tax + rate * (income - table.Threshold(row));
        }
        tax += rate * (table.Threshold(row + 1) - table.Threshold(row));
    }
    return tax;
}

double TaxFromBracketsVariant(const BracketTable& table, double income, double& maxBracket) {
    for (int row = 1;; ++row) {
        maxBracket = table.Rate(row);
        const double rate = table.Rate(row) * 0.01;
        if (row >= table.RowCount() || table.Threshold(row + 1) - income > 0) {
            return rate * (income - table.Threshold(row));
        }
    }
}

} // namespace calc

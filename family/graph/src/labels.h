// The chart's scale and the texts of its category and value labels.
#pragma once

#include "family/graph/src/chart.h"

#include <string>
#include <vector>

namespace plotwen {

struct Label {
    double value = 0; // the category number or the value the label marks
    std::string text;
    COLORREF colour = 0;
};

// The category marks in use, each number once (the first mark wins), sorted by number; "#"
// labels read as the number.
std::vector<Label> CategoryLabels(const std::vector<CategoryMark>& marks);

// The largest running sum of a stack at any category from the first to the last label, raised
// to the largest value mark.
double ChartMaximum(const Chart& chart, const std::vector<Label>& categories);

// The value marks, -1.0 read as `maximum`, each value once, sorted by value, all padded on the
// left to the length of the longest; "#" labels read as the value with thousands separators,
// after a "$" when `dollar` is set.
std::vector<Label> ValueLabels(const std::vector<ValueMark>& marks, double maximum, bool dollar);

// "1234567" -> "1,234,567": a "," before every group of three digits counted from the right;
// a leading sign stays in front.
std::string WithThousandsSeparators(const std::string& number);

// `text` shifted right and filled with spaces at the front to `length` characters.
std::string LeftFilled(const std::string& text, std::size_t length);

} // namespace plotwen

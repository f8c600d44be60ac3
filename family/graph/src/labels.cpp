#include "family/graph/src/labels.h"

#include <algorithm>
#include <cstdio>

namespace plotwen {

namespace {

constexpr const char* kOwnValueLabel = "#";

// Sorted by value; marks of equal value keep their order.
void SortByValue(std::vector<Label>& labels) {
    std::stable_sort(labels.begin(), labels.end(),
                     [](const Label& a, const Label& b) { return a.value < b.value; });
}

bool HasValue(const std::vector<Label>& labels, double value) {
    return std::any_of(labels.begin(), labels.end(),
                       [value](const Label& label) { return label.value == value; });
}

std::string FormattedValue(double value, bool dollar) {
    char digits[64];
    std::snprintf(digits, sizeof digits, "%.0f", value);
    return (dollar ? "$" : "") + WithThousandsSeparators(digits);
}

} // namespace

std::vector<Label> CategoryLabels(const std::vector<CategoryMark>& marks) {
    std::vector<Label> labels;
    for (const CategoryMark& mark : marks) {
        if (HasValue(labels, mark.category)) {
            continue;
        }
        const std::string text =
            mark.label == kOwnValueLabel ? std::to_string(mark.category) : mark.label;
        labels.push_back({static_cast<double>(mark.category), text, mark.colour});
    }
    SortByValue(labels);
    return labels;
}

double ChartMaximum(const Chart& chart, const std::vector<Label>& categories) {
    double maximum = 0;
    if (!categories.empty()) {
        const int first = static_cast<int>(categories.front().value);
        const int last = static_cast<int>(categories.back().value);
        for (int category = first; category <= last; ++category) {
            std::vector<double> stackSums(chart.stackCount, 0.0);
            for (const Series& series : chart.series) {
                stackSums[series.stack] += series.values[category];
                maximum = std::max(maximum, stackSums[series.stack]);
            }
        }
    }
    for (const ValueMark& mark : chart.valueMarks) {
        maximum = std::max(maximum, mark.value);
    }
    return maximum;
}

std::vector<Label> ValueLabels(const std::vector<ValueMark>& marks, double maximum, bool dollar) {
    std::vector<Label> labels;
    std::size_t longest = 0;
    for (const ValueMark& mark : marks) {
        const double value = mark.value == -1.0 ? maximum : mark.value;
        if (HasValue(labels, value)) {
            continue;
        }
        std::string text =
            mark.label == kOwnValueLabel ? FormattedValue(value, dollar) : mark.label;
        longest = std::max(longest, text.size());
        labels.push_back({value, std::move(text), mark.colour});
    }
    for (Label& label : labels) {
        label.text = LeftFilled(label.text, longest);
    }
    SortByValue(labels);
    return labels;
}

std::string WithThousandsSeparators(const std::string& number) {
    const std::size_t firstDigit = number.find_first_of("0123456789");
    if (firstDigit == std::string::npos) {
        return number;
    }
    std::string result = number.substr(0, firstDigit);
    const std::string digits = number.substr(firstDigit);
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            result += ',';
        }
        result += digits[i];
    }
    return result;
}

std::string LeftFilled(const std::string& text, std::size_t length) {
    return text.size() >= length ? text : std::string(length - text.size(), ' ') + text;
}

} // namespace plotwen

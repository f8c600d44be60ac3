// What a calculation leaves for the illustration's fields: the texts to write, tag by tag, in
// the order the calculation writes them. A calculation computes everything first and the caller
// writes the fields afterwards, so a calculation that fails writes nothing.
#pragma once

#include <string>
#include <vector>

namespace illustration {

struct FieldWrite {
    std::string tag;
    std::string value;

    friend bool operator==(const FieldWrite&, const FieldWrite&) = default;
};

using FieldWrites = std::vector<FieldWrite>;

// A message box with the information icon and an OK button that a calculation shows before it
// writes its fields.
struct CalculationDetails {
    std::string title;
    std::string text; // lines joined by carriage return and line feed
};

} // namespace illustration

#include "program/ui/support/src/state_table.h"

#include "platform/runtime/number_parse.h"
#include "platform/runtime/text.h"

#include <array>
#include <cmath>

namespace ui {

namespace {

struct State {
    std::string_view code;
    std::string_view name;
};

// Alphabetical by name, the District of Columbia in its place, Puerto Rico last; the index of a
// row is what the state lists and the representative record store.
constexpr std::array<State, kStateCount> kStates = {{
    {"AL", "Alabama"},        {"AK", "Alaska"},         {"AZ", "Arizona"},
    {"AR", "Arkansas"},       {"CA", "California"},     {"CO", "Colorado"},
    {"CT", "Connecticut"},    {"DE", "Delaware"},       {"DC", "District of Columbia"},
    {"FL", "Florida"},        {"GA", "Georgia"},        {"HI", "Hawaii"},
    {"ID", "Idaho"},          {"IL", "Illinois"},       {"IN", "Indiana"},
    {"IA", "Iowa"},           {"KS", "Kansas"},         {"KY", "Kentucky"},
    {"LA", "Louisiana"},      {"ME", "Maine"},          {"MD", "Maryland"},
    {"MA", "Massachusetts"},  {"MI", "Michigan"},       {"MN", "Minnesota"},
    {"MS", "Mississippi"},    {"MO", "Missouri"},       {"MT", "Montana"},
    {"NE", "Nebraska"},       {"NV", "Nevada"},         {"NH", "New Hampshire"},
    {"NJ", "New Jersey"},     {"NM", "New Mexico"},     {"NY", "New York"},
    {"NC", "North Carolina"}, {"ND", "North Dakota"},   {"OH", "Ohio"},
    {"OK", "Oklahoma"},       {"OR", "Oregon"},         {"PA", "Pennsylvania"},
    {"RI", "Rhode Island"},   {"SC", "South Carolina"}, {"SD", "South Dakota"},
    {"TN", "Tennessee"},      {"TX", "Texas"},          {"UT", "Utah"},
    {"VT", "Vermont"},        {"VA", "Virginia"},       {"WA", "Washington"},
    {"WV", "West Virginia"},  {"WI", "Wisconsin"},      {"WY", "Wyoming"},
    {"PR", "Puerto Rico"},
}};

constexpr std::string_view kUnknownCode = "99";
constexpr std::string_view kUnknownIndex = "XX";

} // namespace

std::string StateCodeLookup(std::string& code, std::string_view indexText) {
    if (!code.empty()) {
        code = runtime::UpperCase(code);
        for (std::size_t row = 0; row < kStates.size(); ++row) {
            if (kStates[row].code == code) {
                return std::to_string(row);
            }
        }
        return std::string(kUnknownCode);
    }
    // Halves round to even, as the runtime's whole-number conversion does.
    const double index = std::nearbyint(runtime::Val(indexText));
    if (index >= 0 && index < kStateCount) {
        return std::string(kStates[static_cast<std::size_t>(index)].code);
    }
    return std::string(kUnknownIndex);
}

std::string StateName(std::string_view code) {
    for (const State& state : kStates) {
        if (state.code == code) {
            return std::string(state.name);
        }
    }
    return "Error";
}

} // namespace ui

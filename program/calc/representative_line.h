// The representative line: the rich-text fragment with the financial representative's name,
// agency, address and contact numbers that every report prints in its header.
#pragma once

#include <string>

namespace calc {

// The texts of the representative window, as displayed.
struct RepresentativeInfo {
    std::string firstName{};
    std::string middleInitial{};
    std::string lastName{};
    std::string agency{};
    std::string workPhone{};
    std::string mobilePhone{};
    std::string fax{};
    std::string email{};
    std::string street{};
    std::string city{};
    std::string zip{};
    std::string state{};
};

// The separator between items: a blank, the rich-text bullet and two blanks.
inline constexpr const char* kRepresentativeSeparator = " \\bullet  ";

// Name, agency and address, a paragraph break, then the contact numbers with their labels. An
// item counts when it holds more than blanks, and is written as it stands, escaped for rich
// text. The state follows the
// city (even when empty) and is left out without a city; a trailing separator is removed.
std::string BuildRepresentativeLine(const RepresentativeInfo& info);

} // namespace calc

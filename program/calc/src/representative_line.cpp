#include "program/calc/representative_line.h"

#include "program/calc/rich_text_escape.h"

#include "platform/runtime/text.h"

#include <string_view>

namespace calc {

namespace {

bool IsPresent(std::string_view item) {
    return !runtime::Trim(item).empty();
}

} // namespace

std::string BuildRepresentativeLine(const RepresentativeInfo& input) {
    const std::string separator = kRepresentativeSeparator;
    // The representative's own texts, escaped: the line is rich text.
    RepresentativeInfo info;
    for (auto [from, to] : {std::pair{&input.firstName, &info.firstName},
                            {&input.middleInitial, &info.middleInitial},
                            {&input.lastName, &info.lastName},
                            {&input.agency, &info.agency},
                            {&input.workPhone, &info.workPhone},
                            {&input.mobilePhone, &info.mobilePhone},
                            {&input.fax, &info.fax},
                            {&input.email, &info.email},
                            {&input.street, &info.street},
                            {&input.city, &info.city},
                            {&input.zip, &info.zip},
                            {&input.state, &info.state}}) {
        *to = EscapeRichText(*from);
    }
    std::string line;
    if (IsPresent(info.firstName)) {
        line += info.firstName;
    }
    if (IsPresent(info.middleInitial)) {
        line += " " + info.middleInitial + ".";
    }
    if (IsPresent(info.lastName)) {
        line += " " + info.lastName;
    }
    if (IsPresent(info.agency)) {
        line += separator + info.agency;
    }
    if (IsPresent(info.street)) {
        line += separator + info.street;
    }
    if (IsPresent(info.city)) {
        line += separator + info.city + ", " + info.state;
    }
    if (IsPresent(info.zip)) {
        line += " " + info.zip;
    }
    line += "\\par ";

    const std::pair<const char*, const std::string*> contacts[] = {
        {"Office: ", &info.workPhone},
        {"Mobile: ", &info.mobilePhone},
        {"Fax: ", &info.fax},
        {"Email: ", &info.email},
    };
    for (const auto& [label, item] : contacts) {
        if (IsPresent(*item)) {
            line += label + *item + separator;
        }
    }
    if (line.ends_with(separator)) {
        line.resize(line.size() - separator.size());
    }
    return line;
}

} // namespace calc

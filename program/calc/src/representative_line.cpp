#include "program/calc/representative_line.h"

#include "platform/runtime/text.h"

#include <string_view>

namespace calc {

namespace {

bool IsPresent(std::string_view item) {
    return !runtime::Trim(item).empty();
}

} // namespace

std::string BuildRepresentativeLine(const RepresentativeInfo& info) {
    const std::string separator = kRepresentativeSeparator;
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

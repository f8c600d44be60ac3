// The member table of each class of the module (platform/automation/dispatch_member.h): one row
// per member in the order of the interface's slots, the four common members first. The objects
// serve IDispatch from them, and a test holds them against the interfaces.
#pragma once

#include "output/output.h"

#include "platform/automation/dispatch_member.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <iterator>
#include <span>

namespace output {

std::span<const automation::DispatchMember<ITemplate>> TemplateMembers();
std::span<const automation::DispatchMember<ICanvas>> CanvasMembers();
std::span<const automation::DispatchMember<IPreview>> PreviewMembers();
std::span<const automation::DispatchMember<IGraph>> GraphMembers();

// The rows of the four members every interface starts with: slots 7 to 10, dispatch ids 1 to 4.
template <class Interface>
std::array<automation::DispatchMember<Interface>, 4> CommonMembers() {
    using Member = automation::DispatchMember<Interface>;
    return {
        Member::Property(7, "Server", dispidServer, &IOutputObject::get_Server),
        Member::Property(8, "ClassName", dispidClassName, &IOutputObject::get_ClassName),
        Member::Property(9, "ClassVer", dispidClassVer, &IOutputObject::get_ClassVer),
        Member::template Method<&IOutputObject::ErrorText>(10, "ErrorText", dispidErrorText),
    };
}

// The common rows followed by a class's own.
template <class Interface, std::size_t OwnCount>
std::array<automation::DispatchMember<Interface>, 4 + OwnCount>
WithCommonMembers(const automation::DispatchMember<Interface> (&own)[OwnCount]) {
    const auto common = CommonMembers<Interface>();
    std::array<automation::DispatchMember<Interface>, 4 + OwnCount> rows;
    std::copy(common.begin(), common.end(), rows.begin());
    std::copy(std::begin(own), std::end(own), rows.begin() + common.size());
    return rows;
}

} // namespace output

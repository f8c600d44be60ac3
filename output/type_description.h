// The type information of each class of the module (IDispatch::GetTypeInfo): its interface as
// its member table describes it, with the help strings of the module's interfaces:
// "<interface> Interface" for the interface ("ITemplate Interface"), and for each member the
// word property or method, a blank and the member's name ("property Server", "method ErrorText").
#pragma once

#include "output/class_info.h"

#include "platform/automation/dispatch_member.h"
#include "platform/automation/member_description.h"

#include <span>
#include <string>

namespace output {

template <class Interface>
automation::InterfaceDescription
DescribeInterface(const ClassInfo& info,
                  std::span<const automation::DispatchMember<Interface>> rows) {
    automation::InterfaceDescription description{info.interfaceId, info.interfaceName,
                                                 std::string(info.interfaceName) + " Interface",
                                                 automation::FunctionsOf(rows)};
    for (automation::FunctionDescription& function : description.functions) {
        function.helpString =
            (function.kind == INVOKE_FUNC ? "method " : "property ") + function.name;
    }
    return description;
}

} // namespace output

// A member of a dual interface as its type information tells it: one function of the interface
// (a property's get and its put are two), with its kind, its place in the interface's table of
// functions and how each of its parameters travels. The member tables (dispatch_member.h) give
// these; the type information (type_info.h) is built from them.
#pragma once

#include "platform/automation/interfaces.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// What a function of a dispatch interface is called as: the values of Invoke's flags.
enum INVOKEKIND : std::int32_t {
    INVOKE_FUNC = DISPATCH_METHOD,
    INVOKE_PROPERTYGET = DISPATCH_PROPERTYGET,
    INVOKE_PROPERTYPUT = DISPATCH_PROPERTYPUT,
};

namespace automation {

// A VARIANT by value ([in]), or a VARIANT* that the member writes ([out]) or reads and writes
// ([in, out]).
enum class ParameterKind { In, Out, InOut };

struct FunctionDescription {
    std::string name;
    DISPID id;
    INVOKEKIND kind;
    std::size_t slot; // in the interface's table of functions, IUnknown's QueryInterface being 0
    // A property get's value is its result, not a parameter; a put takes the value, by value.
    std::vector<ParameterKind> parameters;
    std::string helpString; // empty: none
};

struct InterfaceDescription {
    IID interfaceId;
    std::string name;       // "ITemplate"
    std::string helpString; // empty: none
    std::vector<FunctionDescription> functions;
};

} // namespace automation

// One row of a class's member table: the member's slot in the interface's table of functions,
// its name and dispatch id, and the interface functions that serve it (a property's get and
// put, or a method). A class's rows, in slot order, are all that its IDispatch needs:
// GetIDsOfNames looks names up in them, Invoke calls the row of a dispatch id, and the type
// information describes the functions they give (Functions).
#pragma once

#include "platform/automation/dispatch_call.h"
#include "platform/automation/interfaces.h"
#include "platform/automation/member_description.h"

#include <cstddef>
#include <cstring>
#include <initializer_list>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

namespace automation {

// The slot that the virtual function `function` occupies in its class's table of functions,
// IUnknown's QueryInterface being slot 0; nothing for a function that is not virtual. Read from
// the pointer's representation in the Itanium C++ ABI, which GCC and Clang use on this platform:
// a virtual function's pointer holds 1 plus its offset in the table, in bytes.
template <class Class, class Function>
std::optional<std::size_t> VirtualSlot(Function Class::*function) {
    static_assert(std::is_function_v<Function>, "a member function");
    struct Representation {
        std::ptrdiff_t pointer;
        std::ptrdiff_t adjustment;
    };
    static_assert(sizeof(function) == sizeof(Representation));
    Representation representation{};
    std::memcpy(&representation, &function, sizeof representation);
    if ((representation.pointer & 1) == 0) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(representation.pointer - 1) / sizeof(void*);
}

// How each parameter of `function` travels, by its type: a VARIANT in, a VARIANT* out.
template <class Class, class... Parameters>
std::vector<ParameterKind> ParameterKindsOf(HRESULT (Class::*)(Parameters...)) {
    static_assert(
        ((std::is_same_v<Parameters, VARIANT> || std::is_same_v<Parameters, VARIANT*>)&&...),
        "members take VARIANTs and VARIANT pointers only");
    return {(std::is_pointer_v<Parameters> ? ParameterKind::Out : ParameterKind::In)...};
}

template <class Interface>
class DispatchMember {
public:
    using Getter = HRESULT (Interface::*)(VARIANT*);
    using Putter = HRESULT (Interface::*)(VARIANT);

    DispatchMember() = default;

    // A property with its get in `slot` and, unless it is read-only, its put in the next slot;
    // both are served under `id`. Members of a base interface are given as they are.
    static DispatchMember Property(std::size_t slot, std::string_view name, DISPID id, Getter get,
                                   Putter put = nullptr) {
        DispatchMember member(slot, name, id);
        member.get_ = get;
        member.put_ = put;
        return member;
    }

    // The method `method` in `slot`, taking VARIANTs ([in]) and VARIANT pointers ([out]) as
    // DispatchCall hands them over; `inOut` names the positions, from 0, of the VARIANT pointers
    // that the method also reads ([in, out]). Members of a base interface are given as they are.
    // A position of `inOut` that is not a VARIANT pointer raises std::invalid_argument.
    template <auto method>
    static DispatchMember Method(std::size_t slot, std::string_view name, DISPID id,
                                 std::initializer_list<std::size_t> inOut = {}) {
        DispatchMember member(slot, name, id);
        member.callMethod_ = [](Interface& object, DispatchCall& call) {
            return call.Method(&object, method);
        };
        member.methodSlot_ = VirtualSlot(method);
        member.parameters_ = ParameterKindsOf(method);
        for (const std::size_t position : inOut) {
            if (position >= member.parameters_.size() ||
                member.parameters_[position] != ParameterKind::Out) {
                throw std::invalid_argument("parameter " + std::to_string(position) + " of " +
                                            std::string(name) + " is not a VARIANT pointer");
            }
            member.parameters_[position] = ParameterKind::InOut;
        }
        return member;
    }

    std::size_t Slot() const { return slot_; }
    std::string_view Name() const { return name_; }
    DISPID Id() const { return id_; }

    // Runs the member on `object` as `call` asks.
    HRESULT Invoke(Interface& object, DispatchCall& call) const {
        if (callMethod_ != nullptr) {
            return callMethod_(object, call);
        }
        return call.Property<Interface>(&object, get_, put_);
    }

    // The slots of the functions the row calls, in order: a property's get and put, or the
    // method; nothing in place of a function that is not virtual. For checking a table against
    // its interface.
    std::vector<std::optional<std::size_t>> FunctionSlots() const {
        if (callMethod_ != nullptr) {
            return {methodSlot_};
        }
        if (put_ != nullptr) {
            return {VirtualSlot(get_), VirtualSlot(put_)};
        }
        return {VirtualSlot(get_)};
    }

    // The functions the row gives, as type information describes them, without help strings: a
    // method, or a property's get and, after it, its put.
    std::vector<FunctionDescription> Functions() const {
        const std::string name(name_);
        if (callMethod_ != nullptr) {
            return {{name, id_, INVOKE_FUNC, slot_, parameters_, {}}};
        }
        std::vector<FunctionDescription> functions{{name, id_, INVOKE_PROPERTYGET, slot_, {}, {}}};
        if (put_ != nullptr) {
            functions.push_back(
                {name, id_, INVOKE_PROPERTYPUT, slot_ + 1, {ParameterKind::In}, {}});
        }
        return functions;
    }

private:
    using MethodCaller = HRESULT (*)(Interface& object, DispatchCall& call);

    DispatchMember(std::size_t slot, std::string_view name, DISPID id)
        : slot_(slot), name_(name), id_(id) {}

    std::size_t slot_ = 0;
    std::string_view name_;
    DISPID id_ = DISPID_UNKNOWN;
    Getter get_ = nullptr;
    Putter put_ = nullptr;
    MethodCaller callMethod_ = nullptr;
    std::optional<std::size_t> methodSlot_;
    std::vector<ParameterKind> parameters_;
};

// The functions of every row of a member table, in row order (DispatchMember::Functions).
template <class Interface>
std::vector<FunctionDescription> FunctionsOf(std::span<const DispatchMember<Interface>> rows) {
    std::vector<FunctionDescription> functions;
    for (const DispatchMember<Interface>& row : rows) {
        for (FunctionDescription& function : row.Functions()) {
            functions.push_back(std::move(function));
        }
    }
    return functions;
}

} // namespace automation

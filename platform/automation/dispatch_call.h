// One call through IDispatch::Invoke, unpacked for a member of a dual interface.
//
// Members of the interfaces served here take only VARIANTs: a VARIANT parameter is an [in]
// argument, a VARIANT* parameter an [out] argument, which the caller passes by reference
// (VT_BYREF | VT_VARIANT). Invoke hands the arguments over last first; DispatchCall puts them
// back in the member's order and checks their number and kinds before the member runs.
#pragma once

#include "platform/automation/interfaces.h"

#include <cstddef>
#include <type_traits>
#include <utility>

namespace automation {

class DispatchCall {
public:
    DispatchCall(std::uint16_t flags, const DISPPARAMS& arguments, VARIANT* result,
                 std::uint32_t* argumentError)
        : flags_(flags), arguments_(arguments), result_(result), argumentError_(argumentError) {}

    // A method: every parameter comes from the arguments, in order.
    template <class Interface, class... Parameters>
    HRESULT Method(std::type_identity_t<Interface>* object,
                   HRESULT (Interface::*member)(Parameters...)) {
        if ((flags_ & DISPATCH_METHOD) == 0) {
            return DISP_E_MEMBERNOTFOUND;
        }
        if (arguments_.cNamedArgs != 0) {
            return DISP_E_PARAMNOTFOUND;
        }
        return CallWithArguments(object, member, std::index_sequence_for<Parameters...>());
    }

    // A property with a get, a put, or both, under one dispatch id. The get's [out, retval]
    // parameter is Invoke's result; the put's value is the one argument.
    template <class Interface>
    HRESULT Property(std::type_identity_t<Interface>* object, HRESULT (Interface::*get)(VARIANT*),
                     HRESULT (Interface::*put)(VARIANT) = nullptr) {
        if ((flags_ & DISPATCH_PROPERTYGET) != 0 && get != nullptr) {
            if (arguments_.cArgs != 0) {
                return DISP_E_BADPARAMCOUNT;
            }
            if (result_ == nullptr) {
                VARIANT ignored;
                VariantInit(&ignored);
                const HRESULT outcome = (object->*get)(&ignored);
                VariantClear(&ignored);
                return outcome;
            }
            return (object->*get)(result_);
        }
        if ((flags_ & DISPATCH_PROPERTYPUT) != 0 && put != nullptr) {
            const bool named = arguments_.cNamedArgs == 0 ||
                               (arguments_.cNamedArgs == 1 &&
                                arguments_.rgdispidNamedArgs[0] == DISPID_PROPERTYPUT);
            if (!named) {
                return DISP_E_PARAMNOTFOUND;
            }
            if (arguments_.cArgs != 1) {
                return DISP_E_BADPARAMCOUNT;
            }
            return (object->*put)(arguments_.rgvarg[0]);
        }
        return DISP_E_MEMBERNOTFOUND;
    }

private:
    VARIANT& Argument(std::size_t position) const {
        return arguments_.rgvarg[arguments_.cArgs - 1 - position];
    }

    // An [out] argument must be a reference to a VARIANT the member can write.
    bool IsOutArgument(std::size_t position) const {
        const VARIANT& argument = Argument(position);
        return argument.vt == (VT_BYREF | VT_VARIANT) && argument.pvarVal != nullptr;
    }

    template <class Parameter>
    bool Accepts(std::size_t position) {
        if constexpr (std::is_same_v<Parameter, VARIANT*>) {
            if (!IsOutArgument(position)) {
                if (argumentError_ != nullptr) {
                    *argumentError_ = static_cast<std::uint32_t>(arguments_.cArgs - 1 - position);
                }
                return false;
            }
        } else {
            static_assert(std::is_same_v<Parameter, VARIANT>, "members take VARIANTs only");
        }
        return true;
    }

    template <class Parameter>
    Parameter Pass(std::size_t position) const {
        if constexpr (std::is_same_v<Parameter, VARIANT*>) {
            return Argument(position).pvarVal;
        } else {
            return Argument(position);
        }
    }

    template <class Interface, class... Parameters, std::size_t... Positions>
    HRESULT CallWithArguments(Interface* object, HRESULT (Interface::*member)(Parameters...),
                              std::index_sequence<Positions...>) {
        if (arguments_.cArgs != sizeof...(Parameters)) {
            return DISP_E_BADPARAMCOUNT;
        }
        if (!(Accepts<Parameters>(Positions) && ...)) {
            return DISP_E_TYPEMISMATCH;
        }
        return (object->*member)(Pass<Parameters>(Positions)...);
    }

    std::uint16_t flags_;
    const DISPPARAMS& arguments_;
    VARIANT* result_;
    std::uint32_t* argumentError_;
};

} // namespace automation

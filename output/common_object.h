// The base of every class of the module: the four members each interface starts with (Server,
// ClassName, ClassVer, ErrorText) over the class's registry entries and error table, and the
// type information of its interface.
#pragma once

#include "output/class_info.h"
#include "output/output.h"
#include "output/type_description.h"
#include "output/variant_arguments.h"

#include "platform/automation/object.h"
#include "platform/automation/type_info.h"

#include <string>

namespace output {

// The registered module path and version-independent ProgID of a class, read when an object is
// created; a missing entry leaves the text empty.
struct RegisteredNames {
    std::string server;
    std::string className;
};
RegisteredNames ReadRegisteredNames(const ClassInfo& info);

template <class Interface>
class OutputObject : public automation::DispatchObject<Interface> {
public:
    OutputObject(automation::ServerLock& server, const ClassInfo& info,
                 std::span<const automation::DispatchMember<Interface>> members)
        : automation::DispatchObject<Interface>(server, info.interfaceId, members), info_(info),
          names_(ReadRegisteredNames(info)) {}

    // One type information: the interface's, built anew from the member table for each caller,
    // which it keeps the module loaded for while it holds it.
    HRESULT GetTypeInfoCount(std::uint32_t* count) override {
        if (count == nullptr) {
            return E_POINTER;
        }
        *count = 1;
        return S_OK;
    }

    HRESULT GetTypeInfo(std::uint32_t index, LCID, ITypeInfo** typeInfo) override {
        if (typeInfo != nullptr && index != 0) {
            *typeInfo = nullptr;
            return DISP_E_BADINDEX;
        }
        return automation::CreateTypeInfo(this->Server(), DescribeInterface(info_, this->Members()),
                                          typeInfo);
    }

    HRESULT get_Server(VARIANT* pVal) override {
        SetText(pVal, names_.server);
        return S_OK;
    }

    HRESULT get_ClassName(VARIANT* pVal) override {
        SetText(pVal, names_.className);
        return S_OK;
    }

    HRESULT get_ClassVer(VARIANT* pVal) override {
        SetDouble(pVal, info_.classVer);
        return S_OK;
    }

    HRESULT ErrorText(VARIANT Error, VARIANT* Text) override {
        SetText(Text, ErrorTextOf(info_.errors, VariantToInt(Error)));
        return S_OK;
    }

private:
    const ClassInfo& info_;
    RegisteredNames names_;
};

} // namespace output

// The base of every class of the module: the four members each interface starts with (Server,
// ClassName, ClassVer, ErrorText) over the class's registry entries and error table.
#pragma once

#include "output/class_info.h"
#include "output/output.h"
#include "output/variant_arguments.h"
#include "platform/automation/object.h"

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

// The base of every class of the module: the four members each interface starts with (Server,
// ClassName, ClassVer, ErrorText) over the class's registry entries and error table.
#pragma once

#include "output/class_info.h"
#include "output/output.h"
#include "output/variant_arguments.h"
#include "platform/automation/object.h"

#include <string>

namespace output {

// The dispatch names of the common members, for the classes' name tables.
#define OUTPUT_COMMON_MEMBERS                                                                      \
    {"Server", dispidServer}, {"ClassName", dispidClassName}, {"ClassVer", dispidClassVer}, {      \
        "ErrorText", dispidErrorText                                                               \
    }

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
                 std::span<const automation::DispatchMember> members)
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

protected:
    // Runs the common members; the classes run their own before they come here.
    HRESULT InvokeMember(DISPID member, automation::DispatchCall& call) override {
        switch (member) {
        case dispidServer:
            return call.Property<IOutputObject>(this, &IOutputObject::get_Server);
        case dispidClassName:
            return call.Property<IOutputObject>(this, &IOutputObject::get_ClassName);
        case dispidClassVer:
            return call.Property<IOutputObject>(this, &IOutputObject::get_ClassVer);
        case dispidErrorText:
            return call.Method<IOutputObject>(this, &IOutputObject::ErrorText);
        default:
            return DISP_E_MEMBERNOTFOUND;
        }
    }

private:
    const ClassInfo& info_;
    RegisteredNames names_;
};

} // namespace output

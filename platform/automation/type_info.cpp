#include "platform/automation/type_info.h"

#include "platform/automation/text.h"

#include <new>
#include <utility>
#include <vector>

namespace automation {

namespace {

class TableTypeInfo final : public ServerObject<ITypeInfo> {
public:
    TableTypeInfo(ServerLock& server, InterfaceDescription description)
        : ServerObject<ITypeInfo>(server), description_(std::move(description)) {
        attributes_ = {description_.interfaceId,
                       0,
                       TKIND_DISPATCH,
                       static_cast<std::uint16_t>(description_.functions.size()),
                       0,
                       TYPEFLAG_FDUAL | TYPEFLAG_FDISPATCHABLE};
        parameters_.reserve(description_.functions.size());
        functions_.reserve(description_.functions.size());
        for (const FunctionDescription& function : description_.functions) {
            std::vector<ELEMDESC>& parameters = parameters_.emplace_back();
            for (const ParameterKind kind : function.parameters) {
                parameters.push_back(Parameter(kind));
            }
            const bool getter = function.kind == INVOKE_PROPERTYGET;
            functions_.push_back({function.id,
                                  parameters.data(),
                                  FUNC_DISPATCH,
                                  function.kind,
                                  static_cast<std::int16_t>(parameters.size()),
                                  static_cast<std::int16_t>(function.slot * sizeof(void*)),
                                  {{nullptr, static_cast<VARTYPE>(getter ? VT_VARIANT : VT_VOID)},
                                   {nullptr, PARAMFLAG_NONE}}});
        }
    }

    HRESULT GetTypeAttr(TYPEATTR** attributes) override {
        if (attributes == nullptr) {
            return E_INVALIDARG;
        }
        *attributes = &attributes_;
        return S_OK;
    }

    HRESULT GetFuncDesc(std::uint32_t index, FUNCDESC** function) override {
        if (function == nullptr) {
            return E_INVALIDARG;
        }
        *function = nullptr;
        if (index >= functions_.size()) {
            return TYPE_E_ELEMENTNOTFOUND;
        }
        *function = &functions_[index];
        return S_OK;
    }

    HRESULT GetNames(MEMBERID member, BSTR* names, std::uint32_t maxNames,
                     std::uint32_t* count) override {
        if (names == nullptr || count == nullptr) {
            return E_INVALIDARG;
        }
        *count = 0;
        const FunctionDescription* function = Find(member);
        if (function == nullptr) {
            return TYPE_E_ELEMENTNOTFOUND;
        }
        if (maxNames == 0) {
            return S_OK;
        }
        names[0] = BstrFromText(function->name);
        if (names[0] == nullptr) {
            return E_OUTOFMEMORY;
        }
        *count = 1;
        return S_OK;
    }

    HRESULT GetDocumentation(MEMBERID member, BSTR* name, BSTR* docString,
                             std::uint32_t* helpContext, BSTR* helpFile) override {
        const std::string* nameText = &description_.name;
        const std::string* helpText = &description_.helpString;
        if (member != MEMBERID_NIL) {
            const FunctionDescription* function = Find(member);
            if (function == nullptr) {
                return TYPE_E_ELEMENTNOTFOUND;
            }
            nameText = &function->name;
            helpText = &function->helpString;
        }
        BSTR nameBstr = name != nullptr ? BstrFromText(*nameText) : nullptr;
        BSTR helpBstr =
            docString != nullptr && !helpText->empty() ? BstrFromText(*helpText) : nullptr;
        if ((name != nullptr && nameBstr == nullptr) ||
            (docString != nullptr && !helpText->empty() && helpBstr == nullptr)) {
            SysFreeString(nameBstr);
            SysFreeString(helpBstr);
            return E_OUTOFMEMORY;
        }
        if (name != nullptr) {
            *name = nameBstr;
        }
        if (docString != nullptr) {
            *docString = helpBstr;
        }
        if (helpContext != nullptr) {
            *helpContext = 0;
        }
        if (helpFile != nullptr) {
            *helpFile = nullptr;
        }
        return S_OK;
    }

    void ReleaseTypeAttr(TYPEATTR*) override {}
    void ReleaseFuncDesc(FUNCDESC*) override {}

private:
    bool Supports(REFIID iid) const override { return iid == IID_ITypeInfo; }

    // A VARIANT by value, or a pointer to one for a parameter the function writes.
    ELEMDESC Parameter(ParameterKind kind) {
        if (kind == ParameterKind::In) {
            return {{nullptr, VT_VARIANT}, {nullptr, PARAMFLAG_FIN}};
        }
        std::uint16_t flags = PARAMFLAG_FOUT;
        if (kind == ParameterKind::InOut) {
            flags |= PARAMFLAG_FIN;
        }
        return {{&variant_, VT_PTR}, {nullptr, flags}};
    }

    // The first function of `member`: a property's get and put share their id and name.
    const FunctionDescription* Find(MEMBERID member) const {
        for (const FunctionDescription& function : description_.functions) {
            if (function.id == member) {
                return &function;
            }
        }
        return nullptr;
    }

    InterfaceDescription description_;
    TYPEATTR attributes_{};
    TYPEDESC variant_{nullptr, VT_VARIANT}; // what a VARIANT* parameter points at
    std::vector<std::vector<ELEMDESC>> parameters_;
    std::vector<FUNCDESC> functions_;
};

} // namespace

HRESULT CreateTypeInfo(ServerLock& server, InterfaceDescription description, ITypeInfo** typeInfo) {
    if (typeInfo == nullptr) {
        return E_POINTER;
    }
    *typeInfo = nullptr;
    TableTypeInfo* created = nullptr;
    try {
        created = new TableTypeInfo(server, std::move(description));
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
    created->AddRef();
    *typeInfo = created;
    return S_OK;
}

} // namespace automation

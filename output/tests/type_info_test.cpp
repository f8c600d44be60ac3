// Each class's type information as a client that knows nothing of the module reads it: through
// IDispatch::GetTypeInfo on an object created by class id. The expectations are the members of
// the classes' interfaces as the module documents them: dispatch ids, kinds, parameters and help
// strings.
#include "platform/automation/type_info.h"

#include "output/tests/registered_module.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace testing_output;

// A parameter as type information gives it: a VARIANT in, a pointer to one out, or both.
enum class Passed { In, Out, InOut };

struct Function {
    MEMBERID id;
    std::int16_t offset;
    VARTYPE result;
    std::vector<Passed> parameters;
    std::string help;
};

std::string TakeText(BSTR text) {
    std::string taken = automation::TextFromBstr(text);
    SysFreeString(text);
    return taken;
}

Passed PassedOf(const ELEMDESC& parameter) {
    const std::uint16_t flags = parameter.paramdesc.wParamFlags;
    if (parameter.tdesc.vt == VT_VARIANT && flags == PARAMFLAG_FIN) {
        return Passed::In;
    }
    EXPECT_EQ(parameter.tdesc.vt, VT_PTR);
    EXPECT_NE(parameter.tdesc.lptdesc, nullptr);
    if (parameter.tdesc.lptdesc != nullptr) {
        EXPECT_EQ(parameter.tdesc.lptdesc->vt, VT_VARIANT);
    }
    EXPECT_NE(flags & PARAMFLAG_FOUT, 0);
    return (flags & PARAMFLAG_FIN) != 0 ? Passed::InOut : Passed::Out;
}

// Every function the type information describes, by name and kind, each also checked against the
// object's own IDispatch: its name gives its dispatch id there too.
std::map<std::pair<std::string, INVOKEKIND>, Function> FunctionsOf(ITypeInfo& typeInfo,
                                                                   IDispatch& object) {
    TYPEATTR* attributes = nullptr;
    EXPECT_EQ(typeInfo.GetTypeAttr(&attributes), S_OK);
    std::map<std::pair<std::string, INVOKEKIND>, Function> functions;
    if (attributes == nullptr) {
        return functions;
    }
    for (std::uint32_t index = 0; index < attributes->cFuncs; ++index) {
        FUNCDESC* description = nullptr;
        EXPECT_EQ(typeInfo.GetFuncDesc(index, &description), S_OK);
        if (description == nullptr) {
            continue;
        }
        EXPECT_EQ(description->funckind, FUNC_DISPATCH);
        BSTR name = nullptr;
        std::uint32_t count = 0;
        EXPECT_EQ(typeInfo.GetNames(description->memid, &name, 1, &count), S_OK);
        std::u16string wide(name != nullptr ? name : u"");
        const std::string text = TakeText(name);
        OLECHAR* names[] = {wide.data()};
        DISPID id = DISPID_UNKNOWN;
        EXPECT_EQ(object.GetIDsOfNames(IID_NULL, names, 1, 0, &id), S_OK) << text;
        EXPECT_EQ(id, description->memid) << text;
        BSTR help = nullptr;
        EXPECT_EQ(typeInfo.GetDocumentation(description->memid, nullptr, &help, nullptr, nullptr),
                  S_OK);
        Function function{description->memid,
                          description->oVft,
                          description->elemdescFunc.tdesc.vt,
                          {},
                          TakeText(help)};
        for (std::int16_t p = 0; p < description->cParams; ++p) {
            function.parameters.push_back(PassedOf(description->lprgelemdescParam[p]));
        }
        functions.emplace(std::pair(text, description->invkind), function);
        typeInfo.ReleaseFuncDesc(description);
    }
    typeInfo.ReleaseTypeAttr(attributes);
    return functions;
}

struct Expected {
    const char* name;
    INVOKEKIND kind;
    MEMBERID id;
    std::size_t slot;
    std::vector<Passed> parameters;
};

struct ClassCase {
    const char* name;
    const CLSID& classId;
    const IID& interfaceId;
    const char* interfaceName;
    std::size_t lastSlot; // functions run from slot 7 to this one, one description each
    std::vector<Expected> members;
};

constexpr auto kIn = Passed::In;
constexpr auto kOut = Passed::Out;
constexpr auto kInOut = Passed::InOut;

const ClassCase kClasses[] = {
    {"Template",
     output::CLSID_Template,
     output::IID_ITemplate,
     "ITemplate",
     39,
     {{"Server", INVOKE_PROPERTYGET, 1, 7, {}},
      {"ErrorText", INVOKE_FUNC, 4, 10, {kIn, kOut}},
      {"LogicIf", INVOKE_PROPERTYGET, 5, 11, {}},
      {"LogicIf", INVOKE_PROPERTYPUT, 5, 12, {kIn}},
      {"FileRead", INVOKE_FUNC, 13, 26, {kOut, kIn}},
      {"SubToken", INVOKE_FUNC, 16, 29, {kIn, kIn}},
      {"GetCRC", INVOKE_FUNC, 23, 36, {kOut, kOut}},
      {"Canvas", INVOKE_FUNC, 24, 37, {kOut, kIn}},
      {"TextRead", INVOKE_FUNC, 25, 38, {kOut, kIn}},
      {"TextWrite", INVOKE_FUNC, 26, 39, {kOut, kOut}}}},
    {"Canvas",
     output::CLSID_Canvas,
     output::IID_ICanvas,
     "ICanvas",
     66,
     {{"ClassVer", INVOKE_PROPERTYGET, 3, 9, {}},
      {"PageTotal", INVOKE_PROPERTYGET, 5, 11, {}},
      {"Page", INVOKE_PROPERTYPUT, 6, 13, {kIn}},
      {"Measure", INVOKE_FUNC, 28, 52, {kIn, kOut, kOut}},
      {"Draw", INVOKE_FUNC, 37, 62, {kOut, kIn, kInOut, kIn}},
      {"TransStop", INVOKE_FUNC, 41, 66, {kOut, kIn}}}},
    {"Preview",
     output::CLSID_Preview,
     output::IID_IPreview,
     "IPreview",
     24,
     {{"Get", INVOKE_FUNC, 7, 13, {kOut, kIn, kOut}},
      {"Count", INVOKE_PROPERTYGET, 0xB, 17, {}},
      {"Open", INVOKE_FUNC, 0xC, 18, {kOut, kIn}},
      {"Refresh", INVOKE_FUNC, 0xF, 19, {kOut, kIn}},
      {"Close", INVOKE_FUNC, 0xE, 23, {}},
      {"Dialog", INVOKE_FUNC, 0x12, 24, {kOut, kIn, kIn, kInOut, kInOut, kInOut, kInOut}}}},
    {"Graph",
     output::CLSID_Graph,
     output::IID_IGraph,
     "IGraph",
     55,
     {{"ClassName", INVOKE_PROPERTYGET, 2, 8, {}},
      {"Draw", INVOKE_FUNC, 6, 12, {kOut, kIn, kIn, kInOut, kIn}},
      {"GetValue", INVOKE_FUNC, 13, 19, {kOut, kIn, kIn, kOut}},
      {"RotateX", INVOKE_PROPERTYGET, 15, 21, {}},
      {"RotateX", INVOKE_PROPERTYPUT, 15, 22, {kIn}},
      {"SetTitle", INVOKE_FUNC, 36, 55, {kIn, kIn, kIn, kIn, kIn}}}},
};

class OutputTypeInfo : public RegisteredModule {};

TEST_F(OutputTypeInfo, EachClassDescribesItsInterfaceMemberByMember) {
    for (const ClassCase& c : kClasses) {
        SCOPED_TRACE(c.name);
        auto object = Create<IDispatch>(c.classId, IID_IDispatch);
        ASSERT_NE(object, nullptr);
        std::uint32_t count = 0;
        ASSERT_EQ(object->GetTypeInfoCount(&count), S_OK);
        EXPECT_EQ(count, 1u);
        ITypeInfo* other = reinterpret_cast<ITypeInfo*>(object.Get());
        EXPECT_EQ(object->GetTypeInfo(1, 0, &other), DISP_E_BADINDEX);
        EXPECT_EQ(other, nullptr);
        ITypeInfo* raw = nullptr;
        ASSERT_EQ(object->GetTypeInfo(0, 0, &raw), S_OK);
        auto typeInfo = automation::InterfacePointer<ITypeInfo>::Adopt(raw);

        TYPEATTR* attributes = nullptr;
        ASSERT_EQ(typeInfo->GetTypeAttr(&attributes), S_OK);
        EXPECT_EQ(attributes->guid, c.interfaceId);
        EXPECT_EQ(attributes->typekind, TKIND_DISPATCH);
        EXPECT_EQ(attributes->wTypeFlags & TYPEFLAG_FDUAL, TYPEFLAG_FDUAL);
        EXPECT_EQ(attributes->cFuncs, c.lastSlot - 6);
        typeInfo->ReleaseTypeAttr(attributes);

        BSTR name = nullptr;
        BSTR help = nullptr;
        ASSERT_EQ(typeInfo->GetDocumentation(MEMBERID_NIL, &name, &help, nullptr, nullptr), S_OK);
        EXPECT_EQ(TakeText(name), c.interfaceName);
        EXPECT_EQ(TakeText(help), std::string(c.interfaceName) + " Interface");

        const auto functions = FunctionsOf(*typeInfo.Get(), *object.Get());
        EXPECT_EQ(functions.size(), c.lastSlot - 6) << "a name and kind described twice";
        // The descriptions together fill the interface's slots after IDispatch's, once each.
        std::vector<bool> offsets(c.lastSlot + 1, false);
        for (const auto& [key, function] : functions) {
            SCOPED_TRACE(key.first);
            const auto slot = static_cast<std::size_t>(function.offset) / sizeof(void*);
            ASSERT_GE(slot, 7u);
            ASSERT_LE(slot, c.lastSlot);
            EXPECT_FALSE(offsets[slot]);
            offsets[slot] = true;
            EXPECT_EQ(function.result, key.second == INVOKE_PROPERTYGET ? VT_VARIANT : VT_VOID);
            EXPECT_EQ(function.help,
                      (key.second == INVOKE_FUNC ? "method " : "property ") + key.first);
        }
        for (const Expected& e : c.members) {
            SCOPED_TRACE(std::string(e.name) + " " + std::to_string(e.kind));
            const auto found = functions.find({e.name, e.kind});
            ASSERT_NE(found, functions.end());
            EXPECT_EQ(found->second.id, e.id);
            EXPECT_EQ(found->second.offset, static_cast<std::int16_t>(e.slot * sizeof(void*)));
            EXPECT_EQ(found->second.parameters, e.parameters);
        }
        // A read-only property has no put.
        EXPECT_EQ(functions.count({"Server", INVOKE_PROPERTYPUT}), 0u);
    }
}

} // namespace

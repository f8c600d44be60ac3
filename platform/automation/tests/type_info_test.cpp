// Type information built from a member table: the functions each row gives, and the type
// information object that describes them to a client.
#include "platform/automation/type_info.h"

#include "platform/automation/dispatch_member.h"
#include "platform/automation/text.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

using automation::ParameterKind;

// A dual interface with a read-write and a read-only property and two methods.
struct ISample : IDispatch {
    virtual HRESULT get_Value(VARIANT* pVal) = 0;
    virtual HRESULT put_Value(VARIANT newVal) = 0;
    virtual HRESULT get_Count(VARIANT* pVal) = 0;
    virtual HRESULT Run(VARIANT* Error, VARIANT Name, VARIANT* Size) = 0;
    virtual HRESULT Stop() = 0;
};

inline constexpr IID IID_ISample = automation::GuidLiteral("3C5E1F0A-7B2D-4E8C-9A41-5D6F7A8B9C0D");

using Member = automation::DispatchMember<ISample>;

std::vector<Member> SampleRows() {
    return {
        Member::Property(7, "Value", 1, &ISample::get_Value, &ISample::put_Value),
        Member::Property(9, "Count", 2, &ISample::get_Count),
        // Run's ids are not in slot order, and its Size is read and written.
        Member::Method<&ISample::Run>(10, "Run", 9, {2}),
        Member::Method<&ISample::Stop>(11, "Stop", 3),
    };
}

automation::InterfaceDescription SampleDescription() {
    const std::vector<Member> rows = SampleRows();
    automation::InterfaceDescription description{IID_ISample, "ISample", "ISample Interface",
                                                 automation::FunctionsOf<ISample>(rows)};
    for (automation::FunctionDescription& function : description.functions) {
        function.helpString =
            (function.kind == INVOKE_FUNC ? "method " : "property ") + function.name;
    }
    description.functions.back().helpString.clear(); // Stop has none
    return description;
}

std::string TakeText(BSTR text) {
    std::string taken = automation::TextFromBstr(text);
    SysFreeString(text);
    return taken;
}

TEST(MemberTableRows, GiveTheirFunctionsWithTheirParameters) {
    const std::vector<automation::FunctionDescription> functions =
        automation::FunctionsOf<ISample>(SampleRows());
    struct Expected {
        const char* name;
        DISPID id;
        INVOKEKIND kind;
        std::size_t slot;
        std::vector<ParameterKind> parameters;
    };
    const Expected expected[] = {
        {"Value", 1, INVOKE_PROPERTYGET, 7, {}},
        {"Value", 1, INVOKE_PROPERTYPUT, 8, {ParameterKind::In}},
        {"Count", 2, INVOKE_PROPERTYGET, 9, {}},
        {"Run", 9, INVOKE_FUNC, 10, {ParameterKind::Out, ParameterKind::In, ParameterKind::InOut}},
        {"Stop", 3, INVOKE_FUNC, 11, {}},
    };
    ASSERT_EQ(functions.size(), std::size(expected));
    for (std::size_t i = 0; i < functions.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(functions[i].name, expected[i].name);
        EXPECT_EQ(functions[i].id, expected[i].id);
        EXPECT_EQ(functions[i].kind, expected[i].kind);
        EXPECT_EQ(functions[i].slot, expected[i].slot);
        EXPECT_EQ(functions[i].parameters, expected[i].parameters);
        EXPECT_EQ(functions[i].helpString, "");
    }
}

TEST(MemberTableRows, RefuseAnInOutMarkOnAParameterThatIsNoPointer) {
    for (const std::size_t position : {1u, 3u}) {
        SCOPED_TRACE(position);
        EXPECT_THROW(Member::Method<&ISample::Run>(10, "Run", 9, {position}),
                     std::invalid_argument);
    }
    EXPECT_THROW(Member::Method<&ISample::Stop>(11, "Stop", 3, {0}), std::invalid_argument);
}

class TypeInfoTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(automation::CreateTypeInfo(server, SampleDescription(), &typeInfo), S_OK);
        ASSERT_NE(typeInfo, nullptr);
    }
    void TearDown() override {
        if (typeInfo != nullptr) {
            typeInfo->Release();
        }
    }

    automation::ServerLock server;
    ITypeInfo* typeInfo = nullptr;
};

TEST_F(TypeInfoTest, DescribesEachFunctionInTheDispatchView) {
    TYPEATTR* attributes = nullptr;
    ASSERT_EQ(typeInfo->GetTypeAttr(&attributes), S_OK);
    EXPECT_EQ(attributes->guid, IID_ISample);
    EXPECT_EQ(attributes->typekind, TKIND_DISPATCH);
    EXPECT_EQ(attributes->cFuncs, 5u);
    EXPECT_EQ(attributes->cVars, 0u);
    EXPECT_EQ(attributes->wTypeFlags, TYPEFLAG_FDUAL | TYPEFLAG_FDISPATCHABLE);
    typeInfo->ReleaseTypeAttr(attributes);

    // Each parameter as its type and flags: a VARIANT in, or a pointer to one out or in and out.
    struct Parameter {
        VARTYPE vt;
        std::uint16_t flags;
    };
    const Parameter in{VT_VARIANT, PARAMFLAG_FIN};
    const Parameter out{VT_PTR, PARAMFLAG_FOUT};
    const Parameter inOut{VT_PTR, PARAMFLAG_FIN | PARAMFLAG_FOUT};
    struct Expected {
        MEMBERID memid;
        INVOKEKIND kind;
        std::int16_t offset;
        VARTYPE result;
        std::vector<Parameter> parameters;
    };
    const std::int16_t pointer = sizeof(void*);
    const Expected expected[] = {
        {1, INVOKE_PROPERTYGET, static_cast<std::int16_t>(7 * pointer), VT_VARIANT, {}},
        {1, INVOKE_PROPERTYPUT, static_cast<std::int16_t>(8 * pointer), VT_VOID, {in}},
        {2, INVOKE_PROPERTYGET, static_cast<std::int16_t>(9 * pointer), VT_VARIANT, {}},
        {9, INVOKE_FUNC, static_cast<std::int16_t>(10 * pointer), VT_VOID, {out, in, inOut}},
        {3, INVOKE_FUNC, static_cast<std::int16_t>(11 * pointer), VT_VOID, {}},
    };
    for (std::uint32_t index = 0; index < std::size(expected); ++index) {
        SCOPED_TRACE(index);
        const Expected& e = expected[index];
        FUNCDESC* function = nullptr;
        ASSERT_EQ(typeInfo->GetFuncDesc(index, &function), S_OK);
        EXPECT_EQ(function->memid, e.memid);
        EXPECT_EQ(function->funckind, FUNC_DISPATCH);
        EXPECT_EQ(function->invkind, e.kind);
        EXPECT_EQ(function->oVft, e.offset);
        EXPECT_EQ(function->elemdescFunc.tdesc.vt, e.result);
        ASSERT_EQ(function->cParams, static_cast<std::int16_t>(e.parameters.size()));
        for (std::size_t p = 0; p < e.parameters.size(); ++p) {
            SCOPED_TRACE("parameter " + std::to_string(p));
            const ELEMDESC& parameter = function->lprgelemdescParam[p];
            EXPECT_EQ(parameter.tdesc.vt, e.parameters[p].vt);
            EXPECT_EQ(parameter.paramdesc.wParamFlags, e.parameters[p].flags);
            if (parameter.tdesc.vt == VT_PTR) {
                ASSERT_NE(parameter.tdesc.lptdesc, nullptr);
                EXPECT_EQ(parameter.tdesc.lptdesc->vt, VT_VARIANT);
            }
        }
        typeInfo->ReleaseFuncDesc(function);
    }
    FUNCDESC* beyond = reinterpret_cast<FUNCDESC*>(this);
    EXPECT_EQ(typeInfo->GetFuncDesc(5, &beyond), TYPE_E_ELEMENTNOTFOUND);
    EXPECT_EQ(beyond, nullptr);
}

TEST_F(TypeInfoTest, NamesAndDocumentsTheInterfaceAndItsMembers) {
    struct Expected {
        MEMBERID member;
        const char* name;
        const char* help;
    };
    const Expected expected[] = {{MEMBERID_NIL, "ISample", "ISample Interface"},
                                 {1, "Value", "property Value"},
                                 {2, "Count", "property Count"},
                                 {9, "Run", "method Run"},
                                 {3, "Stop", ""}};
    for (const Expected& e : expected) {
        SCOPED_TRACE(e.name);
        BSTR name = nullptr;
        BSTR help = nullptr;
        std::uint32_t context = 7;
        OLECHAR stale[] = u"stale";
        BSTR file = stale;
        ASSERT_EQ(typeInfo->GetDocumentation(e.member, &name, &help, &context, &file), S_OK);
        EXPECT_EQ(TakeText(name), e.name);
        EXPECT_EQ(help == nullptr, std::string(e.help).empty());
        EXPECT_EQ(TakeText(help), e.help);
        EXPECT_EQ(context, 0u);
        EXPECT_EQ(file, nullptr);
        if (e.member != MEMBERID_NIL) {
            BSTR names[2] = {nullptr, nullptr};
            std::uint32_t count = 9;
            ASSERT_EQ(typeInfo->GetNames(e.member, names, 2, &count), S_OK);
            EXPECT_EQ(count, 1u); // parameters have no names
            EXPECT_EQ(TakeText(names[0]), e.name);
            EXPECT_EQ(names[1], nullptr);
        }
    }
    // Only the name asked for.
    BSTR name = nullptr;
    ASSERT_EQ(typeInfo->GetDocumentation(9, &name, nullptr, nullptr, nullptr), S_OK);
    EXPECT_EQ(TakeText(name), "Run");

    BSTR names[1] = {nullptr};
    std::uint32_t count = 9;
    EXPECT_EQ(typeInfo->GetNames(4, names, 1, &count), TYPE_E_ELEMENTNOTFOUND);
    EXPECT_EQ(count, 0u);
    EXPECT_EQ(typeInfo->GetDocumentation(4, &name, nullptr, nullptr, nullptr),
              TYPE_E_ELEMENTNOTFOUND);
}

// The type information keeps the module that describes itself loaded, and answers for itself
// only.
TEST_F(TypeInfoTest, HoldsItsServerWhileItLives) {
    EXPECT_FALSE(server.Idle());
    void* answer = nullptr;
    EXPECT_EQ(typeInfo->QueryInterface(IID_IDispatch, &answer), E_NOINTERFACE);
    EXPECT_EQ(answer, nullptr);
    ASSERT_EQ(typeInfo->QueryInterface(IID_ITypeInfo, &answer), S_OK);
    EXPECT_EQ(answer, typeInfo);
    EXPECT_EQ(typeInfo->Release(), 1u);
    EXPECT_EQ(typeInfo->Release(), 0u);
    typeInfo = nullptr;
    EXPECT_TRUE(server.Idle());

    EXPECT_EQ(automation::CreateTypeInfo(server, SampleDescription(), nullptr), E_POINTER);
    EXPECT_TRUE(server.Idle());
}

} // namespace

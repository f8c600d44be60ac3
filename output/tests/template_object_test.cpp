// The Template class through its interface and through IDispatch::Invoke, as the program drives
// it for a report.
#include "output/tests/registered_module.h"

#include "platform/testing/file_contents.h"

#include <fstream>

namespace {

using namespace testing_output;

using automation::Variant;

// The template both tests fill, and what it becomes.
constexpr const char* kTemplateText =
    "{\\rtf1{\\info{\\title x}}<if SPOUSE{Spouse: R-SPName}<else>No spouse<end>\\par "
    "LSF\\par $#table ROWS {h}$#entry{~1:~2}$#endentry{t}$#endtable}";
constexpr const char* kFilledText =
    "{\\rtf1{}{Spouse: Bo Lee}\\par 0.5\\par  {h}{2002:100}{2003:}{t}}";

std::filesystem::path WriteTemplate(const std::string& name) {
    const auto file = std::filesystem::current_path() / name;
    std::ofstream(file, std::ios::binary) << kTemplateText;
    return file;
}

class TemplateObject : public RegisteredModule {};

TEST_F(TemplateObject, ReportFillThroughTheInterface) {
    auto object = Create<output::ITemplate>(output::CLSID_Template, output::IID_ITemplate);
    ASSERT_NE(object, nullptr);
    const auto source = WriteTemplate("interface-template.rtf");
    const auto target = std::filesystem::current_path() / "interface-filled.rtf";
    automation::Variant error;
    const auto expectError = [&](std::int32_t code) {
        EXPECT_EQ(error->vt, VT_I4);
        EXPECT_EQ(error->lVal, code);
    };
    const auto put = [&](HRESULT (output::ITemplate::*member)(VARIANT), const char* text) {
        auto value = Variant::FromText(text);
        EXPECT_EQ((object.Get()->*member)(*value), S_OK);
    };

    object->FileWrite(&error, *automation::Variant());
    expectError(1001);
    put(&output::ITemplate::put_LogicIf, "<if");
    put(&output::ITemplate::put_LogicElse, "<else>");
    put(&output::ITemplate::put_LogicEnd, "<end>");
    put(&output::ITemplate::put_LogicEnd, ""); // an empty marker keeps the old one
    automation::Variant marker;
    object->get_LogicEnd(&marker);
    EXPECT_EQ(TextOf(*marker), "<end>");

    auto name = Variant::FromText(source.string());
    object->FileRead(&error, *name);
    expectError(0);
    object->KillInfo(&error);
    expectError(0);
    object->SubToken(*Variant::FromText("SPOUSE"), *Variant::FromText(""));
    object->SubToken(*Variant::FromText("R-SPName"), *Variant::FromText("Bo Lee"));
    // numbers become text by the module's rules
    object->SubToken(*Variant::FromText("LSF"), *Variant::FromDouble(0.5));
    object->DoLogic(&error);
    expectError(0);
    object->DoSub(&error);
    expectError(0);
    object->TableClear();
    auto entry = Variant::FromText("2002~100|2003");
    object->TableEntry(*entry);
    name = Variant::FromText("ROWS");
    object->DoTable(&error, *name);
    expectError(0);
    name = Variant::FromText(target.string());
    object->FileWrite(&error, *name);
    expectError(0);
    EXPECT_EQ(testkit::ReadFileBytes(target), kFilledText);

    automation::Variant crc;
    object->GetCRC(&error, &crc);
    expectError(0);
    EXPECT_EQ(crc->vt, VT_I4);
    EXPECT_EQ(crc->lVal, [&] {
        auto other = Create<output::ITemplate>(output::CLSID_Template, output::IID_ITemplate);
        automation::Variant otherError;
        automation::Variant otherCrc;
        auto file = Variant::FromText(target.string());
        other->FileRead(&otherError, *file);
        other->GetCRC(&otherError, &otherCrc);
        return otherCrc->lVal;
    }());

    object->Reset();
    object->GetCRC(&error, &crc);
    expectError(1001);
    EXPECT_EQ(crc->lVal, 0);
    object->get_LogicEnd(&marker);
    EXPECT_EQ(TextOf(*marker), "$#endif");
}

TEST_F(TemplateObject, ReportFillThroughInvoke) {
    auto object = Create<IDispatch>(output::CLSID_Template, IID_IDispatch);
    ASSERT_NE(object, nullptr);
    Invoker invoke(object.Get());
    const auto source = WriteTemplate("invoke-template.rtf");
    const auto target = std::filesystem::current_path() / "invoke-filled.rtf";

    automation::Variant error;
    VARIANT errorOut = automation::ReferenceTo(&error);
    const auto expectError = [&](HRESULT outcome, std::int32_t code) {
        EXPECT_EQ(outcome, S_OK);
        EXPECT_EQ(error->vt, VT_I4);
        EXPECT_EQ(error->lVal, code);
    };
    struct Put {
        DISPID member;
        const char* text;
    };
    const Put markers[] = {{output::dispidLogicIf, "<if"},
                           {output::dispidLogicElse, "<else>"},
                           {output::dispidLogicEnd, "<end>"}};
    for (const auto& m : markers) {
        auto text = Variant::FromText(m.text);
        EXPECT_EQ(invoke.Call(m.member, DISPATCH_PROPERTYPUT, {&text}), S_OK);
    }
    automation::Variant marker;
    EXPECT_EQ(invoke.Call(output::dispidLogicIf, DISPATCH_PROPERTYGET, {}, &marker), S_OK);
    EXPECT_EQ(TextOf(*marker), "<if");

    auto missing = Variant::FromText((std::filesystem::current_path() / "no-such.rtf").string());
    expectError(invoke.Call(output::dispidFileRead, DISPATCH_METHOD, {&errorOut, &missing}), 1011);

    auto sourceName = Variant::FromText(source.string());
    expectError(invoke.Call(output::dispidFileRead, DISPATCH_METHOD, {&errorOut, &sourceName}), 0);
    expectError(invoke.Call(output::dispidKillInfo, DISPATCH_METHOD, {&errorOut}), 0);

    std::vector<std::pair<Variant, Variant>> tokens;
    tokens.emplace_back(Variant::FromText("SPOUSE"), Variant::FromText(""));
    tokens.emplace_back(Variant::FromText("R-SPName"), Variant::FromText("Bo Lee"));
    tokens.emplace_back(Variant::FromText("LSF"), Variant::FromDouble(0.5));
    for (auto& [key, data] : tokens) {
        EXPECT_EQ(invoke.Call(output::dispidSubToken, DISPATCH_METHOD, {&key, &data}), S_OK);
    }
    expectError(invoke.Call(output::dispidDoLogic, DISPATCH_METHOD, {&errorOut}), 0);
    expectError(invoke.Call(output::dispidDoSub, DISPATCH_METHOD, {&errorOut}), 0);
    EXPECT_EQ(invoke.Call(output::dispidTableClear, DISPATCH_METHOD, {}), S_OK);
    auto entry = Variant::FromText("2002~100|2003");
    EXPECT_EQ(invoke.Call(output::dispidTableEntry, DISPATCH_METHOD, {&entry}), S_OK);
    auto table = Variant::FromText("ROWS");
    expectError(invoke.Call(output::dispidDoTable, DISPATCH_METHOD, {&errorOut, &table}), 0);
    auto targetName = Variant::FromText(target.string());
    expectError(invoke.Call(output::dispidFileWrite, DISPATCH_METHOD, {&errorOut, &targetName}), 0);
    EXPECT_EQ(testkit::ReadFileBytes(target), kFilledText);

    automation::Variant crc;
    VARIANT crcOut = automation::ReferenceTo(&crc);
    expectError(invoke.Call(output::dispidGetCRC, DISPATCH_METHOD, {&errorOut, &crcOut}), 0);
    EXPECT_EQ(crc->vt, VT_I4);
    EXPECT_GE(crc->lVal, 0);

    EXPECT_EQ(invoke.Call(output::dispidReset, DISPATCH_METHOD, {}), S_OK);
    expectError(invoke.Call(output::dispidDoSub, DISPATCH_METHOD, {&errorOut}), 1001);
    expectError(invoke.Call(output::dispidGetCRC, DISPATCH_METHOD, {&errorOut, &crcOut}), 1001);
    EXPECT_EQ(crc->lVal, 0);
}

// A template held in memory is filled as text, with no file: TextRead takes it whole, and
// TextWrite gives the filled document back, through the interface and through Invoke alike.
TEST_F(TemplateObject, ATemplateInMemoryIsFilledAsText) {
    auto object = Create<output::ITemplate>(output::CLSID_Template, output::IID_ITemplate);
    ASSERT_NE(object, nullptr);
    automation::Variant error;
    automation::Variant text = Variant::FromText("left over");
    object->TextWrite(&error, &text);
    EXPECT_EQ(error->lVal, 1001);
    EXPECT_EQ(TextOf(*text), "");

    object->put_LogicIf(*Variant::FromText("<if"));
    object->put_LogicElse(*Variant::FromText("<else>"));
    object->put_LogicEnd(*Variant::FromText("<end>"));
    object->TextRead(&error, *Variant::FromText(kTemplateText));
    EXPECT_EQ(error->lVal, 0);
    object->KillInfo(&error);
    object->SubToken(*Variant::FromText("SPOUSE"), *Variant::FromText(""));
    // Text outside ASCII goes in and out as the system's Windows-1252.
    object->SubToken(*Variant::FromText("R-SPName"), *Variant::FromText("Bo L\xE9"
                                                                        "e"));
    object->SubToken(*Variant::FromText("LSF"), *Variant::FromDouble(0.5));
    object->DoLogic(&error);
    object->DoSub(&error);
    object->TableClear();
    object->TableEntry(*Variant::FromText("2002~100|2003"));
    object->DoTable(&error, *Variant::FromText("ROWS"));
    object->TextWrite(&error, &text);
    EXPECT_EQ(error->lVal, 0);
    EXPECT_EQ(TextOf(*text), "{\\rtf1{}{Spouse: Bo L\xE9"
                             "e}\\par 0.5\\par  {h}{2002:100}{2003:}{t}}");

    auto dispatch = Create<IDispatch>(output::CLSID_Template, IID_IDispatch);
    ASSERT_NE(dispatch, nullptr);
    Invoker invoke(dispatch.Get());
    VARIANT errorOut = automation::ReferenceTo(&error);
    auto document = Variant::FromText("{\\rtf1 LSF}");
    EXPECT_EQ(invoke.Call(output::dispidTextRead, DISPATCH_METHOD, {&errorOut, &document}), S_OK);
    EXPECT_EQ(error->lVal, 0);
    automation::Variant back;
    VARIANT backOut = automation::ReferenceTo(&back);
    EXPECT_EQ(invoke.Call(output::dispidTextWrite, DISPATCH_METHOD, {&errorOut, &backOut}), S_OK);
    EXPECT_EQ(error->lVal, 0);
    EXPECT_EQ(TextOf(*back), "{\\rtf1 LSF}");
}

TEST_F(TemplateObject, ANameWithANulIsABadFileName) {
    auto object = Create<output::ITemplate>(output::CLSID_Template, output::IID_ITemplate);
    ASSERT_NE(object, nullptr);
    automation::Variant error;
    auto name = Variant::FromText(WriteTemplate("nul-template.rtf").string());
    object->FileRead(&error, *name);
    ASSERT_EQ(error->lVal, 0);

    const auto target = std::filesystem::current_path() / "nul-target.rtf";
    std::filesystem::remove(target);
    name = Variant::FromText(target.string() + std::string("\0.bak", 5));
    object->FileWrite(&error, *name);
    EXPECT_EQ(error->lVal, 1021);
    EXPECT_FALSE(std::filesystem::exists(target));
}

} // namespace

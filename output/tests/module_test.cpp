// The module as a program meets it: registered, found through the registry, created by class id
// or ProgID, and called through its interfaces and through IDispatch::Invoke.
#include "output/tests/registered_module.h"

#include "platform/automation/type_info.h"
#include "platform/testing/file_contents.h"
#include "platform/testing/folder_fault.h"

#include <dlfcn.h>
#include <spawn.h>
#include <sys/wait.h>

#include <optional>
#include <utility>
#include <vector>

extern char** environ;

namespace {

using namespace testing_output;

using automation::Variant;

struct ClassCase {
    const char* name;
    const CLSID& classId;
    const IID& interfaceId;
    const char16_t* progId;
    const char16_t* versionIndependentProgId;
    const char* className;
    double classVer;
    std::int32_t ownCode;
    const char* ownText;
    std::int32_t otherClassCode;
};

const ClassCase kClasses[] = {
    {"Template", output::CLSID_Template, output::IID_ITemplate, u"Output.Template.1",
     u"Output.Template", "Output.Template", 1.0, 1011, "Read failure.", 2011},
    {"Canvas", output::CLSID_Canvas, output::IID_ICanvas, u"Output.Canvas.1", u"Output.Canvas",
     "Output.Canvas", static_cast<double>(2003.02f), 2061, "Transaction error.", 1001},
    {"Preview", output::CLSID_Preview, output::IID_IPreview, u"Output.Preview.1", u"Output.Preview",
     "Output.Preview", 1.0, 3021, "Invalid parent window.", 4001},
    {"Graph", output::CLSID_Graph, output::IID_IGraph, u"Output.Graph.1", u"Output.Graph",
     "Output.Graph", 1.0, 4091, "Cannot add duplicate.", 1001},
};

// Runs register-server with `arguments` in this process's environment; its exit status.
int RunRegisterServer(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), REGISTER_SERVER);
    std::vector<char*> argv;
    for (std::string& argument : arguments) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    pid_t child = 0;
    if (posix_spawn(&child, REGISTER_SERVER, nullptr, nullptr, argv.data(), environ) != 0) {
        return -1;
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Checks the common members of an object of class `c`.
void ExpectCommonMembers(output::IOutputObject* object, const ClassCase& c) {
    automation::Variant value;
    ASSERT_EQ(object->get_Server(&value), S_OK);
    EXPECT_EQ(TextOf(*value), std::filesystem::canonical(OUTPUT_MODULE).string());
    ASSERT_EQ(object->get_ClassName(&value), S_OK);
    EXPECT_EQ(TextOf(*value), c.className);
    ASSERT_EQ(object->get_ClassVer(&value), S_OK);
    EXPECT_EQ(value->vt, VT_R8);
    EXPECT_EQ(value->dblVal, c.classVer);

    const std::pair<std::int32_t, const char*> texts[] = {
        {0, "OK."}, {c.ownCode, c.ownText}, {c.otherClassCode, "UNKNOWN."}, {-1, "UNKNOWN."}};
    for (const auto& [code, text] : texts) {
        SCOPED_TRACE(code);
        ASSERT_EQ(object->ErrorText(*Variant::FromInt(code), &value), S_OK);
        EXPECT_EQ(TextOf(*value), text);
    }
}

class OutputModule : public RegisteredModule {};

TEST_F(OutputModule, EachClassIsCreatedByClassIdAndByBothProgIds) {
    for (const auto& c : kClasses) {
        SCOPED_TRACE(c.name);
        CLSID byProgId{};
        ASSERT_EQ(CLSIDFromProgID(c.progId, &byProgId), S_OK);
        EXPECT_EQ(byProgId, c.classId);
        CLSID byIndependentProgId{};
        ASSERT_EQ(CLSIDFromProgID(c.versionIndependentProgId, &byIndependentProgId), S_OK);
        EXPECT_EQ(byIndependentProgId, c.classId);

        for (const CLSID& classId : {c.classId, byProgId, byIndependentProgId}) {
            auto object = Create<output::IOutputObject>(classId, c.interfaceId);
            ASSERT_NE(object, nullptr);
            ExpectCommonMembers(object.Get(), c);
        }
    }
}

TEST_F(OutputModule, ObjectsAnswerForTheirOwnInterfacesOnly) {
    auto object = Create<IUnknown>(output::CLSID_Graph, IID_IUnknown);
    ASSERT_NE(object, nullptr);
    void* answer = nullptr;
    EXPECT_EQ(object->QueryInterface(IID_IDispatch, &answer), S_OK);
    static_cast<IUnknown*>(answer)->Release();
    EXPECT_EQ(object->QueryInterface(output::IID_IGraph, &answer), S_OK);
    static_cast<IUnknown*>(answer)->Release();
    EXPECT_EQ(object->QueryInterface(output::IID_ITemplate, &answer), E_NOINTERFACE);
    EXPECT_EQ(answer, nullptr);

    void* wrong = nullptr;
    EXPECT_EQ(CoCreateInstance(output::CLSID_Graph, nullptr, CLSCTX_INPROC_SERVER,
                               output::IID_ICanvas, &wrong),
              E_NOINTERFACE);
    EXPECT_EQ(CoCreateInstance(output::CLSID_Graph, object.Get(), CLSCTX_INPROC_SERVER,
                               IID_IUnknown, &wrong),
              CLASS_E_NOAGGREGATION);
}

TEST_F(OutputModule, RegistrationWritesTheClassKeys) {
    const auto registry = Registry();
    const std::string classKey = "CLSID\\{8C6D1CEA-57A3-41E5-9319-3DE36A5DBF0E}";
    struct Entry {
        std::string key;
        std::string name;
        std::string value;
    };
    const Entry entries[] = {
        {"Output.Graph.1", "", "Graph Class"},
        {"Output.Graph.1\\CLSID", "", "{8C6D1CEA-57A3-41E5-9319-3DE36A5DBF0E}"},
        {"Output.Graph", "", "Graph Class"},
        {"Output.Graph\\CLSID", "", "{8C6D1CEA-57A3-41E5-9319-3DE36A5DBF0E}"},
        {"Output.Graph\\CurVer", "", "Output.Graph.1"},
        {classKey, "", "Graph Class"},
        {classKey + "\\ProgID", "", "Output.Graph.1"},
        {classKey + "\\VersionIndependentProgID", "", "Output.Graph"},
        {classKey + "\\InprocServer32", "", std::filesystem::canonical(OUTPUT_MODULE).string()},
        {classKey + "\\InprocServer32", "ThreadingModel", "Apartment"},
        {classKey + "\\TypeLib", "", "{8F12DD40-08FB-11D6-9EFA-00105AE53874}"},
        {"CLSID\\{8F12DD4E-08FB-11D6-9EFA-00105AE53874}", "", "Template Class"},
        {"TypeLib\\{8F12DD40-08FB-11D6-9EFA-00105AE53874}\\1.0", "", "Output 1.0 Type Library"},
        {"TypeLib\\{8F12DD40-08FB-11D6-9EFA-00105AE53874}\\1.0\\0\\win32", "",
         std::filesystem::canonical(OUTPUT_MODULE).string()},
        {"TypeLib\\{8F12DD40-08FB-11D6-9EFA-00105AE53874}\\1.0\\FLAGS", "", "0"},
    };
    for (const auto& entry : entries) {
        SCOPED_TRACE(entry.key + " " + entry.name);
        EXPECT_EQ(registry.Value(entry.key, entry.name), entry.value);
    }
    EXPECT_TRUE(registry.HasKey(classKey + "\\Programmable"));
}

TEST_F(OutputModule, RegistrationReplacesTheClassKeyWhole) {
    auto registry = Registry();
    const std::string classKey = "CLSID\\" + automation::GuidText(output::CLSID_Template);
    registry.SetValue(classKey + "\\Stale", "", "from an older version");
    ASSERT_TRUE(registry.Save(RegistryFile()));
    ASSERT_EQ(automation::RegisterServer(OUTPUT_MODULE), S_OK);
    EXPECT_FALSE(Registry().HasKey(classKey + "\\Stale"));
    EXPECT_EQ(Registry().Value(classKey), "Template Class");
}

TEST_F(OutputModule, UnregistrationRemovesTheClassesAndNothingElse) {
    auto registry = Registry();
    registry.SetValue("CLSID\\{00000000-0000-0000-0000-000000000001}", "", "Another server");
    ASSERT_TRUE(registry.Save(RegistryFile()));

    ASSERT_EQ(automation::UnregisterServer(OUTPUT_MODULE), S_OK);
    const auto after = Registry();
    for (const auto& c : kClasses) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(after.HasKey("CLSID\\" + automation::GuidText(c.classId)));
        CLSID classId{};
        EXPECT_EQ(CLSIDFromProgID(c.progId, &classId), CO_E_CLASSSTRING);
        EXPECT_EQ(CLSIDFromProgID(c.versionIndependentProgId, &classId), CO_E_CLASSSTRING);
        void* object = nullptr;
        EXPECT_EQ(CoCreateInstance(c.classId, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown, &object),
                  REGDB_E_CLASSNOTREG);
    }
    EXPECT_FALSE(after.HasKey("TypeLib\\" + automation::GuidText(output::LIBID_OUTPUTLib)));
    EXPECT_EQ(after.Value("CLSID\\{00000000-0000-0000-0000-000000000001}"), "Another server");
}

TEST_F(OutputModule, MissingRegistryEntriesLeaveTheNamesEmpty) {
    auto registry = Registry();
    registry.DeleteKey("CLSID\\" + automation::GuidText(output::CLSID_Preview) +
                       "\\VersionIndependentProgID");
    ASSERT_TRUE(registry.Save(RegistryFile()));
    auto preview = Create<output::IPreview>(output::CLSID_Preview, output::IID_IPreview);
    ASSERT_NE(preview, nullptr);
    automation::Variant name;
    preview->get_ClassName(&name);
    EXPECT_EQ(TextOf(*name), "");
    preview->get_Server(&name);
    EXPECT_NE(TextOf(*name), "");
}

TEST_F(OutputModule, ServersThatCannotBeFoundAreReported) {
    auto registry = Registry();
    const std::string server =
        "CLSID\\" + automation::GuidText(output::CLSID_Canvas) + "\\InprocServer32";
    registry.SetValue(server, "", "/nonexistent/liboutput.so");
    ASSERT_TRUE(registry.Save(RegistryFile()));
    void* object = nullptr;
    EXPECT_EQ(CoCreateInstance(output::CLSID_Canvas, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                               &object),
              CO_E_DLLNOTFOUND);
    EXPECT_EQ(CoCreateInstance(output::CLSID_Canvas, nullptr, 0x4, IID_IUnknown, &object),
              REGDB_E_CLASSNOTREG); // only in-process servers exist here
    EXPECT_EQ(automation::RegisterServer("/nonexistent/liboutput.so"), CO_E_DLLNOTFOUND);

    // A bare name would be looked up on the library path, where any library of that name could
    // answer; the C library stands in for one that is found there.
    registry.SetValue(server, "", "libc.so.6");
    ASSERT_TRUE(registry.Save(RegistryFile()));
    EXPECT_EQ(CoCreateInstance(output::CLSID_Canvas, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                               &object),
              CO_E_DLLNOTFOUND);
    EXPECT_EQ(automation::RegisterServer("libc.so.6"), CO_E_DLLNOTFOUND);
}

TEST_F(OutputModule, ARegistryThatCannotBeReadIsNeverSavedOver) {
    // The registry is a link to a folder: it exists, and reading it fails, as it would without
    // permission (which these tests, run by any user, cannot take away).
    const std::filesystem::path folder = RegistryFile().string() + ".folder";
    const std::filesystem::path link = RegistryFile().string() + ".link";
    std::filesystem::create_directories(folder);
    std::filesystem::remove(link);
    std::filesystem::create_directory_symlink(folder, link);
    setenv("TALLOWMERE_REGISTRY", link.c_str(), 1);

    EXPECT_EQ(automation::RegisterServer(OUTPUT_MODULE), SELFREG_E_CLASS);
    EXPECT_EQ(automation::UnregisterServer(OUTPUT_MODULE), SELFREG_E_CLASS);
    EXPECT_NE(RunRegisterServer({OUTPUT_MODULE}), 0);
    EXPECT_NE(RunRegisterServer({"-u", OUTPUT_MODULE}), 0);
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_TRUE(std::filesystem::is_empty(folder));

    setenv("TALLOWMERE_REGISTRY", RegistryFile().c_str(), 1);
    EXPECT_EQ(RunRegisterServer({OUTPUT_MODULE}), 0);
}

// The registry's folder read-only or full for register-server (through the preloaded file
// calls): registration and unregistration fail with a non-zero status and leave the registry as
// it was; once the folder takes writes again, they succeed.
TEST_F(OutputModule, ARegistryFolderThatCannotBeWrittenFailsRegistrationAndKeepsTheStore) {
    const std::filesystem::path folder = RegistryFile().parent_path() / "registry folder";
    const std::filesystem::path file = folder / "registry.ini";
    std::filesystem::create_directories(folder);
    setenv("TALLOWMERE_REGISTRY", file.c_str(), 1);
    ASSERT_EQ(RunRegisterServer({OUTPUT_MODULE}), 0);
    const std::string before = testkit::ReadFileBytes(file);
    for (const testkit::FolderFault fault :
         {testkit::FolderFault::ReadOnly, testkit::FolderFault::Full}) {
        SCOPED_TRACE(testkit::FolderFaultSetting(fault, folder));
        std::vector<std::pair<std::string, std::optional<std::string>>> kept;
        for (const auto& [name, value] : testkit::FolderFaultEnvironment(fault, folder)) {
            const char* old = std::getenv(name.c_str());
            kept.emplace_back(name,
                              old != nullptr ? std::optional<std::string>(old) : std::nullopt);
            setenv(name.c_str(), value.c_str(), 1);
        }
        EXPECT_NE(RunRegisterServer({"-u", OUTPUT_MODULE}), 0);
        EXPECT_NE(RunRegisterServer({OUTPUT_MODULE}), 0);
        for (const auto& [name, value] : kept) {
            if (value) {
                setenv(name.c_str(), value->c_str(), 1);
            } else {
                unsetenv(name.c_str());
            }
        }
        EXPECT_EQ(testkit::ReadFileBytes(file), before);
    }
    EXPECT_EQ(RunRegisterServer({"-u", OUTPUT_MODULE}), 0);
    EXPECT_FALSE(automation::Registry::Load(file)->HasKey("Output.Template"));
    setenv("TALLOWMERE_REGISTRY", RegistryFile().c_str(), 1);
}

// Type information held by a client counts as an object: its descriptions are the module's.
TEST_F(OutputModule, ModuleUnloadsOnlyWhenNoObjectOrTypeInformationIsLeft) {
    const std::string path = std::filesystem::canonical(OUTPUT_MODULE).string();
    const auto loaded = [&] {
        void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_NOLOAD);
        if (handle != nullptr) {
            dlclose(handle);
        }
        return handle != nullptr;
    };
    auto object = Create<IDispatch>(output::CLSID_Template, IID_IDispatch);
    ASSERT_NE(object, nullptr);
    CoFreeUnusedLibraries();
    EXPECT_TRUE(loaded());
    ITypeInfo* typeInfo = nullptr;
    ASSERT_EQ(object->GetTypeInfo(0, 0, &typeInfo), S_OK);
    object.Reset();
    CoFreeUnusedLibraries();
    EXPECT_TRUE(loaded());
    BSTR name = nullptr;
    ASSERT_EQ(typeInfo->GetDocumentation(output::dispidGetCRC, &name, nullptr, nullptr, nullptr),
              S_OK);
    EXPECT_EQ(automation::TextFromBstr(name), "GetCRC");
    SysFreeString(name);
    typeInfo->Release();
    CoFreeUnusedLibraries();
    EXPECT_FALSE(loaded());
    EXPECT_NE(Create<IUnknown>(output::CLSID_Template, IID_IUnknown), nullptr); // loads again
}

TEST_F(OutputModule, InvokeRunsTheCommonMembersByDispatchId) {
    auto object = Create<IDispatch>(output::CLSID_Canvas, IID_IDispatch);
    ASSERT_NE(object, nullptr);

    std::u16string memberName = u"errortext";
    OLECHAR* names[] = {memberName.data()};
    DISPID id = 0;
    EXPECT_EQ(object->GetIDsOfNames(IID_NULL, names, 1, 0, &id), S_OK);
    EXPECT_EQ(id, output::dispidErrorText);
    std::u16string unknown = u"DoSub";
    names[0] = unknown.data();
    EXPECT_EQ(object->GetIDsOfNames(IID_NULL, names, 1, 0, &id), DISP_E_UNKNOWNNAME);
    EXPECT_EQ(id, DISPID_UNKNOWN);

    // ErrorText(Error, Text): arguments travel last first.
    automation::Variant text;
    const auto code = Variant::FromText(" 2041 apples");
    VARIANT arguments[2] = {automation::ReferenceTo(&text), *code};
    DISPPARAMS call{arguments, nullptr, 2, 0};
    EXPECT_EQ(object->Invoke(output::dispidErrorText, IID_NULL, 0, DISPATCH_METHOD, &call, nullptr,
                             nullptr, nullptr),
              S_OK);
    EXPECT_EQ(TextOf(*text), "Cannot access file.");

    automation::Variant result;
    DISPPARAMS none{nullptr, nullptr, 0, 0};
    EXPECT_EQ(object->Invoke(output::dispidClassVer, IID_NULL, 0, DISPATCH_PROPERTYGET, &none,
                             &result, nullptr, nullptr),
              S_OK);
    EXPECT_EQ(result->dblVal, double(2003.02f));

    struct Failure {
        const char* label;
        DISPID member;
        std::uint16_t flags;
        DISPPARAMS* arguments;
        HRESULT expected;
    };
    VARIANT byValue[2] = {*Variant::FromInt(0), *Variant::FromInt(0)};
    DISPPARAMS notByReference{byValue, nullptr, 2, 0};
    DISPPARAMS oneArgument{arguments, nullptr, 1, 0};
    const Failure failures[] = {
        {"unknown member", 99, DISPATCH_METHOD, &none, DISP_E_MEMBERNOTFOUND},
        {"method called as property", output::dispidErrorText, DISPATCH_PROPERTYGET, &call,
         DISP_E_MEMBERNOTFOUND},
        {"read-only property put", output::dispidServer, DISPATCH_PROPERTYPUT, &oneArgument,
         DISP_E_MEMBERNOTFOUND},
        {"too few arguments", output::dispidErrorText, DISPATCH_METHOD, &oneArgument,
         DISP_E_BADPARAMCOUNT},
        {"out argument by value", output::dispidErrorText, DISPATCH_METHOD, &notByReference,
         DISP_E_TYPEMISMATCH},
    };
    for (const auto& f : failures) {
        SCOPED_TRACE(f.label);
        std::uint32_t argumentError = 77;
        EXPECT_EQ(object->Invoke(f.member, IID_NULL, 0, f.flags, f.arguments, nullptr, nullptr,
                                 &argumentError),
                  f.expected);
        if (f.expected == DISP_E_TYPEMISMATCH) {
            EXPECT_EQ(argumentError, 0u); // the Text argument, last in the call, first in rgvarg
        }
    }
}

} // namespace

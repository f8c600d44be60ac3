// The module's entry points: class factories, unloading, and self-registration in the class
// registry. These four are the module's only exports (exports.map).
#include "output/class_info.h"
#include "output/output.h"

#include "platform/automation/creation.h"
#include "platform/automation/registry.h"

#include <new>

#define OUTPUT_ENTRY_POINT extern "C" __attribute__((visibility("default")))

namespace {

// Objects, factories and server locks alive; the module may unload when none is left.
automation::ServerLock server;

constexpr const char* kTypeLibraryVersionKey = "1.0";
constexpr const char* kTypeLibraryHelpString = "Output 1.0 Type Library";

std::string ClassKey(const output::ClassInfo& info) {
    return "CLSID\\" + automation::GuidText(info.classId);
}

std::string TypeLibraryKey() {
    return "TypeLib\\" + automation::GuidText(output::LIBID_OUTPUTLib);
}

// The registration of one class: its two ProgIDs, and its class key replaced whole.
bool RegisterClass(automation::Registry& registry, const output::ClassInfo& info,
                   const std::string& modulePath) {
    const std::string classId = automation::GuidText(info.classId);
    const std::string classKey = ClassKey(info);
    const std::string progId = info.progId;
    const std::string independent = info.versionIndependentProgId;
    registry.DeleteKey(classKey);
    return registry.SetValue(progId, "", info.helpString) &&
           registry.SetValue(progId + "\\CLSID", "", classId) &&
           registry.SetValue(independent, "", info.helpString) &&
           registry.SetValue(independent + "\\CLSID", "", classId) &&
           registry.SetValue(independent + "\\CurVer", "", progId) &&
           registry.SetValue(classKey, "", info.helpString) &&
           registry.SetValue(classKey + "\\ProgID", "", progId) &&
           registry.SetValue(classKey + "\\VersionIndependentProgID", "", independent) &&
           registry.CreateKey(classKey + "\\Programmable") &&
           registry.SetValue(classKey + "\\InprocServer32", "", modulePath) &&
           registry.SetValue(classKey + "\\InprocServer32", "ThreadingModel", "Apartment") &&
           registry.SetValue(classKey + "\\TypeLib", "",
                             automation::GuidText(output::LIBID_OUTPUTLib));
}

} // namespace

OUTPUT_ENTRY_POINT HRESULT DllGetClassObject(REFCLSID classId, REFIID iid, void** object) {
    if (object == nullptr) {
        return E_POINTER;
    }
    *object = nullptr;
    const output::ClassInfo* info = output::FindClass(classId);
    if (info == nullptr) {
        return CLASS_E_CLASSNOTAVAILABLE;
    }
    auto* factory = new (std::nothrow) automation::ClassFactory(server, info->create);
    if (factory == nullptr) {
        return E_OUTOFMEMORY;
    }
    factory->AddRef();
    const HRESULT outcome = factory->QueryInterface(iid, object);
    factory->Release();
    return outcome;
}

OUTPUT_ENTRY_POINT HRESULT DllCanUnloadNow() {
    return server.Idle() ? S_OK : S_FALSE;
}

OUTPUT_ENTRY_POINT HRESULT DllRegisterServer() {
    const std::filesystem::path modulePath =
        automation::ModulePath(reinterpret_cast<const void*>(&DllRegisterServer));
    if (modulePath.empty()) {
        return SELFREG_E_CLASS;
    }
    const bool registered = automation::Registry::Update(
        automation::RegistryFile(), [&](automation::Registry& registry) {
            for (const output::ClassInfo* info : output::Classes()) {
                if (!RegisterClass(registry, *info, modulePath.string())) {
                    return false;
                }
            }
            // The type library OUTPUTLib 1.0 under its LIBID, with its help string. No type
            // library file exists on this platform: the module itself gives each interface's
            // type information from its member table, so the library is read from the module,
            // as a library bound into a server module is. It has no flags (not restricted,
            // control or hidden).
            const std::string versionKey = TypeLibraryKey() + "\\" + kTypeLibraryVersionKey;
            return registry.SetValue(versionKey, "", kTypeLibraryHelpString) &&
                   registry.SetValue(versionKey + "\\0\\win32", "", modulePath.string()) &&
                   registry.SetValue(versionKey + "\\FLAGS", "", "0");
        });
    return registered ? S_OK : SELFREG_E_CLASS;
}

OUTPUT_ENTRY_POINT HRESULT DllUnregisterServer() {
    const bool unregistered = automation::Registry::Update(
        automation::RegistryFile(), [](automation::Registry& registry) {
            for (const output::ClassInfo* info : output::Classes()) {
                registry.DeleteKey(info->progId);
                registry.DeleteKey(info->versionIndependentProgId);
                registry.DeleteKey(ClassKey(*info));
            }
            registry.DeleteKey(TypeLibraryKey());
            return true;
        });
    return unregistered ? S_OK : SELFREG_E_CLASS;
}

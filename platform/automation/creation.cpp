#include "platform/automation/creation.h"

#include "platform/automation/registry.h"

#include <dlfcn.h>

#include <map>
#include <mutex>
#include <string>

namespace {

using GetClassObjectFunction = HRESULT (*)(REFCLSID, REFIID, void**);
using CanUnloadNowFunction = HRESULT (*)();
using RegistrationFunction = HRESULT (*)();

// Server modules loaded for objects, by path. A module is loaded once and kept until it is idle.
struct LoadedModules {
    std::mutex mutex;
    std::map<std::string, void*> handles;
};

LoadedModules& Modules() {
    static LoadedModules modules;
    return modules;
}

void* LoadModule(const std::string& path) {
    LoadedModules& modules = Modules();
    std::lock_guard lock(modules.mutex);
    if (const auto found = modules.handles.find(path); found != modules.handles.end()) {
        return found->second;
    }
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle != nullptr) {
        modules.handles.emplace(path, handle);
    }
    return handle;
}

// Server modules are named by absolute paths only: dlopen would look a bare name up on the
// system's library path and load whatever library of that name it finds first.
bool IsModulePath(const std::filesystem::path& module) {
    return module.is_absolute();
}

HRESULT CallRegistration(const std::filesystem::path& module, const char* entryPoint) {
    if (!IsModulePath(module)) {
        return CO_E_DLLNOTFOUND;
    }
    void* handle = dlopen(module.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        return CO_E_DLLNOTFOUND;
    }
    const auto function = reinterpret_cast<RegistrationFunction>(dlsym(handle, entryPoint));
    const HRESULT outcome = function != nullptr ? function() : CO_E_ERRORINDLL;
    dlclose(handle);
    return outcome;
}

} // namespace

namespace automation {

std::optional<CLSID> ClassIdOf(std::string_view progIdOrClassId) {
    if (const auto classId = ParseGuid(progIdOrClassId);
        classId && progIdOrClassId.front() == '{') {
        return classId;
    }
    if (progIdOrClassId.empty()) {
        return std::nullopt;
    }
    const auto text = CurrentRegistry().Value(std::string(progIdOrClassId) + "\\CLSID");
    if (!text) {
        return std::nullopt;
    }
    return ParseGuid(*text);
}

HRESULT RegisterServer(const std::filesystem::path& module) {
    return CallRegistration(module, "DllRegisterServer");
}

HRESULT UnregisterServer(const std::filesystem::path& module) {
    return CallRegistration(module, "DllUnregisterServer");
}

std::filesystem::path ModulePath(const void* address) {
    Dl_info info{};
    if (dladdr(address, &info) == 0 || info.dli_fname == nullptr) {
        return {};
    }
    std::error_code error;
    std::filesystem::path path = std::filesystem::canonical(info.dli_fname, error);
    return error ? std::filesystem::path() : path;
}

} // namespace automation

HRESULT CLSIDFromProgID(const OLECHAR* progId, CLSID* clsid) {
    if (progId == nullptr || clsid == nullptr) {
        return E_INVALIDARG;
    }
    // ProgIDs are ASCII; a name with any other character is not registered.
    std::string name;
    for (const OLECHAR* c = progId; *c != 0; ++c) {
        if (*c >= 0x80) {
            return CO_E_CLASSSTRING;
        }
        name += static_cast<char>(*c);
    }
    const auto classId = automation::ClassIdOf(name);
    if (!classId) {
        return CO_E_CLASSSTRING;
    }
    *clsid = *classId;
    return S_OK;
}

HRESULT CoGetClassObject(REFCLSID clsid, std::uint32_t context, void*, REFIID iid, void** object) {
    if (object == nullptr) {
        return E_POINTER;
    }
    *object = nullptr;
    if ((context & CLSCTX_INPROC_SERVER) == 0) {
        return REGDB_E_CLASSNOTREG;
    }
    const auto path = automation::CurrentRegistry().Value("CLSID\\" + automation::GuidText(clsid) +
                                                          "\\InprocServer32");
    if (!path || path->empty()) {
        return REGDB_E_CLASSNOTREG;
    }
    if (!IsModulePath(*path)) {
        return CO_E_DLLNOTFOUND;
    }
    void* module = LoadModule(*path);
    if (module == nullptr) {
        return CO_E_DLLNOTFOUND;
    }
    const auto getClassObject =
        reinterpret_cast<GetClassObjectFunction>(dlsym(module, "DllGetClassObject"));
    if (getClassObject == nullptr) {
        return CO_E_ERRORINDLL;
    }
    return getClassObject(clsid, iid, object);
}

HRESULT CoCreateInstance(REFCLSID clsid, IUnknown* outer, std::uint32_t context, REFIID iid,
                         void** object) {
    if (object == nullptr) {
        return E_POINTER;
    }
    *object = nullptr;
    IClassFactory* factory = nullptr;
    const HRESULT found = CoGetClassObject(clsid, context, nullptr, IID_IClassFactory,
                                           reinterpret_cast<void**>(&factory));
    if (FAILED(found)) {
        return found;
    }
    const HRESULT created = factory->CreateInstance(outer, iid, object);
    factory->Release();
    return created;
}

void CoFreeUnusedLibraries() {
    LoadedModules& modules = Modules();
    std::lock_guard lock(modules.mutex);
    for (auto it = modules.handles.begin(); it != modules.handles.end();) {
        const auto canUnloadNow =
            reinterpret_cast<CanUnloadNowFunction>(dlsym(it->second, "DllCanUnloadNow"));
        if (canUnloadNow != nullptr && canUnloadNow() == S_OK) {
            dlclose(it->second);
            it = modules.handles.erase(it);
        } else {
            ++it;
        }
    }
}

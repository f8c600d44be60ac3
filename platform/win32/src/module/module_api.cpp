// Loaded modules found by file name and their functions by name, through the dynamic loader. The
// loader's handles are taken with RTLD_NOLOAD, so nothing is loaded, and given back at once.
#include "platform/win32/libloaderapi.h"
#include "platform/win32/src/module/module_registry.h"

#include <dlfcn.h>
#include <link.h>

using namespace win32;

namespace {

// The load address of a loaded object; null for none.
const void* BaseOfObject(void* object) {
    link_map* map = nullptr;
    Dl_info info{};
    if (object == nullptr || dlinfo(object, RTLD_DI_LINKMAP, &map) != 0 || map == nullptr ||
        dladdr(map->l_ld, &info) == 0) {
        return nullptr;
    }
    return info.dli_fbase;
}

// A loader handle of the program (searching the process's global scope) or of the library loaded
// at `base`; null when there is none. The caller gives it back with dlclose.
void* LoadedObjectAt(const void* base) {
    void* program = dlopen(nullptr, RTLD_LAZY);
    if (program != nullptr && BaseOfObject(program) == base) {
        return program;
    }
    if (program != nullptr) {
        dlclose(program);
    }
    Dl_info info{};
    if (dladdr(base, &info) == 0 || info.dli_fname == nullptr) {
        return nullptr;
    }
    return dlopen(info.dli_fname, RTLD_LAZY | RTLD_NOLOAD);
}

} // namespace

HMODULE GetModuleHandleA(LPCSTR name) {
    void* object =
        name == nullptr ? dlopen(nullptr, RTLD_LAZY) : dlopen(name, RTLD_LAZY | RTLD_NOLOAD);
    const void* base = BaseOfObject(object);
    if (object != nullptr) {
        dlclose(object);
    }
    return base != nullptr ? ModuleRegistry::Instance().HandleOfBase(base) : nullptr;
}

FARPROC GetProcAddress(HMODULE module, LPCSTR name) {
    const void* base = ModuleRegistry::Instance().BaseOf(module);
    void* object = base != nullptr && name != nullptr ? LoadedObjectAt(base) : nullptr;
    if (object == nullptr) {
        return nullptr;
    }
    void* address = dlsym(object, name);
    dlclose(object);
    return reinterpret_cast<FARPROC>(address);
}

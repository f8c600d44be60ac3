// FindResourceA and its companions over the registered resources of each module. A resource
// handle is the resource's position in its module's table plus one; the data handle is the
// resource's bytes themselves.
#include "platform/win32/libloaderapi.h"
#include "platform/win32/src/module/module_registry.h"

#include <strings.h>

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

using win32::ModuleRegistry;
using win32::ResourceEntry;

bool SameName(LPCSTR a, LPCSTR b) {
    if (IS_INTRESOURCE(a) || IS_INTRESOURCE(b)) {
        return a == b;
    }
    return strcasecmp(a, b) == 0;
}

// The entry of `resource` in `module`, or null.
const ResourceEntry* EntryOf(HMODULE module, HRSRC resource) {
    const auto resources = ModuleRegistry::Instance().Resources(module);
    const auto number = reinterpret_cast<std::uintptr_t>(resource);
    if (number == 0 || number > resources.size()) {
        return nullptr;
    }
    return &resources[number - 1];
}

} // namespace

HRSRC FindResourceA(HMODULE module, LPCSTR name, LPCSTR type) {
    if (name == nullptr || type == nullptr) {
        return nullptr;
    }
    const auto resources = ModuleRegistry::Instance().Resources(module);
    const auto found = std::find_if(resources.begin(), resources.end(), [&](const auto& entry) {
        return SameName(entry.type, type) && SameName(entry.name, name);
    });
    if (found == resources.end()) {
        return nullptr;
    }
    const auto number = static_cast<std::uintptr_t>(found - resources.begin()) + 1;
    return reinterpret_cast<HRSRC>(number);
}

HGLOBAL LoadResource(HMODULE module, HRSRC resource) {
    const ResourceEntry* entry = EntryOf(module, resource);
    return entry == nullptr ? nullptr : const_cast<BYTE*>(entry->data);
}

DWORD SizeofResource(HMODULE module, HRSRC resource) {
    const ResourceEntry* entry = EntryOf(module, resource);
    return entry == nullptr ? 0 : entry->size;
}

LPVOID LockResource(HGLOBAL data) {
    return data;
}

int LoadStringA(HINSTANCE instance, UINT id, LPSTR buffer, int bufferMax) {
    if (buffer == nullptr || bufferMax <= 0) {
        return 0;
    }
    buffer[0] = '\0';
    if (id > 0xFFFF) {
        return 0;
    }
    const HRSRC resource =
        FindResourceA(instance, MAKEINTRESOURCEA(static_cast<WORD>(id)), RT_STRING);
    const DWORD size = SizeofResource(instance, resource);
    if (size == 0) {
        return 0;
    }
    const auto length = std::min<std::size_t>(size, static_cast<std::size_t>(bufferMax) - 1);
    std::memcpy(buffer, LockResource(LoadResource(instance, resource)), length);
    buffer[length] = '\0';
    return static_cast<int>(length);
}

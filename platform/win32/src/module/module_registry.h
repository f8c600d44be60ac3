// The loaded modules known to the layer: each one's load address and registered resources,
// numbered in the order they are first met. A module that is unloaded keeps its number and loses
// its resources; loaded again at the same address it has its number again.
#pragma once

#include "platform/win32/module_resources.h"

#include <mutex>
#include <span>
#include <vector>

namespace win32 {

class ModuleRegistry {
public:
    static ModuleRegistry& Instance();

    // The handle of the module loaded at `base`, added when new.
    HINSTANCE HandleOfBase(const void* base);
    void SetResources(HINSTANCE module, std::span<const ResourceEntry> resources);
    // The load address of the module; null for an unknown handle.
    const void* BaseOf(HINSTANCE module) const;
    // The module's resources; empty for an unknown handle.
    std::span<const ResourceEntry> Resources(HINSTANCE module) const;

private:
    struct Module {
        const void* base;
        std::span<const ResourceEntry> resources;
    };
    // Index of the module of `handle`, or the size of the list when there is none.
    std::size_t IndexOf(HINSTANCE handle) const;

    // Libraries register while they load, which may happen on any thread.
    mutable std::mutex lock_;
    std::vector<Module> modules_;
};

} // namespace win32

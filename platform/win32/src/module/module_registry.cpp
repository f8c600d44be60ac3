#include "platform/win32/src/module/module_registry.h"

#include <dlfcn.h>

#include <cstdint>

namespace win32 {

ModuleRegistry& ModuleRegistry::Instance() {
    // Never destroyed, as the system's own state outlives the libraries that unload before it.
    static ModuleRegistry& registry = *new ModuleRegistry;
    return registry;
}

HINSTANCE ModuleRegistry::HandleOfBase(const void* base) {
    std::lock_guard guard(lock_);
    std::size_t index = 0;
    while (index < modules_.size() && modules_[index].base != base) {
        ++index;
    }
    if (index == modules_.size()) {
        modules_.push_back({base, {}});
    }
    return reinterpret_cast<HINSTANCE>(static_cast<std::uintptr_t>(index + 1));
}

std::size_t ModuleRegistry::IndexOf(HINSTANCE handle) const {
    const auto number = reinterpret_cast<std::uintptr_t>(handle);
    if (number == 0 || number > modules_.size()) {
        return modules_.size();
    }
    return number - 1;
}

void ModuleRegistry::SetResources(HINSTANCE module, std::span<const ResourceEntry> resources) {
    std::lock_guard guard(lock_);
    const std::size_t index = IndexOf(module);
    if (index < modules_.size()) {
        modules_[index].resources = resources;
    }
}

const void* ModuleRegistry::BaseOf(HINSTANCE module) const {
    std::lock_guard guard(lock_);
    const std::size_t index = IndexOf(module);
    return index < modules_.size() ? modules_[index].base : nullptr;
}

std::span<const ResourceEntry> ModuleRegistry::Resources(HINSTANCE module) const {
    std::lock_guard guard(lock_);
    const std::size_t index = IndexOf(module);
    if (index < modules_.size()) {
        return modules_[index].resources;
    }
    return {};
}

HINSTANCE ModuleOfAddress(const void* address) {
    Dl_info info{};
    if (address == nullptr || dladdr(address, &info) == 0 || info.dli_fbase == nullptr) {
        return nullptr;
    }
    return ModuleRegistry::Instance().HandleOfBase(info.dli_fbase);
}

ModuleResourcesRegistration::ModuleResourcesRegistration(std::span<const ResourceEntry> entries)
    : module_(ModuleOfAddress(entries.data())) {
    ModuleRegistry::Instance().SetResources(module_, entries);
}

ModuleResourcesRegistration::~ModuleResourcesRegistration() {
    ModuleRegistry::Instance().SetResources(module_, {});
}

} // namespace win32

// The registration of a module's resources with the Win32 layer. The resource generator
// (cmake/Resources.cmake) writes each module's table and one registration object into the module,
// so that its resources are known from the moment it is loaded until it is unloaded.
//
// A module's instance handle is a small number of the layer's own (1, 2, ...), one per loaded
// executable or shared library, found from any address inside the module. Numbers below 65536
// never meet a GDI handle, whose generation bits are never zero.
#pragma once

#include "platform/win32/libloaderapi.h"

#include <cstddef>
#include <span>

namespace win32 {

struct ResourceEntry {
    LPCSTR type; // RT_STRING, RT_BITMAP, RT_RCDATA or a name
    LPCSTR name; // a number (MAKEINTRESOURCEA) or a name
    const BYTE* data;
    DWORD size;
};

// The instance handle of the module that holds `address`; a module met for the first time is
// added without resources. Null when the address lies in no loaded module.
WIN32_EXPORT HINSTANCE ModuleOfAddress(const void* address);

// Registers the module holding `entries` with those resources for as long as it lives.
class WIN32_EXPORT ModuleResourcesRegistration {
public:
    explicit ModuleResourcesRegistration(std::span<const ResourceEntry> entries);
    ~ModuleResourcesRegistration();
    ModuleResourcesRegistration(const ModuleResourcesRegistration&) = delete;
    ModuleResourcesRegistration& operator=(const ModuleResourcesRegistration&) = delete;

private:
    HINSTANCE module_;
};

} // namespace win32

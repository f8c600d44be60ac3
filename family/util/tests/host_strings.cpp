#include "family/util/tests/host_strings.h"

#include "platform/win32/module_resources.h"

__attribute__((visibility("default"))) HINSTANCE HostModuleInstance() {
    return win32::ModuleOfAddress(reinterpret_cast<const void*>(&HostModuleInstance));
}

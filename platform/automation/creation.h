// Creating objects of in-process servers by class id or ProgID, and registering servers.
//
// A class is found through the class registry (registry.h): a ProgID's key names its class id,
// and the class id's InprocServer32 key names the server module, which is loaded with dlopen and
// asked for the class's factory through its exported DllGetClassObject. Modules stay loaded
// until CoFreeUnusedLibraries finds them idle.
#pragma once

#include "platform/automation/interfaces.h"

#include <filesystem>
#include <optional>
#include <string_view>

constexpr std::uint32_t CLSCTX_INPROC_SERVER = 0x1;

// The class id registered for `progId` (version-dependent or not); CO_E_CLASSSTRING when the
// ProgID is not registered.
TALLOWMERE_AUTOMATION_API HRESULT CLSIDFromProgID(const OLECHAR* progId, CLSID* clsid);

// The class factory (or another interface of it) of class `clsid`, from its registered module.
// REGDB_E_CLASSNOTREG when the class is not registered for `context`, CO_E_DLLNOTFOUND when its
// module cannot be loaded or is registered by a path that is not absolute, CO_E_ERRORINDLL when
// the module is not a server.
TALLOWMERE_AUTOMATION_API HRESULT CoGetClassObject(REFCLSID clsid, std::uint32_t context,
                                                   void* reserved, REFIID iid, void** object);

// A new object of class `clsid`, through its factory, as interface `iid`.
TALLOWMERE_AUTOMATION_API HRESULT CoCreateInstance(REFCLSID clsid, IUnknown* outer,
                                                   std::uint32_t context, REFIID iid,
                                                   void** object);

// Unloads the modules loaded for objects that answer DllCanUnloadNow with S_OK.
TALLOWMERE_AUTOMATION_API void CoFreeUnusedLibraries();

namespace automation {

// The class id of a ProgID ("Output.Template") or of a class id's text form.
TALLOWMERE_AUTOMATION_EXPORT std::optional<CLSID> ClassIdOf(std::string_view progIdOrClassId);

// Loads the server module at `module` and calls its DllRegisterServer or DllUnregisterServer.
// CO_E_DLLNOTFOUND when it cannot be loaded or its path is not absolute, CO_E_ERRORINDLL when it
// lacks the entry point.
TALLOWMERE_AUTOMATION_EXPORT HRESULT RegisterServer(const std::filesystem::path& module);
TALLOWMERE_AUTOMATION_EXPORT HRESULT UnregisterServer(const std::filesystem::path& module);

// The full path of the loaded module that holds `address`: a server's own file, for its
// registration. Empty when the address lies in no loaded module.
TALLOWMERE_AUTOMATION_EXPORT std::filesystem::path ModulePath(const void* address);

} // namespace automation

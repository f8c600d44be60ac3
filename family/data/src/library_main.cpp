// The library's entry procedure.
#include "family/data/dorrick.h"
#include "family/data/src/dialog_templates.h"
#include "family/data/src/library_instance.h"
#include "family/data/src/slots.h"

#include "platform/win32/library_entry.h"

BOOL DllEntryPoint(HINSTANCE instance, DWORD reason, LPVOID /*reserved*/) {
    if (reason == DLL_PROCESS_ATTACH) {
        dorrick::KeepLibraryInstance(instance);
        dorrick::RegisterDialogTemplates(instance);
    } else if (reason == DLL_PROCESS_DETACH) {
        dorrick::CloseAllHandles();
    }
    return TRUE;
}

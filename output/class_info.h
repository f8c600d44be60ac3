// What the module knows of each of its classes: identities, names for the registry, version and
// error texts.
#pragma once

#include "output/error_codes.h"

#include "platform/automation/guid.h"
#include "platform/automation/object.h"

#include <span>

namespace output {

struct ClassInfo {
    const CLSID& classId;
    const IID& interfaceId;
    const char* interfaceName;            // "ITemplate"
    const char* progId;                   // "Output.Template.1"
    const char* versionIndependentProgId; // "Output.Template"
    const char* helpString;               // "Template Class"
    float classVer;
    std::span<const ErrorEntry> errors;
    // A new object of the class with no references yet.
    automation::ClassFactory::CreateFunction create;
};

extern const ClassInfo kTemplateClass;
extern const ClassInfo kCanvasClass;
extern const ClassInfo kPreviewClass;
extern const ClassInfo kGraphClass;

// The four classes, in the order they are registered.
std::span<const ClassInfo* const> Classes();

// The class with `classId`; null for a class the module does not serve.
const ClassInfo* FindClass(REFCLSID classId);

// Makers of new objects, one per class, each in its class's own file.
IUnknown* CreateTemplate(automation::ServerLock& server);
IUnknown* CreateCanvas(automation::ServerLock& server);
IUnknown* CreatePreview(automation::ServerLock& server);
IUnknown* CreateGraph(automation::ServerLock& server);

} // namespace output

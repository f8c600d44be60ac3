#include "output/common_object.h"

#include "platform/automation/registry.h"

namespace output {

RegisteredNames ReadRegisteredNames(const ClassInfo& info) {
    // The texts are held to the lengths the class's buffers had: 255 and 127 characters.
    constexpr std::size_t kServerLength = 255;
    constexpr std::size_t kClassNameLength = 127;
    const auto registry = automation::CurrentRegistry();
    const std::string key = "CLSID\\" + automation::GuidText(info.classId);
    RegisteredNames names;
    names.server = registry.Value(key + "\\InprocServer32").value_or("").substr(0, kServerLength);
    names.className =
        registry.Value(key + "\\VersionIndependentProgID").value_or("").substr(0, kClassNameLength);
    return names;
}

} // namespace output

#include "family/print/src/convert/report_markers.h"

#include "platform/system/folders.h"
#include "platform/system/profile_file.h"

#include <exception>
#include <string>
#include <vector>

namespace pressel {
namespace {

constexpr char kMarkSection[] = "HuxPrint";
// The family's shared profile in the Windows folder, where the profile functions find
// "Hux.INI".
constexpr char kProfileFile[] = "Hux.INI";

} // namespace

bool WriteMarkPositions(const MarkPositions& marks) {
    std::vector<sys::ProfileEntry> entries;
    for (int marker = 0; marker < kMarkerCount; ++marker) {
        const MarkPosition& mark = marks[static_cast<std::size_t>(marker)];
        const std::string name = "Mark" + std::to_string(marker);
        entries.push_back({name + "X", std::to_string(mark.x)});
        entries.push_back({name + "Y", std::to_string(mark.y)});
        entries.push_back({name + "Page", std::to_string(mark.page)});
    }
    try {
        sys::WriteProfileStrings(sys::WindowsFolder() / kProfileFile, kMarkSection, entries);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

} // namespace pressel

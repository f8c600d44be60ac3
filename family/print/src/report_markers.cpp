#include "family/print/src/report_markers.h"

#include "platform/win32/windows.h"

#include <string>
#include <utility>

namespace pressel {
namespace {

constexpr const char kMarkSection[] = "HuxPrint";
constexpr const char kProfileFile[] = "Hux.INI";

} // namespace

void WriteMarkPosition(int marker, std::int32_t x, std::int32_t y, std::int32_t page) {
    const std::pair<const char*, std::int32_t> keys[] = {{"X", x}, {"Y", y}, {"Page", page}};
    for (const auto& [suffix, value] : keys) {
        const std::string key = "Mark" + std::to_string(marker) + suffix;
        WritePrivateProfileStringA(kMarkSection, key.c_str(), std::to_string(value).c_str(),
                                   kProfileFile);
    }
}

void ResetMarkPositions() {
    for (int marker = 0; marker < kMarkerCount; ++marker) {
        WriteMarkPosition(marker, -1, -1, -1);
    }
}

} // namespace pressel

#include "platform/testing/screen_pixels.h"

#include "platform/testing/outside_tool.h"

namespace testkit {

std::uint32_t ScreenPixels::At(int x, int y) const {
    const std::size_t at = 3 * (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                                static_cast<std::size_t>(x));
    const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(rgb[at + i]); };
    return static_cast<std::uint32_t>(byte(0)) << 16 | static_cast<std::uint32_t>(byte(1)) << 8 |
           byte(2);
}

bool CaptureScreen(const std::filesystem::path& png) {
    return RunTool({"import", "-window", "root", png.string()}).exitStatus == 0;
}

ScreenPixels ReadPixels(const std::filesystem::path& png, const ScreenRect& area) {
    if (area.Empty()) {
        return {};
    }
    const std::string crop = std::to_string(area.width) + "x" + std::to_string(area.height) + "+" +
                             std::to_string(area.x) + "+" + std::to_string(area.y);
    const ToolRun run =
        RunTool({"convert", png.string(), "-crop", crop, "+repage", "-depth", "8", "rgb:-"});
    const std::size_t expected =
        3 * static_cast<std::size_t>(area.width) * static_cast<std::size_t>(area.height);
    if (run.exitStatus != 0 || run.output.size() != expected) {
        return {};
    }
    return {area.width, area.height, run.output};
}

} // namespace testkit

// The canvas text stream over arbitrary bytes: words, in-line commands and their arguments, wrap
// and pages, measured with the fixed-metrics fonts. After each input the page set must still
// describe the items, and a rolled-back transaction must leave nothing behind.
#include "output/canvas/canvas.h"

#include "platform/win32/font_provider.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

output::Canvas& TheCanvas() {
    static output::Canvas* canvas = [] {
        win32::UseFontSource(win32::FontSource::FixedMetrics);
        return new output::Canvas(std::vector<output::DeviceInfo>{});
    }();
    return *canvas;
}

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Longer texts only make each run slower.
    if (size > 16384) {
        return 0;
    }
    std::string_view text(reinterpret_cast<const char*>(data), size);
    output::Canvas& canvas = TheCanvas();
    canvas.Reset(0);

    canvas.TransStart();
    canvas.PutText(text);
    const output::CanvasState& state = canvas.State();
    const output::CanvasItems& items = canvas.Items();
    Require(state.pages.total <= output::kMaxCanvasPage);
    Require(state.pages.current >= 1 && state.pages.current <= output::kMaxCanvasPage);
    Require(state.pages.flags.size() == static_cast<std::size_t>(state.pages.total));
    Require(static_cast<std::size_t>(state.line.words) <= items.words.size());
    for (const output::WordItem& word : items.words) {
        Require(word.font < items.fonts.size());
        Require(word.page >= 1 && word.page <= state.pages.total);
        Require(state.pages.flags[static_cast<std::size_t>(word.page) - 1] != 0);
    }

    Require(canvas.TransStop(false) == output::CanvasError::OK);
    Require(items.words.empty() && items.lines.empty() && items.polygons.empty() &&
            items.images.empty() && items.fonts.empty());
    Require(canvas.PageTotal() == 0 && canvas.Page() == 1);
    return 0;
}

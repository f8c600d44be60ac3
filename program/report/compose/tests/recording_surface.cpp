#include "program/report/compose/tests/recording_surface.h"

#include <cmath>
#include <sstream>

namespace compose::testing {

std::int32_t RecordingSurface::Margin(PageMargin margin) {
    return margins_[static_cast<int>(margin)];
}

void RecordingSurface::SetMargin(PageMargin margin, std::int32_t twips) {
    margins_[static_cast<int>(margin)] = twips;
}

void RecordingSurface::SetAlignment(TextAlignment alignment) {
    constexpr const char* kNames[] = {"left", "centre", "right", "justified"};
    alignments.emplace_back(kNames[static_cast<int>(alignment)]);
}

std::int32_t RecordingSurface::MeasureText(const std::string& text) {
    return static_cast<std::int32_t>(std::lround(text.size() * points_ * 10));
}

void RecordingSurface::DrawLine(std::int32_t x1, std::int32_t y1, std::int32_t x2,
                                std::int32_t y2) {
    std::ostringstream entry;
    entry << "line " << x1 << ',' << y1 << '-' << x2 << ',' << y2;
    drawn.push_back(entry.str());
}

void RecordingSurface::WriteText(const std::string& text) {
    Record("text", text);
    x_ += MeasureText(text);
}

void RecordingSurface::WriteParagraph(const std::string& text) {
    Record("paragraph", text);
    x_ = Margin(PageMargin::Left);
    y_ += static_cast<std::int32_t>(std::lround(points_ * 20));
}

void RecordingSurface::NewPage() {
    drawn.emplace_back("page");
    y_ = Margin(PageMargin::Top);
}

void RecordingSurface::Record(const std::string& kind, const std::string& text) {
    std::ostringstream entry;
    entry << kind << " \"" << text << "\" @" << x_ << ',' << y_ << ' ' << face_ << ' ' << points_
          << (bold_ ? " b" : "") << (italic_ ? " i" : "");
    drawn.push_back(entry.str());
}

} // namespace compose::testing

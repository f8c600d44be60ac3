// The chart a GraphRecord describes, as the drawing reads it: fields checked and converted once,
// absent series and unused marks, fonts and texts left out.
#pragma once

#include "platform/win32/windef.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace plotwen {

inline constexpr int kCategoryCount = 100;
inline constexpr int kSeriesCount = 16;
inline constexpr int kFontCount = 8;

enum class GraphType { None, Bars, Areas, Lines };
enum class Background { Solid, VerticalStripes, HorizontalStripes };
enum class WallpaperMode { Centred, Tiled };
enum class FloorStyle { Floor, FloorAndRail, Neither };

struct Series {
    int index = 0; // 0-15 in the record
    std::string name;
    COLORREF colour = 0;
    // One value per category number; negative and non-finite values read as 0.
    std::array<double, kCategoryCount> values{};
    int stack = 0; // 0-based: the stacks are numbered in the order of their first series
};

struct CategoryMark {
    int category = 0; // 0-99
    std::string label;
    COLORREF colour = 0;
};

struct ValueMark {
    double value = 0; // -1.0: the largest value of the chart
    std::string label;
    COLORREF colour = 0;
};

struct FontSpec {
    int size = 0; // per mille of the bitmap height
    int weight = 0;
    bool italic = false;
    bool underline = false;
    std::uint8_t pitchAndFamily = 0;
};

enum class HorizontalAlignment { Left, Centre, Right };
enum class VerticalAlignment { Top, Middle, Bottom };

struct TextItem {
    std::string text;
    int x = 0; // per mille of the width
    int y = 0; // per mille of the height
    HorizontalAlignment horizontal = HorizontalAlignment::Left;
    VerticalAlignment vertical = VerticalAlignment::Top;
    std::optional<int> font; // index into Chart::fonts of a font in use; none: the label font
    COLORREF colour = 0;
};

struct Chart {
    GraphType type = GraphType::None;
    bool frame = false;
    Background background = Background::Solid;
    COLORREF gradientStart = 0;
    COLORREF gradientEnd = 0;
    WallpaperMode wallpaperMode = WallpaperMode::Centred;
    HBITMAP wallpaper = nullptr;
    FloorStyle floorStyle = FloorStyle::Floor;
    COLORREF floorColour = 0;
    std::optional<POINT> legend; // per mille
    std::vector<Series> series;  // present series only, in record order
    int stackCount = 0;
    std::vector<CategoryMark> categoryMarks; // marks in use, record order
    std::vector<ValueMark> valueMarks;       // marks in use, record order
    std::array<std::optional<FontSpec>, kFontCount> fonts;
    std::vector<TextItem> texts;
};

} // namespace plotwen

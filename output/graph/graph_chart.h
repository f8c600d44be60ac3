// The chart a Graph object holds: columns along the horizontal axis, scale rows, data series
// indexed by whole numbers, view and light angles, colours, backdrop, wallpaper, title and
// legend. Members that can fail answer a GraphError; the others clamp or ignore what they are
// given. Drawing is graph_renderer.h's.
//
// Index arithmetic runs in 64 bits, so that no range of 32-bit indexes overflows it, and a series
// longer than kMaxSeriesLength values is refused rather than allocated. Values that are not
// finite are refused wherever a member can say so; property puts ignore them.
#pragma once

#include "output/error_codes.h"
#include "output/graph/label_font.h"

#include "platform/win32/wingdi.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace output {

// A colour value 0x00BBGGRR kept with its RGBA floats (each byte / 255, alpha 1).
struct GraphColor {
    std::int32_t value = 0;
    float red = 0.0f;
    float green = 0.0f;
    float blue = 0.0f;
    float alpha = 1.0f;

    static GraphColor From(std::int32_t value);
};

struct GraphColumn {
    std::int32_t index = 0;
    std::string label;
    LabelExtent extent;
};

struct GraphRow {
    double value = 0.0;
    std::string label;
    LabelExtent extent;
};

enum class SeriesType : std::int32_t { Area = 1, Bars = 2, Line = 3 };

struct GraphSeries {
    std::string id;
    std::int32_t indexMin = 0;
    std::int32_t indexMax = 0;
    GraphColor color;
    SeriesType type = SeriesType::Bars;
    std::vector<double> values; // indexMax - indexMin + 1 of them

    bool Holds(std::int64_t index) const { return indexMin <= index && index <= indexMax; }
    // The value at `index`; 0.0 outside the series' range.
    double ValueAt(std::int64_t index) const;
};

enum class TitleMode : std::int32_t { None = 0, Plain = 1, Boxed = 2 };

struct GraphTitle {
    TitleMode mode = TitleMode::None;
    std::vector<std::string> lines;
    double size = 0.0; // cell height as a fraction of the picture's height
    std::int32_t textColor = 0;
    std::int32_t backColor = 0;
};

enum class BackdropMode : std::int32_t { None = 0, Solid = 1, Fade = 2 };

struct GraphBackdrop {
    BackdropMode mode = BackdropMode::Fade;
    std::int32_t top = 0x000000;    // the solid colour, or the fade's top
    std::int32_t bottom = 0x803030; // the fade's bottom
};

enum class WallpaperMode : std::int32_t { None = 0, Centred = 1, Tiled = 2, Stretched = 3 };

struct GraphClipping {
    bool on = false;
    std::int32_t indexMin = 0;
    std::int32_t indexMax = 0;
};

class GraphChart {
public:
    // The longest series accepted: far beyond any projection, short of exhausting memory.
    static constexpr std::int64_t kMaxSeriesLength = std::int64_t{1} << 20;

    GraphChart() = default;
    ~GraphChart();
    GraphChart(const GraphChart&) = delete;
    GraphChart& operator=(const GraphChart&) = delete;

    // Every default back; the label font stays.
    void Reset();

    void ColumnClear() { settings_.columns.clear(); }
    GraphError ColumnAdd(std::int32_t index, const std::string& text);
    void RowClear() { settings_.rows.clear(); }
    GraphError RowAdd(double value, const std::string& text);
    void DataClear() { settings_.series.clear(); }
    GraphError DataAdd(const std::string& id, std::int32_t indexMin, std::int32_t indexMax,
                       std::int32_t color, std::int32_t type);
    GraphError GetValue(const std::string& id, std::int32_t index, double& value) const;
    GraphError SetValue(const std::string& id, std::int32_t index, double value);
    void AutoColumn();
    void AutoRow();

    float RotateX() const { return settings_.rotateX; }
    float RotateY() const { return settings_.rotateY; }
    float LightX() const { return settings_.lightX; }
    float LightY() const { return settings_.lightY; }
    void SetRotateX(double degrees) { PutClamped(settings_.rotateX, degrees, -25.0, 25.0); }
    void SetRotateY(double degrees) { PutClamped(settings_.rotateY, degrees, 0.0, 20.0); }
    void SetLightX(double degrees) { PutClamped(settings_.lightX, degrees, -45.0, 45.0); }
    void SetLightY(double degrees) { PutClamped(settings_.lightY, degrees, -75.0, -45.0); }
    std::int32_t RowMode() const { return settings_.rowMode; }
    void SetRowMode(std::int32_t mode);

    const GraphColor& ColorOfMask() const { return settings_.mask; }
    const GraphColor& ColorOfBase() const { return settings_.base; }
    const GraphColor& ColorOfLabel() const { return settings_.label; }
    std::int32_t ColorOfLegend() const { return settings_.legend; }
    void SetColorOfMask(std::int32_t value) { settings_.mask = GraphColor::From(value); }
    void SetColorOfBase(std::int32_t value) { settings_.base = GraphColor::From(value); }
    void SetColorOfLabel(std::int32_t value) { settings_.label = GraphColor::From(value); }
    void SetColorOfLegend(std::int32_t value) { settings_.legend = value; }

    void WallpaperOff();
    // Takes over `bitmap` (Format 0); a handle that is not a bitmap leaves the wallpaper off.
    void WallpaperOnBitmap(std::int32_t mode, HBITMAP bitmap);
    // Reads the file name + ".BMP" (Format 1); 4011 when it cannot be read.
    GraphError WallpaperOnFile(std::int32_t mode, const std::string& name);
    WallpaperMode Wallpaper() const { return settings_.wallpaperMode; }
    HBITMAP WallpaperBitmap() const { return wallpaper_; }

    void BackdropSolid(std::int32_t color);
    void BackdropFade(std::int32_t from, std::int32_t to);
    const GraphBackdrop& Backdrop() const { return settings_.backdrop; }
    // The fade's 1 x 48 gradient bitmap, made at its first use and kept until the backdrop
    // changes or the chart is reset; null when the backdrop is no fade or the bitmap cannot be
    // made.
    HBITMAP FadeGradient() const;

    void ClippingOff() { settings_.clipping = {}; }
    void ClippingOn(std::int32_t indexMin, std::int32_t indexMax);
    const GraphClipping& Clipping() const { return settings_.clipping; }

    float LegendX() const { return settings_.legendX; }
    float LegendY() const { return settings_.legendY; }
    float TitleX() const { return settings_.titleX; }
    float TitleY() const { return settings_.titleY; }
    void SetLegendX(double fraction) { PutClamped(settings_.legendX, fraction, 0.0, 1.0); }
    void SetLegendY(double fraction) { PutClamped(settings_.legendY, fraction, 0.0, 1.0); }
    void SetTitleX(double fraction) { PutClamped(settings_.titleX, fraction, 0.0, 1.0); }
    void SetTitleY(double fraction) { PutClamped(settings_.titleY, fraction, 0.0, 1.0); }

    void SetTitle(std::int32_t mode, const std::string& text, double size, std::int32_t textColor,
                  std::int32_t backColor);
    const GraphTitle& Title() const { return settings_.title; }

    const std::vector<GraphColumn>& Columns() const { return settings_.columns; }
    const std::vector<GraphRow>& Rows() const { return settings_.rows; }
    const std::vector<GraphSeries>& Series() const { return settings_.series; }

private:
    // Stores `value` held to low..high in single precision; a value that is not a number leaves
    // the property as it was.
    static void PutClamped(float& property, double value, double low, double high);
    GraphSeries* FindSeries(const std::string& id);
    const GraphSeries* FindSeries(const std::string& id) const;
    void AddColumn(std::int32_t index, std::string label);
    void DropFadeGradient();

    // Everything Reset restores; the wallpaper's bitmap is owned apart.
    struct Settings {
        std::vector<GraphColumn> columns;
        std::vector<GraphRow> rows;
        std::vector<GraphSeries> series;
        float legendX = 0.85f;
        float legendY = 0.1f;
        float titleX = 0.5f;
        float titleY = 0.1f;
        GraphTitle title;
        float rotateX = -18.0f;
        float rotateY = 12.0f;
        float lightX = -45.0f;
        float lightY = -60.0f;
        std::int32_t rowMode = 1;
        GraphClipping clipping;
        GraphColor mask = GraphColor::From(0x000000);
        GraphColor base = GraphColor::From(0x60FF60);
        GraphColor label = GraphColor::From(0xFFFFFF);
        std::int32_t legend = 0xFFFFFF;
        GraphBackdrop backdrop;
        WallpaperMode wallpaperMode = WallpaperMode::None;
    };

    LabelFont labelFont_;
    Settings settings_;
    HBITMAP wallpaper_ = nullptr;
    mutable HBITMAP fadeGradient_ = nullptr;
};

// A row's label: "$" and the value with no decimals and a comma before every third digit from
// the end of the whole part ($1,250,000).
std::string DollarLabel(double value);

} // namespace output

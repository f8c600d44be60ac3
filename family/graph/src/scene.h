// What both layouts of the chart draw from: the painter, the chart, the bitmap's size, the label
// font, the labels and the scale, the options and the progress callback.
#pragma once

#include "family/graph/plotwen.h"
#include "family/graph/src/chart.h"
#include "family/graph/src/labels.h"
#include "family/graph/src/painter.h"
#include "family/graph/src/shapes.h"

#include <vector>

namespace plotwen {

// Reports progress to the host's callback, when it gave one.
struct Progress {
    GraphProgress callback = nullptr;
    void Report(int percent) const {
        if (callback != nullptr) {
            callback(percent);
        }
    }
    // After series `index` of the record (0-15), in the series loop.
    void ReportSeries(int index) const { Report(80 + 10 * index / kSeriesCount); }
};

inline constexpr COLORREF kBlack = RGB(0, 0, 0);

struct Scene {
    Painter& painter;
    const Chart& chart;
    int width = 0;
    int height = 0;
    HFONT labelFont = nullptr;
    int labelFontHeight = 0;
    std::uint8_t options = 0;
    Progress progress;
    std::vector<Label> categories; // sorted by number
    double maximum = 0;
    std::vector<Label> values; // sorted by value

    // Whether the plot (floor, labels, value lines, series) is drawn at all: a chart without
    // series shows only its background, legend, texts and frame, as one without categories.
    bool HasPlot() const {
        return chart.type != GraphType::None && !chart.series.empty() && !categories.empty() &&
               maximum > 0;
    }
    // Series are columns per category slot, or else slabs between neighbouring categories.
    bool DrawsColumns() const { return chart.type == GraphType::Bars || categories.size() == 1; }
};

// `perMille` of `size` pixels, size x perMille / 1000 in integer arithmetic; far-off values
// from a record are held to a range the raster can take.
int PerMille(int size, long long perMille);

// The pixels by which `value` stands above the plot's base: (int)(plotHeight x value /
// maximum), held to the same range.
int PixelHeight(int plotHeight, double value, double maximum);

// The sum of the values of the series before `series` in its stack, at `category`.
double SumBelow(const Chart& chart, std::size_t series, int category);

// The level edges of series `series` (an index into the chart's present series) at `category`:
// from the running sum of its stack below it to the sum including it, in pixels of a plot
// `plotHeight` high.
Edges SeriesEdges(const Scene& scene, std::size_t series, int category, int plotHeight);

// The offset from the plot's left edge at which category label `index` is centred: the middle
// for a single category, the middle of its slot for bars, else in proportion to its number.
int CategoryOffset(const Scene& scene, std::size_t index, int plotWidth);

} // namespace plotwen

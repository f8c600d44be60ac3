// The flat layout: values stand on the row above the floor line y0.
#include "family/graph/src/label_placement.h"
#include "family/graph/src/layouts.h"
#include "family/graph/src/shapes.h"

namespace plotwen {

namespace {

constexpr unsigned kOutlinedBar = kFilled | kTopEdge | kLeftEdge | kRightEdge;

struct FlatPlot {
    int x0 = 0;
    int y0 = 0; // floor line
    int width = 0;
    int height = 0;
    int baseY() const { return y0 - 1; }
};

FlatPlot PlotOf(const Scene& scene) {
    FlatPlot plot;
    plot.x0 = PerMille(scene.width, 30);
    plot.y0 = PerMille(scene.height, 750);
    plot.width = PerMille(scene.width, 770);
    plot.height = PerMille(scene.height, 550);
    return plot;
}

void DrawLegend(Scene& scene) {
    const int swatchWidth = PerMille(scene.width, 40);
    const int x = PerMille(scene.width, scene.chart.legend->x);
    int y = PerMille(scene.height, scene.chart.legend->y);
    for (const Series& series : scene.chart.series) {
        y += scene.labelFontHeight + 4;
        DrawSegment(scene.painter, {x, y}, swatchWidth, Level(0, scene.labelFontHeight),
                    kOutlinedBar | kBottomEdge, series.colour, kBlack);
        scene.painter.DrawAlignedText(scene.labelFont, series.name, x + swatchWidth + 4, y,
                                      HorizontalAlignment::Left, VerticalAlignment::Bottom, kBlack);
    }
}

void DrawFloor(Scene& scene, const FlatPlot& plot) {
    const POINT line[] = {{plot.x0, plot.y0},
                          {plot.x0 + plot.width, plot.y0},
                          {plot.x0 + plot.width, plot.baseY() - plot.height}};
    scene.painter.Polyline(line, 3, 1, kBlack);
}

void DrawValueLines(Scene& scene, const FlatPlot& plot) {
    ValueLabelColumn column;
    for (const Label& label : scene.values) {
        const int y = plot.baseY() - PixelHeight(plot.height, label.value, scene.maximum);
        if (label.value != 0) {
            scene.painter.Line({plot.x0, y}, {plot.x0 + plot.width, y}, 1, label.colour);
        }
        column.Draw(scene, label, plot.x0 + plot.width + 4, y, HorizontalAlignment::Left);
    }
}

void DrawSeries(Scene& scene, const FlatPlot& plot) {
    const Chart& chart = scene.chart;
    const int stacks = chart.stackCount;
    const unsigned ribbon = chart.type == GraphType::Lines ? kThickTop : 0u;
    const int count = static_cast<int>(scene.categories.size());
    for (std::size_t index = 0; index < chart.series.size(); ++index) {
        const Series& series = chart.series[index];
        auto heights = [&](int category) {
            return SeriesEdges(scene, index, category, plot.height);
        };
        if (scene.DrawsColumns()) {
            // The stacks stand side by side in the middle of each slot; each bar is one pixel
            // wider than its share so that neighbouring outlines meet.
            const int slot = plot.width / count;
            const int bars = slot * 850 / 1000;
            const int leftShare = bars * series.stack / stacks;
            const int rightShare = bars * (series.stack + 1) / stacks;
            for (int slotIndex = 0; slotIndex < count; ++slotIndex) {
                const Edges edges = heights(static_cast<int>(scene.categories[slotIndex].value));
                if (edges.topLeft != edges.bottomLeft) {
                    const int start = plot.x0 + slotIndex * slot + (slot - bars) / 2;
                    DrawSegment(scene.painter, {start + leftShare, plot.baseY()},
                                rightShare - leftShare + 1, edges, kOutlinedBar | ribbon,
                                series.colour, kBlack);
                }
            }
        } else {
            const int first = static_cast<int>(scene.categories.front().value);
            const int intervals = static_cast<int>(scene.categories.back().value) - first;
            for (int interval = 0; interval < intervals; ++interval) {
                const Edges edges =
                    Between(heights(first + interval), heights(first + interval + 1));
                const int start = plot.width * interval / intervals;
                const int end = plot.width * (interval + 1) / intervals;
                const unsigned parts =
                    kFilled | kTopEdge | ribbon | (interval == 0 ? kLeftEdge : 0u);
                DrawSegment(scene.painter, {plot.x0 + start, plot.baseY()}, end - start, edges,
                            parts, series.colour, kBlack);
            }
        }
        scene.progress.ReportSeries(series.index);
    }
}

} // namespace

void DrawFlatLayout(Scene& scene) {
    const FlatPlot plot = PlotOf(scene);
    if (scene.chart.legend) {
        DrawLegend(scene);
    }
    scene.progress.Report(40);
    if (!scene.HasPlot()) {
        return;
    }
    DrawFloor(scene, plot);
    scene.progress.Report(50);
    DrawCategoryLabels(scene, plot.x0, plot.width, plot.y0 + PerMille(scene.height, 35));
    scene.progress.Report(60);
    DrawValueLines(scene, plot);
    scene.progress.Report(70);
    DrawSeries(scene, plot);
}

} // namespace plotwen

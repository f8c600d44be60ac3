// The three-dimensional layout. The plot's back bottom edge lies at (x0 + D, y0 - D - d): the
// floor (a block d high and D deep) stands in front of it, and values stand above it.
#include "family/graph/src/label_placement.h"
#include "family/graph/src/layouts.h"
#include "family/graph/src/shapes.h"

namespace plotwen {

namespace {

constexpr unsigned kAllFaces = kTopFace | kFrontFace | kSideFace;

struct DepthPlot {
    int x0 = 0;     // left edge of the floor's front
    int y0 = 0;     // floor line
    int width = 0;  // W
    int height = 0; // H
    int floor = 0;  // d, the floor's thickness
    int depth = 0;  // D
    int backX() const { return x0 + depth; }
    int backY() const { return y0 - depth - floor; }
};

DepthPlot PlotOf(const Scene& scene) {
    const bool labelsLeft = (scene.options & kGraphOptionLabelsLeft) != 0;
    DepthPlot plot;
    plot.x0 = PerMille(scene.width, labelsLeft ? 200 : 30);
    plot.y0 = PerMille(scene.height, 750);
    plot.width = PerMille(scene.width, 620);
    plot.height = PerMille(scene.height, 400);
    plot.floor = PerMille(scene.height, 20);
    plot.depth = PerMille(scene.width, 150);
    return plot;
}

void DrawLegend(Scene& scene) {
    const int blockWidth = PerMille(scene.width, 300);
    const int blockDepth = PerMille(scene.width, 10);
    const int x = PerMille(scene.width, scene.chart.legend->x);
    int y = PerMille(scene.height, scene.chart.legend->y);
    for (const Series& series : scene.chart.series) {
        y += scene.labelFontHeight + blockDepth + 2;
        DrawBlock(scene.painter, {x, y}, blockWidth, blockDepth, Level(0, scene.labelFontHeight),
                  kAllFaces, series.colour);
        scene.painter.DrawAlignedText(scene.labelFont, series.name, x + blockWidth / 2, y,
                                      HorizontalAlignment::Centre, VerticalAlignment::Bottom,
                                      kBlack);
    }
}

void DrawFloor(Scene& scene, const DepthPlot& plot) {
    const FloorStyle style = scene.chart.floorStyle;
    if (style == FloorStyle::Neither) {
        return;
    }
    const bool rail = style == FloorStyle::FloorAndRail;
    DrawBlock(scene.painter, {plot.x0, plot.y0}, plot.width,
              rail ? plot.depth + plot.floor : plot.depth, Level(0, plot.floor), kAllFaces,
              scene.chart.floorColour);
    if (rail) {
        DrawBlock(scene.painter, {plot.backX(), plot.backY()}, plot.width, plot.floor,
                  Level(0, plot.floor), kAllFaces, scene.chart.floorColour);
    }
}

void DrawValueLines(Scene& scene, const DepthPlot& plot) {
    const bool labelsLeft = (scene.options & kGraphOptionLabelsLeft) != 0;
    ValueLabelColumn column;
    for (const Label& label : scene.values) {
        const int y = plot.backY() - PixelHeight(plot.height, label.value, scene.maximum);
        if (label.value != 0) {
            scene.painter.Line({plot.backX(), y}, {plot.backX() + plot.width, y}, 1, label.colour);
            if (labelsLeft) {
                scene.painter.Line({plot.backX(), y}, {plot.x0, y + plot.depth}, 1, label.colour);
            }
        }
        if (labelsLeft) {
            column.Draw(scene, label, plot.x0 - 2, y + plot.depth, HorizontalAlignment::Right);
        } else {
            column.Draw(scene, label, plot.backX() + plot.width + 2, y, HorizontalAlignment::Left);
        }
    }
}

// Each series of each stack in the order of the record, so that stacks further back are drawn
// first and a series covers the top face of the one below it.
void DrawSeries(Scene& scene, const DepthPlot& plot) {
    const Chart& chart = scene.chart;
    const int stacks = chart.stackCount;
    const int stackDepth = plot.depth / stacks * 800 / 1000;
    const bool ribbons = chart.type == GraphType::Lines;
    const unsigned ribbon = ribbons ? kBandsOnly : 0u;
    const int band = PerMille(scene.width, 10);
    const int count = static_cast<int>(scene.categories.size());
    for (std::size_t index = 0; index < chart.series.size(); ++index) {
        const Series& series = chart.series[index];
        const int forward = plot.depth * (series.stack + 1) / stacks;
        const int baseX = plot.backX() - forward;
        const int baseY = plot.backY() + forward;
        auto heights = [&](int category) {
            return SeriesEdges(scene, index, category, plot.height);
        };
        if (scene.DrawsColumns()) {
            const int slot = plot.width / count;
            const int columnWidth = slot * 800 / 1000;
            for (int slotIndex = 0; slotIndex < count; ++slotIndex) {
                const Edges edges = heights(static_cast<int>(scene.categories[slotIndex].value));
                if (edges.topLeft != edges.bottomLeft) {
                    DrawBlock(
                        scene.painter, {baseX + slotIndex * slot + (slot - columnWidth) / 2, baseY},
                        columnWidth, stackDepth, edges, kAllFaces | ribbon, series.colour, band);
                }
            }
        } else {
            const int first = static_cast<int>(scene.categories.front().value);
            const int intervals = static_cast<int>(scene.categories.back().value) - first;
            for (int interval = 0; interval < intervals; ++interval) {
                const Edges edges =
                    Between(heights(first + interval), heights(first + interval + 1));
                if (edges.topLeft == edges.bottomLeft && edges.topRight == edges.bottomRight) {
                    continue;
                }
                const int start = plot.width * interval / intervals;
                const int end = plot.width * (interval + 1) / intervals;
                const unsigned faces =
                    kTopFace | kFrontFace | ribbon | (interval == intervals - 1 ? kSideFace : 0u);
                DrawBlock(scene.painter, {baseX + start, baseY}, end - start, stackDepth, edges,
                          faces, series.colour, band);
            }
        }
        scene.progress.ReportSeries(series.index);
    }
}

} // namespace

void DrawDepthLayout(Scene& scene) {
    const DepthPlot plot = PlotOf(scene);
    if (scene.chart.legend) {
        DrawLegend(scene);
    }
    scene.progress.Report(40);
    if (!scene.HasPlot()) {
        return;
    }
    DrawFloor(scene, plot);
    scene.progress.Report(50);
    DrawCategoryLabels(scene, plot.x0, plot.width, plot.y0 + plot.floor);
    scene.progress.Report(60);
    DrawValueLines(scene, plot);
    scene.progress.Report(70);
    DrawSeries(scene, plot);
}

} // namespace plotwen

#include "family/graph/src/scene.h"

#include <algorithm>

namespace plotwen {

namespace {

// Far beyond any bitmap side (32,767), and small enough that sums of a few such values cannot
// overflow an int.
constexpr long long kCoordinateLimit = 1 << 24;

int Held(long long value) {
    return static_cast<int>(std::clamp(value, -kCoordinateLimit, kCoordinateLimit));
}

} // namespace

int PerMille(int size, long long perMille) {
    const long long held = std::clamp(perMille, -kCoordinateLimit, kCoordinateLimit);
    return Held(size * held / 1000);
}

int PixelHeight(int plotHeight, double value, double maximum) {
    const double pixels = plotHeight * value / maximum;
    return static_cast<int>(std::clamp(pixels, -static_cast<double>(kCoordinateLimit),
                                       static_cast<double>(kCoordinateLimit)));
}

double SumBelow(const Chart& chart, std::size_t series, int category) {
    double sum = 0;
    for (std::size_t below = 0; below < series; ++below) {
        if (chart.series[below].stack == chart.series[series].stack) {
            sum += chart.series[below].values[category];
        }
    }
    return sum;
}

Edges SeriesEdges(const Scene& scene, std::size_t series, int category, int plotHeight) {
    const double below = SumBelow(scene.chart, series, category);
    const double top = below + scene.chart.series[series].values[category];
    return Level(PixelHeight(plotHeight, below, scene.maximum),
                 PixelHeight(plotHeight, top, scene.maximum));
}

int CategoryOffset(const Scene& scene, std::size_t index, int plotWidth) {
    const std::vector<Label>& labels = scene.categories;
    const long long count = static_cast<long long>(labels.size());
    if (count == 1) {
        return plotWidth / 2;
    }
    if (scene.chart.type == GraphType::Bars) {
        return static_cast<int>(plotWidth * (2 * static_cast<long long>(index) + 1) / (2 * count));
    }
    const long long smallest = static_cast<long long>(labels.front().value);
    const long long largest = static_cast<long long>(labels.back().value);
    const long long number = static_cast<long long>(labels[index].value);
    return static_cast<int>(plotWidth * (number - smallest) / (largest - smallest));
}

} // namespace plotwen

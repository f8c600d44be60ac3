#include "output/graph/graph_chart.h"

#include "output/bitmap_file.h"
#include "output/graph/src/fade_gradient.h"
#include "output/image/caller_path.h"

#include "platform/runtime/text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

namespace output {

namespace {

float ChannelOf(std::int32_t value, int shift) {
    const int channel = (static_cast<std::uint32_t>(value) >> shift) & 0xFF;
    if (channel == 0) {
        return 0.0f;
    }
    if (channel == 255) {
        return 1.0f;
    }
    return static_cast<float>(channel) / 255.0f;
}

bool SameId(const std::string& a, const std::string& b) {
    return runtime::UpperCase(a) == runtime::UpperCase(b);
}

// The steps AutoColumn tries, and how many columns one may give at most.
constexpr std::int64_t kColumnSteps[] = {1, 2, 5, 10, 20, 50, 100};
constexpr std::size_t kMaxAutoColumns = 15;

// The steps AutoRow tries, and how many rows one may give at most.
constexpr double kRowSteps[] = {1,      5,      10,      50,      100,     250,     500,
                                1000,   2500,   5000,    10000,   25000,   50000,   100000,
                                250000, 500000, 1000000, 2500000, 5000000, 10000000};
constexpr double kMaxAutoRows = 10;
// The head room above the largest value, a single-precision constant.
constexpr double kRowHeadRoom = static_cast<double>(1.1f);

// The indexes one step of AutoColumn keeps from lo to hi; nothing when it would keep too many.
// The walk ends at the first index too many, so it stays short however far apart lo and hi lie.
std::optional<std::vector<std::int64_t>> KeptIndexes(std::int64_t lo, std::int64_t hi,
                                                     std::int64_t step) {
    std::vector<std::int64_t> kept;
    for (std::int64_t i = lo; i <= hi; ++i) {
        if (i != lo && i != hi && i % step != 0) {
            continue;
        }
        if (i == hi && !kept.empty() && hi - kept.back() < step / 2) {
            kept.back() = hi;
            continue;
        }
        if (kept.size() == kMaxAutoColumns) {
            return std::nullopt;
        }
        kept.push_back(i);
    }
    return kept;
}

} // namespace

GraphColor GraphColor::From(std::int32_t value) {
    return {value, ChannelOf(value, 0), ChannelOf(value, 8), ChannelOf(value, 16), 1.0f};
}

double GraphSeries::ValueAt(std::int64_t index) const {
    if (!Holds(index)) {
        return 0.0;
    }
    return values[static_cast<std::size_t>(index - indexMin)];
}

GraphChart::~GraphChart() {
    WallpaperOff();
    DropFadeGradient();
}

void GraphChart::Reset() {
    WallpaperOff();
    DropFadeGradient();
    settings_ = Settings{};
}

void GraphChart::BackdropSolid(std::int32_t color) {
    DropFadeGradient();
    settings_.backdrop = {BackdropMode::Solid, color, color};
}

void GraphChart::BackdropFade(std::int32_t from, std::int32_t to) {
    DropFadeGradient();
    settings_.backdrop = {BackdropMode::Fade, from, to};
}

HBITMAP GraphChart::FadeGradient() const {
    if (fadeGradient_ == nullptr && settings_.backdrop.mode == BackdropMode::Fade) {
        fadeGradient_ = MakeFadeGradient(settings_.backdrop);
    }
    return fadeGradient_;
}

void GraphChart::DropFadeGradient() {
    if (fadeGradient_ != nullptr) {
        DeleteObject(fadeGradient_);
    }
    fadeGradient_ = nullptr;
}

void GraphChart::PutClamped(float& property, double value, double low, double high) {
    if (std::isnan(value)) {
        return;
    }
    property = static_cast<float>(std::clamp(value, low, high));
}

void GraphChart::SetRowMode(std::int32_t mode) {
    settings_.rowMode = std::clamp(mode, 1, 4);
}

GraphError GraphChart::ColumnAdd(std::int32_t index, const std::string& text) {
    if (index < 0) {
        return GraphError::InvalidIndex;
    }
    auto& columns = settings_.columns;
    const auto at = std::lower_bound(
        columns.begin(), columns.end(), index,
        [](const GraphColumn& column, std::int32_t wanted) { return column.index < wanted; });
    if (at != columns.end() && at->index == index) {
        return GraphError::CannotAddDuplicate;
    }
    columns.insert(at, {index, text, labelFont_.Measure(text)});
    return GraphError::OK;
}

GraphError GraphChart::RowAdd(double value, const std::string& text) {
    if (!std::isfinite(value) || value < 0.0) {
        return GraphError::InvalidValue;
    }
    auto& rows = settings_.rows;
    const auto at =
        std::lower_bound(rows.begin(), rows.end(), value,
                         [](const GraphRow& row, double wanted) { return row.value < wanted; });
    if (at != rows.end() && at->value == value) {
        return GraphError::CannotAddDuplicate;
    }
    rows.insert(at, {value, text, labelFont_.Measure(text)});
    return GraphError::OK;
}

GraphError GraphChart::DataAdd(const std::string& id, std::int32_t indexMin, std::int32_t indexMax,
                               std::int32_t color, std::int32_t type) {
    if (type < 1 || type > 3) {
        return GraphError::InvalidType;
    }
    if (FindSeries(id) != nullptr) {
        return GraphError::CannotAddDuplicate;
    }
    const std::int32_t low = std::min(indexMin, indexMax);
    const std::int32_t high = std::max(indexMin, indexMax);
    const std::int64_t length = std::int64_t{high} - low + 1;
    if (length > kMaxSeriesLength) {
        return GraphError::InvalidIndex;
    }
    GraphSeries series{id,
                       low,
                       high,
                       GraphColor::From(color),
                       static_cast<SeriesType>(type),
                       std::vector<double>(static_cast<std::size_t>(length), 0.0)};
    settings_.series.push_back(std::move(series));
    return GraphError::OK;
}

GraphError GraphChart::GetValue(const std::string& id, std::int32_t index, double& value) const {
    value = 0.0;
    const GraphSeries* series = FindSeries(id);
    if (series == nullptr) {
        return GraphError::InvalidID;
    }
    if (!series->Holds(index)) {
        return GraphError::InvalidIndex;
    }
    value = series->ValueAt(index);
    return GraphError::OK;
}

GraphError GraphChart::SetValue(const std::string& id, std::int32_t index, double value) {
    GraphSeries* series = FindSeries(id);
    if (series == nullptr) {
        return GraphError::InvalidID;
    }
    if (!series->Holds(index)) {
        return GraphError::InvalidIndex;
    }
    if (!std::isfinite(value)) {
        return GraphError::InvalidValue;
    }
    series->values[static_cast<std::size_t>(std::int64_t{index} - series->indexMin)] = value;
    return GraphError::OK;
}

void GraphChart::AddColumn(std::int32_t index, std::string label) {
    const LabelExtent extent = labelFont_.Measure(label);
    settings_.columns.push_back({index, std::move(label), extent});
}

void GraphChart::AutoColumn() {
    settings_.columns.clear();
    const auto& series = settings_.series;
    if (series.empty()) {
        return;
    }
    std::int64_t lo = series.front().indexMin;
    std::int64_t hi = series.front().indexMax;
    for (const GraphSeries& one : series) {
        lo = std::min<std::int64_t>(lo, one.indexMin);
        hi = std::max<std::int64_t>(hi, one.indexMax);
    }
    std::vector<std::int64_t> kept = {lo, hi};
    for (const std::int64_t step : kColumnSteps) {
        if (auto indexes = KeptIndexes(lo, hi, step)) {
            kept = std::move(*indexes);
            break;
        }
    }
    for (const std::int64_t index : kept) {
        AddColumn(static_cast<std::int32_t>(index), std::to_string(index));
    }
}

void GraphChart::AutoRow() {
    settings_.rows.clear();
    if (settings_.series.empty()) {
        return;
    }
    double largest = 0.0;
    for (const GraphSeries& series : settings_.series) {
        for (const double value : series.values) {
            largest = std::max(largest, value);
        }
    }
    const double top = largest * kRowHeadRoom;
    std::vector<double> values = {0.0, largest};
    for (const double step : kRowSteps) {
        if (std::floor(top / step) + 1 <= kMaxAutoRows) {
            values.clear();
            for (double value = 0.0; value <= top; value += step) {
                values.push_back(value);
            }
            break;
        }
    }
    for (const double value : values) {
        std::string label = DollarLabel(value);
        const LabelExtent extent = labelFont_.Measure(label);
        settings_.rows.push_back({value, std::move(label), extent});
    }
}

void GraphChart::WallpaperOff() {
    if (wallpaper_ != nullptr) {
        DeleteObject(wallpaper_);
    }
    wallpaper_ = nullptr;
    settings_.wallpaperMode = WallpaperMode::None;
}

void GraphChart::WallpaperOnBitmap(std::int32_t mode, HBITMAP bitmap) {
    WallpaperOff();
    BITMAP info{};
    if (bitmap == nullptr || GetObjectA(bitmap, sizeof info, &info) != sizeof info) {
        return;
    }
    wallpaper_ = bitmap;
    settings_.wallpaperMode = static_cast<WallpaperMode>(std::clamp(mode, 1, 3));
}

GraphError GraphChart::WallpaperOnFile(std::int32_t mode, const std::string& name) {
    WallpaperOff();
    HBITMAP bitmap = nullptr;
    if (!LoadBitmapFile(output::CallerBitmapPath(name).string(), bitmap)) {
        return GraphError::CannotAccessFile;
    }
    WallpaperOnBitmap(mode, bitmap);
    return GraphError::OK;
}

void GraphChart::ClippingOn(std::int32_t indexMin, std::int32_t indexMax) {
    settings_.clipping = {true, std::min(indexMin, indexMax), std::max(indexMin, indexMax)};
}

void GraphChart::SetTitle(std::int32_t mode, const std::string& text, double size,
                          std::int32_t textColor, std::int32_t backColor) {
    GraphTitle title;
    title.mode = static_cast<TitleMode>(std::clamp(mode, 1, 2));
    title.lines.emplace_back();
    for (const char character : text) {
        if (character == '\r') {
            title.lines.emplace_back();
        } else if (character != '\n') {
            title.lines.back() += character;
        }
    }
    // A size that is not a number is taken as the smallest.
    const double smallest = static_cast<double>(0.05f);
    title.size = std::isnan(size) ? smallest : std::clamp(size, smallest, double{0.2f});
    title.textColor = textColor;
    title.backColor = backColor;
    settings_.title = std::move(title);
}

GraphSeries* GraphChart::FindSeries(const std::string& id) {
    for (GraphSeries& series : settings_.series) {
        if (SameId(series.id, id)) {
            return &series;
        }
    }
    return nullptr;
}

const GraphSeries* GraphChart::FindSeries(const std::string& id) const {
    return const_cast<GraphChart*>(this)->FindSeries(id);
}

std::string DollarLabel(double value) {
    char digits[400];
    std::snprintf(digits, sizeof digits, "%.0f", value);
    const std::string whole = digits;
    std::string grouped;
    for (std::size_t i = 0; i < whole.size(); ++i) {
        if (i != 0 && (whole.size() - i) % 3 == 0) {
            grouped += ',';
        }
        grouped += whole[i];
    }
    return "$" + grouped;
}

} // namespace output

#include "family/graph/fuzz/chart_bytes.h"

#include "family/graph/plotwen.h"

#include "platform/bytes/byte_reader.h"
#include "platform/win32/font_provider.h"
#include "platform/win32/windows.h"

#include <algorithm>
#include <bit>
#include <vector>

namespace plotwen_fuzz {

namespace {

constexpr std::size_t kValuesPerSeries = 100;
constexpr std::size_t kSeriesCount = 16;

constexpr std::size_t kValuesSize = kSeriesCount * kValuesPerSeries * sizeof(float);

// Reads the fields of the layout in order from bytes padded with zeros to its whole size.
class FieldReader {
public:
    explicit FieldReader(std::span<const std::uint8_t> bytes) : reader_(bytes) {}

    std::uint8_t U8() { return reader_.U8(); }
    std::int16_t I16() { return static_cast<std::int16_t>(reader_.U16LE()); }
    std::int32_t I32() { return static_cast<std::int32_t>(reader_.U32LE()); }
    float F32() { return std::bit_cast<float>(reader_.U32LE()); }
    template <std::size_t kWidth>
    void Text(char (&field)[kWidth]) {
        const std::span<const std::uint8_t> text = reader_.Bytes(kWidth);
        std::copy(text.begin(), text.end(), reinterpret_cast<std::uint8_t*>(field));
    }

private:
    bytes::ByteReader reader_;
};

// One bitmap of the target's own stands for every wallpaper handle a record names.
HBITMAP Wallpaper() {
    static const HBITMAP kWallpaper = [] {
        HDC screen = CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
        HBITMAP bitmap = CreateCompatibleBitmap(screen, 9, 7);
        DeleteDC(screen);
        return bitmap;
    }();
    return kWallpaper;
}

void ReadRecord(FieldReader& in, GraphRecord& record, const std::vector<float>& values) {
    record.graphType = in.I16();
    record.frame = in.I16();
    record.background = in.I16();
    record.gradientStart = in.I32();
    record.gradientEnd = in.I32();
    record.wallpaperMode = in.I16();
    record.wallpaper = in.I32() != 0 ? Wallpaper() : nullptr;
    record.floorStyle = in.I16();
    record.floorColour = in.I32();
    record.legendX = in.I32();
    record.legendY = in.I32();
    for (std::size_t i = 0; i < kSeriesCount; ++i) {
        GraphSeries& series = record.series[i];
        in.Text(series.name);
        series.flags = in.U8();
        series.values = in.I32() != 0 ? values.data() + i * kValuesPerSeries : nullptr;
        series.colour = in.I32();
    }
    for (GraphCategoryMark& mark : record.categoryMarks) {
        mark.category = in.I32();
        in.Text(mark.label);
        mark.colour = in.I32();
    }
    for (GraphValueMark& mark : record.valueMarks) {
        mark.value = in.F32();
        in.Text(mark.label);
        mark.colour = in.I32();
    }
    for (GraphFont& font : record.fonts) {
        font.size = in.I32();
        font.weight = in.I32();
        font.style = in.U8();
        font.pitchAndFamily = in.U8();
    }
    for (GraphText& text : record.texts) {
        in.Text(text.text);
        text.x = in.I32();
        text.y = in.I32();
        text.horizontalAlignment = in.I16();
        text.verticalAlignment = in.I16();
        text.font = static_cast<std::int8_t>(in.U8());
        text.colour = in.I32();
    }
}

std::vector<int> gProgress;

void RecordProgress(int percent) {
    gProgress.push_back(percent);
}

} // namespace

bool DrawChartBytes(std::span<const std::uint8_t> bytes) {
    win32::UseFontSource(win32::FontSource::FixedMetrics);
    std::vector<std::uint8_t> padded(kChartHeaderSize + kPackedRecordSize + kValuesSize);
    std::copy_n(bytes.begin(), std::min(bytes.size(), padded.size()), padded.begin());
    FieldReader in(padded);
    const int width = in.U8();
    const int height = in.U8();
    const std::uint8_t flags = in.U8();
    const std::uint8_t size = in.U8();
    const GraphOptions options{static_cast<std::int16_t>(size & 0x7F), 0, flags};

    std::vector<float> values(kSeriesCount * kValuesPerSeries);
    GraphRecord record{};
    ReadRecord(in, record, values);
    for (float& value : values) {
        value = in.F32();
    }

    HDC screen = CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
    HBITMAP bitmap = nullptr;
    gProgress.clear();
    _DOGRAPHDRAWX(screen, width, height, &record, &bitmap, RecordProgress,
                  (size & 0x80) != 0 ? nullptr : &options);
    DeleteDC(screen);

    const bool progressKept = !gProgress.empty() && gProgress.front() == 0 &&
                              gProgress.back() == 100 &&
                              std::is_sorted(gProgress.begin(), gProgress.end());
    if (width == 0 || height == 0) {
        return progressKept && bitmap == nullptr;
    }
    BITMAP info{};
    const bool bitmapKept = bitmap != nullptr && GetObjectA(bitmap, sizeof info, &info) != 0 &&
                            info.bmWidth == width && info.bmHeight == height;
    DeleteObject(bitmap);
    return progressKept && bitmapKept;
}

} // namespace plotwen_fuzz

#include "family/print/src/convert/drawing_tokens.h"

#include "family/print/src/printfile/print_file_layout.h"

namespace pressel {
namespace {

void PutInt32(std::vector<std::uint8_t>& bytes, std::int64_t value) {
    const auto word = static_cast<std::uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8) {
        bytes.push_back(static_cast<std::uint8_t>(word >> shift));
    }
}

void PutInt16(std::vector<std::uint8_t>& bytes, std::int32_t value) {
    const auto word = static_cast<std::uint16_t>(value);
    bytes.push_back(static_cast<std::uint8_t>(word));
    bytes.push_back(static_cast<std::uint8_t>(word >> 8));
}

} // namespace

std::uint32_t ColourOf(const std::array<std::uint8_t, 3>& blueGreenRed) {
    return blueGreenRed[2] + blueGreenRed[1] * 256u + blueGreenRed[0] * 65536u;
}

std::vector<std::uint8_t> PictureOperand(int index, std::int16_t width, std::int16_t height) {
    std::vector<std::uint8_t> bytes{static_cast<std::uint8_t>(index)};
    PutInt16(bytes, width);
    PutInt16(bytes, height);
    return bytes;
}

std::vector<std::uint8_t> LineOperand(const DrawingObject& object) {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(kLineOperandSize);
    PutInt32(bytes, static_cast<std::int64_t>(object.x) + object.points[0][0]);
    PutInt32(bytes, static_cast<std::int64_t>(object.y) + object.points[0][1]);
    PutInt32(bytes, static_cast<std::int64_t>(object.x) + object.points[1][0]);
    PutInt32(bytes, static_cast<std::int64_t>(object.y) + object.points[1][1]);
    PutInt16(bytes, object.lineWidth);
    PutInt32(bytes, ColourOf(object.lineColour));
    return bytes;
}

std::vector<std::uint8_t> RectangleOperand(const DrawingObject& object) {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(kRectangleOperandSize);
    PutInt32(bytes, object.x);
    PutInt32(bytes, object.y);
    PutInt32(bytes, object.x + object.width);
    PutInt32(bytes, object.y + object.height);
    PutInt16(bytes, object.lineWidth);
    bytes.push_back(object.hollow != 0 ? 0 : 1);
    bytes.push_back(static_cast<std::uint8_t>(object.fillPattern));
    PutInt32(bytes, ColourOf(object.lineColour));
    PutInt32(bytes, ColourOf(object.fillForeColour));
    PutInt32(bytes, ColourOf(object.fillBackColour));
    return bytes;
}

} // namespace pressel

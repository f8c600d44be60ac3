// Pictures: the reader is chosen by the file's first bytes (JPEG's start-of-image marker, the
// GIF signature); everything else is read as a BMP file, whose reader does not require its
// signature.
#include "platform/printdoc/src/picture_data.h"
#include "platform/runtime/runtime_error.h"
#include "platform/system/files.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace printdoc {

void RefusePicture(const std::string& detail) {
    throw runtime::RuntimeError(runtime::ErrorNumber::InvalidPicture, detail);
}

void CheckPictureSize(long long width, long long height) {
    if (width < 1 || height < 1 || width > kLargestPictureSide || height > kLargestPictureSide) {
        RefusePicture("picture size " + std::to_string(width) + " x " + std::to_string(height) +
                      " is outside 1 to " + std::to_string(kLargestPictureSide));
    }
}

Picture::Picture(std::shared_ptr<const PictureData> data) : data_(std::move(data)) {}

Picture Picture::Load(const std::filesystem::path& file) {
    return Decode(sys::ReadWholeFile(file));
}

namespace {

PictureData DecodeByContent(std::string_view bytes) {
    if (bytes.starts_with("\xFF\xD8\xFF")) {
        return DecodeJpeg(bytes);
    }
    if (bytes.starts_with("GIF87a") || bytes.starts_with("GIF89a")) {
        return DecodeGif(bytes);
    }
    return DecodeBmp(bytes);
}

} // namespace

Picture Picture::Decode(std::string_view bytes) {
    PictureData data = DecodeByContent(bytes);
    data.opaque = std::all_of(data.pixels.begin(), data.pixels.end(),
                              [](std::uint32_t pixel) { return (pixel >> 24) == 0xFF; });
    return Picture(std::make_shared<const PictureData>(std::move(data)));
}

int Picture::PixelWidth() const {
    return data_->width;
}

int Picture::PixelHeight() const {
    return data_->height;
}

std::int32_t Picture::WidthTwips() const {
    return static_cast<std::int32_t>(std::lround(data_->width * 1440.0 / data_->dotsPerInchX));
}

std::int32_t Picture::HeightTwips() const {
    return static_cast<std::int32_t>(std::lround(data_->height * 1440.0 / data_->dotsPerInchY));
}

const std::vector<std::uint32_t>& Picture::Pixels() const {
    return data_->pixels;
}

bool Picture::Opaque() const {
    return data_->opaque;
}

std::string_view Picture::JpegFile() const {
    return data_->jpegFile;
}

} // namespace printdoc

#include "platform/forms/image.h"

#include <utility>

namespace forms {

Image::Image(int width, int height, std::vector<std::uint32_t> pixels) {
    if (width < 1 || height < 1 ||
        pixels.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) {
        return;
    }
    width_ = width;
    height_ = height;
    pixels_ = std::make_shared<const std::vector<std::uint32_t>>(std::move(pixels));
}

bool operator==(const Image& left, const Image& right) {
    return left.width_ == right.width_ && left.height_ == right.height_ &&
           (left.pixels_ == right.pixels_ || (left.pixels_ != nullptr && right.pixels_ != nullptr &&
                                              *left.pixels_ == *right.pixels_));
}

} // namespace forms

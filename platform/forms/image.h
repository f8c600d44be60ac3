// A picture held as its pixels, ready for the screen: width x height 32-bit pixels 0xAARRGGBB,
// row by row from the top, opaque. The pages of a composed document reach the print-document
// view this way, as they were rendered, so that nothing is encoded for the view and decoded
// again. Copies share the pixels, which never change.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

namespace forms {

class Image {
public:
    Image() = default;
    // `pixels` holds width x height pixels; any other count, or a side below 1, gives an empty
    // image.
    Image(int width, int height, std::vector<std::uint32_t> pixels);

    bool IsEmpty() const { return pixels_ == nullptr; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    // The first pixel of the top row; null for an empty image.
    const std::uint32_t* Pixels() const { return pixels_ ? pixels_->data() : nullptr; }

    // The same size and the same pixels.
    friend bool operator==(const Image& left, const Image& right);

private:
    int width_ = 0;
    int height_ = 0;
    std::shared_ptr<const std::vector<std::uint32_t>> pixels_;
};

} // namespace forms

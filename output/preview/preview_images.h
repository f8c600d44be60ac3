// The preview's pages: bitmaps it owns, in order, stacked top to bottom with 12-pixel margins.
#pragma once

#include "output/canvas/gdi_object.h"

#include <cstdint>
#include <vector>

namespace output {

// Margin around and between the pages, in pixels.
inline constexpr int kPreviewMargin = 12;

struct PreviewImage {
    OwnedBitmap bitmap;
    int width = 0;
    int height = 0;
    int left = 0;
    int top = 0;
};

class PreviewImages {
public:
    std::int32_t Count() const { return static_cast<std::int32_t>(images_.size()); }
    const PreviewImage& At(std::int32_t index) const { return images_[index]; }
    int ContentWidth() const { return contentWidth_; }
    int ContentHeight() const { return contentHeight_; }
    bool Holds(HBITMAP bitmap) const;

    // Each takes over `bitmap`; the index must be valid for the change.
    void Insert(std::int32_t index, OwnedBitmap bitmap);
    void Replace(std::int32_t index, OwnedBitmap bitmap);
    void Remove(std::int32_t index);
    void Reset();

private:
    void Layout();

    std::vector<PreviewImage> images_;
    int contentWidth_ = 0;
    int contentHeight_ = 0;
};

} // namespace output

#include "output/preview/preview_images.h"

#include <algorithm>
#include <utility>

namespace output {

namespace {

PreviewImage ImageOf(OwnedBitmap bitmap) {
    PreviewImage image;
    BITMAP info{};
    if (GetObjectA(bitmap.Get(), sizeof info, &info) != 0) {
        image.width = info.bmWidth;
        image.height = info.bmHeight;
    }
    image.bitmap = std::move(bitmap);
    return image;
}

} // namespace

bool PreviewImages::Holds(HBITMAP bitmap) const {
    return std::any_of(images_.begin(), images_.end(), [bitmap](const PreviewImage& image) {
        return image.bitmap.Get() == bitmap;
    });
}

void PreviewImages::Insert(std::int32_t index, OwnedBitmap bitmap) {
    images_.insert(images_.begin() + index, ImageOf(std::move(bitmap)));
    Layout();
}

void PreviewImages::Replace(std::int32_t index, OwnedBitmap bitmap) {
    images_[index] = ImageOf(std::move(bitmap));
    Layout();
}

void PreviewImages::Remove(std::int32_t index) {
    images_.erase(images_.begin() + index);
    Layout();
}

void PreviewImages::Reset() {
    images_.clear();
    Layout();
}

void PreviewImages::Layout() {
    if (images_.empty()) {
        contentWidth_ = 0;
        contentHeight_ = 0;
        return;
    }
    int top = kPreviewMargin;
    int widest = 0;
    for (PreviewImage& image : images_) {
        image.left = kPreviewMargin;
        image.top = top;
        top += image.height + kPreviewMargin;
        widest = std::max(widest, image.width);
    }
    contentWidth_ = widest + 2 * kPreviewMargin;
    contentHeight_ = top;
}

} // namespace output

#include "output/graph/src/label_room.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <limits>

namespace output {

namespace {

RECT Moved(const RECT& box, int left, int top) {
    return {left, top, left + (box.right - box.left), top + (box.bottom - box.top)};
}

} // namespace

LabelRoom::LabelRoom(int width, int height, int gap)
    : width_(std::max(width, 0)), height_(std::max(height, 0)), gap_(std::max(gap, 0)),
      taken_(static_cast<std::size_t>(width_) * height_, 0) {}

void LabelRoom::TakeScene(const void* bits, COLORREF mask) {
    const auto* rows = static_cast<const std::uint8_t*>(bits);
    const std::size_t stride = (static_cast<std::size_t>(width_) * 3 + 3) / 4 * 4;
    const std::uint8_t blue = GetBValue(mask);
    const std::uint8_t green = GetGValue(mask);
    const std::uint8_t red = GetRValue(mask);
    // Rows from the top: a column is taken from its first pixel of the scene down, the row
    // above already saying whether the scene has begun.
    for (int y = 0; y < height_; ++y) {
        const std::uint8_t* pixel = rows + (height_ - 1 - y) * stride;
        unsigned char* taken = &taken_[static_cast<std::size_t>(y) * width_];
        const unsigned char* above = y > 0 ? taken - width_ : nullptr;
        for (int x = 0; x < width_; ++x, pixel += 3) {
            const bool scene = pixel[0] != blue || pixel[1] != green || pixel[2] != red;
            taken[x] = scene || (above != nullptr && above[x] != 0) ? 1 : 0;
        }
    }
}

void LabelRoom::Take(const RECT& box) {
    for (int y = std::max(box.top, 0); y < std::min(box.bottom, height_); ++y) {
        for (int x = std::max(box.left, 0); x < std::min(box.right, width_); ++x) {
            taken_[static_cast<std::size_t>(y) * width_ + x] = 1;
        }
    }
}

bool LabelRoom::Free(const RECT& box) const {
    if (box.left < 0 || box.top < 0 || box.right > width_ || box.bottom > height_) {
        return false;
    }
    for (int y = box.top; y < box.bottom; ++y) {
        for (int x = box.left; x < box.right; ++x) {
            if (Taken(x, y)) {
                return false;
            }
        }
    }
    return true;
}

std::optional<RECT> LabelRoom::Place(const RECT& asked) const {
    // The label with its gap around it is what must find free pixels.
    const RECT wanted{asked.left - gap_, asked.top - gap_, asked.right + gap_, asked.bottom + gap_};
    const int width = wanted.right - wanted.left;
    const int height = wanted.bottom - wanted.top;
    if (width <= 0 || height <= 0 || width > width_ || height > height_) {
        return std::nullopt;
    }
    const auto unpadded = [&](int left, int top) { return Moved(asked, left + gap_, top + gap_); };
    if (Free(wanted)) {
        return asked;
    }

    // Every top from the picture's top down, with the taken pixels of each column in the rows
    // the label would cover; in each run of free columns wide enough, the left nearest the one
    // asked for.
    std::vector<int> inColumn(static_cast<std::size_t>(width_), 0);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width_; ++x) {
            inColumn[x] += Taken(x, y) ? 1 : 0;
        }
    }
    long best = std::numeric_limits<long>::max();
    std::optional<RECT> found;
    for (int top = 0; top + height <= height_; ++top) {
        if (top > 0) {
            for (int x = 0; x < width_; ++x) {
                inColumn[x] += (Taken(x, top + height - 1) ? 1 : 0) - (Taken(x, top - 1) ? 1 : 0);
            }
        }
        const long down = std::labs(static_cast<long>(top) - wanted.top);
        if (down >= best) {
            continue;
        }
        int runStart = 0;
        for (int x = 0; x <= width_; ++x) {
            if (x < width_ && inColumn[x] == 0) {
                continue;
            }
            if (x - runStart >= width) {
                const int left = std::clamp(wanted.left, runStart, x - width);
                const long cost = down + std::labs(static_cast<long>(left) - wanted.left);
                if (cost < best) {
                    best = cost;
                    found = unpadded(left, top);
                }
            }
            runStart = x + 1;
        }
    }
    return found;
}

} // namespace output

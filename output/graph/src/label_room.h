// The room a picture leaves for its flat labels (the title and the legend): which pixels the
// scene and the labels already placed take, and the free place nearest to where a label asks
// to go.
#pragma once

#include "platform/win32/wingdi.h"

#include <optional>
#include <vector>

namespace output {

class LabelRoom {
public:
    // A picture of width x height in which labels keep `gap` pixels from its edges, from the
    // scene and from one another.
    LabelRoom(int width, int height, int gap);

    // Takes the scene's room: in each column, every pixel from the first one that is not `mask`
    // down to the bottom, so that no label stands inside the chart even where it leaves the
    // backdrop showing. `bits` are 24-bit bottom-up rows of blue, green and red, each row padded
    // to four bytes.
    void TakeScene(const void* bits, COLORREF mask);
    // Takes the pixels of a placed label: from (left, top) up to, but not including, (right,
    // bottom).
    void Take(const RECT& box);

    // `asked` moved to the nearest place (the fewest pixels across and down together) where it
    // lies inside the picture with its gap and its gap holds no taken pixel; none when no such
    // place exists.
    std::optional<RECT> Place(const RECT& asked) const;

private:
    bool Taken(int x, int y) const { return taken_[static_cast<std::size_t>(y) * width_ + x] != 0; }
    bool Free(const RECT& box) const;

    int width_;
    int height_;
    int gap_;
    std::vector<unsigned char> taken_; // a byte a pixel, rows top first
};

} // namespace output

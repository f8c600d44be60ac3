#include "family/graph/src/shapes.h"

#include <algorithm>

namespace plotwen {

namespace {

constexpr int kFrontShade = 1000;
constexpr int kTopShade = 1500;
constexpr int kUndersideShade = 500;
constexpr int kSideShade = 750;
constexpr int kThickTopRows = 3;

// The height of an edge at column `column` of `width`.
int HeightAt(int left, int right, int column, int width) {
    return left + static_cast<int>(static_cast<long long>(right - left) * column / width);
}

int TopAt(const Edges& edges, int column, int width) {
    return HeightAt(edges.topLeft, edges.topRight, column, width);
}

int BottomAt(const Edges& edges, int column, int width) {
    return HeightAt(edges.bottomLeft, edges.bottomRight, column, width);
}

// Rows of a face column from its top row down to its bottom row, or only a band of `band`
// rows below the top when one is asked for.
void FillFaceColumn(Painter& painter, int x, int top, int bottom, int band, COLORREF colour) {
    if (band > 0) {
        bottom = std::min(bottom, top + band - 1);
    }
    painter.FillColumn(x, top, bottom, colour);
}

} // namespace

COLORREF Shaded(COLORREF colour, int perMille) {
    int red = GetRValue(colour) * perMille / 1000;
    int green = GetGValue(colour) * perMille / 1000;
    int blue = GetBValue(colour) * perMille / 1000;
    const int excess = std::max({red - 255, green - 255, blue - 255, 0});
    red = std::min(red + excess, 255);
    green = std::min(green + excess, 255);
    blue = std::min(blue + excess, 255);
    return RGB(static_cast<BYTE>(red), static_cast<BYTE>(green), static_cast<BYTE>(blue));
}

void DrawBlock(Painter& painter, POINT base, int width, int depth, const Edges& edges,
               unsigned faces, COLORREF colour, int bandThickness) {
    if (width <= 0) {
        return;
    }
    const int band = (faces & kBandsOnly) != 0 ? std::max(bandThickness, 1) : 0;
    if ((faces & kTopFace) != 0) {
        // The front top edge moved up and right by 1 to `depth` pixels; each screen column
        // spans the rows between the nearest and the farthest of those copies.
        const bool underside = edges.topRight - edges.topLeft > width;
        const COLORREF shade = Shaded(colour, underside ? kUndersideShade : kTopShade);
        for (int column = 1; column < width + depth; ++column) {
            const int nearest = std::max(1, column - width + 1);
            const int farthest = std::min(depth, column);
            if (nearest > farthest) {
                continue;
            }
            const int nearRow = base.y - TopAt(edges, column - nearest, width) - nearest;
            const int farRow = base.y - TopAt(edges, column - farthest, width) - farthest;
            painter.FillColumn(base.x + column, nearRow, farRow, shade);
        }
    }
    if ((faces & kSideFace) != 0) {
        const COLORREF shade = Shaded(colour, kSideShade);
        const int top = base.y - TopAt(edges, width - 1, width);
        const int bottom = base.y - BottomAt(edges, width - 1, width);
        for (int step = 1; step <= depth; ++step) {
            FillFaceColumn(painter, base.x + width - 1 + step, top - step, bottom - step, band,
                           shade);
        }
    }
    if ((faces & kFrontFace) != 0) {
        const COLORREF shade = Shaded(colour, kFrontShade);
        for (int column = 0; column < width; ++column) {
            FillFaceColumn(painter, base.x + column, base.y - TopAt(edges, column, width),
                           base.y - BottomAt(edges, column, width), band, shade);
        }
    }
}

void DrawSegment(Painter& painter, POINT base, int width, const Edges& edges, unsigned parts,
                 COLORREF fill, COLORREF outline) {
    if (width <= 0) {
        return;
    }
    if ((parts & (kFilled | kThickTop)) != 0) {
        const int band = (parts & kThickTop) != 0 ? kThickTopRows : 0;
        for (int column = 0; column < width; ++column) {
            FillFaceColumn(painter, base.x + column, base.y - TopAt(edges, column, width),
                           base.y - BottomAt(edges, column, width), band, fill);
        }
    }
    const int right = base.x + width - 1;
    if ((parts & kTopEdge) != 0) {
        painter.Line({base.x, base.y - edges.topLeft}, {base.x + width, base.y - edges.topRight}, 1,
                     outline);
    }
    if ((parts & kBottomEdge) != 0) {
        painter.Line({base.x, base.y - edges.bottomLeft},
                     {base.x + width, base.y - edges.bottomRight}, 1, outline);
    }
    if ((parts & kLeftEdge) != 0) {
        painter.FillColumn(base.x, base.y - edges.topLeft, base.y - edges.bottomLeft, outline);
    }
    if ((parts & kRightEdge) != 0) {
        painter.FillColumn(right, base.y - TopAt(edges, width - 1, width),
                           base.y - BottomAt(edges, width - 1, width), outline);
    }
}

} // namespace plotwen

// The two shapes charts are built of, filled one pixel column at a time:
//   a 3-D block: a front face with a top face and a side face receding up and to the right, one
//   pixel per column, as deep as the block's depth;
//   a flat segment: the area between a bottom and a top edge, with outline edges.
// Edges may slope: their heights are given at the left and the right end, in pixels above the
// base row, and columns between take heights in proportion.
#pragma once

#include "family/graph/src/painter.h"

namespace plotwen {

struct Edges {
    int bottomLeft = 0;
    int bottomRight = 0;
    int topLeft = 0;
    int topRight = 0;
};

// Level edges: a rectangle from `bottom` to `top`.
inline Edges Level(int bottom, int top) {
    return Edges{bottom, bottom, top, top};
}

// The edges from the left end of `left` to the left end of `right`.
inline Edges Between(const Edges& left, const Edges& right) {
    return Edges{left.bottomLeft, right.bottomLeft, left.topLeft, right.topLeft};
}

enum BlockFaces : unsigned {
    kTopFace = 0x01,
    kFrontFace = 0x02,
    kSideFace = 0x04,
    kBandsOnly = 0x40, // front and side faces only a band below the top edge (ribbons)
};

enum SegmentParts : unsigned {
    kFilled = 0x01,
    kTopEdge = 0x02,
    kBottomEdge = 0x04,
    kLeftEdge = 0x08,
    kRightEdge = 0x10,
    kThickTop = 0x40, // in place of the fill, the top edge 3 pixels thick in the fill colour
};

// `colour` scaled by `perMille` per component; what the brightest component then exceeds 255 by
// is added to all three, each capped at 255, so that a bright colour lightens towards white.
COLORREF Shaded(COLORREF colour, int perMille);

// A block whose front face stands on row `base.y` from column `base.x`, `width` columns wide.
// The front face has the colour itself, the top face the colour lightened by half (darkened by
// half where it turns its underside to the viewer), the side face darkened by a quarter.
void DrawBlock(Painter& painter, POINT base, int width, int depth, const Edges& edges,
               unsigned faces, COLORREF colour, int bandThickness = 0);

// A segment standing on row `base.y` from column `base.x`, `width` columns wide.
void DrawSegment(Painter& painter, POINT base, int width, const Edges& edges, unsigned parts,
                 COLORREF fill, COLORREF outline);

} // namespace plotwen

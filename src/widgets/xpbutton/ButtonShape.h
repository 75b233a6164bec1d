#pragma once
// Outline geometry of the button: slants, the window region with the
// per-style corner cuts, the clip ellipse, and the points of the three rings.
#include <array>
#include <optional>

#include "gfx/Geometry.h"
#include "gfx/Region.h"

namespace widgets {

struct ShapeGeometry {
    int left = 0;       // L: x of the bottom-left corner (slanted left edge)
    int right = 0;      // R: x of the top-right corner
    int width = 0;      // the client width the shape needs (wider than asked for a narrow slant)
    gfx::Region window;              // what of the button shows; outside shows the container
    std::optional<gfx::Region> clip; // the face clip of the elliptic shapes
};

// Region and extents for shape 0..6 and style 0..7 on a client of sw x sh.
// `enabled` matters to style 3, whose cuts exist only while enabled.
ShapeGeometry BuildShapeGeometry(int shape, int style, bool enabled, int sw, int sh);

// The corner cuts that the style takes out on the left and right vertical edges.
gfx::Region CornerCuts(int style, bool enabled, bool leftSide, bool rightSide, int sw, int sh);

// The 15 points that the twelve ring segments join (see DrawBorderRings).
std::array<gfx::Point, 15> RingPoints(int shape, int left, int right, int sw, int sh);

// Segment k (0..11, slot k + 1) runs from point First to point Second.
struct RingSegment {
    int from;
    int to;
};
constexpr std::array<RingSegment, 12> kRingSegments{{
    {0, 1}, {1, 2}, {2, 3}, {3, 4},        // inner: left, top, right, bottom
    {5, 6}, {6, 7}, {7, 8}, {8, 9},        // middle
    {10, 11}, {11, 12}, {12, 13}, {13, 14} // outer, on the client edge
}};

}  // namespace widgets

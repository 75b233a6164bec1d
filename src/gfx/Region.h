#pragma once
// A set of pixels, kept as sorted bands of disjoint x spans, with the
// rasterisation of the Windows region calls: rectangles exclude right and
// bottom, ellipses follow the elliptic region's treatment of the bounding box,
// polygons fill by winding.
#include <vector>

#include "gfx/Geometry.h"

namespace gfx {

class Region {
public:
    Region() = default;  // empty

    static Region FromRect(const Rect& r);
    static Region FromRect(int left, int top, int right, int bottom) { return FromRect(Rect{left, top, right, bottom}); }
    static Region FromEllipse(int left, int top, int right, int bottom);
    static Region FromPolygon(const std::vector<Point>& points);  // winding fill

    Region Union(const Region& o) const;
    Region Subtract(const Region& o) const;
    Region Intersect(const Region& o) const;

    bool Contains(int x, int y) const;
    bool Empty() const;
    Rect Bounds() const;
    Region Offset(int dx, int dy) const;
    // The region as disjoint rectangles, top to bottom, left to right.
    std::vector<Rect> Rects() const;

    friend bool operator==(const Region& a, const Region& b);

private:
    struct Band {
        int top = 0;
        int bottom = 0;
        std::vector<int> spans;  // pairs: left, right (exclusive)
    };
    std::vector<Band> bands_;
    friend class RegionBuilder;
};

}  // namespace gfx

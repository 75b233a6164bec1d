#include "widgets/xpbutton/ButtonShape.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace widgets {

namespace {

// A corner triangle as the region call fills it: scan lines at whole y, each
// span from the left crossing up to (not including) the right crossing.
gfx::Region Triangle(gfx::Point a, gfx::Point b, gfx::Point c) {
    const gfx::Point pts[3] = {a, b, c};
    int top = std::min({a.y, b.y, c.y}), bottom = std::max({a.y, b.y, c.y});
    gfx::Region out;
    for (int y = top; y < bottom; ++y) {
        std::vector<double> xs;
        for (int i = 0; i < 3; ++i) {
            gfx::Point p = pts[i], q = pts[(i + 1) % 3];
            if (p.y == q.y) continue;
            if (p.y > q.y) std::swap(p, q);
            if (y < p.y || y >= q.y) continue;
            xs.push_back(p.x + static_cast<double>(q.x - p.x) * (y - p.y) / (q.y - p.y));
        }
        if (xs.size() < 2) continue;
        auto [lo, hi] = std::minmax_element(xs.begin(), xs.end());
        int l = static_cast<int>(std::ceil(*lo)), r = static_cast<int>(std::ceil(*hi));
        if (r > l) out = out.Union(gfx::Region::FromRect(l, y, r, y + 1));
    }
    return out;
}

gfx::Region Pixel(int x, int y) { return gfx::Region::FromRect(x, y, x + 1, y + 1); }

// Which sides have a vertical edge for the cuts: shape 0 both, 1 right, 2 left, others none.
bool LeftVertical(int shape) { return shape == 0 || shape == 2; }
bool RightVertical(int shape) { return shape == 0 || shape == 1; }

}  // namespace

gfx::Region CornerCuts(int style, bool enabled, bool leftSide, bool rightSide, int sw, int sh) {
    gfx::Region cuts;
    switch (style) {
    case 1:
        if (leftSide) cuts = cuts.Union(Pixel(0, 0)).Union(Pixel(0, sh - 1));
        if (rightSide) cuts = cuts.Union(Pixel(sw - 1, 0)).Union(Pixel(sw - 1, sh - 1));
        break;
    case 2:
    case 7:
        if (leftSide) {
            cuts = cuts.Union(Triangle({0, 0}, {2, 0}, {0, 2}));
            cuts = cuts.Union(Triangle({0, sh}, {3, sh}, {0, sh - 3}));
        }
        if (rightSide) {
            cuts = cuts.Union(Triangle({sw, 0}, {sw - 2, 0}, {sw, 2}));
            cuts = cuts.Union(Triangle({sw, sh}, {sw - 3, sh}, {sw, sh - 3}));
        }
        break;
    case 3:
        if (!enabled) break;
        if (leftSide) cuts = cuts.Union(Pixel(0, sh - 1));
        if (rightSide) cuts = cuts.Union(Pixel(sw - 1, 0));
        break;
    default:
        break;
    }
    return cuts;
}

ShapeGeometry BuildShapeGeometry(int shape, int style, bool enabled, int sw, int sh) {
    ShapeGeometry g;
    g.left = 0;
    g.right = sw;
    g.width = sw;
    if (shape == 0) {
        g.window = gfx::Region::FromRect(0, 0, sw + 1, sh + 1);
    } else if (shape >= 1 && shape <= 3) {
        int d = sh + 1;  // a 45-degree edge
        int wide = sw;
        while (wide - d <= 4) wide += 5;
        if (wide != sw) {
            sw = wide;
            g.width = wide;
            g.right = wide;
        }
        std::vector<gfx::Point> poly{{0, 0}, {0, sh + 1}, {sw + 1, sh + 1}, {sw + 1, 0}};
        if (shape == 1 || shape == 3) {
            poly[1] = {d, sh + 1};
            g.left = d;
        }
        if (shape == 2 || shape == 3) {
            poly[3] = {sw - d + 1, 0};
            g.right = sw - d;
        }
        g.window = gfx::Region::FromPolygon(poly);
    } else {
        g.window = gfx::Region::FromEllipse(0, 0, sw + 1, sh + 1);
        g.clip = shape == 6 ? gfx::Region::FromEllipse(2, 2, sw - 1, sh - 1)
                            : gfx::Region::FromEllipse(1, 1, sw, sh);
    }
    g.window = g.window.Subtract(CornerCuts(style, enabled, LeftVertical(shape), RightVertical(shape), sw, sh));
    return g;
}

std::array<gfx::Point, 15> RingPoints(int shape, int left, int right, int sw, int sh) {
    int s1 = (shape == 1 || shape == 3) ? 1 : 0;
    int s2 = (shape == 2 || shape == 3) ? 1 : 0;
    std::array<gfx::Point, 15> p{};
    p[0] = {left + 2 - 4 * s1, sh - 3};
    p[1] = {2 * s1 + 2, 2};
    p[2] = {right - 3 + 3 * s2, 2};
    p[3] = {sw - 3 - 3 * s2, sh - 3};
    p[4] = {left + 1 - 4 * s1, sh - 3};
    const int dx[5] = {s1 - 1, -1 - s1, 1 - s2, s2 + 1, -1};
    const int dy[5] = {1, -1, -1, 1, 1};
    for (int i = 5; i <= 9; ++i) p[i] = {p[i - 5].x + dx[i - 5], p[i - 5].y + dy[i - 5]};
    p[10] = {left - s1, sh - 1};
    p[11] = {0, 0};
    p[12] = {right + s2 - 1, 0};
    p[13] = {sw - 1 - s2, sh - 1};
    p[14] = {left - 2 * s1 - 1, sh - 1};
    return p;
}

}  // namespace widgets

#include "gfx/Region.h"

#include <algorithm>
#include <cmath>

namespace gfx {

// Collects per-row spans and merges equal neighbouring rows into bands.
class RegionBuilder {
public:
    using Band = Region::Band;

    // Adds a row interval [top, bottom) whose spans (sorted, disjoint) are given.
    void AddBand(int top, int bottom, std::vector<int> spans) {
        if (top >= bottom || spans.empty()) return;
        auto& bands = region_.bands_;
        if (!bands.empty() && bands.back().bottom == top && bands.back().spans == spans) {
            bands.back().bottom = bottom;
            return;
        }
        bands.push_back({top, bottom, std::move(spans)});
    }
    Region Take() { return std::move(region_); }

    static const std::vector<Band>& Bands(const Region& r) { return r.bands_; }

private:
    Region region_;
};

namespace {

using Spans = std::vector<int>;

// Combines two sorted span lists; keep(a, b) decides membership from the inputs.
template <typename Op>
Spans CombineSpans(const Spans& a, const Spans& b, Op keep) {
    std::vector<int> edges;
    edges.reserve(a.size() + b.size());
    edges.insert(edges.end(), a.begin(), a.end());
    edges.insert(edges.end(), b.begin(), b.end());
    std::sort(edges.begin(), edges.end());
    edges.erase(std::unique(edges.begin(), edges.end()), edges.end());
    auto inside = [](const Spans& s, int x) {
        for (size_t i = 0; i < s.size(); i += 2)
            if (x >= s[i] && x < s[i + 1]) return true;
        return false;
    };
    Spans out;
    for (size_t i = 0; i + 1 < edges.size(); ++i) {
        const int x = edges[i];
        if (!keep(inside(a, x), inside(b, x))) continue;
        if (!out.empty() && out.back() == x)
            out.back() = edges[i + 1];
        else {
            out.push_back(x);
            out.push_back(edges[i + 1]);
        }
    }
    return out;
}

const Spans* SpansAt(const std::vector<RegionBuilder::Band>& bands, int y) {
    auto it = std::upper_bound(bands.begin(), bands.end(), y,
                               [](int v, const RegionBuilder::Band& b) { return v < b.bottom; });
    if (it == bands.end() || y < it->top) return nullptr;
    return &it->spans;
}

template <typename Op>
Region Combine(const Region& a, const Region& b, Op keep) {
    const auto& ba = RegionBuilder::Bands(a);
    const auto& bb = RegionBuilder::Bands(b);
    std::vector<int> ys;
    for (const auto* bands : {&ba, &bb})
        for (const auto& band : *bands) {
            ys.push_back(band.top);
            ys.push_back(band.bottom);
        }
    std::sort(ys.begin(), ys.end());
    ys.erase(std::unique(ys.begin(), ys.end()), ys.end());
    static const Spans kNone;
    RegionBuilder builder;
    for (size_t i = 0; i + 1 < ys.size(); ++i) {
        const Spans* sa = SpansAt(ba, ys[i]);
        const Spans* sb = SpansAt(bb, ys[i]);
        builder.AddBand(ys[i], ys[i + 1], CombineSpans(sa ? *sa : kNone, sb ? *sb : kNone, keep));
    }
    return builder.Take();
}

}  // namespace

Region Region::FromRect(const Rect& r) {
    RegionBuilder builder;
    if (!r.Empty()) builder.AddBand(r.top, r.bottom, {r.left, r.right});
    return builder.Take();
}

// The elliptic region of (l, t, r, b) is the ellipse inscribed in the real box
// [l, r - 1] x [t, b - 1]: the region stops one pixel short of right and bottom,
// as the Windows call does. A pixel belongs to it when its centre lies inside
// that ellipse (boundary included), so the shape is symmetric and its extreme
// pixels are columns l and r - 2, rows t and b - 2 (centre row/column).
Region Region::FromEllipse(int left, int top, int right, int bottom) {
    if (left > right) std::swap(left, right);
    if (top > bottom) std::swap(top, bottom);
    const double a = (right - 1 - left) / 2.0;
    const double b = (bottom - 1 - top) / 2.0;
    if (a <= 0 || b <= 0) return {};
    const double cx = left + a;
    const double cy = top + b;
    RegionBuilder builder;
    for (int y = top; y < bottom - 1; ++y) {
        const double dy = (y + 0.5 - cy) / b;
        const double q = 1.0 - dy * dy;
        if (q < 0) continue;
        const double half = a * std::sqrt(q);
        // Pixels x with cx - half <= x + 0.5 <= cx + half.
        const int x0 = static_cast<int>(std::ceil(cx - half - 0.5 - 1e-9));
        const int x1 = static_cast<int>(std::floor(cx + half - 0.5 + 1e-9)) + 1;
        if (x1 > x0) builder.AddBand(y, y + 1, {x0, x1});
    }
    return builder.Take();
}

// Non-zero winding, sampled at pixel centres.
Region Region::FromPolygon(const std::vector<Point>& points) {
    if (points.size() < 3) return {};
    int minY = points[0].y, maxY = points[0].y;
    for (const auto& p : points) {
        minY = std::min(minY, p.y);
        maxY = std::max(maxY, p.y);
    }
    RegionBuilder builder;
    struct Crossing {
        double x;
        int dir;
    };
    std::vector<Crossing> xs;
    for (int y = minY; y < maxY; ++y) {
        const double yc = y + 0.5;
        xs.clear();
        for (size_t i = 0; i < points.size(); ++i) {
            const Point& p = points[i];
            const Point& q = points[(i + 1) % points.size()];
            if (p.y == q.y) continue;
            const bool down = q.y > p.y;
            const double y0 = down ? p.y : q.y, y1 = down ? q.y : p.y;
            if (yc < y0 || yc >= y1) continue;
            const double x = p.x + (yc - p.y) * (q.x - p.x) / static_cast<double>(q.y - p.y);
            xs.push_back({x, down ? 1 : -1});
        }
        std::sort(xs.begin(), xs.end(), [](const Crossing& l, const Crossing& r) { return l.x < r.x; });
        Spans spans;
        int winding = 0;
        for (size_t i = 0; i + 1 < xs.size(); ++i) {
            winding += xs[i].dir;
            if (winding == 0) continue;
            const int x0 = static_cast<int>(std::ceil(xs[i].x - 0.5));
            const int x1 = static_cast<int>(std::ceil(xs[i + 1].x - 0.5));
            if (x1 <= x0) continue;
            if (!spans.empty() && spans.back() >= x0)
                spans.back() = std::max(spans.back(), x1);
            else {
                spans.push_back(x0);
                spans.push_back(x1);
            }
        }
        builder.AddBand(y, y + 1, std::move(spans));
    }
    return builder.Take();
}

Region Region::Union(const Region& o) const { return Combine(*this, o, [](bool a, bool b) { return a || b; }); }
Region Region::Subtract(const Region& o) const { return Combine(*this, o, [](bool a, bool b) { return a && !b; }); }
Region Region::Intersect(const Region& o) const { return Combine(*this, o, [](bool a, bool b) { return a && b; }); }

bool Region::Contains(int x, int y) const {
    const Spans* spans = SpansAt(bands_, y);
    if (!spans) return false;
    auto it = std::upper_bound(spans->begin(), spans->end(), x);
    // An odd index past x means x lies between a left and its right edge.
    return ((it - spans->begin()) & 1) != 0;
}

bool Region::Empty() const { return bands_.empty(); }

Rect Region::Bounds() const {
    if (bands_.empty()) return {};
    Rect r{bands_.front().spans.front(), bands_.front().top, bands_.front().spans.back(), bands_.back().bottom};
    for (const auto& band : bands_) {
        r.left = std::min(r.left, band.spans.front());
        r.right = std::max(r.right, band.spans.back());
    }
    return r;
}

Region Region::Offset(int dx, int dy) const {
    Region out = *this;
    for (auto& band : out.bands_) {
        band.top += dy;
        band.bottom += dy;
        for (int& x : band.spans) x += dx;
    }
    return out;
}

std::vector<Rect> Region::Rects() const {
    std::vector<Rect> out;
    for (const auto& band : bands_)
        for (size_t i = 0; i + 1 < band.spans.size(); i += 2)
            out.push_back({band.spans[i], band.top, band.spans[i + 1], band.bottom});
    return out;
}

bool operator==(const Region& a, const Region& b) {
    if (a.bands_.size() != b.bands_.size()) return false;
    for (size_t i = 0; i < a.bands_.size(); ++i) {
        const auto& x = a.bands_[i];
        const auto& y = b.bands_[i];
        if (x.top != y.top || x.bottom != y.bottom || x.spans != y.spans) return false;
    }
    return true;
}

}  // namespace gfx

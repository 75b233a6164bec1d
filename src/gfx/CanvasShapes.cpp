// Lines, outlines and filled shapes.
#include <algorithm>
#include <cstdlib>

#include "gfx/Canvas.h"

namespace gfx {

void Canvas::PenDot(int x, int y, Colour c) {
    const int w = state_.pen.width < 1 ? 1 : state_.pen.width;
    if (w == 1) {
        Plot(x, y, c);
        return;
    }
    // A square nib centred on the path; even widths lean up and left.
    const int o = w / 2;
    for (int dy = 0; dy < w; ++dy)
        for (int dx = 0; dx < w; ++dx) Plot(x - o + dx, y - o + dy, c);
}

// A solid one-pixel line along a row or a column: the pixels Bresenham would
// visit, from the start up to but not including the end, written as a span.
void Canvas::StraightLine(int x0, int y0, int x1, int y1, Colour c) {
    if (x0 == x1 && y0 == y1) return;
    // Going back, the excluded end is the low side of the span.
    const Rect span = x0 == x1 ? (y0 < y1 ? Rect{x0, y0, x0 + 1, y1} : Rect{x0, y1 + 1, x0 + 1, y0 + 1})
                               : (x0 < x1 ? Rect{x0, y0, x1, y0 + 1} : Rect{x1 + 1, y0, x0 + 1, y0 + 1});
    if (state_.clip) {
        FillRegionDevice(Region::FromRect(span), c);
        return;
    }
    const Rect v = span.Intersect({0, 0, target_->Width(), target_->Height()});
    const uint32_t value = (ResolveColor(c) & 0xFFFFFFu) | Bitmap::kOpaque;
    for (int y = v.top; y < v.bottom; ++y) {
        uint32_t* row = target_->OpaqueRow(y);
        std::fill(row + v.left, row + v.right, value);
    }
}

// Bresenham from (x0, y0) up to but not including (x1, y1), in device space.
void Canvas::PenLine(int x0, int y0, int x1, int y1) {
    if (state_.pen.style == PenStyle::Null) return;
    const Colour c = state_.pen.colour;
    const bool dotted = state_.pen.style == PenStyle::Dot;
    if (!dotted && state_.pen.width <= 1 && (x0 == x1 || y0 == y1)) {
        StraightLine(x0, y0, x1, y1, c);
        return;
    }
    const int dx = std::abs(x1 - x0), dy = std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    int err = dx - dy;
    int x = x0, y = y0;
    while (x != x1 || y != y1) {
        if (!dotted || (dotPhase_++ & 1) == 0) PenDot(x, y, c);
        const int e2 = 2 * err;
        if (e2 > -dy) {
            err -= dy;
            x += sx;
        }
        if (e2 < dx) {
            err += dx;
            y += sy;
        }
    }
}

void Canvas::LineTo(int x, int y) {
    const Point o = state_.origin;
    PenLine(state_.position.x + o.x, state_.position.y + o.y, x + o.x, y + o.y);
    state_.position = {x, y};
}

void Canvas::Polyline(const std::vector<Point>& points) {
    if (points.empty()) return;
    MoveTo(points[0].x, points[0].y);
    for (size_t i = 1; i < points.size(); ++i) LineTo(points[i].x, points[i].y);
}

void Canvas::ClosedPolyline(const std::vector<Point>& points) {
    if (points.size() < 2) return;
    Polyline(points);
    LineTo(points[0].x, points[0].y);
}

void Canvas::Rectangle(const Rect& r) {
    if (state_.pen.style == PenStyle::Null) {
        // Without a pen the interior reaches one pixel less, as on the original platform.
        if (!state_.brush.null) FillRect({r.left, r.top, r.right - 1, r.bottom - 1}, state_.brush.colour);
        return;
    }
    const int w = state_.pen.width < 1 ? 1 : state_.pen.width;
    if (!state_.brush.null)
        FillRect({r.left + w, r.top + w, r.right - w, r.bottom - w}, state_.brush.colour);
    if (state_.pen.style == PenStyle::Solid) {
        const Colour c = state_.pen.colour;
        FillRect({r.left, r.top, r.right, r.top + w}, c);
        FillRect({r.left, r.bottom - w, r.right, r.bottom}, c);
        FillRect({r.left, r.top + w, r.left + w, r.bottom - w}, c);
        FillRect({r.right - w, r.top + w, r.right, r.bottom - w}, c);
        return;
    }
    ClosedPolyline({{r.left, r.top}, {r.right - 1, r.top}, {r.right - 1, r.bottom - 1}, {r.left, r.bottom - 1}});
}

// The outline covers the box's pixels left..right-1 and top..bottom-1; a pen of
// width w is a ring w pixels thick inside that ellipse.
void Canvas::Ellipse(const Rect& r) {
    if (state_.pen.style == PenStyle::Null) {
        if (!state_.brush.null) FillRegion(Region::FromEllipse(r.left, r.top, r.right, r.bottom), state_.brush.colour);
        return;
    }
    const int w = state_.pen.width < 1 ? 1 : state_.pen.width;
    const Region outer = Region::FromEllipse(r.left, r.top, r.right + 1, r.bottom + 1);
    const Region inner = Region::FromEllipse(r.left + w, r.top + w, r.right + 1 - w, r.bottom + 1 - w);
    if (!state_.brush.null) FillRegion(inner, state_.brush.colour);
    FillRegion(outer.Subtract(inner), state_.pen.colour);
}

void Canvas::FillEllipse(const Rect& r, Colour c) { FillRegion(Region::FromEllipse(r.left, r.top, r.right, r.bottom), c); }

void Canvas::Polygon(const std::vector<Point>& points) {
    if (!state_.brush.null) FillRegion(Region::FromPolygon(points), state_.brush.colour);
    ClosedPolyline(points);
}

// Every other pixel of the border (on a checkerboard in device space) is inverted;
// each border pixel is visited once so a second call restores the pixels.
void Canvas::DrawFocusRect(const Rect& r) {
    const Rect d = r.Offset(state_.origin.x, state_.origin.y);
    if (d.Empty()) return;
    auto flip = [this](int x, int y) {
        if (((x + y) & 1) != 0 || !Visible(x, y)) return;
        target_->OpaqueRow(y)[x] ^= 0x00FFFFFFu;  // keeps the opacity byte
    };
    for (int x = d.left; x < d.right; ++x) {
        flip(x, d.top);
        if (d.bottom - 1 > d.top) flip(x, d.bottom - 1);
    }
    for (int y = d.top + 1; y < d.bottom - 1; ++y) {
        flip(d.left, y);
        if (d.right - 1 > d.left) flip(d.right - 1, y);
    }
}

}  // namespace gfx

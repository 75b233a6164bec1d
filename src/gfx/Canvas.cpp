#include "gfx/Canvas.h"

namespace gfx {

namespace {
Colour Opaque(Colour c) { return (ResolveColor(c) & 0xFFFFFFu) | Bitmap::kOpaque; }
}  // namespace

Canvas::Canvas(Bitmap& target) : target_(&target) {}

void Canvas::Save() { saved_.push_back(state_); }

void Canvas::Restore() {
    if (saved_.empty()) return;
    state_ = std::move(saved_.back());
    saved_.pop_back();
}

bool Canvas::Visible(int x, int y) const {
    if (x < 0 || y < 0 || x >= target_->Width() || y >= target_->Height()) return false;
    return !state_.clip || state_.clip->Contains(x, y);
}

void Canvas::Plot(int x, int y, Colour c) {
    if (Visible(x, y)) target_->OpaqueRow(y)[x] = Opaque(c);
}

void Canvas::FillRegionDevice(const Region& region, Colour c) {
    Region visible = region.Intersect(Region::FromRect(0, 0, target_->Width(), target_->Height()));
    if (state_.clip) visible = visible.Intersect(*state_.clip);
    const uint32_t value = Opaque(c);
    for (const Rect& r : visible.Rects())
        for (int y = r.top; y < r.bottom; ++y) {
            uint32_t* row = target_->OpaqueRow(y);
            for (int x = r.left; x < r.right; ++x) row[x] = value;
        }
}

void Canvas::FillRect(const Rect& r, Colour c) {
    const Rect d = r.Offset(state_.origin.x, state_.origin.y);
    if (!state_.clip) {
        const Rect v = d.Intersect({0, 0, target_->Width(), target_->Height()});
        const uint32_t value = Opaque(c);
        for (int y = v.top; y < v.bottom; ++y) {
            uint32_t* row = target_->OpaqueRow(y);
            for (int x = v.left; x < v.right; ++x) row[x] = value;
        }
        return;
    }
    FillRegionDevice(Region::FromRect(d), c);
}

void Canvas::FillRegion(const Region& region, Colour c) {
    FillRegionDevice(region.Offset(state_.origin.x, state_.origin.y), c);
}

void Canvas::SetPixel(int x, int y, Colour c) { Plot(x + state_.origin.x, y + state_.origin.y, c); }

Colour Canvas::GetPixel(int x, int y) const { return target_->GetPixel(x + state_.origin.x, y + state_.origin.y); }

}  // namespace gfx

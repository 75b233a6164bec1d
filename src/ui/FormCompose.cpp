// Composition of a form: its surface, then its controls in z-order, each
// clipped by its containers and its region, presented by changed areas.
#include <algorithm>

#include "ui/App.h"
#include "ui/Form.h"

namespace ui {

namespace {

constexpr size_t kMaxDirtyRects = 24;

bool Touches(const gfx::Rect& a, const gfx::Rect& b) {
    return a.left <= b.right && b.left <= a.right && a.top <= b.bottom && b.top <= a.bottom;
}

}  // namespace

void Form::InvalidateArea(const gfx::Rect& r) {
    gfx::Rect area = r.Intersect({0, 0, framebuffer_.Width(), framebuffer_.Height()});
    if (area.Empty()) return;
    // Merge with what it touches, so a redraw of many cells becomes one rectangle.
    bool merged = true;
    while (merged) {
        merged = false;
        for (auto it = dirty_.begin(); it != dirty_.end(); ++it) {
            if (Touches(*it, area)) {
                area = area.Union(*it);
                dirty_.erase(it);
                merged = true;
                break;
            }
        }
    }
    dirty_.push_back(area);
    if (dirty_.size() > kMaxDirtyRects) {
        gfx::Rect all;
        for (const gfx::Rect& d : dirty_) all = all.Union(d);
        dirty_.assign(1, all);
    }
}

void Form::Flush() {
    if (!shown_ || !window_ || dirty_.empty()) return;
    std::vector<gfx::Rect> areas;
    areas.swap(dirty_);
    for (const gfx::Rect& a : areas) Compose(a);
    app_.Backend().Present(window_, framebuffer_, areas);
}

void Form::Compose(const gfx::Rect& area) {
    gfx::Canvas canvas(framebuffer_);
    gfx::Region clip = gfx::Region::FromRect(area);
    canvas.SetClip(clip);
    canvas.Blit(0, 0, Surface());
    ComposeChildren(this, canvas, clip, {0, 0});
    if (!toolTipText_.empty() && !toolTipRect_.Intersect(area).Empty()) {
        canvas.SetClip(clip);
        canvas.SetOrigin({0, 0});
        PaintToolTip(canvas);
    }
}

void Form::ComposeChildren(Control* parent, gfx::Canvas& canvas, const gfx::Region& clip, gfx::Point origin) {
    for (Control* c : parent->Children()) {
        if (!c->Visible()) continue;
        gfx::Rect r = c->Bounds().Offset(origin.x, origin.y);
        gfx::Region childClip = clip.Intersect(gfx::Region::FromRect(r));
        if (c->GetRegion()) childClip = childClip.Intersect(c->GetRegion()->Offset(r.left, r.top));
        if (childClip.Empty()) continue;
        canvas.Save();
        canvas.SetClip(childClip);
        canvas.SetOrigin({r.left, r.top});
        c->Paint(canvas);
        canvas.Restore();
        if (!c->Children().empty()) ComposeChildren(c, canvas, childClip, {r.left, r.top});
    }
}

// --- tool tips: a small painted box below the pointer ---

void Form::ShowToolTip() {
    if (toolTipTimer_) app_.StopTimer(toolTipTimer_);
    toolTipTimer_ = 0;
    if (!toolTipFor_ || toolTipFor_->ToolTipText().empty() || !shown_) return;
    toolTipText_ = toolTipFor_->ToolTipText();
    auto font = app_.DefaultFont();
    int w = font->MeasureWidth(toolTipText_) + 8;
    int h = font->LineHeight() + 4;
    int x = std::clamp(lastPointer_.x, 0, std::max(PixelWidth() - w, 0));
    int y = lastPointer_.y + 20;
    if (y + h > PixelHeight()) y = std::max(lastPointer_.y - h - 4, 0);
    toolTipRect_ = gfx::Rect::FromSize(x, y, w, h);
    InvalidateArea(toolTipRect_);
}

void Form::HideToolTip() {
    if (toolTipTimer_) app_.StopTimer(toolTipTimer_);
    toolTipTimer_ = 0;
    if (toolTipText_.empty()) return;
    toolTipText_.clear();
    InvalidateArea(toolTipRect_);
}

void Form::PaintToolTip(gfx::Canvas& canvas) {
    canvas.FillRect(toolTipRect_, gfx::ResolveColor(0x80000018));  // info background
    canvas.SetPen(0x767676);
    canvas.SetBrush(gfx::Brush::Hollow());
    canvas.Rectangle(toolTipRect_);
    canvas.SetFont(app_.DefaultFont());
    canvas.SetTextColour(gfx::ResolveColor(0x80000017));
    canvas.SetTextTransparent(true);
    canvas.TextOut(toolTipRect_.left + 4, toolTipRect_.top + 2, toolTipText_);
}

}  // namespace ui

#include "widgets/xpbutton/ButtonPainter.h"

#include <algorithm>
#include <cmath>

#include "widgets/xpbutton/ButtonLayout.h"
#include "widgets/xpbutton/ButtonShape.h"
#include "widgets/xpbutton/Caption.h"
#include "widgets/xpbutton/ColorShift.h"

namespace widgets {

ButtonPainter::ButtonPainter(gfx::Canvas& canvas, const PaintContext& ctx)
    : canvas_(canvas), ctx_(ctx), p_(ctx.props), rt_(ctx.runtime), dc_(ctx.colours) {}

void ButtonPainter::Paint() {
    int style = std::clamp(p_.buttonStyle, 0, 7);
    // Not every style covers every pixel (the band beside an ellipse, the odd row
    // after 2-pixel gradient bands): start each pass from the container colour.
    canvas_.SetClip(std::nullopt);
    canvas_.FillRect(gfx::Rect{0, 0, SW(), SH()}, ctx_.containerColour);
    canvas_.SetClip(ctx_.clip);
    (this->*kStyleRoutines[static_cast<size_t>(style)])(0);
    canvas_.SetClip(std::nullopt);
}

void ButtonPainter::SelectTool(ToolKind kind, gfx::Colour colour, int width, gfx::PenStyle style) {
    switch (kind) {
    case ToolKind::Brush: canvas_.SetBrush(gfx::Brush::Solid(colour)); break;
    case ToolKind::Pen: canvas_.SetPen(colour, width, style); break;
    case ToolKind::TextColour: canvas_.SetTextColour(gfx::ResolveColor(colour)); break;
    }
}

void ButtonPainter::DrawBox(const gfx::Rect& r, gfx::Colour c) {
    SelectTool(ToolKind::Pen, c);
    SelectTool(ToolKind::Brush, c);
    canvas_.FillRect(r, c);  // a pen and brush of one colour cover exactly the rectangle
}

void ButtonPainter::GradientFill(gfx::Colour from, gfx::Colour to, int mode) {
    bool across = mode == 1 || mode == 2;
    int n = across ? SW() : SH();
    if (n <= 0) return;
    int screen = across ? ctx_.screenSize.x : ctx_.screenSize.y;
    int bandSize = screen / n > 3 ? 1 : 2;  // large buttons get half as many bands
    int bands = n / bandSize;
    std::vector<gfx::Colour> colours = BlendColors(bands, from, to);
    for (int j = 0; j < bands; ++j) {
        int pos = (mode % 2 == 1) ? j : bands - 1 - j;
        int at = pos * bandSize;
        gfx::Rect strip = across ? gfx::Rect{at, 0, at + bandSize, SH()} : gfx::Rect{0, at, SW(), at + bandSize};
        DrawBox(strip, colours[static_cast<size_t>(j)]);
    }
}

void ButtonPainter::PaintFace(gfx::Colour face, int16_t& q, ColourArg gradient, ColourArg hover) {
    q = Pushed() ? 2 : rt_.DefaultLook() ? 1 : 0;
    gfx::Colour h = hover < 0 ? face : static_cast<gfx::Colour>(hover);
    bool useHover = rt_.hoverTracking && ((p_.mode == 0 && !Pushed()) || (p_.mode > 0 && !p_.value));
    gfx::Colour fill = useHover ? h : face;
    gfx::Rect client{0, 0, SW(), SH()};

    if (p_.buttonShape >= 4) {
        canvas_.SetClip(std::nullopt);
        if (rt_.hoverTracking || Pushed() || p_.buttonStyle != 5) {
            if (p_.buttonShape == 6) {
                SelectTool(ToolKind::Pen, 0, 2);
                canvas_.SetBrush(gfx::Brush::Hollow());
                canvas_.Ellipse(client);
            } else if (p_.buttonShape == 4 || !Pushed()) {
                GradientFill(S(ctx_.containerColour, 172), S(ctx_.containerColour, -32), Pushed() ? 4 : 3);
            }
        }
        canvas_.SetClip(ctx_.clip);
    }

    if (p_.gradientMode != 0 && !p_.value) {
        if (rt_.hoverTracking && !Pushed() && p_.gradientColor != p_.hoverBackColor) {
            DrawBox(client, h);
        } else {
            gfx::Colour g = gradient < 0 ? face : static_cast<gfx::Colour>(gradient);
            GradientFill(face, g, p_.gradientMode);
        }
    } else if (p_.buttonStyle == 2 && (p_.enabled || p_.mode > 0)) {
        for (int i = 1; i <= SH() - 1; ++i) {
            int delta = static_cast<int>(std::nearbyint(-25.0 * i / SH()));
            DrawBox(gfx::Rect{1, i, SW() - 1, i + 1}, Sb(fill, delta));
        }
    } else {
        DrawBox(client, fill);
    }
}

void ButtonPainter::DrawBorderRings(const ColorSlots& slots, int16_t /*q*/) {
    auto pts = RingPoints(p_.buttonShape, ctx_.left, ctx_.right, SW(), SH());
    ColourArg penColour = kNoColour;
    for (size_t k = 0; k < kRingSegments.size(); ++k) {
        ColourArg c = slots[k + 1];
        if (c < 0) continue;
        if (c != penColour) {  // a new pen only when the colour changes
            SelectTool(ToolKind::Pen, static_cast<gfx::Colour>(c));
            penColour = c;
        }
        const gfx::Point a = pts[static_cast<size_t>(kRingSegments[k].from)];
        const gfx::Point b = pts[static_cast<size_t>(kRingSegments[k].to)];
        canvas_.Line(a.x, a.y, b.x, b.y);
    }
}

void ButtonPainter::DrawFocusMark(gfx::Colour c, bool solid, bool aroundCaption) {
    if (!rt_.DefaultLook()) return;
    int sw = SW(), sh = SH(), l = ctx_.left, r = ctx_.right;
    SelectTool(ToolKind::Pen, c);
    canvas_.SetBrush(gfx::Brush::Hollow());
    if (p_.buttonShape >= 1 && p_.buttonShape <= 3) {
        int e = l > 0 ? 1 : 0, g = sw > r ? 1 : 0;
        canvas_.ClosedPolyline({{l + 4 - 6 * e, sh - 5}, {4 + 4 * e, 4}, {r - 5 + 4 * g, 4},
                                {sw - 5 - 6 * g, sh - 5}, {l + 3 - 4 * e, sh - 5}});
        return;
    }
    if (p_.buttonShape >= 4) {
        canvas_.SetClip(std::nullopt);
        canvas_.Ellipse(p_.buttonShape == 6 ? gfx::Rect{2, 2, sw - 2, sh - 2} : gfx::Rect{3, 3, sw - 3, sh - 3});
        canvas_.SetClip(ctx_.clip);
        return;
    }
    gfx::Rect box;
    bool moved = false;
    if (aroundCaption) {
        const gfx::Rect& base = p_.caption.empty() ? ctx_.layout.picture : ctx_.layout.caption;
        box = gfx::Rect{base.left - 3, base.top - 3, base.right + 3, base.bottom + 3};
        moved = p_.value || Pushed();
    } else {
        box = gfx::Rect{l + 4, 4, r - 4, sh - 4};
    }
    if (solid) {
        canvas_.Rectangle(box);
    } else {
        canvas_.DrawFocusRect(moved ? box.Offset(1, 1) : box);
    }
}

void ButtonPainter::DrawContent(gfx::Colour face, ColourArg disabledCaption, bool shifted, bool singlePass) {
    gfx::Rect cap = ctx_.layout.caption;
    gfx::Rect pic = ctx_.layout.picture;
    int moved = 0;
    if ((shifted || Pushed()) && p_.buttonStyle != 3) {
        int dx = RingShape() ? 1 : 0;
        cap = cap.Offset(dx, 1);
        pic = pic.Offset(dx, 1);
        moved = 1;
    }
    HorizontalExtent e = ContentExtent(p_.buttonShape, ctx_.left, ctx_.right, SW());
    DrawPicture(pic, e.available, e.leftOffset, moved);
    if (p_.caption.empty()) return;

    std::string text = CaptionDisplayText(p_.caption);
    unsigned align = p_.captionAlign == 0 ? gfx::kDtLeft : p_.captionAlign == 1 ? gfx::kDtRight : gfx::kDtCenter;
    unsigned flags = gfx::kDtWordBreak | align;
    auto pass = [&](gfx::Colour colour, gfx::Rect r) {
        SelectTool(ToolKind::TextColour, colour);
        canvas_.DrawText(text, r, flags);
    };
    if (p_.enabled) {
        gfx::Colour colour = p_.foreColor;
        if (rt_.hoverTracking && !Pushed()) {
            colour = hoverForeOverride_.value_or(p_.hoverForeColor);
        } else if (p_.buttonStyle == 7 && p_.gradientMode == 0 && disabledCaption >= 0) {
            colour = static_cast<gfx::Colour>(disabledCaption);  // style 7 hands its caption colour here
        }
        if (p_.captionStyle != 0) {
            int d = p_.captionStyle == 2 ? 40 : -40;
            pass(S(face, d), cap.Offset(-1, 0));
            pass(S(face, -d), cap.Offset(1, 2));
            cap = cap.Offset(0, 1);
        }
        pass(colour, cap);
    } else if (disabledCaption < 0 || p_.gradientMode != 0) {
        pass(0xFFFFFF, cap.Offset(1, 1));
        pass(0x808080, cap);
    } else {
        pass(static_cast<gfx::Colour>(disabledCaption), cap);
        if (!singlePass) pass(0x808080, cap.Offset(-1, -1));
    }
}

}  // namespace widgets

// The eight style routines. Each picks colours for the face, the twelve ring
// segments, the focus mark and the disabled caption, then calls the shared
// operations in the fixed order: face, rings, focus mark, content.
#include "widgets/xpbutton/ButtonPainter.h"
#include "widgets/xpbutton/ColorShift.h"

namespace widgets {

namespace {

constexpr gfx::Colour kWhite = 0xFFFFFF;
constexpr gfx::Colour kBlack = 0;
constexpr gfx::Colour kGrey = 0x808080;
constexpr gfx::Colour kLight = 0xE9E9E9;

ColourArg Arg(gfx::Colour c) { return static_cast<ColourArg>(c); }

void SetSlots(ColorSlots& s, std::initializer_list<int> which, ColourArg c) {
    for (int k : which) s[static_cast<size_t>(k)] = c;
}

}  // namespace

const std::array<ButtonPainter::StyleRoutine, 8> ButtonPainter::kStyleRoutines{
    &ButtonPainter::StyleClassic, &ButtonPainter::StyleFlat,     &ButtonPainter::StyleRounded,
    &ButtonPainter::StyleEtched,  &ButtonPainter::StyleThin,     &ButtonPainter::StyleHotFrame,
    &ButtonPainter::StyleSoft,    &ButtonPainter::StyleOutlined,
};

gfx::Colour ButtonPainter::DefaultFace() const { return Checked() ? dc_.checkedFace : dc_.face; }

gfx::Colour ButtonPainter::DefaultFocusColour(gfx::Colour face) const {
    bool slanted = p_.buttonShape >= 1 && p_.buttonShape <= 3;
    return (slanted && !Checked() && !Held()) ? S(face, -48) : kBlack;
}

ColourArg ButtonPainter::DefaultDisabledCaption() const {
    if (p_.enabled) return kNoColour;
    return p_.mode > 0 ? Arg(kGrey) : kNoColour;
}

void ButtonPainter::FinishDefault(gfx::Colour face, gfx::Colour focusColour) {
    DrawFocusMark(focusColour, p_.value, false);
    DrawContent(face, DefaultDisabledCaption(), p_.value, p_.mode > 0);
}

void ButtonPainter::StyleClassic(int16_t q) {
    gfx::Colour f = DefaultFace();
    gfx::Colour focus = DefaultFocusColour(f);
    PaintFace(f, q, Arg(gfx::ResolveColor(p_.gradientColor)), Arg(dc_.hoverFace));
    if (RingShape()) {
        gfx::Colour c = Pushed() ? f : kLight;
        if (Held() || p_.value) {
            q = 3;
            c = kLight;
            focus = kBlack;
        }
        ColorSlots s;
        s.fill(kNoColour);
        const ColourArg inner12[4] = {kNoColour, Arg(c), kNoColour, kNoColour};
        const ColourArg inner34[4] = {kNoColour, Arg(kGrey), kNoColour, kNoColour};
        const ColourArg mid56[4] = {Arg(c), Arg(kWhite), kNoColour, kNoColour};
        const ColourArg mid78[4] = {Arg(kGrey), Arg(kBlack), Arg(kGrey), Arg(c)};
        SetSlots(s, {1, 2}, inner12[q]);
        SetSlots(s, {3, 4}, inner34[q]);
        SetSlots(s, {5, 6}, mid56[q]);
        SetSlots(s, {7, 8}, mid78[q]);
        if (p_.value || Held()) {
            SetSlots(s, {9, 10}, Arg(kBlack));
            SetSlots(s, {11, 12}, Arg(kWhite));
        } else {
            SetSlots(s, {9, 10}, Arg(rt_.DefaultLook() ? kBlack : kWhite));
            SetSlots(s, {11, 12}, Arg(kBlack));
        }
        DrawBorderRings(s, q);
    }
    FinishDefault(f, focus);
}

void ButtonPainter::StyleFlat(int16_t q) {
    gfx::Colour f = DefaultFace();
    gfx::Colour focus = DefaultFocusColour(f);
    PaintFace(f, q, Arg(gfx::ResolveColor(p_.gradientColor)), Arg(dc_.hoverFace));
    if (RingShape()) {
        if (Held() || p_.value) {
            q = 2;
            focus = kBlack;
        } else if (q < 2) {
            q = 1;
        }
        ColorSlots s;
        s.fill(kNoColour);
        SetSlots(s, {1, 2, 5, 6}, Arg(q == 2 ? kGrey : kWhite));
        SetSlots(s, {3, 4, 7, 8}, Arg(q == 2 ? kWhite : kGrey));
        SetSlots(s, {9, 10, 11, 12}, Arg(kBlack));
        DrawBorderRings(s, q);
    }
    FinishDefault(f, focus);
}

void ButtonPainter::StyleRounded(int16_t q) {
    gfx::Colour b = Checked() ? dc_.checkedFace : dc_.face;
    gfx::Colour f = b;
    if (p_.mode == 0) {
        if (Pushed() && p_.gradientMode == 0) f = dc_.pushedFace;
        if (!p_.enabled) f = Sb(b, -24);
    }
    ColourArg disabledCaption = p_.enabled ? kNoColour : Arg(Sb(f, -104));
    ColourArg g = p_.gradientMode != 0 ? Arg(Sb(gfx::ResolveColor(p_.gradientColor), 48)) : Arg(f);
    PaintFace(f, q, g, Arg(dc_.hoverFace));

    if (RingShape()) {
        ColorSlots s;
        s.fill(kNoColour);
        gfx::Colour outline = Sb(b, -84);
        if (p_.enabled) {
            if (Held() || p_.value) q = rt_.DefaultLook() ? 1 : 2;
            if (Hover() && !Pressed()) {
                q = 3;
            } else if (q == 1 && !p_.showFocusRect) {
                q = 0;
            }
            // Rows are slots 1..8, columns q 0 normal, 1 default, 2 pushed or checked, 3 hot.
            const ColourArg table[8][4] = {
                {Arg(Sb(b, -10)), 15782325, Arg(Sb(b, -22)), 7064575},
                {Arg(Sb(b, 10)), 16242621, Arg(Sb(b, -24)), 9231359},
                {Arg(Sb(b, -24)), 15782325, Arg(b), 7064575},
                {Arg(Sb(b, -32)), 15183500, Arg(Sb(b, 10)), 3257087},
                {Arg(Sb(b, -5)), 15183500, Arg(Sb(b, -32)), 3257087},
                {Arg(Sb(b, 16)), 16768959, Arg(Sb(b, -32)), 10938879},
                {Arg(Sb(b, -36)), 15183500, Arg(Sb(b, 5)), 3257087},
                {Arg(Sb(b, -48)), 15696491, Arg(Sb(b, 16)), 38631},
            };
            for (int k = 0; k < 8; ++k) s[static_cast<size_t>(k + 1)] = table[k][q];
            outline = 7552000;
        }
        SetSlots(s, {9, 10, 11, 12}, Arg(outline));
        DrawBorderRings(s, q);
        // Corner pixels; with the corner cuts of the region they round the corners.
        if (ctx_.left == 0) {
            canvas_.SetPixel(1, SH() - 2, outline);
            canvas_.SetPixel(1, 1, outline);
        }
        if (ctx_.right == SW()) {
            canvas_.SetPixel(SW() - 2, SH() - 2, outline);
            canvas_.SetPixel(SW() - 2, 1, outline);
        }
    } else if (rt_.hoverTracking) {
        DrawFocusMark(38631, false, false);
    } else {
        DrawFocusMark(15696491, false, false);
    }
    DrawContent(f, disabledCaption, p_.value, true);
}

void ButtonPainter::StyleEtched(int16_t q) {
    gfx::Colour f = Checked() ? dc_.checkedFace : (p_.mode == 0 && Pushed()) ? dc_.pushedFace : dc_.face;
    gfx::Colour dark = S(0x808080, -26);
    gfx::Colour w = kWhite;
    gfx::Colour disabledCaption = kGrey;
    PaintFace(f, q, Arg(gfx::ResolveColor(p_.gradientColor)), Arg(dc_.hoverFace));
    ColorSlots s;
    s.fill(kNoColour);
    if (p_.enabled || p_.mode > 0) {
        if (p_.mode > 0) q = (p_.value || rt_.pressedLook) ? 2 : 3;
        if (q < 2) q = 1;
        SetSlots(s, {5, 6}, Arg(q == 2 ? f : kWhite));
        SetSlots(s, {7, 8}, Arg(dark));
        if (p_.mode > 0 && !p_.enabled) disabledCaption = S(0x808080, -16);
    } else {
        SetSlots(s, {1, 2, 3, 4, 5, 6, 7, 8}, Arg(f));
        w = dark;
    }
    SetSlots(s, {9, 10}, Arg(dark));
    SetSlots(s, {11, 12}, Arg(w));
    if (RingShape()) DrawBorderRings(s, q);
    DrawFocusMark(13408665, true, true);
    DrawContent(f, Arg(disabledCaption), false, true);  // style 3 never moves its content
}

void ButtonPainter::StyleThin(int16_t q) {
    gfx::Colour f = DefaultFace();
    gfx::Colour focus = DefaultFocusColour(f);
    PaintFace(f, q, Arg(gfx::ResolveColor(p_.gradientColor)), Arg(dc_.hoverFace));
    if (RingShape()) {
        ColorSlots s;
        s.fill(kNoColour);
        if (Held() || p_.value) {
            q = 2;
            focus = kBlack;
        } else if (q < 2) {
            q = 1;
        }
        SetSlots(s, {9, 10}, Arg(q == 1 ? kWhite : kGrey));
        SetSlots(s, {11, 12}, Arg(q == 1 ? kGrey : kWhite));
        DrawBorderRings(s, q);
    }
    FinishDefault(f, focus);
}

void ButtonPainter::StyleHotFrame(int16_t q) {
    gfx::Colour f = DefaultFace();
    gfx::Colour focus = DefaultFocusColour(f);
    if (p_.buttonShape > 0 && !Checked()) focus = S(ctx_.containerColour, -32);
    PaintFace(f, q, Arg(gfx::ResolveColor(p_.gradientColor)), Arg(dc_.hoverFace));
    if (RingShape()) {
        ColorSlots s;
        s.fill(kNoColour);
        if (Hover() || p_.value) {
            if (Held() || p_.value) q = 2;
            if (q < 2) q = 1;
            SetSlots(s, {9, 10}, Arg(q == 1 ? kWhite : kGrey));
            SetSlots(s, {11, 12}, Arg(q == 1 ? kGrey : kWhite));
        } else if (ctx_.designMode) {
            gfx::Colour c = S(ctx_.containerColour, -64);
            SetSlots(s, {9, 10, 11, 12}, Arg(c == 0 ? kWhite : c));
        }
        DrawBorderRings(s, q);
    } else if (ctx_.designMode && f == ctx_.containerColour) {
        canvas_.SetClip(std::nullopt);
        SelectTool(ToolKind::Pen, kWhite, 1, gfx::PenStyle::Dot);
        canvas_.SetBrush(gfx::Brush::Hollow());
        canvas_.Ellipse(gfx::Rect{0, 0, SW(), SH()});
        canvas_.SetClip(ctx_.clip);
    }
    FinishDefault(f, focus);
}

void ButtonPainter::StyleSoft(int16_t q) {
    gfx::Colour f = DefaultFace();
    gfx::Colour focus = DefaultFocusColour(f);
    gfx::Colour light = S(0xDFDFDF, 8);
    PaintFace(f, q, Arg(gfx::ResolveColor(p_.gradientColor)), Arg(dc_.hoverFace));
    if (RingShape()) {
        ColorSlots s;
        s.fill(kNoColour);
        if (Held() || p_.value) {
            q = 1;
            focus = kBlack;
        } else {
            q = Pushed() ? 1 : 0;
        }
        SetSlots(s, {5, 6, 9, 10}, Arg(q == 0 ? light : kGrey));
        SetSlots(s, {7, 8, 11, 12}, Arg(q == 0 ? kGrey : light));
        DrawBorderRings(s, q);
    }
    FinishDefault(f, focus);
}

void ButtonPainter::StyleOutlined(int16_t q) {
    gfx::Colour f = dc_.face;
    gfx::Colour focus = kBlack;
    if (p_.mode == 0) {
        if (Pushed()) f = dc_.pushedFace;
        if (p_.buttonShape > 0) focus = S(f, -64);
    }
    if (Checked()) {
        f = dc_.checkedFace;
        focus = S(0x808080, -32);
    }
    ColourArg g = p_.gradientMode != 0 ? Arg(S(gfx::ResolveColor(p_.gradientColor), 31)) : Arg(f);
    PaintFace(f, q, g, Arg(dc_.hoverFace));
    if (RingShape()) {
        if (Held() || p_.value) q = p_.value ? 2 : 0;
        gfx::Colour hi = kWhite, lt = Sb(f, 31), dk = Sb(f, -64);
        if (q == 2) {
            gfx::Colour base = p_.gradientMode != 0 ? dc_.face : kGrey;
            f = base;
            hi = S(base, -32);
            lt = S(base, -64);
            dk = S(base, -16);
        }
        ColorSlots s;
        s.fill(kNoColour);
        SetSlots(s, {1, 2}, Arg(hi));
        SetSlots(s, {3, 4}, Arg(f));
        SetSlots(s, {5, 6}, Arg(lt));
        SetSlots(s, {7, 8}, Arg(dk));
        SetSlots(s, {9, 10, 11, 12}, Arg(kBlack));
        DrawBorderRings(s, q);
        if (ctx_.left == 0) {
            canvas_.SetPixel(3, 3, hi);
            canvas_.SetPixel(1, SH() - 3, f);
            canvas_.SetPixel(2, 2, lt);
            canvas_.SetPixel(1, SH() - 2, kBlack);
            canvas_.SetPixel(1, 1, kBlack);
        }
        if (ctx_.right == SW()) {
            canvas_.SetPixel(SW() - 4, SH() - 4, f);
            canvas_.SetPixel(SW() - 3, 1, f);
            canvas_.SetPixel(SW() - 3, SH() - 3, dk);
            canvas_.SetPixel(SW() - 2, SH() - 2, kBlack);
            canvas_.SetPixel(SW() - 2, 1, kBlack);
        }
    }
    DrawFocusMark(focus, p_.value, true);
    // Caption colour p: the face's own colour when pushed or checked, else the fore colour.
    ColourArg p;
    if ((p_.mode == 0 && Pushed()) || Checked()) {
        p = (!p_.enabled && Checked()) ? Arg(Sb(f, -32)) : Arg(dc_.face);
    } else if (p_.enabled) {
        p = Arg(gfx::ResolveColor(p_.foreColor));
    } else {
        p = p_.mode > 0 ? Arg(kGrey) : kNoColour;
    }
    if (p_.hoverForeColor == p_.foreColor && p_.value && p >= 0) hoverForeOverride_ = static_cast<gfx::Colour>(p);
    DrawContent(f, p, p_.value, p_.mode > 0);
    hoverForeOverride_.reset();
}

}  // namespace widgets

#pragma once
// Paints one button state onto its off-screen canvas: the style routine of
// the current ButtonStyle over the shared face, ring, focus-mark and content
// operations. It reads the state; it changes nothing but pixels.
#include <array>
#include <memory>
#include <optional>

#include "gfx/Canvas.h"
#include "widgets/xpbutton/ButtonBehaviour.h"
#include "widgets/xpbutton/ButtonModel.h"

namespace widgets {

struct PaintContext {
    const ButtonProperties& props;
    const ButtonRuntime& runtime;
    const DerivedColours& colours;
    const ContentLayout& layout;
    int left = 0;   // L
    int right = 0;  // R
    const std::optional<gfx::Region>& clip;
    gfx::Colour containerColour = 0xFFFFFF;
    gfx::Point screenSize{1024, 768};
    bool designMode = false;
};

// Slots 1..12 (index 0 unused); kNoColour leaves a segment undrawn.
using ColorSlots = std::array<ColourArg, 13>;

enum class ToolKind { Brush, Pen, TextColour };

class ButtonPainter {
public:
    ButtonPainter(gfx::Canvas& canvas, const PaintContext& ctx);

    // Runs the style routine of the current ButtonStyle.
    void Paint();

    // The shared operations the style routines are built from.
    void PaintFace(gfx::Colour face, int16_t& q, ColourArg gradient, ColourArg hover);
    void DrawBorderRings(const ColorSlots& slots, int16_t q);
    void DrawFocusMark(gfx::Colour c, bool solid, bool aroundCaption);
    void DrawContent(gfx::Colour face, ColourArg disabledCaption, bool shifted, bool singlePass);
    void GradientFill(gfx::Colour from, gfx::Colour to, int mode);
    void DrawBox(const gfx::Rect& r, gfx::Colour c);
    void SelectTool(ToolKind kind, gfx::Colour colour, int width = 1, gfx::PenStyle style = gfx::PenStyle::Solid);

private:
    using StyleRoutine = void (ButtonPainter::*)(int16_t q);
    static const std::array<StyleRoutine, 8> kStyleRoutines;

    void StyleClassic(int16_t q);   // 0
    void StyleFlat(int16_t q);      // 1
    void StyleRounded(int16_t q);   // 2
    void StyleEtched(int16_t q);    // 3
    void StyleThin(int16_t q);      // 4
    void StyleHotFrame(int16_t q);  // 5
    void StyleSoft(int16_t q);      // 6
    void StyleOutlined(int16_t q);  // 7

    void DrawPicture(const gfx::Rect& r, int available, int leftOffset, int moved);

    // What most styles share: the face colour, the focus-mark colour and the defaults of DrawContent.
    gfx::Colour DefaultFace() const;
    gfx::Colour DefaultFocusColour(gfx::Colour face) const;
    ColourArg DefaultDisabledCaption() const;
    void FinishDefault(gfx::Colour face, gfx::Colour focusColour);

    bool Checked() const { return p_.mode > 0 && p_.value; }
    bool Pushed() const { return rt_.Pushed(); }
    bool Held() const { return rt_.pressedLook && p_.mode > 0; }
    bool Hover() const { return (rt_.buttonState & kStateHover) != 0; }
    bool Pressed() const { return (rt_.buttonState & kStatePressed) != 0; }
    bool RingShape() const { return p_.buttonShape <= 3; }
    int SW() const { return canvas_.Width(); }
    int SH() const { return canvas_.Height(); }

    gfx::Canvas& canvas_;
    const PaintContext& ctx_;
    const ButtonProperties& p_;
    const ButtonRuntime& rt_;
    const DerivedColours& dc_;
    // Style 7 keeps a checked caption's colour while hot without touching the property.
    std::optional<gfx::Colour> hoverForeOverride_;
};

}  // namespace widgets

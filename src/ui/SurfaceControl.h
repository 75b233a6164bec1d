#pragma once
// A control with a persistent drawing surface (what is drawn stays until it is
// drawn over or cleared): the base of PictureBox and Form. Drawing methods take
// coordinates in the control's ScaleMode and mark what they touch as changed.
#include <memory>
#include <optional>
#include <string>

#include "gfx/Bitmap.h"
#include "gfx/Canvas.h"
#include "gfx/Font.h"
#include "ui/Control.h"

namespace ui {

class SurfaceControl : public Control {
public:
    explicit SurfaceControl(Control* container = nullptr, std::string name = {});
    ~SurfaceControl() override;

    // Setting BackColor clears the surface to it (and draws Picture); children hear
    // AmbientChanged("BackColor").
    gfx::Colour BackColor() const { return backColor_; }
    void SetBackColor(gfx::Colour c);
    gfx::Colour ForeColor() const { return foreColor_; }
    void SetForeColor(gfx::Colour c) { foreColor_ = c; }
    // Background picture: drawn unscaled at (0, 0) by Cls and when set.
    const std::shared_ptr<const gfx::Bitmap>& Picture() const { return picture_; }
    void SetPicture(std::shared_ptr<const gfx::Bitmap> picture);
    ScaleMode GetScaleMode() const { return scaleMode_; }
    void SetScaleMode(ScaleMode mode) { scaleMode_ = mode; }
    ScaleMode OwnScale() const override { return scaleMode_; }
    // Font used by Print.
    const gfx::FontDesc& Font() const { return fontDesc_; }
    void SetFont(const gfx::FontDesc& desc);
    // Drawing position of Print, in the ScaleMode.
    float CurrentX() const { return currentX_; }
    float CurrentY() const { return currentY_; }
    void SetCurrentX(float x) { currentX_ = x; }
    void SetCurrentY(float y) { currentY_ = y; }

    // Fills the surface with BackColor and draws Picture; CurrentX/Y go to 0.
    void Cls();
    // Copies pic (or its source rectangle) into the rectangle x, y, w, h, stretched
    // (nearest neighbour). Omitted sizes take the picture's; all values in the ScaleMode.
    void PaintPicture(const gfx::Bitmap& pic, float x, float y, std::optional<float> w = std::nullopt,
                      std::optional<float> h = std::nullopt, std::optional<float> srcX = std::nullopt,
                      std::optional<float> srcY = std::nullopt, std::optional<float> srcW = std::nullopt,
                      std::optional<float> srcH = std::nullopt, gfx::Rop rop = gfx::Rop::SrcCopy);
    // A 1-pixel line that excludes its end point, in colour (ForeColor when omitted).
    void Line(float x1, float y1, float x2, float y2, std::optional<gfx::Colour> colour = std::nullopt);
    // A filled rectangle x1, y1 .. x2, y2 (end excluded).
    void FillBox(float x1, float y1, float x2, float y2, gfx::Colour colour);
    // Prints one line of text at CurrentX/CurrentY in ForeColor with a transparent
    // background; CurrentY moves down one line, CurrentX back to 0.
    void Print(const std::string& text);

    // The painter over the surface. Asking for it marks the whole control changed
    // (the caller is about to draw); for narrower updates call Invalidate(rect).
    gfx::Canvas& Canvas();
    // The surface itself, for reading pixels.
    const gfx::Bitmap& Surface() const { return surface_; }
    gfx::Colour Point(float x, float y) const;

    void Paint(gfx::Canvas& canvas) override;
    void SetBounds(const gfx::Rect& r) override;

protected:
    // Own pixels of a value in the ScaleMode.
    int Px(float v) const { return ScaleToPixels(v, scaleMode_); }
    // Resizes the surface to the control, keeping what is drawn; new area in BackColor.
    void ResizeSurface(int width, int height);
    void MarkDirty(const gfx::Rect& ownPixels);

private:
    gfx::Bitmap surface_;
    std::unique_ptr<gfx::Canvas> canvas_;
    gfx::Colour backColor_ = 0x8000000F;
    gfx::Colour foreColor_ = 0x80000012;
    std::shared_ptr<const gfx::Bitmap> picture_;
    ScaleMode scaleMode_ = ScaleMode::Twips;
    gfx::FontDesc fontDesc_;
    std::shared_ptr<const gfx::Font> font_;
    float currentX_ = 0;
    float currentY_ = 0;
};

}  // namespace ui

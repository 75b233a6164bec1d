#pragma once
// A painter with device-context semantics over a Bitmap it is given (and does
// not own). Rectangles exclude right and bottom, lines exclude their end
// point, ellipses and regions rasterise like the Windows calls they replace.
// Every operation clips to the bitmap and to the optional clip region.
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "gfx/Bitmap.h"
#include "gfx/Colour.h"
#include "gfx/Font.h"
#include "gfx/Geometry.h"
#include "gfx/Region.h"

namespace gfx {

enum class PenStyle { Solid, Dot, Null };

struct Pen {
    Colour colour = 0;
    int width = 1;
    PenStyle style = PenStyle::Solid;
};

struct Brush {
    Colour colour = 0;
    bool null = false;  // a hollow brush: shapes are outlined only
    static Brush Solid(Colour c) { return {c, false}; }
    static Brush Hollow() { return {0, true}; }
};

// Raster operations of the bitmap copies (the Windows codes).
enum class Rop : uint32_t {
    SrcCopy = 0x00CC0020,
    SrcAnd = 0x008800C6,
    SrcPaint = 0x00EE0086,
    PatCopy = 0x00F00021,
    // Brush where the source is black (bit 0), destination where it is white (bit 1).
    PSDPxax = 0x00B8074A,
};

// DrawText flags (the Windows values).
enum DrawTextFlags : unsigned {
    kDtLeft = 0x0,
    kDtTop = 0x0,
    kDtCenter = 0x1,
    kDtRight = 0x2,
    kDtVCenter = 0x4,
    kDtBottom = 0x8,
    kDtWordBreak = 0x10,
    kDtSingleLine = 0x20,
    kDtNoClip = 0x100,
    kDtCalcRect = 0x400,
    kDtNoPrefix = 0x800,
};

class Canvas {
public:
    explicit Canvas(Bitmap& target);

    Bitmap& Target() { return *target_; }
    const Bitmap& Target() const { return *target_; }
    int Width() const { return target_->Width(); }
    int Height() const { return target_->Height(); }

    // --- state (Save/Restore keep all of it) ---
    void SetPen(const Pen& pen) { state_.pen = pen; }
    void SetPen(Colour c, int width = 1, PenStyle style = PenStyle::Solid) { state_.pen = {c, width, style}; }
    const Pen& GetPen() const { return state_.pen; }
    void SetBrush(const Brush& brush) { state_.brush = brush; }
    const Brush& GetBrush() const { return state_.brush; }
    void SetTextColour(Colour c) { state_.textColour = c; }
    Colour TextColour() const { return state_.textColour; }
    // Transparent (the default): text leaves the pixels between glyphs alone.
    void SetTextTransparent(bool transparent) { state_.textTransparent = transparent; }
    void SetTextBackground(Colour c) { state_.textBackground = c; }
    void SetFont(std::shared_ptr<const Font> font) { state_.font = std::move(font); }
    const std::shared_ptr<const Font>& GetFont() const { return state_.font; }
    // Clip region in bitmap coordinates (not moved by the origin); nullopt = whole bitmap.
    void SetClip(std::optional<Region> clip) { state_.clip = std::move(clip); }
    const std::optional<Region>& Clip() const { return state_.clip; }
    // Translation applied to every coordinate given to a drawing operation.
    void SetOrigin(Point origin) { state_.origin = origin; }
    Point Origin() const { return state_.origin; }
    void MoveTo(int x, int y) { state_.position = {x, y}; }
    Point Position() const { return state_.position; }

    void Save();
    void Restore();  // no-op when nothing is saved

    // --- fills ---
    void Clear(Colour c) { FillRect(Rect{0, 0, Width(), Height()}.Offset(-state_.origin.x, -state_.origin.y), c); }
    void FillRect(const Rect& r, Colour c);
    void FillRegion(const Region& region, Colour c);
    void SetPixel(int x, int y, Colour c);
    Colour GetPixel(int x, int y) const;  // 0 outside the bitmap

    // --- lines and shapes (pen outlines, brush interiors) ---
    // From the current position up to but not including (x, y); (x, y) becomes current.
    void LineTo(int x, int y);
    void Line(int x0, int y0, int x1, int y1) { MoveTo(x0, y0); LineTo(x1, y1); }
    void Polyline(const std::vector<Point>& points);
    void ClosedPolyline(const std::vector<Point>& points);  // back to the first point
    void Rectangle(const Rect& r);                          // brush inside, pen border on r's edge pixels
    void Ellipse(const Rect& r);                            // inscribed in r, right/bottom excluded
    void FillEllipse(const Rect& r, Colour c);
    void Polygon(const std::vector<Point>& points);         // winding fill with brush, pen outline
    // Dotted XOR rectangle: drawing it twice restores the pixels.
    void DrawFocusRect(const Rect& r);

    // --- bitmap copies ---
    // Copies src at (x, y), unscaled.
    void Blit(int x, int y, const Bitmap& src, Rop rop = Rop::SrcCopy);
    // Copies srcRect of src stretched (nearest neighbour) to dst.
    void StretchBlit(const Rect& dst, const Bitmap& src, const Rect& srcRect, Rop rop = Rop::SrcCopy);
    void StretchBlit(const Rect& dst, const Bitmap& src, Rop rop = Rop::SrcCopy) {
        StretchBlit(dst, src, Rect{0, 0, src.Width(), src.Height()}, rop);
    }
    // Like StretchBlit, but source opacity counts: transparent pixels are left
    // out, partly transparent ones are blended.
    void AlphaBlit(const Rect& dst, const Bitmap& src, const Rect& srcRect);
    void AlphaBlit(int x, int y, const Bitmap& src) {
        AlphaBlit(Rect::FromSize(x, y, src.Width(), src.Height()), src, {0, 0, src.Width(), src.Height()});
    }
    // Stretched copy that leaves source pixels of the key colour out.
    void TransparentBlit(const Rect& dst, const Bitmap& src, const Rect& srcRect, Colour key);

    // --- text (UTF-8) ---
    // Single line; (x, y) is the top-left corner of the text cell.
    void TextOut(int x, int y, std::string_view text);
    // Multi-line text in r. Returns the height of the text. With kDtCalcRect
    // nothing is drawn and r's right and bottom are set to the needed size.
    int DrawText(std::string_view text, Rect& r, unsigned flags);
    // Width x height DrawText would need (kDtCalcRect) within maxWidth.
    Size MeasureText(std::string_view text, int maxWidth, unsigned flags);

private:
    struct State {
        Pen pen;
        Brush brush = Brush::Solid(0xFFFFFF);
        Colour textColour = 0;
        Colour textBackground = 0xFFFFFF;
        bool textTransparent = true;
        std::shared_ptr<const Font> font;
        std::optional<Region> clip;
        Point origin;
        Point position;
    };

    // Device-space helpers (coordinates already moved by the origin).
    bool Visible(int x, int y) const;
    void Plot(int x, int y, Colour c);
    void FillSpan(int y, int x0, int x1, Colour c);
    void FillRegionDevice(const Region& region, Colour c);
    void PenLine(int x0, int y0, int x1, int y1);
    void StraightLine(int x0, int y0, int x1, int y1, Colour c);
    void PenDot(int x, int y, Colour c);
    void DrawGlyphs(int x, int baseline, std::u32string_view text, int underlineFrom, int underlineTo);
    const Font& RequireFont() const;
    void CopyPixels(const Rect& dst, const Bitmap& src, const Rect& srcRect, int mode, uint32_t extra);

    Bitmap* target_;
    State state_;
    std::vector<State> saved_;
    unsigned dotPhase_ = 0;
};

}  // namespace gfx

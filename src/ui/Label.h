#pragma once
// A label: one line of text (WordWrap off), transparent or opaque background,
// left, right or centred; with AutoSize the width follows the caption.
#include <memory>
#include <string>

#include "gfx/Font.h"
#include "ui/Control.h"

namespace ui {

enum class Alignment { Left = 0, Right = 1, Center = 2 };
enum class BackStyle { Transparent = 0, Opaque = 1 };

class Label : public Control {
public:
    explicit Label(Control* container = nullptr, std::string name = {});

    void SetCaption(const std::string& caption) override;
    const gfx::FontDesc& Font() const { return fontDesc_; }
    void SetFont(const gfx::FontDesc& desc);
    gfx::Colour ForeColor() const { return foreColor_; }
    void SetForeColor(gfx::Colour c);
    gfx::Colour BackColor() const { return backColor_; }
    void SetBackColor(gfx::Colour c);
    BackStyle GetBackStyle() const { return backStyle_; }
    void SetBackStyle(BackStyle s);
    Alignment GetAlignment() const { return alignment_; }
    void SetAlignment(Alignment a);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool on);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool on);
    // "&" marks the access key and is not shown (default on).
    bool UseMnemonic() const { return useMnemonic_; }
    void SetUseMnemonic(bool on);

    bool CanGetFocus() const override { return false; }
    ScaleMode OwnScale() const override { return ContainerScale(); }
    void Paint(gfx::Canvas& canvas) override;

    // The size the caption needs in pixels (what AutoSize applies).
    gfx::Size TextSize() const;

private:
    void ApplyAutoSize();
    const gfx::Font& GetFontObject() const;

    gfx::FontDesc fontDesc_;
    mutable std::shared_ptr<const gfx::Font> font_;
    gfx::Colour foreColor_ = 0x80000012;
    gfx::Colour backColor_ = 0x8000000F;
    BackStyle backStyle_ = BackStyle::Opaque;
    Alignment alignment_ = Alignment::Left;
    bool autoSize_ = false;
    bool wordWrap_ = false;
    bool useMnemonic_ = true;
};

}  // namespace ui

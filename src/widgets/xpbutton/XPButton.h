#pragma once
// The skinned push button: command button, check box or option button, with
// eight styles, seven outline shapes, hover tracking and stored properties.
// Behaviour lives in ButtonBehaviour, painting in ButtonPainter; this class
// holds the properties with their setter rules and joins both to the host.
// It paints into its own off-screen canvas and copies that to its surface in
// one step, so a redraw never flickers.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "gfx/Bitmap.h"
#include "gfx/Canvas.h"
#include "ui/Control.h"
#include "ui/PropertyBag.h"
#include "widgets/xpbutton/ButtonBehaviour.h"
#include "widgets/xpbutton/ButtonModel.h"

namespace widgets {

class XPButton : public ui::Control, private BehaviourHost {
public:
    // Initialises a freshly placed button (caption := the display name).
    explicit XPButton(ui::Control* container = nullptr, std::string name = {});
    ~XPButton() override;

    // --- properties ---
    int32_t ButtonStyle() const { return p_.buttonStyle; }
    void SetButtonStyle(int32_t v);
    int32_t Mode() const { return p_.mode; }
    void SetMode(int32_t v);
    bool Value() const { return p_.value; }
    void SetValue(bool v);
    std::string Caption() const override { return p_.caption; }
    void SetCaption(const std::string& caption) override;
    int32_t CaptionAlign() const { return p_.captionAlign; }
    void SetCaptionAlign(int32_t v);
    int32_t CaptionStyle() const { return p_.captionStyle; }
    void SetCaptionStyle(int32_t v);
    int32_t ButtonShape() const { return p_.buttonShape; }
    void SetButtonShape(int32_t v);
    const ButtonPicture& Picture() const { return p_.picture; }
    void SetPicture(ButtonPicture picture);
    int32_t PictureAlign() const { return p_.pictureAlign; }
    void SetPictureAlign(int32_t v);
    void SetEnabled(bool e) override;
    bool ShowFocusRect() const { return p_.showFocusRect; }
    void SetShowFocusRect(bool v);
    int32_t PictureSize() const;  // index 0..4
    void SetPictureSize(int32_t index);
    void SetButtonMousePointer(int16_t code);
    void SetButtonMouseIcon(std::shared_ptr<const gfx::Bitmap> icon);
    const gfx::FontDesc& Font() const { return p_.font; }
    void SetFont(const gfx::FontDesc& font);
    int32_t FontStyle() const;
    void SetFontStyle(int32_t bits);
    gfx::Colour ForeColor() const { return p_.foreColor; }
    void SetForeColor(gfx::Colour c);
    gfx::Colour BackColor() const { return p_.backColor; }
    void SetBackColor(gfx::Colour c);
    gfx::Colour GradientColor() const { return p_.gradientColor; }
    void SetGradientColor(gfx::Colour c);
    int32_t GradientMode() const { return p_.gradientMode; }
    void SetGradientMode(int32_t v);
    bool ResetDefaultColors() const { return false; }
    void SetResetDefaultColors(bool v);
    int32_t HoverColorLocks() const { return p_.hoverColorLocks; }
    void SetHoverColorLocks(int32_t v);
    gfx::Colour HoverForeColor() const { return p_.hoverForeColor; }
    void SetHoverForeColor(gfx::Colour c);
    gfx::Colour HoverBackColor() const { return p_.hoverBackColor; }
    void SetHoverBackColor(gfx::Colour c);

    // The surface's drawing context and the control's own window, as the host gives them.
    gfx::Canvas hDC() { return gfx::Canvas(surface_); }
    ui::Control* hwnd() { return this; }

    // --- methods ---
    void Refresh();
    void DelayDrawing(bool bDelay);

    // --- persistence ---
    void ReadProperties(const ui::PropertyBag& bag);
    void WriteProperties(ui::PropertyBag& bag) const;

    // --- events (MouseDown, MouseUp, MouseMove, KeyDown, KeyUp, KeyPress and
    // Click are the Control's) ---
    std::function<void(bool onButton)> MouseOnButton;
    std::function<void(int16_t button)> DoubleClick;

    // --- read-only views for tests and the gallery ---
    const ButtonRuntime& RuntimeState() const { return behaviour_.State(); }
    const DerivedColours& Colours() const { return colours_; }
    const ContentLayout& Layout() const { return layout_; }
    // What the button shows now (its surface), own pixels.
    const gfx::Bitmap& Surface() const { return surface_; }
    int SlantLeft() const { return left_; }
    int RightEdge() const { return right_; }

    // Called only by HoverTimerProc.
    void CheckHover(int timerId);

    // --- host hooks ---
    void Paint(gfx::Canvas& canvas) override;
    void SetBounds(const gfx::Rect& r) override;
    void OnMouseDown(int button, int shift, float x, float y) override;
    void OnMouseMove(int button, int shift, float x, float y) override;
    void OnMouseUp(int button, int shift, float x, float y) override;
    void OnClick() override;
    void OnDblClick(int button, int shift, float x, float y) override;
    void OnKeyDown(int& keyCode, int shift) override;
    void OnKeyUp(int& keyCode, int shift) override;
    void OnKeyPress(int& keyAscii) override;
    void OnGotFocus() override;
    void OnAccessKey(int keyAscii) override;
    void OnAmbientChanged(const std::string& name) override;
    bool ActsAsButton() const override { return true; }

    static constexpr const char* kMsgNotForCommand = "This property is not applicable for command button modes.";
    static constexpr const char* kMsgCentreOnly =
        "When button images are aligned top/bottom center, \nbutton captions can only be center aligned";
    static constexpr const char* kMsgFocusRect =
        "The focus rectangle may appear on default buttons ONLY while in design mode, \n"
        "but will not appear when the form is running.";
    static constexpr const char* kMsgBadPointer = "Invalid property value";
    static constexpr const char* kMsgBadPointerTitle = "Select .ico Or .cur Files Only";

    // The name of the option buttons' group in their container.
    static constexpr const char* kOptionGroup = "qz_Opt";

    static constexpr int kHoverTimerId = 237;
    static constexpr int kHoverIntervalMs = 50;

private:
    // Part of the drawing machinery.
    void RedrawButton();
    void UpdateCanvas(bool create);
    void BuildRegion();
    void PrepareResource(const std::string& what);
    void LayoutContent();
    void ResizeProcessing();
    void Relayout() { LayoutContent(); }
    void RenderStyle();

    // The option group of the container: 1 join, -1 leave, 0 clear the others, 2 query.
    bool OptionToggle(int16_t action);

    bool DesignMode() const { return !Ambient().userMode; }
    // The design-time information messages (title: the application's, unless given).
    void Inform(const std::string& text, const std::string& title = {});
    void Notify(const std::string& key) { PropertyChanged(key); }

    // BehaviourHost
    int ModeValue() const override { return p_.mode; }
    bool CheckedValue() const override { return p_.value; }
    void SetCheckedValue(bool v) override { SetValue(v); }
    bool ShowsFocusRect() const override { return p_.showFocusRect; }
    gfx::Point ClientSize() const override { return {PixelWidth(), PixelHeight()}; }
    bool PointerOnSelf() const override { return IsUnderPointer(); }
    void ClearDelay() override { delay_ = false; }
    void Redraw() override { RedrawButton(); }
    void SetCapture(bool on) override;
    void StartHoverTimer() override;
    void StopHoverTimer() override;
    void PostArrowToContainer(int key, uint32_t keyData) override;
    bool AnyGroupMemberOn() override { return OptionToggle(2); }
    void RaiseMouseDown(int button, int shift, float x, float y) override;
    void RaiseMouseUp(int button, int shift, float x, float y) override;
    void RaiseMouseMove(int button, int shift, float x, float y) override;
    void RaiseKeyDown(int16_t& keyCode, int16_t& shift) override;
    void RaiseKeyUp(int16_t& keyCode, int16_t& shift) override;
    void RaiseMouseOnButton(bool onButton) override;
    void RaiseClick() override;
    void RaiseDoubleClick(int16_t button) override;

    ButtonProperties p_;
    DerivedColours colours_;
    ContentLayout layout_;
    ButtonBehaviour behaviour_{*this};
    bool delay_ = false;
    int left_ = 0;   // L
    int right_ = 0;  // R
    std::optional<gfx::Region> clip_;
    gfx::Colour containerColour_ = 0xFFFFFF;
    std::unique_ptr<gfx::Bitmap> canvasBitmap_;  // the off-screen canvas
    gfx::Bitmap surface_;                        // what the button shows
    std::shared_ptr<const gfx::Font> drawingFont_;
    ui::ControlRef containerWindow_;  // the option group's keeper
};

}  // namespace widgets

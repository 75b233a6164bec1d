#pragma once
// The base of every control and of the form itself: a node of the control
// tree with a pixel rectangle in its container, visibility, z-order, focus,
// mouse capture, an optional clipping region, a per-control property map (the
// "window properties"), host timers, ambient values and events as handler members.
//
// Geometry is kept in whole pixels; Left/Top/Width/Height read and write it in
// the container's scale (twips or pixels). Mouse coordinates given to the
// events are in the control's own scale (OwnScale()).
//
// Events are std::function members; the form calls the virtual On* hooks,
// whose default implementations raise the events. A subclass that handles
// input itself (the skinned button) overrides the hooks.
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "gfx/Bitmap.h"
#include "gfx/Canvas.h"
#include "gfx/Colour.h"
#include "gfx/Geometry.h"
#include "gfx/Region.h"
#include "ui/Scale.h"

namespace ui {

class App;
class Control;
class Form;

// A handle to a control that reads null once the control is destroyed. The
// control owns a small cell holding its address and nulls it in its destructor;
// handles share that cell. Reading is two loads; setting copies a shared
// pointer and never allocates.
class ControlRef {
public:
    ControlRef() = default;
    ControlRef(Control* c);  // implicit: set like the pointer it stands for
    ControlRef& operator=(Control* c);
    Control* get() const { return cell_ ? *cell_ : nullptr; }
    Control* operator->() const { return get(); }
    explicit operator bool() const { return get() != nullptr; }
    friend bool operator==(const ControlRef& r, const Control* c) { return r.get() == c; }

private:
    std::shared_ptr<Control* const> cell_;
};

// Values the container offers its controls (what a user control reads as Ambient).
struct AmbientProperties {
    bool userMode = true;               // run mode; the game never designs, the gallery does
    gfx::Colour backColor = 0x8000000F; // the container's BackColor as set (may be a system colour)
    std::string displayName;            // the control's Name
    bool displayAsDefault = false;      // to be drawn as the default button now
};

class Control {
public:
    // Registers the control on top of its container's children (nullptr: none yet).
    explicit Control(Control* container = nullptr, std::string name = {});
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    // Creates a child owned by this control: T's constructor gets (this, args...).
    template <class T, class... Args>
    T& Add(Args&&... args) {
        auto child = std::make_unique<T>(this, std::forward<Args>(args)...);
        T& ref = *child;
        owned_.push_back(std::move(child));
        return ref;
    }

    // --- identity ---
    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }
    const std::string& Tag() const { return tag_; }
    void SetTag(std::string tag) { tag_ = std::move(tag); }

    // --- tree ---
    Control* Container() const { return container_; }
    // Moves the control to the top of another container's children.
    void SetContainer(Control* container);
    // Bottom to top.
    const std::vector<Control*>& Children() const { return children_; }
    Form* ParentForm();
    const Form* ParentForm() const;
    App* GetApp() const;  // nullptr until the control belongs to a form
    // Depth-first search of the descendants by name.
    Control* FindChild(std::string_view name);

    // --- geometry in pixels, relative to the container's client area ---
    const gfx::Rect& Bounds() const { return bounds_; }
    virtual void SetBounds(const gfx::Rect& r);
    int PixelWidth() const { return bounds_.Width(); }
    int PixelHeight() const { return bounds_.Height(); }
    // A point of this control (pixels) in the client area of its form.
    gfx::Point ToForm(gfx::Point p) const;
    // This control's rectangle in form client pixels.
    gfx::Rect FormRect() const;

    // --- geometry in the container's scale (twips for a form, pixels or twips in a box) ---
    float Left() const;
    float Top() const;
    float Width() const;
    float Height() const;
    void SetLeft(float v);
    void SetTop(float v);
    void SetWidth(float v);
    void SetHeight(float v);
    // Omitted width/height keep the current size.
    void Move(float left, float top, std::optional<float> width = std::nullopt,
              std::optional<float> height = std::nullopt);
    ScaleMode ContainerScale() const;
    // The scale of this control's own coordinates (mouse events). Pixels unless a
    // subclass says otherwise (a label answers its container's scale).
    virtual ScaleMode OwnScale() const { return ScaleMode::Pixels; }

    // --- visibility, state ---
    bool Visible() const { return visible_; }
    void SetVisible(bool v);
    bool Enabled() const { return enabled_; }
    virtual void SetEnabled(bool e);
    // Visible, and every container up to the form visible.
    bool IsShownInForm() const;
    // Enabled, and every container enabled.
    bool IsEffectivelyEnabled() const;
    // 0 brings to the front of its container, 1 sends to the back.
    void ZOrder(int position = 0);

    // --- pointer, tool tip ---
    int MousePointer() const { return mousePointer_; }
    void SetMousePointer(int code) { mousePointer_ = code; }
    const std::shared_ptr<const gfx::Bitmap>& MouseIcon() const { return mouseIcon_; }
    gfx::Point MouseIconHotSpot() const { return hotSpot_; }
    void SetMouseIcon(std::shared_ptr<const gfx::Bitmap> icon, gfx::Point hotSpot = {});
    const std::string& ToolTipText() const { return toolTip_; }
    void SetToolTipText(std::string text) { toolTip_ = std::move(text); }

    // --- window properties (string keys to integers, as SetProp/GetProp) ---
    void SetProp(const std::string& key, intptr_t value) { props_[key] = value; }
    intptr_t GetProp(const std::string& key) const;  // 0 when absent
    bool HasProp(const std::string& key) const { return props_.count(key) != 0; }
    intptr_t RemoveProp(const std::string& key);     // returns the removed value (0 if none)

    // --- named groups of controls this container keeps (its option buttons) ---
    // Members in the order they joined; one that is destroyed reads null.
    std::vector<ControlRef>& Group(const std::string& name) { return groups_[name]; }
    const std::vector<ControlRef>* FindGroup(const std::string& name) const;  // nullptr when absent
    void RemoveGroup(const std::string& name) { groups_.erase(name); }

    // --- region: clips drawing and hit testing; outside it the container shows ---
    void SetRegion(std::optional<gfx::Region> region);  // own pixel coordinates; nullopt = whole rectangle
    const std::optional<gfx::Region>& GetRegion() const { return region_; }
    // (x, y) in own pixels: inside the rectangle and the region.
    bool HitTest(int x, int y) const;

    // --- caption and access key ---
    virtual std::string Caption() const { return caption_; }
    virtual void SetCaption(const std::string& caption);
    // Upper-case letter or digit, 0 for none.
    char AccessKey() const { return accessKey_; }
    void SetAccessKey(char key);
    // The character after the last "&" that is not part of "&&"; 0 when none.
    static char ParseAccessKey(std::string_view caption);

    // --- focus ---
    int TabIndex() const { return tabIndex_; }
    void SetTabIndex(int index) { tabIndex_ = index; }
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool stop) { tabStop_ = stop; }
    // Whether the control can hold the keyboard focus at all (labels and images cannot).
    virtual bool CanGetFocus() const { return true; }
    // Gives this control the focus; false when it cannot take it now.
    bool SetFocus();
    bool HasFocus() const;
    // Command-button-like: shown as the default while focused, takes Enter then.
    virtual bool ActsAsButton() const { return false; }
    // True when plain letters are input for this control rather than access keys.
    virtual bool WantsChars() const { return false; }

    // --- mouse capture: moves and the release keep coming here while captured ---
    void SetCapture();
    void ReleaseCapture();
    bool HasCapture() const;
    // Is this the topmost hit-tested control under the global pointer, in a
    // shown, not minimised window that nothing covers at that point?
    bool IsUnderPointer() const;

    // --- drawing ---
    // Draws the control. The canvas origin is the control's top-left corner and its
    // clip already excludes what lies outside the control, its region, its
    // containers and the area being presented.
    virtual void Paint(gfx::Canvas& canvas);
    // Marks the whole control, or r (own pixels), to be composed and presented.
    void Invalidate();
    void Invalidate(const gfx::Rect& r);
    // Invalidates and presents the form's changed areas at once.
    void Refresh();

    // --- window dragging: a left press on a control with this flag moves the window ---
    bool StartsDrag() const { return startsDrag_; }
    void SetStartsDrag(bool drags) { startsDrag_ = drags; }

    // --- host services for user controls ---
    AmbientProperties Ambient() const;
    // Called by the host when an ambient value changes ("BackColor", "DisplayAsDefault", "UserMode").
    virtual void OnAmbientChanged(const std::string& name) { (void)name; }
    // Design mode for everything inside this control: their ambient UserMode reads false.
    void SetDesignMode(bool on);
    bool DesignMode() const { return designMode_; }
    // Repeating host timer owned by this control; a new SetTimer with the same id
    // restarts it. Both return false when the control has no App yet / no such timer.
    bool SetTimer(int id, int intervalMs, std::function<void()> callback);
    bool KillTimer(int id);
    bool HasTimer(int id) const { return timers_.count(id) != 0; }
    // Change notification of the property store: marks the stored state dirty.
    void PropertyChanged(const std::string& key);
    bool PropertiesDirty() const { return propertiesDirty_; }
    const std::string& LastChangedProperty() const { return lastChanged_; }
    void ClearPropertiesDirty() { propertiesDirty_ = false; }

    // --- events (x, y in the control's own scale) ---
    std::function<void(int button, int shift, float x, float y)> MouseDown;
    std::function<void(int button, int shift, float x, float y)> MouseMove;
    std::function<void(int button, int shift, float x, float y)> MouseUp;
    std::function<void()> Click;
    std::function<void()> DblClick;
    std::function<void(int& keyCode, int shift)> KeyDown;
    std::function<void(int& keyCode, int shift)> KeyUp;
    std::function<void(int& keyAscii)> KeyPress;
    std::function<void()> GotFocus;
    std::function<void()> LostFocus;

    // --- hooks called by the form; the defaults raise the events above ---
    virtual void OnMouseDown(int button, int shift, float x, float y);
    virtual void OnMouseMove(int button, int shift, float x, float y);
    virtual void OnMouseUp(int button, int shift, float x, float y);
    // A left press and release on the control (not after a double click).
    virtual void OnClick();
    // The second press of a double click, delivered instead of OnMouseDown.
    virtual void OnDblClick(int button, int shift, float x, float y);
    virtual void OnKeyDown(int& keyCode, int shift);
    virtual void OnKeyUp(int& keyCode, int shift);
    virtual void OnKeyPress(int& keyAscii);
    virtual void OnGotFocus();
    virtual void OnLostFocus();
    // Access key (Alt+letter or the letter alone), Enter on the default button or
    // Escape on the cancel button. keyAscii is the upper-case letter, 13 or 27.
    // The default raises Click.
    virtual void OnAccessKey(int keyAscii);
    // After the size changed.
    virtual void OnResized() {}

    // Own pixels from the own scale, and back (for event coordinates).
    float ToOwnScale(int pixels) const { return PixelsToScale(pixels, OwnScale()); }

protected:
    // Called when the control is about to leave its form (hidden or removed): drops
    // focus and capture that point at it.
    void DetachFromForm();

private:
    friend class Form;
    friend class ControlRef;
    void RemoveChild(Control* child);

    // The cell the handles share; the destructor nulls it.
    const std::shared_ptr<Control*> self_ = std::make_shared<Control*>(this);

    std::string name_;
    std::string tag_;
    Control* container_ = nullptr;
    std::vector<Control*> children_;
    std::vector<std::unique_ptr<Control>> owned_;
    gfx::Rect bounds_;
    bool visible_ = true;
    bool enabled_ = true;
    int mousePointer_ = kPointerDefault;
    std::shared_ptr<const gfx::Bitmap> mouseIcon_;
    gfx::Point hotSpot_;
    std::string toolTip_;
    std::map<std::string, intptr_t> props_;
    std::map<std::string, std::vector<ControlRef>> groups_;
    std::optional<gfx::Region> region_;
    std::string caption_;
    char accessKey_ = 0;
    int tabIndex_ = 0;
    bool tabStop_ = true;
    bool startsDrag_ = false;
    bool designMode_ = false;
    std::map<int, uint64_t> timers_;  // host timer id -> App timer handle
    bool propertiesDirty_ = false;
    std::string lastChanged_;
};

inline ControlRef::ControlRef(Control* c) : cell_(c ? c->self_ : nullptr) {}

inline ControlRef& ControlRef::operator=(Control* c) {
    if (c != get()) cell_ = c ? c->self_ : nullptr;
    return *this;
}

}  // namespace ui

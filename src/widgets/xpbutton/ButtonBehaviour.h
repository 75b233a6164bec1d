#pragma once
// The button's behaviour as a state machine: host input (mouse, keys, hover
// timer ticks, access keys, focus, default-button changes) in, state bits and
// events out. It paints nothing; the owner redraws when told and paints from
// the state it reads back.
#include <cstdint>

#include "gfx/Geometry.h"

namespace widgets {

// Bits of ButtonState.
enum ButtonStateBits : int16_t {
    kStateDefault = 1,  // shown as the default (or focused) button
    kStatePressed = 2,  // left button or Space held on the button
    kStateHover = 4,    // pointer over the button
};

struct ButtonRuntime {
    int16_t buttonState = 0;
    bool hoverTracking = false;  // the hover timer runs
    bool pressedLook = false;
    int16_t lastMouseButton = 0;  // 1 left; -1 after a double click

    bool Pushed() const { return (buttonState & (kStatePressed | kStateHover)) == (kStatePressed | kStateHover); }
    bool DefaultLook() const { return (buttonState & kStateDefault) != 0; }
};

// What the behaviour needs from the button that owns it.
class BehaviourHost {
public:
    virtual ~BehaviourHost() = default;
    virtual int ModeValue() const = 0;
    virtual bool CheckedValue() const = 0;
    virtual void SetCheckedValue(bool v) = 0;  // through the value setter and its group rules
    virtual bool ShowsFocusRect() const = 0;
    virtual gfx::Point ClientSize() const = 0;
    virtual bool PointerOnSelf() const = 0;  // the window under the cursor is the button's own
    virtual void ClearDelay() = 0;
    virtual void Redraw() = 0;
    virtual void SetCapture(bool on) = 0;
    virtual void StartHoverTimer() = 0;
    virtual void StopHoverTimer() = 0;
    virtual void PostArrowToContainer(int key, uint32_t keyData) = 0;
    virtual bool AnyGroupMemberOn() = 0;

    virtual void RaiseMouseDown(int button, int shift, float x, float y) = 0;
    virtual void RaiseMouseUp(int button, int shift, float x, float y) = 0;
    virtual void RaiseMouseMove(int button, int shift, float x, float y) = 0;
    virtual void RaiseKeyDown(int16_t& keyCode, int16_t& shift) = 0;
    virtual void RaiseKeyUp(int16_t& keyCode, int16_t& shift) = 0;
    virtual void RaiseMouseOnButton(bool onButton) = 0;
    virtual void RaiseClick() = 0;
    virtual void RaiseDoubleClick(int16_t button) = 0;
};

class ButtonBehaviour {
public:
    explicit ButtonBehaviour(BehaviourHost& host) : host_(host) {}

    const ButtonRuntime& State() const { return state_; }

    void MouseDown(int button, int shift, float x, float y);
    void MouseMove(int button, int shift, float x, float y);
    void MouseUp(int button, int shift, float x, float y);
    void HostClick();  // the host's click after a press and release on the button
    // The second press of a double click, at the cursor's client position.
    void DoubleClick(float x, float y);
    void KeyDown(int16_t keyCode, int16_t shift);
    void KeyUp(int16_t keyCode, int16_t shift);
    // Access key, or Enter/Escape on the default/cancel button.
    void AccessKey(int keyAscii);
    void GotFocus();
    void DisplayAsDefaultChanged(bool hostSaysDefault);
    // The hover timer's tick (CheckHover).
    void CheckHover();
    // Stops the hover timer if it runs; for termination.
    void Terminate();

private:
    void Activate();
    void PressDown(int button, int shift, float x, float y);

    BehaviourHost& host_;
    ButtonRuntime state_;
};

}  // namespace widgets

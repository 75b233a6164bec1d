#include "widgets/xpbutton/ButtonBehaviour.h"

namespace widgets {

namespace {

constexpr int kLeft = 1;
constexpr int kVkReturn = 13, kVkShift = 16, kVkEscape = 27, kVkSpace = 32;
constexpr int kVkLeft = 37, kVkUp = 38, kVkRight = 39, kVkDown = 40;

bool IsArrow(int key) { return key >= kVkLeft && key <= kVkDown; }

// Key data of a re-posted arrow: repeat count 1 and the key's scan code.
uint32_t ArrowKeyData(int key) {
    switch (key) {
    case kVkLeft: return 0x004B0001;
    case kVkUp: return 0x00480001;
    case kVkRight: return 0x004D0001;
    default: return 0x00500001;
    }
}

}  // namespace

void ButtonBehaviour::PressDown(int button, int shift, float x, float y) {
    state_.lastMouseButton = static_cast<int16_t>(button);
    if (button == kLeft) {
        state_.buttonState |= kStatePressed;
        state_.pressedLook = true;
        host_.ClearDelay();
        host_.Redraw();
        host_.SetCapture(true);
    }
    host_.RaiseMouseDown(button, shift, x, y);
}

void ButtonBehaviour::MouseDown(int button, int shift, float x, float y) { PressDown(button, shift, x, y); }

void ButtonBehaviour::MouseMove(int button, int shift, float x, float y) {
    gfx::Point size = host_.ClientSize();
    bool outside = x < 0 || y < 0 || x > size.x || y > size.y;  // the edges count as inside
    if (!state_.hoverTracking && !outside) {
        state_.buttonState |= kStateHover;
        host_.RaiseMouseOnButton(true);
        host_.StartHoverTimer();
        state_.hoverTracking = true;
        host_.ClearDelay();
        if (button == kLeft) state_.pressedLook = true;
        host_.Redraw();
    }
    host_.RaiseMouseMove(button, shift, x, y);
}

void ButtonBehaviour::CheckHover() {
    if (host_.PointerOnSelf()) return;
    host_.StopHoverTimer();
    state_.buttonState &= ~kStateHover;
    state_.hoverTracking = false;
    host_.ClearDelay();
    host_.RaiseMouseOnButton(false);
    state_.pressedLook = false;
    host_.Redraw();
}

void ButtonBehaviour::MouseUp(int button, int shift, float x, float y) {
    state_.pressedLook = false;
    if (button == kLeft) {
        host_.SetCapture(false);
        state_.buttonState &= ~kStatePressed;
        host_.ClearDelay();
        if (host_.ModeValue() == 0) host_.Redraw();
    }
    host_.RaiseMouseUp(button, shift, x, y);
    state_.lastMouseButton = static_cast<int16_t>(button);
}

void ButtonBehaviour::Activate() {
    if (state_.lastMouseButton != kLeft) return;
    int mode = host_.ModeValue();
    if (mode == 2 && host_.CheckedValue()) return;
    if (mode == 1 || mode == 2) host_.SetCheckedValue(!host_.CheckedValue());
    host_.RaiseClick();
}

void ButtonBehaviour::HostClick() { Activate(); }

void ButtonBehaviour::DoubleClick(float x, float y) {
    int16_t last = state_.lastMouseButton;
    host_.RaiseDoubleClick(last);
    if (last == kLeft) {
        PressDown(kLeft, 0, x, y);
        state_.lastMouseButton = -1;
    } else {
        host_.RaiseMouseDown(last, 0, x, y);
    }
}

void ButtonBehaviour::KeyDown(int16_t keyCode, int16_t shift) {
    if (IsArrow(keyCode)) {
        // The container's own arrow handling acts on it.
        host_.PostArrowToContainer(keyCode, ArrowKeyData(keyCode));
        keyCode = 0;
    } else if (keyCode == kVkSpace && (state_.buttonState & kStatePressed) == 0) {
        state_.buttonState |= kStateHover | kStatePressed;
        state_.pressedLook = true;
        host_.Redraw();
        if (!state_.hoverTracking) state_.buttonState &= ~kStateHover;
    }
    if (keyCode != 0) host_.RaiseKeyDown(keyCode, shift);
}

void ButtonBehaviour::KeyUp(int16_t keyCode, int16_t shift) {
    state_.pressedLook = false;
    int mode = host_.ModeValue();
    if (keyCode == kVkSpace && (state_.buttonState & kStatePressed) != 0) {
        state_.buttonState &= ~kStatePressed;
        state_.lastMouseButton = kLeft;
        if (mode == 0) {
            host_.Redraw();
        } else {
            host_.RaiseKeyUp(keyCode, shift);
            keyCode = 0;
        }
        Activate();
    } else if (IsArrow(keyCode)) {
        keyCode = 0;
        if (mode == 2 && !host_.CheckedValue()) {
            state_.lastMouseButton = kLeft;  // arrowing onto an option button selects it
            Activate();
        }
    } else if (keyCode == kVkShift) {
        keyCode = 0;
    }
    if (keyCode != 0) host_.RaiseKeyUp(keyCode, shift);
}

void ButtonBehaviour::AccessKey(int keyAscii) {
    bool enterOrEscape = keyAscii == kVkReturn || keyAscii == kVkEscape;
    if (enterOrEscape && host_.ModeValue() > 0) return;
    if (!enterOrEscape && !state_.DefaultLook()) host_.Redraw();
    state_.lastMouseButton = kLeft;
    Activate();
}

void ButtonBehaviour::GotFocus() {
    if (host_.ModeValue() != 2 || host_.CheckedValue()) return;
    if (host_.AnyGroupMemberOn()) return;
    state_.lastMouseButton = kLeft;
    Activate();
}

void ButtonBehaviour::DisplayAsDefaultChanged(bool hostSaysDefault) {
    if (host_.ShowsFocusRect() && hostSaysDefault) {
        state_.buttonState |= kStateDefault;
    } else {
        state_.buttonState &= ~kStateDefault;
    }
    host_.Redraw();
}

void ButtonBehaviour::Terminate() {
    if (state_.hoverTracking) host_.StopHoverTimer();
    state_.hoverTracking = false;
}

}  // namespace widgets

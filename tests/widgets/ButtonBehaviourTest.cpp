// The behaviour state machine against a recording host: no window, no drawing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "widgets/xpbutton/ButtonBehaviour.h"

namespace widgets {
namespace {

class RecordingHost : public BehaviourHost {
public:
    int mode = 0;
    bool value = false;
    bool showFocusRect = true;
    bool pointerOnSelf = true;
    bool groupOn = false;
    bool captured = false;
    bool timerRunning = false;
    int redraws = 0;
    std::vector<std::string> log;

    int ModeValue() const override { return mode; }
    bool CheckedValue() const override { return value; }
    void SetCheckedValue(bool v) override {
        value = v;
        log.push_back(v ? "value:on" : "value:off");
    }
    bool ShowsFocusRect() const override { return showFocusRect; }
    gfx::Point ClientSize() const override { return {80, 33}; }
    bool PointerOnSelf() const override { return pointerOnSelf; }
    void ClearDelay() override {}
    void Redraw() override { ++redraws; }
    void SetCapture(bool on) override { captured = on; }
    void StartHoverTimer() override { timerRunning = true; }
    void StopHoverTimer() override { timerRunning = false; }
    void PostArrowToContainer(int key, uint32_t data) override {
        log.push_back("post:" + std::to_string(key) + ":" + std::to_string(data));
    }
    bool AnyGroupMemberOn() override { return groupOn; }
    void RaiseMouseDown(int b, int, float, float) override { log.push_back("down" + std::to_string(b)); }
    void RaiseMouseUp(int b, int, float, float) override { log.push_back("up" + std::to_string(b)); }
    void RaiseMouseMove(int, int, float, float) override { log.push_back("move"); }
    void RaiseKeyDown(int16_t& k, int16_t&) override { log.push_back("keydown" + std::to_string(k)); }
    void RaiseKeyUp(int16_t& k, int16_t&) override { log.push_back("keyup" + std::to_string(k)); }
    void RaiseMouseOnButton(bool on) override { log.push_back(on ? "on" : "off"); }
    void RaiseClick() override { log.push_back("click"); }
    void RaiseDoubleClick(int16_t b) override { log.push_back("dbl" + std::to_string(b)); }
};

using Log = std::vector<std::string>;

class BehaviourTest : public ::testing::Test {
protected:
    RecordingHost host;
    ButtonBehaviour b{host};
};

TEST_F(BehaviourTest, HoverStartsOnceAndEndsWhenThePointerLeaves) {
    b.MouseMove(0, 0, 10, 10);
    b.MouseMove(0, 0, 20, 10);
    EXPECT_EQ(host.log, (Log{"on", "move", "move"}));
    EXPECT_TRUE(host.timerRunning);
    EXPECT_EQ(b.State().buttonState, kStateHover);
    b.CheckHover();  // still over the button: nothing
    EXPECT_TRUE(b.State().hoverTracking);
    host.pointerOnSelf = false;
    b.CheckHover();
    EXPECT_FALSE(host.timerRunning);
    EXPECT_FALSE(b.State().hoverTracking);
    EXPECT_EQ(b.State().buttonState, 0);
    EXPECT_EQ(host.log.back(), "off");
}

TEST_F(BehaviourTest, EdgesCountAsInsideButNotBeyond) {
    b.MouseMove(0, 0, -1, 5);
    b.MouseMove(0, 0, 81, 5);
    EXPECT_FALSE(b.State().hoverTracking);
    b.MouseMove(0, 0, 80, 33);
    EXPECT_TRUE(b.State().hoverTracking);
}

TEST_F(BehaviourTest, LeftClickPressesCapturesAndClicks) {
    b.MouseMove(0, 0, 5, 5);
    b.MouseDown(1, 0, 5, 5);
    EXPECT_TRUE(b.State().Pushed());
    EXPECT_TRUE(host.captured);
    b.MouseUp(1, 0, 5, 5);
    EXPECT_FALSE(host.captured);
    EXPECT_FALSE(b.State().Pushed());
    b.HostClick();
    EXPECT_EQ(host.log, (Log{"on", "move", "down1", "up1", "click"}));
}

TEST_F(BehaviourTest, DragOffShowsRaisedAndRightClickNeverClicks) {
    b.MouseMove(0, 0, 5, 5);
    b.MouseDown(1, 0, 5, 5);
    host.pointerOnSelf = false;
    b.CheckHover();
    EXPECT_FALSE(b.State().Pushed());  // pressed bit alone: raised look
    EXPECT_FALSE(b.State().pressedLook);
    b.MouseMove(1, 0, 5, 5);  // back in while captured: pushed again
    EXPECT_TRUE(b.State().Pushed());
    EXPECT_TRUE(b.State().pressedLook);

    RecordingHost h2;
    ButtonBehaviour right(h2);
    right.MouseDown(2, 0, 5, 5);
    EXPECT_FALSE(h2.captured);
    right.MouseUp(2, 0, 5, 5);
    right.HostClick();
    EXPECT_EQ(h2.log, (Log{"down2", "up2"}));
}

TEST_F(BehaviourTest, DoubleClickRaisesOneClickThenDoubleClickAndAPress) {
    b.MouseDown(1, 0, 5, 5);
    b.MouseUp(1, 0, 5, 5);
    b.HostClick();
    b.DoubleClick(6, 7);
    b.MouseUp(1, 0, 6, 7);
    EXPECT_EQ(host.log, (Log{"down1", "up1", "click", "dbl1", "down1", "up1"}));
    EXPECT_EQ(b.State().lastMouseButton, 1);
}

TEST_F(BehaviourTest, SpaceShowsPushedWhileHeldAndClicksOnRelease) {
    b.KeyDown(32, 0);
    EXPECT_TRUE(b.State().pressedLook);
    EXPECT_EQ(b.State().buttonState, kStatePressed);  // hover bit dropped: no hover tracking
    b.KeyUp(32, 0);
    EXPECT_EQ(host.log, (Log{"keydown32", "click", "keyup32"}));  // a command button clicks before KeyUp
    EXPECT_EQ(b.State().buttonState, 0);
}

TEST_F(BehaviourTest, EnterActivatesCommandButtonsOnly) {
    b.AccessKey(13);
    EXPECT_EQ(host.log, (Log{"click"}));
    host.log.clear();
    host.mode = 1;
    b.AccessKey(13);
    b.AccessKey(27);
    EXPECT_TRUE(host.log.empty());
    b.AccessKey('O');  // a real access key toggles a check box
    EXPECT_EQ(host.log, (Log{"value:on", "click"}));
}

TEST_F(BehaviourTest, OptionButtonClicksOnlyWhenTurningOn) {
    host.mode = 2;
    b.MouseDown(1, 0, 1, 1);
    b.MouseUp(1, 0, 1, 1);
    b.HostClick();
    b.HostClick();
    EXPECT_EQ(host.log, (Log{"down1", "up1", "value:on", "click"}));
}

TEST_F(BehaviourTest, ArrowsAreForwardedAndSelectOptionButtons) {
    b.KeyDown(37, 0);
    b.KeyDown(40, 0);
    EXPECT_EQ(host.log, (Log{"post:37:4915201", "post:40:5242881"}));
    host.log.clear();
    host.mode = 2;
    b.KeyUp(39, 0);
    EXPECT_EQ(host.log, (Log{"value:on", "click"}));
    host.log.clear();
    b.KeyUp(16, 0);
    EXPECT_TRUE(host.log.empty());
}

TEST_F(BehaviourTest, FocusSelectsAnOptionButtonOnlyWhenNoneIsOn) {
    host.mode = 2;
    host.groupOn = true;
    b.GotFocus();
    EXPECT_TRUE(host.log.empty());
    host.groupOn = false;
    b.GotFocus();
    EXPECT_EQ(host.log, (Log{"value:on", "click"}));
}

TEST_F(BehaviourTest, DefaultLookNeedsShowFocusRect) {
    b.DisplayAsDefaultChanged(true);
    EXPECT_TRUE(b.State().DefaultLook());
    host.showFocusRect = false;
    b.DisplayAsDefaultChanged(true);
    EXPECT_FALSE(b.State().DefaultLook());
}

TEST_F(BehaviourTest, TerminateStopsTheHoverTimer) {
    b.MouseMove(0, 0, 1, 1);
    b.Terminate();
    EXPECT_FALSE(host.timerRunning);
}

}  // namespace
}  // namespace widgets

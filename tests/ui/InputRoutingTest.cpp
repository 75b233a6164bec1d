// Routing of mouse and keyboard input: capture, click rules, focus and Tab
// order, default/cancel buttons, access keys, drag areas, pointers.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "UiFixture.h"
#include "ui/Image.h"
#include "ui/Label.h"
#include "ui/PictureBox.h"

namespace ui::test {

using platform::kAltMask;
using platform::kLeftButton;
using platform::kRightButton;
using platform::kShiftMask;

// A focusable control that logs what reaches it.
struct Probe : Control {
    Probe(Control* parent, std::string name, std::vector<std::string>* log, bool button = false)
        : Control(parent, name), log_(log), button_(button) {
        auto tag = [this](const char* what) { return Name() + "." + what; };
        MouseDown = [this, tag](int b, int, float x, float y) {
            log_->push_back(tag("down") + "(" + std::to_string(b) + "," + std::to_string(int(x)) + "," +
                            std::to_string(int(y)) + ")");
        };
        MouseUp = [this, tag](int b, int, float x, float y) {
            log_->push_back(tag("up") + "(" + std::to_string(b) + "," + std::to_string(int(x)) + "," +
                            std::to_string(int(y)) + ")");
        };
        MouseMove = [this, tag](int, int, float x, float y) {
            log_->push_back(tag("move") + "(" + std::to_string(int(x)) + "," + std::to_string(int(y)) + ")");
        };
        Click = [this, tag] { log_->push_back(tag("click")); };
        DblClick = [this, tag] { log_->push_back(tag("dbl")); };
        GotFocus = [this, tag] { log_->push_back(tag("got")); };
        LostFocus = [this, tag] { log_->push_back(tag("lost")); };
        KeyDown = [this, tag](int& k, int) { log_->push_back(tag("keydown") + std::to_string(k)); };
        KeyUp = [this, tag](int& k, int) { log_->push_back(tag("keyup") + std::to_string(k)); };
        KeyPress = [this, tag](int& k) { log_->push_back(tag("press") + std::to_string(k)); };
    }
    bool ActsAsButton() const override { return button_; }
    void OnAmbientChanged(const std::string& n) override {
        log_->push_back(Name() + ".ambient:" + n + "=" + (Ambient().displayAsDefault ? "1" : "0"));
    }
    std::vector<std::string>* log_;
    bool button_;
};

class InputRoutingTest : public UiFixture {
protected:
    InputRoutingTest() {
        a = &form.Add<Probe>("A", &log, true);
        b = &form.Add<Probe>("B", &log, true);
        a->SetBounds(gfx::Rect::FromSize(10, 10, 50, 30));
        b->SetBounds(gfx::Rect::FromSize(100, 10, 50, 30));
        a->SetTabIndex(0);
        b->SetTabIndex(1);
        ShowForm();
        log.clear();
    }
    std::vector<std::string> Run() {
        app.DoEvents();
        auto out = log;
        log.clear();
        return out;
    }
    std::vector<std::string> log;
    Probe* a = nullptr;
    Probe* b = nullptr;
};

using Log = std::vector<std::string>;

TEST_F(InputRoutingTest, ReleaseOutsideGoesToThePressingControlWithoutClick) {
    backend.MouseDown(win, 20, 20);
    backend.Move(win, 120, 20, kLeftButton);
    backend.MouseUp(win, 120, 20);
    EXPECT_EQ(Run(), (Log{"A.got", "A.ambient:DisplayAsDefault=1", "A.down(1,10,10)", "A.move(110,10)", "A.up(1,110,10)"}));
    // The capture ended with the release: moves go to what lies under the pointer again.
    backend.Move(win, 120, 20);
    EXPECT_EQ(Run(), (Log{"B.move(20,10)"}));
}

TEST_F(InputRoutingTest, ClickNeedsLeftPressAndReleaseInside) {
    backend.Click(win, 20, 20);
    EXPECT_EQ(Run(), (Log{"A.got", "A.ambient:DisplayAsDefault=1", "A.down(1,10,10)", "A.up(1,10,10)", "A.click"}));
    backend.Click(win, 20, 20, kRightButton);
    EXPECT_EQ(Run(), (Log{"A.down(2,10,10)", "A.up(2,10,10)"}));
    // Leaving and coming back before the release still clicks.
    backend.MouseDown(win, 20, 20);
    backend.Move(win, 200, 200, kLeftButton);
    backend.MouseUp(win, 59, 39);
    EXPECT_EQ(Run(), (Log{"A.down(1,10,10)", "A.move(190,190)", "A.up(1,49,29)", "A.click"}));
}

TEST_F(InputRoutingTest, DoubleClickGivesOneClickOnly) {
    backend.DoubleClick(win, 20, 20);
    EXPECT_EQ(Run(), (Log{"A.got", "A.ambient:DisplayAsDefault=1", "A.down(1,10,10)", "A.up(1,10,10)", "A.click", "A.dbl", "A.up(1,10,10)"}));
}

TEST_F(InputRoutingTest, ExplicitCaptureTakesMovesOverOtherControls) {
    b->SetCapture();
    EXPECT_TRUE(b->HasCapture());
    backend.Move(win, 20, 20);
    EXPECT_EQ(Run(), (Log{"B.move(-80,10)"}));
    b->ReleaseCapture();
    backend.Move(win, 20, 20);
    EXPECT_EQ(Run(), (Log{"A.move(10,10)"}));
}

TEST_F(InputRoutingTest, MouseCoordinatesAreInTheControlsOwnScale) {
    auto& box = form.Add<PictureBox>("Picture2");  // measures in twips
    box.SetBounds(gfx::Rect::FromSize(0, 100, 100, 100));
    auto& label = box.Add<Label>("Label1");
    label.SetBounds(gfx::Rect::FromSize(10, 10, 20, 19));
    std::vector<float> got;
    auto rec = [&](int, int, float x, float y) { got.insert(got.end(), {x, y}); };
    box.MouseDown = rec;
    label.MouseDown = rec;
    backend.Click(win, 5, 105);
    backend.Click(win, 12, 113);
    app.DoEvents();
    EXPECT_EQ(got, (std::vector<float>{75, 75, 30, 45}));  // a label speaks its container's scale
}

TEST_F(InputRoutingTest, DisabledControlsTakeNoInput) {
    a->SetEnabled(false);
    backend.Click(win, 20, 20);
    EXPECT_TRUE(Run().empty());
    EXPECT_FALSE(a->SetFocus());
}

TEST_F(InputRoutingTest, TabOrderFollowsTabIndexAndSkipsWhatCannotTakeFocus) {
    auto& c = form.Add<Probe>("C", &log);
    c.SetBounds(gfx::Rect::FromSize(200, 10, 20, 20));
    c.SetTabIndex(-1);  // first in the order although placed last
    auto& label = form.Add<Label>("L");
    label.SetTabIndex(5);
    ASSERT_EQ(form.TabOrder(), (std::vector<Control*>{&c, a, b}));
    a->SetFocus();
    log.clear();
    backend.Key(win, platform::kVkTab);
    app.DoEvents();
    EXPECT_TRUE(b->HasFocus());
    backend.Key(win, platform::kVkTab);
    app.DoEvents();
    EXPECT_TRUE(c.HasFocus());
    backend.Key(win, platform::kVkTab, kShiftMask);
    app.DoEvents();
    EXPECT_TRUE(b->HasFocus());
    b->SetVisible(false);
    EXPECT_EQ(form.ActiveControl(), nullptr);
    form.FocusNext();
    EXPECT_TRUE(c.HasFocus());
    // Lost comes before got; the button look follows the focus.
    EXPECT_EQ(log[0], "A.lost");
    EXPECT_EQ(log[1], "B.got");
}

TEST_F(InputRoutingTest, EnterGoesToTheButtonShownAsDefaultEscapeToCancel) {
    auto& field = form.Add<Probe>("F", &log);  // not a button: the default stays on B
    field.SetBounds(gfx::Rect::FromSize(10, 100, 50, 20));
    form.SetDefaultButton(b);
    form.SetCancelButton(a);
    EXPECT_EQ(Run(), (Log{"B.ambient:DisplayAsDefault=1"}));
    field.SetFocus();
    log.clear();
    backend.Key(win, platform::kVkReturn);
    EXPECT_EQ(Run(), (Log{"B.click", "F.keyup13"}));  // the release still reaches the focus
    // A focused button is the default while it has the focus.
    a->SetFocus();
    EXPECT_EQ(Run(), (Log{"F.lost", "A.got", "B.ambient:DisplayAsDefault=0", "A.ambient:DisplayAsDefault=1"}));
    backend.Key(win, platform::kVkReturn);
    EXPECT_EQ(Run(), (Log{"A.click", "A.keyup13"}));
    backend.Key(win, platform::kVkEscape);
    EXPECT_EQ(Run(), (Log{"A.click", "A.keyup27"}));
    // Other keys go to the focused control.
    backend.Key(win, 'Z');
    backend.Char(win, 'z');
    EXPECT_EQ(Run(), (Log{"A.keydown90", "A.keyup90", "A.press122"}));
}

TEST_F(InputRoutingTest, AccessKeysWithAltOrAloneMoveFocusAndActivate) {
    b->SetCaption("&Open");
    a->SetFocus();
    log.clear();
    platform::Event down{platform::EventType::KeyDown, win};
    down.key = 'O';
    down.shift = kAltMask;
    backend.Push(down);
    backend.Char(win, 'o');  // swallowed: the key was taken as an access key
    EXPECT_EQ(Run(), (Log{"A.lost", "B.got", "A.ambient:DisplayAsDefault=0", "B.ambient:DisplayAsDefault=1",
                          "B.click"}));
    a->SetFocus();
    log.clear();
    backend.Key(win, 'O');
    Log got = Run();
    ASSERT_FALSE(got.empty());
    EXPECT_EQ(got[got.size() - 2], "B.click");
    EXPECT_EQ(got.back(), "B.keyup79");  // the key-up goes to the newly focused control
}

TEST_F(InputRoutingTest, LettersGoToAControlThatTakesCharacters) {
    struct Field : Probe {
        using Probe::Probe;
        bool WantsChars() const override { return true; }
    };
    auto& f = form.Add<Field>("F", &log);
    f.SetBounds(gfx::Rect::FromSize(0, 100, 50, 20));
    b->SetCaption("&Open");
    f.SetFocus();
    log.clear();
    backend.Key(win, 'O');
    EXPECT_EQ(Run(), (Log{"F.keydown79", "F.keyup79"}));
}

TEST_F(InputRoutingTest, NestedDoEventsKeepsTheOrderOfEvents) {
    int clicksOnB = 0;
    a->Click = [&] {
        log.push_back("A.click-start");
        app.DoEvents();  // the click on B arrives inside this handler
        log.push_back("A.click-end");
    };
    b->Click = [&] { ++clicksOnB, log.push_back("B.click"); };
    a->MouseDown = b->MouseDown = nullptr;
    a->MouseUp = b->MouseUp = nullptr;
    a->GotFocus = b->GotFocus = a->LostFocus = b->LostFocus = nullptr;
    log.clear();
    backend.Click(win, 20, 20);
    backend.Click(win, 120, 20);
    app.DoEvents();
    EXPECT_EQ(clicksOnB, 1);
    std::vector<std::string> filtered;
    for (auto& s : log)
        if (s.find("ambient") == std::string::npos) filtered.push_back(s);
    EXPECT_EQ(filtered, (Log{"A.click-start", "B.click", "A.click-end"}));
}

TEST_F(InputRoutingTest, DragAreasAnswerTheWindowHitTest) {
    auto& bar = form.Add<Image>("IMBar");
    bar.SetBounds(gfx::Rect::FromSize(0, 200, 320, 25));
    bar.SetStartsDrag(true);
    auto& close = bar.Add<Image>("Imclose");
    close.SetBounds(gfx::Rect::FromSize(300, 5, 17, 16));
    EXPECT_TRUE(form.DragAt(10, 210));
    EXPECT_FALSE(form.DragAt(305, 210));  // the image above the bar takes its own presses
    EXPECT_FALSE(form.DragAt(20, 20));
    ASSERT_TRUE(backend.Window(win).hitTest);
    EXPECT_TRUE(backend.Window(win).hitTest(10, 210));
    // The window manager takes a left press on a drag area: no MouseDown arrives.
    int downs = 0;
    bar.MouseDown = [&](int, int, float, float) { ++downs; };
    backend.Click(win, 10, 210);
    backend.Click(win, 10, 210, kRightButton);
    app.DoEvents();
    EXPECT_EQ(downs, 1);  // only the right press
}

TEST_F(InputRoutingTest, PointerShapeFollowsTheControlOrItsContainer) {
    auto& box = form.Add<PictureBox>("box");
    box.SetBounds(gfx::Rect::FromSize(0, 100, 100, 100));
    box.SetMousePointer(kPointerCustom);
    auto& inner = box.Add<Image>("inner");
    inner.SetBounds(gfx::Rect::FromSize(0, 0, 10, 10));
    backend.Move(win, 50, 150);
    app.DoEvents();
    EXPECT_EQ(backend.CurrentCursor(), platform::Cursor::Hand);
    backend.Move(win, 5, 105);  // default pointer: the container's hand
    app.DoEvents();
    EXPECT_EQ(backend.CurrentCursor(), platform::Cursor::Hand);
    inner.SetMousePointer(kPointerArrow);
    backend.Move(win, 6, 106);
    app.DoEvents();
    EXPECT_EQ(backend.CurrentCursor(), platform::Cursor::Arrow);
}

TEST_F(InputRoutingTest, IsUnderPointerOnlyForTheTopmostControl) {
    auto& cover = form.Add<Image>("cover");
    cover.SetBounds(gfx::Rect::FromSize(40, 10, 10, 10));
    backend.Move(win, 20, 20);
    app.DoEvents();
    EXPECT_TRUE(a->IsUnderPointer());
    EXPECT_FALSE(b->IsUnderPointer());
    backend.Move(win, 45, 15);
    app.DoEvents();
    EXPECT_FALSE(a->IsUnderPointer());
    EXPECT_TRUE(cover.IsUnderPointer());
    backend.SetPointer(2000, 2000);
    EXPECT_FALSE(cover.IsUnderPointer());
}

}  // namespace ui::test

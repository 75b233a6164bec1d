// The control tree: access keys, geometry in twips and pixels, hit testing by
// z-order and region, window properties, lifetime.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "UiFixture.h"
#include "ui/Image.h"
#include "ui/Label.h"
#include "ui/PictureBox.h"

namespace ui::test {

TEST(AccessKeyTest, LastSingleAmpersandWinsAndDoubledOnesAreLiteral) {
    EXPECT_EQ(Control::ParseAccessKey("&Open"), 'O');
    EXPECT_EQ(Control::ParseAccessKey("A&&B&C"), 'C');
    EXPECT_EQ(Control::ParseAccessKey("Save && Exit"), 0);
    EXPECT_EQ(Control::ParseAccessKey("Load&&"), 0);
    EXPECT_EQ(Control::ParseAccessKey("&x&&"), 'X');
    EXPECT_EQ(Control::ParseAccessKey("trailing&"), 0);
    EXPECT_EQ(Control::ParseAccessKey("否(&N)"), 'N');
}

TEST(AccessKeyTest, CaptionWithoutKeyKeepsThePreviousOne) {
    Control c;
    c.SetCaption("&Open");
    c.SetCaption("Save && Exit");
    EXPECT_EQ(c.AccessKey(), 'O');
    EXPECT_EQ(c.Caption(), "Save && Exit");
}

class ControlTreeTest : public UiFixture {};

TEST_F(ControlTreeTest, GeometryFollowsTheContainersScale) {
    Form twipsForm(app, "frmTwips");  // forms measure in twips by default
    auto& box = twipsForm.Add<PictureBox>("Picture2");
    box.Move(60, 480, 9855, 7695);
    EXPECT_EQ(box.Bounds(), gfx::Rect::FromSize(4, 32, 657, 513));
    box.SetScaleMode(ScaleMode::Pixels);
    auto& inner = box.Add<PictureBox>("Picture1");
    inner.Move(8, 24, 640, 480);
    EXPECT_FLOAT_EQ(inner.Left(), 8);
    EXPECT_FLOAT_EQ(box.Left(), 60);
    EXPECT_EQ(inner.FormRect(), gfx::Rect::FromSize(12, 56, 640, 480));
    twipsForm.SetBounds(gfx::Rect::FromSize(233, 80, 759, 569));
    EXPECT_FLOAT_EQ(twipsForm.Left(), 3495);
    EXPECT_FLOAT_EQ(twipsForm.Width(), 11385);
}

TEST_F(ControlTreeTest, HitTestTakesTheTopmostAndZOrderChangesIt) {
    auto& a = form.Add<Image>("a");
    auto& b = form.Add<Image>("b");
    a.SetBounds({10, 10, 60, 60});
    b.SetBounds({40, 40, 90, 90});
    EXPECT_EQ(form.ControlAt(50, 50), &b);
    EXPECT_EQ(form.ControlAt(20, 20), &a);
    EXPECT_EQ(form.ControlAt(5, 5), &form);
    a.ZOrder(0);
    EXPECT_EQ(form.ControlAt(50, 50), &a);
    a.ZOrder(1);
    EXPECT_EQ(form.ControlAt(50, 50), &b);
    b.SetVisible(false);
    EXPECT_EQ(form.ControlAt(50, 50), &a);
    // Right and bottom edges are outside.
    EXPECT_EQ(form.ControlAt(60, 20), &form);
    EXPECT_EQ(form.ControlAt(59, 59), &a);
}

TEST_F(ControlTreeTest, RegionLetsTheContainerShowThrough) {
    auto& box = form.Add<PictureBox>("box");
    box.SetBounds({0, 0, 200, 200});
    auto& c = box.Add<Image>("round");
    c.SetBounds({20, 20, 60, 60});
    c.SetRegion(gfx::Region::FromRect(10, 10, 40, 40));
    EXPECT_EQ(form.ControlAt(25, 25), &box);  // inside the rectangle, outside the region
    EXPECT_EQ(form.ControlAt(30, 30), &c);
    EXPECT_EQ(form.ControlAt(59, 59), &c);
    EXPECT_EQ(form.ControlAt(60, 59), &box);
    c.SetRegion(std::nullopt);
    EXPECT_EQ(form.ControlAt(25, 25), &c);
}

TEST_F(ControlTreeTest, NestedHitTestingOffsetsByEveryContainer) {
    auto& outer = form.Add<PictureBox>("Picture2");
    outer.SetBounds(gfx::Rect::FromSize(4, 32, 200, 150));
    auto& inner = outer.Add<PictureBox>("Picture1");
    inner.SetBounds(gfx::Rect::FromSize(8, 24, 100, 100));
    EXPECT_EQ(form.ControlAt(12, 56), &inner);
    EXPECT_EQ(form.ControlAt(11, 56), &outer);
    EXPECT_EQ(form.ControlAt(111, 155), &inner);
    EXPECT_EQ(form.ControlAt(112, 156), &outer);
    EXPECT_EQ(form.FindChild("Picture1"), &inner);
}

TEST_F(ControlTreeTest, WindowPropertiesStoreAndRemove) {
    auto& c = form.Add<Image>("c");
    EXPECT_EQ(c.GetProp("qz_TimerID"), 0);
    c.SetProp("qz_TimerID", 237);
    c.SetProp("1qz_Obj", reinterpret_cast<intptr_t>(&c));
    EXPECT_TRUE(c.HasProp("qz_TimerID"));
    EXPECT_EQ(c.GetProp("1qz_Obj"), reinterpret_cast<intptr_t>(&c));
    EXPECT_EQ(c.RemoveProp("qz_TimerID"), 237);
    EXPECT_FALSE(c.HasProp("qz_TimerID"));
    EXPECT_EQ(c.RemoveProp("qz_TimerID"), 0);
}

TEST_F(ControlTreeTest, DestroyedControlsAreLetGoOfAndTheFormWorksOn) {
    ShowForm();
    using Log = std::vector<std::string>;
    Log log;
    struct Button : Control {
        Button(Control* parent, std::string name, Log* log) : Control(parent, std::move(name)), log_(log) {
            Click = [this] { log_->push_back(Name() + ".click"); };
        }
        bool ActsAsButton() const override { return true; }
        void OnAmbientChanged(const std::string& n) override { log_->push_back(Name() + "." + n); }
        Log* log_;
    };
    form.KeyDown = [&](int& k, int) { log.push_back("form.key" + std::to_string(k)); };
    form.MouseUp = [&](int, int, float, float) { log.push_back("form.up"); };
    auto* def = new Button(&form, "def", &log);
    def->SetBounds({200, 200, 240, 220});
    auto* c = new Button(&form, "c", &log);
    c->SetBounds({0, 0, 50, 50});
    c->SetToolTipText("tip");
    form.SetDefaultButton(def);
    form.SetCancelButton(c);
    backend.Move(win, 10, 10);
    app.RunFor(600);
    ASSERT_EQ(form.ShownToolTip(), "tip");
    ASSERT_TRUE(c->SetFocus());
    c->SetCapture();
    ASSERT_EQ(form.DisplayedDefault(), c);
    log.clear();

    // Focused, captured, under the pointer with its tip shown, the cancel button and drawn as the default.
    delete c;
    EXPECT_EQ(form.ActiveControl(), nullptr);
    EXPECT_EQ(form.CancelButton(), nullptr);
    EXPECT_EQ(form.CapturedControl(), nullptr);
    EXPECT_EQ(backend.Captured(), platform::WindowId{0});
    EXPECT_EQ(form.ShownToolTip(), "");
    EXPECT_EQ(form.DisplayedDefault(), def);
    backend.Key(win, platform::kVkReturn);
    backend.Key(win, platform::kVkEscape);
    app.RunFor(600);
    EXPECT_EQ(log, (Log{"def.DisplayAsDefault", "def.click", "form.key27"}));
    EXPECT_EQ(form.ShownToolTip(), "");

    // Pressed, focused and the default button, it goes away inside its own move handler.
    def->MouseMove = [&](int, int, float, float) {
        Control* gone = def;
        def = nullptr;
        delete gone;
    };
    log.clear();
    backend.MouseDown(win, 210, 210);
    backend.Move(win, 215, 210, platform::kLeftButton);
    app.DoEvents();
    ASSERT_EQ(def, nullptr);
    EXPECT_EQ(form.DefaultButton(), nullptr);
    EXPECT_EQ(form.DisplayedDefault(), nullptr);
    EXPECT_EQ(backend.Captured(), win);  // until the release
    backend.MouseUp(win, 215, 210);
    backend.Key(win, platform::kVkReturn);
    app.DoEvents();
    EXPECT_EQ(log, (Log{"form.up", "form.key13"}));
    EXPECT_EQ(backend.Captured(), platform::WindowId{0});
    EXPECT_TRUE(form.Children().empty());
}

TEST_F(ControlTreeTest, AmbientValuesComeFromTheContainer) {
    auto& box = form.Add<PictureBox>("box");
    box.SetBackColor(0x8000000F);
    struct Listener : Control {
        using Control::Control;
        std::vector<std::string> heard;
        void OnAmbientChanged(const std::string& n) override { heard.push_back(n); }
    };
    auto& c = box.Add<Listener>("XPButton1");
    EXPECT_EQ(c.Ambient().backColor, 0x8000000Fu);
    EXPECT_EQ(c.Ambient().displayName, "XPButton1");
    EXPECT_TRUE(c.Ambient().userMode);
    box.SetBackColor(0x00FF0000);
    EXPECT_EQ(c.Ambient().backColor, 0x00FF0000u);
    ASSERT_EQ(c.heard.size(), 1u);
    EXPECT_EQ(c.heard[0], "BackColor");
}

}  // namespace ui::test

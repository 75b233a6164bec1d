// The button on a headless form: hover with its 50 ms timer, clicks, keys,
// properties with their locks, and the property store.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ButtonHarness.h"
#include "ui/PictureBox.h"
#include "widgets/xpbutton/modQzTimer.h"

namespace widgets {
namespace {

using testing::ButtonHarness;
using Log = std::vector<std::string>;

struct Recorder {
    Log log;
    void Attach(XPButton& b) {
        b.Click = [this] { log.push_back("click"); };
        b.MouseDown = [this](int btn, int, float, float) { log.push_back("down" + std::to_string(btn)); };
        b.MouseUp = [this](int btn, int, float, float) { log.push_back("up" + std::to_string(btn)); };
        b.MouseOnButton = [this](bool on) { log.push_back(on ? "on" : "off"); };
        b.DoubleClick = [this](int16_t btn) { log.push_back("dbl" + std::to_string(btn)); };
    }
};

class XPButtonTest : public ::testing::Test {
protected:
    ButtonHarness h;
    XPButton& b = h.AddButton("XPButton1", 20, 30);
    Recorder rec;
    void SetUp() override {
        b.SetButtonStyle(2);
        rec.Attach(b);
        h.Show();
    }
};

TEST_F(XPButtonTest, FreshButtonTakesItsNameAsCaption) {
    EXPECT_EQ(b.Caption(), "XPButton1");
    EXPECT_EQ(b.CaptionAlign(), 2);
    EXPECT_TRUE(b.ShowFocusRect());
    EXPECT_EQ(b.HoverForeColor(), 0x80000012u);
    EXPECT_EQ(b.HoverBackColor(), 0x8000000Fu);
}

TEST_F(XPButtonTest, HoverStartsOnceAndEndsWithin50MsOfLeaving) {
    h.MoveTo(40, 40);
    h.MoveTo(45, 42);
    EXPECT_EQ(rec.log, (Log{"on"}));
    EXPECT_TRUE(b.HasTimer(XPButton::kHoverTimerId));
    EXPECT_EQ(b.GetProp(modQzTimer::kClassIdKey), 1);
    EXPECT_EQ(b.GetProp(modQzTimer::kTimerIdKey), 237);
    h.app.RunFor(200);
    EXPECT_EQ(rec.log, (Log{"on"}));  // still over it
    h.MoveTo(200, 300);
    h.app.RunFor(50);
    EXPECT_EQ(rec.log, (Log{"on", "off"}));
    EXPECT_FALSE(b.HasTimer(XPButton::kHoverTimerId));
    EXPECT_EQ(b.GetProp(modQzTimer::kTimerIdKey), 237);  // the properties stay
}

TEST_F(XPButtonTest, ClickAndDragOffWithoutClick) {
    h.MoveTo(40, 40);
    h.backend.Click(h.Win(), 40, 40);
    h.app.DoEvents();
    EXPECT_EQ(rec.log, (Log{"on", "down1", "up1", "click"}));
    rec.log.clear();
    h.backend.MouseDown(h.Win(), 40, 40);
    h.app.DoEvents();
    EXPECT_TRUE(b.RuntimeState().Pushed());
    h.MoveTo(200, 300, platform::kLeftButton);
    h.app.RunFor(60);
    EXPECT_FALSE(b.RuntimeState().Pushed());  // raised while the pointer is away
    h.backend.MouseUp(h.Win(), 200, 300);
    h.app.DoEvents();
    EXPECT_EQ(rec.log, (Log{"down1", "off", "up1"}));
}

TEST_F(XPButtonTest, RightClickRaisesNoClick) {
    h.MoveTo(40, 40);
    h.backend.Click(h.Win(), 40, 40, platform::kRightButton);
    h.app.DoEvents();
    EXPECT_EQ(rec.log, (Log{"on", "down2", "up2"}));
}

TEST_F(XPButtonTest, DoubleClickRaisesOneClick) {
    h.MoveTo(40, 40);
    h.backend.DoubleClick(h.Win(), 40, 40);
    h.app.DoEvents();
    EXPECT_EQ(rec.log, (Log{"on", "down1", "up1", "click", "dbl1", "down1", "up1"}));
}

TEST_F(XPButtonTest, SpaceAndEnterActivate) {
    ASSERT_TRUE(b.SetFocus());
    h.backend.Push({platform::EventType::KeyDown, h.Win(), 0, 0, 0, 0, platform::kVkSpace});
    h.app.DoEvents();
    EXPECT_TRUE(b.RuntimeState().pressedLook);
    h.backend.Push({platform::EventType::KeyUp, h.Win(), 0, 0, 0, 0, platform::kVkSpace});
    h.app.DoEvents();
    EXPECT_EQ(rec.log, (Log{"click"}));
    rec.log.clear();
    h.form.SetDefaultButton(&b);
    h.backend.Key(h.Win(), platform::kVkReturn);
    h.app.DoEvents();
    EXPECT_EQ(rec.log, (Log{"click"}));
}

TEST_F(XPButtonTest, AccessKeyFromTheCaption) {
    b.SetCaption("&Open");
    EXPECT_EQ(b.AccessKey(), 'O');
    b.SetCaption("Save && Exit");
    EXPECT_EQ(b.AccessKey(), 'O');  // the earlier key stays
    h.backend.Key(h.Win(), 'O', platform::kAltMask);
    h.app.DoEvents();
    EXPECT_EQ(rec.log, (Log{"click"}));
}

TEST_F(XPButtonTest, FocusedButtonShowsTheBlueRingsAndCornerCutsShowTheForm) {
    h.form.Flush();
    const gfx::Bitmap& fb = h.form.Framebuffer();
    gfx::Colour formColour = gfx::ResolveColor(0x8000000F);
    EXPECT_EQ(fb.GetPixel(20, 30), formColour);
    EXPECT_EQ(fb.GetPixel(21, 30), formColour);
    EXPECT_EQ(fb.GetPixel(20, 31), formColour);
    EXPECT_EQ(fb.GetPixel(20, 30 + 32), formColour);
    EXPECT_EQ(fb.GetPixel(21, 31), 7552000u);  // corner pixel
    EXPECT_EQ(fb.GetPixel(20, 45), 7552000u);  // outline
    ASSERT_TRUE(b.SetFocus());
    h.app.DoEvents();
    h.form.Flush();
    EXPECT_EQ(h.form.Framebuffer().GetPixel(22, 45), 15782325u);  // inner left ring, q 1
}

TEST_F(XPButtonTest, OutOfRangeValuesChangeNothing) {
    b.SetButtonStyle(8);
    b.SetCaptionAlign(3);
    b.SetPictureSize(5);
    b.SetGradientMode(-1);
    EXPECT_EQ(b.ButtonStyle(), 2);
    EXPECT_EQ(b.CaptionAlign(), 2);
    EXPECT_EQ(b.PictureSize(), 0);
    EXPECT_EQ(b.GradientMode(), 0);
    b.SetPictureSize(4);
    EXPECT_EQ(b.PictureSize(), 4);
    b.SetValue(true);  // not for command buttons
    EXPECT_FALSE(b.Value());
}

TEST_F(XPButtonTest, CaptionAlignWithTopPicture) {
    auto img = std::make_shared<gfx::Bitmap>(16, 16, 0x00FF00);
    b.SetPictureAlign(4);
    b.SetCaptionAlign(0);
    EXPECT_EQ(b.CaptionAlign(), 0);  // no picture: accepted
    b.SetCaptionAlign(2);
    b.SetPicture(ButtonPicture{img, false});
    b.SetCaptionAlign(0);
    EXPECT_EQ(b.CaptionAlign(), 2);
}

TEST_F(XPButtonTest, HoverLocks) {
    EXPECT_EQ(b.HoverColorLocks(), 0);
    b.SetHoverForeColor(0x00C00000);
    EXPECT_EQ(b.HoverColorLocks(), 2);
    b.SetForeColor(0x000000FF);
    EXPECT_EQ(b.HoverForeColor(), 0x00C00000u);  // no longer follows
    b.SetHoverColorLocks(1);
    EXPECT_EQ(b.HoverForeColor(), 0x000000FFu);
    b.SetHoverForeColor(0x0000FF00);
    EXPECT_EQ(b.HoverColorLocks(), 3);
    b.SetHoverColorLocks(0);
    b.SetForeColor(0x00123456);
    EXPECT_EQ(b.HoverForeColor(), 0x00123456u);
    b.SetBackColor(0x00FFFF00);
    EXPECT_EQ(b.HoverBackColor(), 0x00FFFF00u);
    EXPECT_EQ(b.HoverColorLocks(), 0);
    b.SetBackColor(0x8000000F);  // a system colour differs from its stored RGB: unlocks
    EXPECT_EQ(b.BackColor(), 0xF0F0F0u);
    EXPECT_EQ(b.HoverColorLocks(), 1);
}

TEST_F(XPButtonTest, PropertyStoreRoundTrip) {
    b.SetCaption("One||Two");
    b.SetCaptionAlign(0);
    b.SetForeColor(0x000000FF);
    b.SetBackColor(0x00E0E0E0);  // the hover back colour follows
    ui::PropertyBag bag;
    b.WriteProperties(bag);
    EXPECT_FALSE(bag.Has("cBHover"));  // equal to BackColor
    EXPECT_EQ(bag.ReadString("Caption", ""), "One||Two");
    EXPECT_EQ(bag.ReadLong("CapAlign", 2), 0);
    EXPECT_TRUE(bag.Has("Mode"));
    EXPECT_TRUE(bag.Has("Value"));
    EXPECT_TRUE(bag.Has("cBack"));
    EXPECT_EQ(bag.ReadLong("BackStyle", 0), 2);

    XPButton& c = h.AddButton("XPButton2", 20, 100);
    c.ReadProperties(bag);
    EXPECT_EQ(c.Caption(), "One||Two");
    EXPECT_EQ(c.CaptionAlign(), 0);
    EXPECT_EQ(c.ButtonStyle(), 2);
    EXPECT_EQ(c.ForeColor(), 0x000000FFu);
    EXPECT_EQ(c.BackColor(), 0x00E0E0E0u);
    EXPECT_EQ(c.HoverBackColor(), 0x00E0E0E0u);  // restored from "cBack"
}

TEST_F(XPButtonTest, FreshButtonSavesItsSystemHoverBackColour) {
    ui::PropertyBag bag;
    b.WriteProperties(bag);
    EXPECT_EQ(bag.ReadColour("cBHover", 0), 0x8000000Fu);  // differs from the resolved BackColor
    EXPECT_FALSE(bag.Has("CapAlign"));
    EXPECT_FALSE(bag.Has("Focus"));
    EXPECT_EQ(bag.ReadColour("cBack", 0), 0xF0F0F0u);
}

TEST_F(XPButtonTest, LoadingReadsTheFormDataKeys) {
    ui::PropertyBag bag = ui::PropertyBag::Parse(
        "Caption = 官方网站\nBackStyle = 2\ncFore = &H00C00000&\ncFHover = &H00C00000&\n"
        "cBack = &H8000000F&\nLockHover = 2\nMode = 0\nValue = 0\n");
    XPButton& c = h.AddButton("XPButton3", 20, 100);
    c.ReadProperties(bag);
    EXPECT_EQ(c.Caption(), "官方网站");
    EXPECT_EQ(c.ForeColor(), 0x00C00000u);
    EXPECT_EQ(c.HoverForeColor(), 0x00C00000u);
    // Loading keeps the system colour as stored; the face resolves it.
    EXPECT_EQ(c.BackColor(), 0x8000000Fu);
    EXPECT_EQ(c.HoverBackColor(), 0x8000000Fu);  // from "cBack"
    EXPECT_EQ(c.Colours().face & 0xFFFFFFu, c.Colours().face);
    EXPECT_EQ(c.HoverColorLocks(), 2);
    // Saved again, the system colour comes back unchanged and the equal hover colour stays out.
    ui::PropertyBag saved;
    c.WriteProperties(saved);
    EXPECT_EQ(saved.ReadProperty("cBack"), "&H8000000F&");
    EXPECT_FALSE(saved.Has("cBHover"));
}

TEST_F(XPButtonTest, DisabledLook) {
    b.SetEnabled(false);
    h.form.Flush();
    const gfx::Bitmap& s = b.Surface();
    EXPECT_EQ(s.GetPixel(0, 15), 0x90ACABu);
    EXPECT_EQ(s.GetPixel(2, 15), 0xE0E8E7u);
    h.backend.Click(h.Win(), 40, 40);
    h.app.DoEvents();
    EXPECT_TRUE(rec.log.empty());
}

using Members = std::vector<const ui::Control*>;

Members OptionGroup(const ui::Control& box) {
    Members out;
    if (const auto* group = box.FindGroup(XPButton::kOptionGroup))
        for (const ui::ControlRef& member : *group) out.push_back(member.get());
    return out;
}

TEST(XPButtonOptionTest, OptionGroupsPerContainer) {
    ButtonHarness h;
    XPButton& a = h.AddButton("A", 10, 10);
    XPButton& b = h.AddButton("B", 10, 60);
    a.SetMode(2);
    b.SetMode(2);
    EXPECT_EQ(OptionGroup(h.form), (Members{&a, &b}));
    h.Show();
    Log log;
    a.Click = [&] { log.push_back("a"); };
    b.Click = [&] { log.push_back("b"); };
    h.backend.Click(h.Win(), 20, 20);
    h.app.DoEvents();
    h.backend.Click(h.Win(), 20, 20);
    h.app.DoEvents();
    h.backend.Click(h.Win(), 20, 70);
    h.app.DoEvents();
    EXPECT_EQ(log, (Log{"a", "b"}));
    EXPECT_FALSE(a.Value());
    EXPECT_TRUE(b.Value());
    a.SetMode(0);
    EXPECT_EQ(OptionGroup(h.form), (Members{&b}));
    b.SetMode(1);
    EXPECT_EQ(h.form.FindGroup(XPButton::kOptionGroup), nullptr);
}

TEST(XPButtonOptionTest, AMemberThatGoesAwayLeavesItsGroupAndMayOutliveItsContainer) {
    ButtonHarness h;
    XPButton& a = h.AddButton("A", 10, 10);
    a.SetMode(2);
    auto* gone = new XPButton(&h.form, "Gone");
    gone->SetMode(2);
    gone->SetValue(true);
    auto* box = new ui::PictureBox(&h.form, "Picture1");
    auto* orphan = new XPButton(box, "Orphan");
    orphan->SetMode(2);
    ASSERT_EQ(OptionGroup(h.form), (Members{&a, gone}));
    ASSERT_EQ(OptionGroup(*box), (Members{orphan}));
    delete gone;
    EXPECT_EQ(OptionGroup(h.form), (Members{&a}));
    h.Show();
    h.backend.Click(h.Win(), 20, 20);  // asks the group and clears its other members
    h.app.DoEvents();
    EXPECT_TRUE(a.Value());
    delete box;  // not the orphan's owner: it lives on, its group's keeper gone
    EXPECT_EQ(orphan->Container(), nullptr);
    delete orphan;
}

}  // namespace
}  // namespace widgets

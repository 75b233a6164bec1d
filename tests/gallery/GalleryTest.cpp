// The gallery on the headless backend: its layout saved and loaded back, its
// option groups and check boxes driven by mouse and keys, and design mode.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>

#include "support/MessageBoxScript.h"
#include "gallery/FrmButtons.h"
#include "gallery/LayoutFile.h"
#include "platform/headless/HeadlessBackend.h"

namespace gallery {
namespace {

struct Gallery {
    platform::HeadlessBackend backend;
    ui::App app{backend};
    FrmButtons form{app, BuiltInLayout()};
    kelvaro_test::MessageBoxScript boxes;

    Gallery() {
        app.SetTitle(FrmButtons::kTitle);
        app.SetObserver(&boxes);
        boxes.hook = [](const ui::MessageBoxRecord&) { return ui::MsgResult::Ok; };
        form.Show();
        app.DoEvents();
    }
    widgets::XPButton& operator[](const char* name) { return form.Button(name); }
    void Click(const char* name) {
        gfx::Rect r = form.Placement(name).FormRect();
        backend.Click(form.Window(), (r.left + r.right) / 2, (r.top + r.bottom) / 2);
        app.DoEvents();
    }
    void Key(int vk) {
        backend.Key(form.Window(), vk);
        app.DoEvents();
    }
    std::vector<std::pair<std::string, std::string>> Messages() const {
        std::vector<std::pair<std::string, std::string>> out;
        for (const auto& m : boxes.log) {
            EXPECT_EQ(m.icon, ui::MsgIcon::Information);
            out.emplace_back(m.prompt, m.title);
        }
        return out;
    }
};

TEST(Gallery, SaveWritesTheLayoutThatLoadsBackIdentically) {
    Gallery g;
    EXPECT_EQ(g.form.SaveText(), BuiltInLayout());  // the built-in layout is what Save writes
    g["G34"].SetButtonStyle(6);
    g["pic2"].SetPictureSize(4);
    auto dir = std::filesystem::temp_directory_path() / ("kelvaro-gallery-" + std::to_string(::getpid()));
    g.form.savePath = (dir / "cfg" / "buttons.frm").string();
    g.Click("cmdSave");
    ASSERT_EQ(g.boxes.log.size(), 1u);
    EXPECT_EQ(g.boxes.log[0].prompt, "The layout was saved to\n" + g.form.savePath);

    std::string saved = ReadLayoutFile(g.form.savePath);
    EXPECT_EQ(saved, g.form.SaveText());
    platform::HeadlessBackend backend;
    ui::App app(backend);
    FrmButtons reloaded(app, saved);
    EXPECT_EQ(reloaded.SaveText(), saved);
    EXPECT_EQ(reloaded.Button("G34").ButtonStyle(), 6);
    EXPECT_EQ(reloaded.Button("pic2").PictureSize(), 4);
    std::filesystem::remove_all(dir);
}

TEST(Gallery, OptionGroupsInTwoContainersAndCheckBoxesByMouseAndSpace) {
    Gallery g;
    int clicks = 0;
    g["optA1"].Click = [&] { ++clicks; };
    g.Click("optA2");
    EXPECT_TRUE(g["optA2"].Value());
    EXPECT_FALSE(g["optA1"].Value());
    EXPECT_TRUE(g["optB1"].Value());  // the other container's group is left alone
    g.Click("optB3");
    EXPECT_TRUE(g["optB3"].Value());
    EXPECT_FALSE(g["optB1"].Value());
    EXPECT_TRUE(g["optA2"].Value());
    g.Click("optA1");
    g.Click("optA1");  // already on: no second Click
    EXPECT_EQ(clicks, 1);

    g.Click("chk2");
    EXPECT_TRUE(g["chk2"].Value());
    g.Click("chk2");
    EXPECT_FALSE(g["chk2"].Value());
    g.Key(platform::kVkSpace);  // chk2 has the focus
    EXPECT_TRUE(g["chk2"].Value());
    g.Key(platform::kVkSpace);
    EXPECT_FALSE(g["chk2"].Value());
}

TEST(Gallery, DesignModeShowsTheMessagesAndResetsColours) {
    const std::vector<const char*> provoke = {"cmdCheckCommand", "cmdLeftCaption", "chkFocusRect", "cmdBitmapPointer"};
    Gallery run;
    for (const char* name : provoke) run.Click(name);
    run.Click("cmdReset");
    EXPECT_TRUE(run.Messages().empty());  // the same situations are silent while running
    EXPECT_EQ(run["cmdColours"].BackColor(), 0xD0E8FFu);
    EXPECT_FALSE(run["cmdDefault"].RuntimeState().DefaultLook());  // run mode clears the look instead
    gfx::Rect r = run.form.Placement("cmdPointer").FormRect();
    run.backend.Move(run.form.Window(), r.left + 20, r.top + 10);
    run.app.DoEvents();
    EXPECT_EQ(run.backend.CurrentCursor(), platform::Cursor::Custom);  // the stored hand picture
    EXPECT_EQ(run.backend.CursorImage().Width(), 32);
    EXPECT_EQ(run.backend.CursorHotSpot(), (gfx::Point{11, 1}));  // its fingertip

    Gallery design;
    design.Click("cmdDesign");
    ASSERT_TRUE(design.form.SheetDesignMode());
    for (const char* name : provoke) design.Click(name);
    EXPECT_EQ(design.Messages(),
              (std::vector<std::pair<std::string, std::string>>{
                  {"This property is not applicable for command button modes.", "Kelvaro Buttons"},
                  {"When button images are aligned top/bottom center, \nbutton captions can only be center aligned",
                   "Kelvaro Buttons"},
                  {"The focus rectangle may appear on default buttons ONLY while in design mode, \nbut will not "
                   "appear when the form is running.",
                   "Kelvaro Buttons"},
                  {"Invalid property value", "Select .ico Or .cur Files Only"}}));
    EXPECT_FALSE(design["G20"].Value());
    EXPECT_EQ(design["pic4"].CaptionAlign(), 2);
    EXPECT_TRUE(design["cmdDefault"].RuntimeState().DefaultLook());  // the look stays
    EXPECT_EQ(design["cmdPointer"].MousePointer(), 99);
    EXPECT_TRUE(design["cmdPointer"].MouseIcon()->Width() == 32);  // the hand, not the rejected tile

    widgets::XPButton& c = design["cmdColours"];
    design.Click("cmdReset");
    EXPECT_EQ(c.BackColor(), 0xF0F0F0u);
    EXPECT_EQ(c.ForeColor(), 0x80000012u);
    EXPECT_EQ(c.GradientColor(), 0x8000000Fu);
    EXPECT_EQ(c.HoverColorLocks(), 0);
    EXPECT_EQ(c.HoverForeColor(), 0x80000012u);
    EXPECT_EQ(c.HoverBackColor(), 0xF0F0F0u);
    EXPECT_EQ(c.LastChangedProperty(), "cBack");
}

}  // namespace
}  // namespace gallery

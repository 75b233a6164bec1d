// The information actions: web pages, the About box, the help page.
#include "support/ProgramFixture.h"
#include "window/AppInfo.h"

namespace kelvaro_test {
namespace {

gfx::Point Centre(const ui::Control& c) {
    gfx::Rect r = c.FormRect();
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

TEST_F(ProgramTest, AboutBoxTextAndTitle) {
    ASSERT_TRUE(Start());
    boxes_.Answer(ui::MsgResult::Ok);
    gfx::Point p = Centre(*Main().XPButton4);
    Click(p.x, p.y);
    ASSERT_EQ(boxes_.log.size(), 1u);
    const ui::MessageBoxRecord& box = boxes_.log[0];
    EXPECT_EQ(box.title, "关于 Kelvaro");
    EXPECT_EQ(box.prompt, "经典的Vormelk游戏。\r\n\r\n详情请登陆软件官方网站 https://www.example.com/ ");
    EXPECT_EQ(box.icon, ui::MsgIcon::Information);
    EXPECT_EQ(box.buttons, ui::MsgButtons::Ok);
    EXPECT_TRUE(Main().Timer2->Enabled());
}

TEST_F(ProgramTest, WebPagesOpenFromTheButtonAndTheRightsNotice) {
    ASSERT_TRUE(Start());
    gfx::Point p = Centre(*Main().XPButton3);
    Click(p.x, p.y);
    ASSERT_EQ(backend_.URLs().size(), 1u);
    EXPECT_EQ(backend_.URLs()[0], window::kProductPage);
    p = Centre(*Main().LbBR);
    EXPECT_FALSE(Main().DragAt(p.x, p.y));
    Click(p.x, p.y);
    ASSERT_EQ(backend_.URLs().size(), 2u);
    EXPECT_EQ(backend_.URLs()[1], window::kVendorHomePage);
    EXPECT_TRUE(game::gameState.gameRunning);
}

TEST_F(ProgramTest, RightsNoticeStartsWithABlankAndEndsWithTheVendorAddress) {
    ASSERT_TRUE(Start());
    std::string text = Main().LbBR->Caption();
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(text[0], ' ');
    std::string vendor = window::kVendorHomePage;
    EXPECT_EQ(text.substr(text.size() - vendor.size()), vendor);
    EXPECT_EQ(Main().LbBR->ToolTipText(), "查看版权所有者信息");
}

TEST_F(ProgramTest, F1OpensTheHelpPage) {
    ASSERT_TRUE(Start());
    backend_.Key(Win(), platform::kVkF1);
    app_->DoEvents();
    ASSERT_EQ(backend_.URLs().size(), 1u);
    EXPECT_EQ(backend_.URLs()[0], "file://" + env_.programFolder + "/help.html");
}

TEST_F(ProgramTest, HelpPageURLIsPercentEncoded) {
    env_.programFolder = dir_ + "/my games #1 100%";
    std::filesystem::create_directories(env_.programFolder);
    ASSERT_TRUE(Start());
    backend_.Key(Win(), platform::kVkF1);
    app_->DoEvents();
    ASSERT_EQ(backend_.URLs().size(), 1u);
    EXPECT_EQ(backend_.URLs()[0], "file://" + dir_ + "/my%20games%20%231%20100%25/help.html");
}

}  // namespace
}  // namespace kelvaro_test

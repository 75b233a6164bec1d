#include <gtest/gtest.h>

#include "ui/Control.h"
#include "widgets/xpbutton/Caption.h"

namespace widgets {
namespace {

TEST(AccessKeyTest, LastSingleAmpersandWins) {
    EXPECT_EQ(ui::Control::ParseAccessKey("&Open"), 'O');
    EXPECT_EQ(ui::Control::ParseAccessKey("A&&B&C"), 'C');
    EXPECT_EQ(ui::Control::ParseAccessKey("&File &Edit"), 'E');
    EXPECT_EQ(ui::Control::ParseAccessKey("&A&&B"), 'A');  // the doubled pair is skipped, the search goes left
    EXPECT_EQ(ui::Control::ParseAccessKey("帮助(&H)"), 'H');
    // Only letters and digits can be pressed as access keys.
    EXPECT_EQ(ui::Control::ParseAccessKey("&求助"), 0);
}

TEST(AccessKeyTest, CaptionsWithoutAKey) {
    EXPECT_EQ(ui::Control::ParseAccessKey("Save && Exit"), 0);
    EXPECT_EQ(ui::Control::ParseAccessKey("Load&&"), 0);
    EXPECT_EQ(ui::Control::ParseAccessKey("Plain"), 0);
    EXPECT_EQ(ui::Control::ParseAccessKey("Trailing&"), 0);
    EXPECT_EQ(ui::Control::ParseAccessKey(""), 0);
}

TEST(CaptionTextTest, DoublePipeBreaksTheLine) {
    EXPECT_EQ(CaptionDisplayText("One||Two"), "One\nTwo");
    EXPECT_EQ(CaptionDisplayText("a|b"), "a|b");
    EXPECT_EQ(CaptionDisplayText("|||"), "\n|");
}

}  // namespace
}  // namespace widgets

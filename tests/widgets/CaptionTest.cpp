#include <gtest/gtest.h>

#include "widgets/xpbutton/Caption.h"

namespace widgets {
namespace {

TEST(AccessKeyTest, LastSingleAmpersandWins) {
    EXPECT_EQ(FindAccessKey("&Open"), U'O');
    EXPECT_EQ(FindAccessKey("A&&B&C"), U'C');
    EXPECT_EQ(FindAccessKey("&File &Edit"), U'E');
    EXPECT_EQ(FindAccessKey("&A&&B"), U'A');  // the doubled pair is skipped, the search goes left
    EXPECT_EQ(FindAccessKey("帮助(&H)"), U'H');
    EXPECT_EQ(FindAccessKey("&求助"), U'求');
}

TEST(AccessKeyTest, CaptionsWithoutAKey) {
    EXPECT_EQ(FindAccessKey("Save && Exit"), std::nullopt);
    EXPECT_EQ(FindAccessKey("Load&&"), std::nullopt);
    EXPECT_EQ(FindAccessKey("Plain"), std::nullopt);
    EXPECT_EQ(FindAccessKey("Trailing&"), std::nullopt);
    EXPECT_EQ(FindAccessKey(""), std::nullopt);
}

TEST(CaptionTextTest, DoublePipeBreaksTheLine) {
    EXPECT_EQ(CaptionDisplayText("One||Two"), "One\nTwo");
    EXPECT_EQ(CaptionDisplayText("a|b"), "a|b");
    EXPECT_EQ(CaptionDisplayText("|||"), "\n|");
}

}  // namespace
}  // namespace widgets

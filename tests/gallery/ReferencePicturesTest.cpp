// Every reference picture of the gallery against the digest kept when it was
// last reviewed: any change to a button's pixels fails here, naming each
// picture, until the pictures are looked at and scripts/update-button-digests
// is run on purpose.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>

#include "gallery/ReferencePictures.h"

namespace gallery {
namespace {

std::map<std::string, std::string> ParseDigests(const std::string& text) {
    std::map<std::string, std::string> out;
    std::istringstream in(text);
    std::string name, digest;
    while (in >> name >> digest) out[name] = digest;
    return out;
}

TEST(ReferencePictures, EveryPictureMatchesItsReviewedDigest) {
    std::ifstream file(KELVARO_BUTTON_DIGESTS);
    ASSERT_TRUE(file) << "missing " << KELVARO_BUTTON_DIGESTS;
    std::stringstream text;
    text << file.rdbuf();
    auto expected = ParseDigests(text.str());
    auto actual = ParseDigests(DigestText(RenderReferencePictures()));

    EXPECT_EQ(actual.size(), 8u * 7u * kButtonStates.size() + 9u + 8u);
    std::string differing;
    for (const auto& [name, digest] : actual) {
        auto it = expected.find(name);
        if (it == expected.end()) differing += "  new:     " + name + "\n";
        else if (it->second != digest) differing += "  changed: " + name + "\n";
    }
    for (const auto& [name, digest] : expected)
        if (!actual.count(name)) differing += "  gone:    " + name + "\n";
    EXPECT_TRUE(differing.empty()) << "pictures that differ from the reviewed ones:\n"
                                   << differing << "look at them (kelvaro-buttons --render DIR), then run "
                                   << "scripts/update-button-digests";
}

}  // namespace
}  // namespace gallery

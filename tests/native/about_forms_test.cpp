#include <gtest/gtest.h>

#include <set>
#include <string_view>

#include "forms/about_forms.h"

namespace orvanta::forms {
namespace {

// The layout places components relative to their group boxes; a slip in that arithmetic would put
// them outside the window or outside their box.
TEST(AboutFormsTest, ShownComponentsLieInsideTheWindowAndTheirGroupBox) {
    for (const FormDescription* form : {&AboutBoxDescription(), &HelpBoxDescription()}) {
        const ComponentDescription* lowerGroup = nullptr;
        for (const auto& c : form->components) {
            if (c.name == "GroupBox2") {
                lowerGroup = &c;
            }
            if (!c.visible || c.kind == ComponentKind::GroupBox) {
                continue;
            }
            EXPECT_GE(c.left, 0) << c.name;
            EXPECT_GE(c.top, 0) << c.name;
            EXPECT_LE(c.left + c.width, form->clientWidth) << c.name;
            EXPECT_LE(c.top + c.height, form->clientHeight) << c.name;
            if (lowerGroup != nullptr) {
                EXPECT_GT(c.left, lowerGroup->left) << c.name;
                EXPECT_GT(c.top, lowerGroup->top) << c.name;
                EXPECT_LT(c.left + c.width, lowerGroup->left + lowerGroup->width) << c.name;
                EXPECT_LT(c.top + c.height, lowerGroup->top + lowerGroup->height) << c.name;
            }
        }
    }
}

TEST(AboutFormsTest, EveryPictureAndGlyphNamesAnEmbeddedImage) {
    const std::set<std::string_view> embedded{kLogoImage, kBannerImage, kBadgeImage, kDonateImage, kOkGlyphImage};
    int pictures = 0;
    for (const FormDescription* form : {&AboutBoxDescription(), &HelpBoxDescription()}) {
        for (const auto& c : form->components) {
            if (c.kind == ComponentKind::Picture || !c.image.empty()) {
                EXPECT_EQ(embedded.count(c.image), 1u) << c.name << " shows '" << c.image << "'";
                ++pictures;
            }
        }
    }
    EXPECT_EQ(pictures, 6);
}

}  // namespace
}  // namespace orvanta::forms

#include "core/look.h"

#include <gtest/gtest.h>

namespace orvanta {
namespace {

// What a window paints, from what Windows says and whether the window follows the dark theme.
TEST(LookTest, ColorsFollowHighContrastThenTheAppsTheme) {
    constexpr LookPreferences kDark{false, false, true}, kOldDark{false, false, false},
        kUnset{false, std::nullopt, true}, kContrast{true, true, false}, kContrastDark{true, false, true};
    constexpr Paint kFace = Paint::System(SystemColor::ButtonFace), kText = Paint::System(SystemColor::WindowText),
                    kWindow = Paint::System(SystemColor::Window), kRed = Paint::Rgb(0xFF0000);
    constexpr auto kBack = ColorRole::Background, kFore = ColorRole::Text;
    const struct {
        LookPreferences preferences;
        bool followsDark;
        ColorRole role;
        Paint designed, painted;
    } cases[] = {
        {kDark, false, kBack, kFace, kFace},
        {kDark, true, kBack, kFace, Paint::Rgb(kDarkBackground)},
        {kDark, true, kFore, kText, Paint::Rgb(kDarkText)},
        {kOldDark, true, kBack, kFace, kFace},
        {kUnset, true, kBack, kFace, kFace},
        {kContrast, false, kBack, kFace, kWindow},
        {kContrast, false, kFore, kRed, kText},
        {kContrast, false, ColorRole::LinkText, Paint::Rgb(0xFF), Paint::System(SystemColor::HotLight)},
        {kContrastDark, true, kBack, kFace, kWindow},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LookColor(DecideLookMode(c.preferences, c.followsDark), c.role, c.designed), c.painted)
            << "case " << (&c - cases);
    }
}

}  // namespace
}  // namespace orvanta

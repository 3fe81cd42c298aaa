#include "core/look.h"

#include <gtest/gtest.h>

namespace orvanta {
namespace {

// What a window paints, from what Windows says and whether the window follows the dark theme.
TEST(LookTest, ColorsFollowHighContrastThenTheAppsTheme) {
    constexpr LookPreferences kPlain{false, true, true};
    constexpr LookPreferences kDark{false, false, true};
    constexpr LookPreferences kDarkBeforeWindows10{false, false, false};
    constexpr LookPreferences kNoThemeValue{false, std::nullopt, true};
    constexpr LookPreferences kHighContrast{true, true, false};
    constexpr LookPreferences kHighContrastAndDark{true, false, true};
    constexpr Paint kFace = Paint::System(SystemColor::ButtonFace);
    constexpr Paint kText = Paint::System(SystemColor::WindowText);
    constexpr Paint kRed = Paint::Rgb(0xFF0000);
    constexpr Paint kBlack = Paint::Rgb(0x000000);
    constexpr Paint kBlue = Paint::Rgb(0x0000FF);
    const struct {
        LookPreferences preferences;
        bool followsDark;
        ColorRole role;
        Paint designed;
        Paint painted;
    } cases[] = {
        {kPlain, true, ColorRole::Background, kFace, kFace},
        {kPlain, true, ColorRole::Text, kRed, kRed},
        {kDark, false, ColorRole::Background, kFace, kFace},
        {kDark, true, ColorRole::Background, kFace, Paint::Rgb(kDarkBackground)},
        {kDark, true, ColorRole::Text, kText, Paint::Rgb(kDarkText)},
        {kDark, true, ColorRole::Text, kRed, kRed},
        {kDark, true, ColorRole::Background, kBlack, kBlack},
        {kDarkBeforeWindows10, true, ColorRole::Background, kFace, kFace},
        {kNoThemeValue, true, ColorRole::Text, kText, kText},
        {kHighContrast, false, ColorRole::Background, kFace, Paint::System(SystemColor::Window)},
        {kHighContrast, false, ColorRole::Background, kBlack, Paint::System(SystemColor::Window)},
        {kHighContrast, false, ColorRole::Text, kRed, kText},
        {kHighContrast, false, ColorRole::LinkText, kBlue, Paint::System(SystemColor::HotLight)},
        {kHighContrastAndDark, true, ColorRole::Background, kFace, Paint::System(SystemColor::Window)},
        {kHighContrastAndDark, true, ColorRole::Text, kRed, kText},
    };
    for (const auto& c : cases) {
        const LookMode mode = DecideLookMode(c.preferences, c.followsDark);
        const Paint painted = LookColor(mode, c.role, c.designed);
        EXPECT_EQ(painted, c.painted) << "case " << (&c - cases) << ": mode " << static_cast<int>(mode);
    }
}

}  // namespace
}  // namespace orvanta

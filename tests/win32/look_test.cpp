#include <windows.h>

#include <gtest/gtest.h>

#include <utility>

#include "app/main_form_win.h"
#include "settings/options_setup_win.h"
#include "test_support.h"
#include "toolkit/win_system_preferences.h"

namespace orvanta::testing {
namespace {

// Windows' own preferences, with high contrast as the test sets it: Wine never turns it on.
struct TestPreferences final : toolkit::WinSystemPreferences {
    LookPreferences Look() const override {
        LookPreferences look = WinSystemPreferences::Look();
        look.highContrast = highContrast;
        return look;
    }
    bool highContrast = false;
};

// A label's text colour and the brush it is painted on.
std::pair<COLORREF, COLORREF> ColorsOf(const toolkit::Control& label) {
    static const HDC dc = CreateCompatibleDC(nullptr);
    LOGBRUSH brush{};
    GetObjectW(label.PrepareColors(dc), sizeof(brush), &brush);
    return {GetTextColor(dc), brush.lbColor};
}

constexpr wchar_t kPersonalizeKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize";

// Each step changes the look and announces it as Windows does: the main window follows at once,
// the settings dialog into high contrast only.
TEST_F(AppTest, WindowsFollowHighContrastAndTheAppsThemeAtOnce) {
    static TestPreferences preferences;  // outlives the program the fixture ends
    preferences_ = &preferences;
    StartApp();
    const std::pair normal{GetSysColor(COLOR_WINDOWTEXT), GetSysColor(COLOR_BTNFACE)};
    const std::pair contrast{GetSysColor(COLOR_WINDOWTEXT), GetSysColor(COLOR_WINDOW)};
    const std::pair times{RGB(255, 0, 0), RGB(0, 0, 0)};
    const struct {
        bool highContrast;
        DWORD appsUseLightTheme;  // in the test prefix's registry
        UINT message;
        std::pair<COLORREF, COLORREF> description, time, dialogLabel;
    } steps[] = {
        {false, 0, WM_SETTINGCHANGE, {RGB(255, 255, 255), RGB(0x20, 0x20, 0x20)}, times, normal},
        {true, 0, WM_SYSCOLORCHANGE, contrast, contrast, contrast},
        {false, 1, WM_SETTINGCHANGE, normal, times, normal},
    };
    for (const auto& step : steps) {
        preferences.highContrast = step.highContrast;
        RegSetKeyValueW(HKEY_CURRENT_USER, kPersonalizeKey, L"AppsUseLightTheme", REG_DWORD, &step.appsUseLightTheme,
                        sizeof(DWORD));
        for (const HWND shown : {app_->MainForm().Handle(), app_->OptionsSetup().Handle()}) {
            SendMessageW(shown, step.message, 0, reinterpret_cast<LPARAM>(L"ImmersiveColorSet"));
        }
        EXPECT_EQ(ColorsOf(app_->MainForm().Component("Other_Location_Label_0")), step.description) << &step - steps;
        EXPECT_EQ(ColorsOf(app_->MainForm().Component("Other_Location_Time_0")), step.time) << &step - steps;
        EXPECT_EQ(ColorsOf(app_->OptionsSetup().Component("Label9")), step.dialogLabel) << &step - steps;
    }
    RegDeleteKeyValueW(HKEY_CURRENT_USER, kPersonalizeKey, L"AppsUseLightTheme");
}

}  // namespace
}  // namespace orvanta::testing

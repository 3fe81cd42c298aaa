#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "app/main_form_win.h"
#include "settings/options_setup_win.h"
#include "test_support.h"
#include "toolkit/win_system_preferences.h"

namespace orvanta::testing {
namespace {

// Windows' own preferences, but high contrast and the screen reader as the test sets them: Wine
// never turns high contrast on.
class TestPreferences final : public toolkit::WinSystemPreferences {
  public:
    LookPreferences Look() const override {
        LookPreferences look = WinSystemPreferences::Look();
        look.highContrast = highContrast;
        return look;
    }
    bool ScreenReaderRunning() const override { return screenReader; }

    bool highContrast = false;
    bool screenReader = false;
};

constexpr wchar_t kPersonalizeKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize";

// The apps' theme in the test prefix's registry; gone again when the test ends.
class AppsTheme {
  public:
    AppsTheme() = default;
    AppsTheme(const AppsTheme&) = delete;
    AppsTheme& operator=(const AppsTheme&) = delete;
    ~AppsTheme() { Set(std::nullopt); }
    void Set(std::optional<DWORD> light) {
        if (!light) {
            RegDeleteKeyValueW(HKEY_CURRENT_USER, kPersonalizeKey, L"AppsUseLightTheme");
            return;
        }
        ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, kPersonalizeKey, L"AppsUseLightTheme", REG_DWORD, &*light,
                                  sizeof(*light)),
                  ERROR_SUCCESS);
    }
};

struct Colors {
    COLORREF text;
    COLORREF brush;
    bool operator==(const Colors&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Colors& colors) {
    return out << std::hex << "text " << colors.text << ", background " << colors.brush << std::dec;
}

// What a label is painted with, as its parent answers it.
Colors ColorsOf(const toolkit::Control& label) {
    const HDC dc = CreateCompatibleDC(nullptr);
    const auto brush =
        reinterpret_cast<HBRUSH>(SendMessageW(GetParent(label.Handle()), WM_CTLCOLORSTATIC,
                                              reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(label.Handle())));
    LOGBRUSH logBrush{};
    GetObjectW(brush, sizeof(logBrush), &logBrush);
    const Colors colors{GetTextColor(dc), logBrush.lbColor};
    DeleteDC(dc);
    return colors;
}

class LookTest : public AppTest {
  protected:
    LookTest() { preferences_ = &test_; }
    TestPreferences test_;
};

// Each step changes the system's look and announces it as Windows does; the main window follows
// at once, the settings dialog only into high contrast.
TEST_F(LookTest, WindowsFollowHighContrastAndTheAppsThemeAtOnce) {
    StartApp();
    WaitForFirstTick();
    ASSERT_TRUE(toolkit::WindowsPreferences().Look().windows10OrLater) << "the test prefix reports an older Windows";
    AppsTheme theme;
    const HWND dialog = app_->OptionsSetup().Handle();
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const COLORREF text = GetSysColor(COLOR_WINDOWTEXT);
    const COLORREF window = GetSysColor(COLOR_WINDOW);
    const Colors normal{text, face};
    const Colors times{RGB(255, 0, 0), RGB(0, 0, 0)};
    const Colors contrast{text, window};
    const struct {
        bool highContrast;
        std::optional<DWORD> appsUseLightTheme;
        UINT message;
        Colors description, time, dialogLabel;
    } steps[] = {
        {false, 0, WM_SETTINGCHANGE, {RGB(255, 255, 255), RGB(0x20, 0x20, 0x20)}, times, normal},
        {true, 0, WM_SYSCOLORCHANGE, contrast, contrast, contrast},
        {false, 1, WM_SETTINGCHANGE, normal, times, normal},
        {false, 0, WM_SETTINGCHANGE, {RGB(255, 255, 255), RGB(0x20, 0x20, 0x20)}, times, normal},
        {false, std::nullopt, WM_SETTINGCHANGE, normal, times, normal},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(::testing::Message() << "step " << (&step - steps));
        test_.highContrast = step.highContrast;
        theme.Set(step.appsUseLightTheme);
        for (const HWND shown : {app_->MainForm().Handle(), dialog}) {
            SendMessageW(shown, step.message, 0, reinterpret_cast<LPARAM>(L"ImmersiveColorSet"));
        }
        EXPECT_EQ(ColorsOf(app_->MainForm().Component("Other_Location_Label_0")), step.description);
        EXPECT_EQ(ColorsOf(app_->MainForm().Component("Other_Location_Time_0")), step.time);
        EXPECT_EQ(ColorsOf(app_->OptionsSetup().Component("Label9")), step.dialogLabel);
    }
}

}  // namespace
}  // namespace orvanta::testing

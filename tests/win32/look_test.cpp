#include <windows.h>

#include <gtest/gtest.h>
#include <oleacc.h>

#include <optional>
#include <string>
#include <vector>

#include "app/main_form_win.h"
#include "settings/options_setup_win.h"
#include "test_support.h"
#include "toolkit/clipboard.h"
#include "toolkit/system_library.h"
#include "toolkit/win_system_preferences.h"
#include "toolkit/win_text.h"

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

struct Alert {
    HWND window;
    LONG object;
    LONG child;
};
std::vector<Alert> alerts;

void CALLBACK RecordAlert(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG child, DWORD, DWORD) {
    alerts.push_back({window, object, child});
}

// The name and role a screen reader finds for an alert.
std::pair<std::string, long> ReadAlert(const Alert& alert) {
    IAccessible* object = nullptr;
    VARIANT child{};
    auto* const fromEvent = ORVANTA_SYSTEM_FUNCTION(toolkit::OleaccLibrary(), AccessibleObjectFromEvent);
    if (FAILED(fromEvent(alert.window, alert.object, alert.child, &object, &child))) {
        return {"(no object)", 0};
    }
    BSTR name = nullptr;
    VARIANT role{};
    object->get_accName(child, &name);
    object->get_accRole(child, &role);
    std::pair<std::string, long> read{name != nullptr ? toolkit::Narrow(name) : "", role.lVal};
    ORVANTA_SYSTEM_FUNCTION(toolkit::OleAut32Library(), SysFreeString)(name);
    object->Release();
    return read;
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

// Ctrl+R without a screen reader copies and says so; the menu entry with one raises one alert
// that the reader reads the places from. The tick never raises one.
TEST_F(LookTest, ReadAllPlacesAlertsAReaderOnceOrElseCopies) {
    StartApp();
    AddEntry("Tokyo:9");
    WaitForFirstTick();
    alerts.clear();
    const HWINEVENTHOOK hook = SetWinEventHook(EVENT_SYSTEM_ALERT, EVENT_SYSTEM_ALERT, nullptr, &RecordAlert,
                                               GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    ASSERT_NE(hook, nullptr);
    TMainForm1& main = app_->MainForm();
    const std::string places = "Here : 13:20:05\r\nTokyo : 22:20:05";

    ASSERT_TRUE(toolkit::SetClipboardText(main.Handle(), "before"));
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    SendMessageW(main.Handle(), WM_KEYDOWN, 'R', 1);
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
    EXPECT_EQ(toolkit::ClipboardText(main.Handle()), places);
    ASSERT_EQ(dialogs_.shown.size(), 1u);
    EXPECT_EQ(dialogs_.shown[0].text, kAllPlacesCopiedMessage);

    test_.screenReader = true;
    ASSERT_TRUE(toolkit::SetClipboardText(main.Handle(), "before"));
    PostMessageW(main.Handle(), WM_COMMAND, main.MenuEntry("Read_All_Places_Popup_Option").CommandId(), 0);
    ASSERT_TRUE(PumpUntil([] { return !alerts.empty(); }));
    const auto [name, role] = ReadAlert(alerts[0]);
    EXPECT_EQ(name, places);
    EXPECT_EQ(role, ROLE_SYSTEM_ALERT);
    EXPECT_EQ(toolkit::ClipboardText(main.Handle()), "before");
    EXPECT_EQ(dialogs_.shown.size(), 1u);

    now_ = *now_.AddDays(2.0 / 86400);
    ASSERT_TRUE(PumpUntil([&] { return main.Component("Other_Location_Time_0").Text() == " 13:20:07 "; }));
    EXPECT_EQ(alerts.size(), 1u);
    UnhookWinEvent(hook);
}

}  // namespace
}  // namespace orvanta::testing

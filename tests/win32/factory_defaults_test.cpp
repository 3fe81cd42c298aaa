#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/main_form_win.h"
#include "appearance/factory_defaults.h"
#include "settings/options_setup_win.h"
#include "test_support.h"
#include "toolkit/handles.h"
#include "toolkit/win_text.h"

namespace orvanta::testing {
namespace {

// Every value away from its default, as a user leaves them after a while.
const std::string kStoredSettings =
    "[orvanta]\r\n"
    "window_top_posn=150\r\n"
    "window_left_posn=120\r\n"
    "window_ClientWidth=300\r\n"
    "window_ClientHeight=140\r\n"
    "current_location_caption=There :\r\n"
    "num_other_locations=2\r\n"
    "other_location_caption_1=Tokyo:9.0\r\n"
    "other_location_caption_2=Rio:-3.0\r\n"
    "Menus_Off_CheckBox=0\r\n"
    "Title_Bar_Off_CheckBox=0\r\n"
    "Auto_Window_Height_Sizing_CheckBox=0\r\n"
    "Auto_Window_Width_Sizing_CheckBox=0\r\n"
    "Show_Dates_and_Times_CheckBox=1\r\n"
    "Hide_Current_Location_CheckBox=1\r\n"
    "Always_on_Top_Option=1\r\n"
    "Auto_Run_at_Windows_Startup_Option=1\r\n";

constexpr SettingsFlag kOptionFlags[] = {
    SettingsFlag::AutoWindowHeightSizing,
    SettingsFlag::AutoWindowWidthSizing,
    SettingsFlag::ShowDatesAndTimes,
    SettingsFlag::HideCurrentLocation,
};

// What the window shows: place, client size, caption and every flag.
struct Shown {
    int left, top, width, height;
    std::string caption;
    bool optionFlags, alwaysOnTop;
};

class FactoryDefaultsTest : public AppTest {
  protected:
    TMainForm1& Main() { return app_->MainForm(); }
    toolkit::Control& Options(const char* name) { return app_->OptionsSetup().Component(name); }
    bool Topmost() { return (GetWindowLongW(Main().Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }
    DWORD HiddenOrReadOnly() const {
        return GetFileAttributesW(toolkit::Widen(IniPath()).c_str()) &
               (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    }
    toolkit::UniqueKernelHandle Hold(DWORD sharing) const {
        const HANDLE file = CreateFileW(toolkit::Widen(IniPath()).c_str(), GENERIC_READ, sharing, nullptr,
                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        EXPECT_NE(file, INVALID_HANDLE_VALUE);
        return toolkit::UniqueKernelHandle(file == INVALID_HANDLE_VALUE ? nullptr : file);
    }
    void RestoreFactoryDefaults(DialogButton answer) {
        dialogs_.answers = {answer};
        SendMessageW(Main().Handle(), WM_COMMAND, Main().MenuEntry("Restore_Factory_Defaults_Option").CommandId(), 0);
    }

    Shown WhatIsShown() {
        const RECT bounds = Main().WindowBounds();
        const SIZE client = Main().ClientSize();
        bool flags = app_->Model().Flag(SettingsFlag::MenusOff) || app_->Model().Flag(SettingsFlag::TitleBarOff);
        for (const SettingsFlag flag : kOptionFlags) {
            flags = flags || app_->Model().Flag(flag);
        }
        EXPECT_EQ(Main().MenuEntry("Always_On_Top_Option").Checked(), Topmost());
        return {bounds.left, bounds.top, client.cx, client.cy, app_->Model().CurrentLocationCaption(),
                flags,       Topmost()};
    }
};

void ExpectShown(const Shown& actual, const Shown& expected) {
    EXPECT_EQ(actual.left, expected.left);
    EXPECT_EQ(actual.top, expected.top);
    EXPECT_EQ(actual.width, expected.width);
    EXPECT_EQ(actual.height, expected.height);
    EXPECT_EQ(actual.caption, expected.caption);
    EXPECT_EQ(actual.optionFlags, expected.optionFlags);
    EXPECT_EQ(actual.alwaysOnTop, expected.alwaysOnTop);
}

TEST_F(FactoryDefaultsTest, TheSettingsFileGoesWhenNoOneHoldsItAndTheLocationsStay) {
    const Shown defaults{200, 200, 240, 87, "Here :", false, false};
    const Shown stored{120, 150, 300, 140, "There :", true, true};
    enum class File { Present, ReadOnlyAndHidden, HeldSharingReads, HeldWithNoSharing, Absent };
    const struct {
        const char* what;
        File file;
        DialogButton answer;
        bool deleted;
        Shown expected;
    } cases[] = {
        {"present", File::Present, DialogButton::Yes, true, defaults},
        {"read-only and hidden", File::ReadOnlyAndHidden, DialogButton::Yes, true, defaults},
        // The file could not go, so what it holds is read again; the locations are not doubled.
        {"held, others may read", File::HeldSharingReads, DialogButton::Yes, false, stored},
        // Unreadable as well: the defaults the user asked for.
        {"held with no sharing", File::HeldWithNoSharing, DialogButton::Yes, false, defaults},
        {"absent", File::Absent, DialogButton::Yes, false, defaults},
        {"answered No", File::Present, DialogButton::No, false, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        app_.reset();
        dialogs_.shown.clear();
        DeleteFileW(toolkit::Widen(IniPath()).c_str());
        if (c.file != File::Absent) {
            WriteFileBytes(IniPath(), kStoredSettings);
        }
        // Started minimised from a shortcut: the reset restores the window and leaves it so.
        startupShowState_ = SW_SHOWMINIMIZED;
        StartApp();
        WaitForFirstTick();
        AddEntry("Kabul:4.5");
        const std::vector<std::string> locations = Entries();
        ShowWindow(Main().Handle(), SW_RESTORE);
        const Shown before = WhatIsShown();
        ShowWindow(Main().Handle(), SW_MINIMIZE);
        if (c.file == File::ReadOnlyAndHidden) {
            SetFileAttributesW(toolkit::Widen(IniPath()).c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
        }
        toolkit::UniqueKernelHandle held;
        if (c.file == File::HeldSharingReads || c.file == File::HeldWithNoSharing) {
            held = Hold(c.file == File::HeldSharingReads ? FILE_SHARE_READ : 0);
        }

        RestoreFactoryDefaults(c.answer);

        ASSERT_EQ(dialogs_.shown.size(), 1u) << "the question and nothing else";
        EXPECT_EQ(dialogs_.shown[0].kind, MessageKind::Warning);
        EXPECT_EQ(dialogs_.shown[0].buttons, ButtonSet::YesNo);
        EXPECT_EQ(dialogs_.shown[0].text, RestoreFactoryDefaultsQuestion());
        EXPECT_EQ(FileExists(IniPath()), c.file != File::Absent && !c.deleted);
        if (c.file != File::Absent && !c.deleted && c.answer == DialogButton::Yes) {
            EXPECT_EQ(HiddenOrReadOnly(), 0u) << "attributes cleared";
        }
        EXPECT_EQ(Entries(), locations);
        EXPECT_EQ(IsIconic(Main().Handle()) != FALSE, c.answer == DialogButton::No);
        if (c.answer == DialogButton::No) {
            ShowWindow(Main().Handle(), SW_RESTORE);
        }
        ExpectShown(WhatIsShown(), c.answer == DialogButton::No ? before : c.expected);
        EXPECT_FALSE(Main().MenuEntry("Auto_Run_at_Windows_Startup_Option").Checked());

        // The next close writes what is shown, as after any run.
        held.Reset();
        ASSERT_TRUE(app_->SaveSettingsFile());
        const std::string written = ReadFileBytes(IniPath());
        EXPECT_NE(written.find("num_other_locations=" + std::to_string(locations.size()) + "\r\n"), std::string::npos)
            << written;
        const Shown expected = c.answer == DialogButton::No ? before : c.expected;
        EXPECT_NE(written.find("current_location_caption=" + expected.caption + "\r\n"), std::string::npos) << written;
    }
}

TEST_F(FactoryDefaultsTest, ABorderlessTopmostWindowGetsItsFrameAndMenusBackAndLeavesTheTop) {
    WriteFileBytes(IniPath(),
                   "[orvanta]\r\nMenus_Off_CheckBox=1\r\nTitle_Bar_Off_CheckBox=1\r\nAlways_on_Top_Option=1\r\n");
    StartApp();
    WaitForFirstTick();
    const HWND window = Main().Handle();
    ASSERT_EQ(GetMenu(window), nullptr) << "the stored flags make the window borderless at the first tick";
    ASSERT_EQ(GetWindowLongW(window, GWL_STYLE) & WS_CAPTION, 0);
    ASSERT_TRUE(Topmost());

    RestoreFactoryDefaults(DialogButton::Yes);

    EXPECT_NE(GetMenu(window), nullptr);
    EXPECT_EQ(GetWindowLongW(window, GWL_STYLE) & WS_CAPTION, WS_CAPTION);
    EXPECT_FALSE(Topmost());
    EXPECT_FALSE(app_->Model().Flag(SettingsFlag::MenusOff));
    EXPECT_FALSE(app_->Model().Flag(SettingsFlag::TitleBarOff));
    EXPECT_FALSE(Main().MenuEntry("Always_On_Top_Option").Checked());
    EXPECT_EQ(Main().ClientSize().cx, 240);
    EXPECT_EQ(Main().ClientSize().cy, 87);
}

}  // namespace
}  // namespace orvanta::testing

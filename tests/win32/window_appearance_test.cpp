#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/main_form_win.h"
#include "appearance/borderless_mode.h"
#include "settings/options_setup_win.h"
#include "test_support.h"

namespace orvanta::testing {
namespace {

bool Topmost(HWND window) {
    return (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

// The place every window of these tests is stored at.
const std::vector<std::string> kStoredPlace{"window_top_posn=150", "window_left_posn=120", "window_ClientWidth=260",
                                            "window_ClientHeight=110"};

class WindowAppearanceTest : public AppTest {
  protected:
    TMainForm1& Main() { return app_->MainForm(); }
    int ClientHeight() { return Main().ClientSize().cy; }

    void WriteIni(std::vector<std::string> lines, const std::vector<std::string>& more = {}) {
        lines.insert(lines.end(), more.begin(), more.end());
        std::string text = "[orvanta]\r\n";
        for (const auto& line : lines) {
            text += line + "\r\n";
        }
        WriteFileBytes(IniPath(), text);
    }

    // A menu command, as choosing the entry gives it.
    void Choose(const char* entry) {
        SendMessageW(Main().Handle(), WM_COMMAND, Main().MenuEntry(entry).CommandId(), 0);
    }

    // Opens the settings dialog with a menu command and closes it with OK.
    void RunSettingsDialog(const char* entry) {
        auto& dialog = app_->OptionsSetup();
        const bool opened = RunModal([&] { Choose(entry); }, [&] { return dialog.InModalLoop() && dialog.Showing(); },
                                     [&] { SendMessageW(dialog.Component("OKBtn").Handle(), BM_CLICK, 0, 0); });
        ASSERT_TRUE(opened) << entry;
    }

    // The frame the two flags ask for, at the stored place and with the stored client size: no
    // frame grows or shrinks the rows' room, and no change moves the window.
    void ExpectFrame(bool menusOff, bool titleBarOff, const std::string& where) {
        const HWND window = Main().Handle();
        EXPECT_EQ(app_->Model().Flag(SettingsFlag::MenusOff), menusOff) << where;
        EXPECT_EQ(app_->Model().Flag(SettingsFlag::TitleBarOff), titleBarOff) << where;
        const LONG style = GetWindowLongW(window, GWL_STYLE);
        EXPECT_EQ((style & WS_CAPTION) == WS_CAPTION, !titleBarOff) << where;
        EXPECT_EQ((style & WS_THICKFRAME) != 0, !titleBarOff) << where;
        // The spare entry stays hidden when the others come back.
        const HMENU bar = GetMenu(window);
        EXPECT_EQ(bar != nullptr ? GetMenuItemCount(bar) : 0, menusOff ? 0 : 2) << where;
        RECT bounds{};
        GetWindowRect(window, &bounds);
        EXPECT_EQ(bounds.left, 120) << where;
        EXPECT_EQ(bounds.top, 150) << where;
        RECT client{};
        GetClientRect(window, &client);
        EXPECT_EQ(client.right, 260) << where;
        EXPECT_EQ(client.bottom, 110) << where;
        if (menusOff && titleBarOff) {
            POINT origin{};
            ClientToScreen(window, &origin);
            EXPECT_EQ(origin.x, 120) << "nothing above or beside the rows: " << where;
            EXPECT_EQ(origin.y, 150) << "nothing above or beside the rows: " << where;
        }
    }
};

TEST_F(WindowAppearanceTest, TheWindowFitsItsRowsAtTheFirstTickAfterTheSettingsDialogAndAtTheSwitchOnly) {
    WriteIni({"window_ClientWidth=400", "window_ClientHeight=300", "num_other_locations=3",
              "other_location_caption_1=Tokyo:9.0", "other_location_caption_2=Rio:-3.0",
              "other_location_caption_3=Kabul:4.5", "Auto_Window_Height_Sizing_CheckBox=1",
              "Auto_Window_Width_Sizing_CheckBox=1"});
    StartApp();
    EXPECT_EQ(ClientHeight(), 300);  // until the first tick, the stored size
    WaitForFirstTick();
    EXPECT_EQ(ClientHeight(), 136);  // four rows
    EXPECT_EQ(Main().ClientSize().cx, Main().Component("Other_Location_Time_0").Bounds().right + 8);

    // The rows follow at once; the window waits for the dialog to close.
    AddEntry("Lima:-5.0");
    ASSERT_TRUE(PumpUntil([&] { return Main().Component("Other_Location_Time_4").Visible(); }));
    EXPECT_EQ(ClientHeight(), 136);
    RunSettingsDialog("SettingsOption");
    EXPECT_EQ(ClientHeight(), 168);

    app_->Model().RemovePlace(0);
    app_->Model().RemovePlace(0);
    app_->Model().SetFlag(SettingsFlag::AutoWindowWidthSizing, false);
    const LONG width = Main().ClientSize().cx;
    RunSettingsDialog("Settings_Popup_Option");
    EXPECT_EQ(ClientHeight(), 104);
    EXPECT_EQ(Main().ClientSize().cx, width);

    AddEntry("Oslo:1.0");
    ASSERT_TRUE(PumpUntil([&] { return Main().Component("Other_Location_Time_3").Visible(); }));
    Choose("Menus_and_Title_Bar_On_Off_Popup_Option");
    EXPECT_EQ(ClientHeight(), 136);
}

// From each state a settings file can hold, the first tick applies it without a message and the
// switch flips each flag by itself; only the way from the normal window shows the notice.
TEST_F(WindowAppearanceTest, TheSwitchFlipsEachFlagKeepingPlaceAndClientSize) {
    struct Case {
        bool menusOff, titleBarOff;
        const char* entry;  // the one used for the first switch
    };
    for (const Case c : {Case{false, false, "Menus_and_Title_Bar_On_Off_Popup_Option"},
                         Case{false, false, "Menus_and_Title_On_Off_Option"},
                         Case{true, false, "Menus_and_Title_Bar_On_Off_Popup_Option"},
                         Case{false, true, "Menus_and_Title_Bar_On_Off_Popup_Option"}}) {
        const std::string where =
            std::string(c.entry) + " from " + std::to_string(c.menusOff) + std::to_string(c.titleBarOff);
        WriteIni(kStoredPlace, {std::string("Menus_Off_CheckBox=") + (c.menusOff ? "1" : "0"),
                                std::string("Title_Bar_Off_CheckBox=") + (c.titleBarOff ? "1" : "0")});
        dialogs_.shown.clear();
        StartApp();
        WaitForFirstTick();
        ExpectFrame(c.menusOff, c.titleBarOff, where + ", first tick");
        Choose(c.entry);
        ExpectFrame(!c.menusOff, !c.titleBarOff, where + ", switched");
        const bool fromNormal = !c.menusOff && !c.titleBarOff;
        ASSERT_EQ(dialogs_.shown.size(), fromNormal ? 1u : 0u) << where;
        if (fromNormal) {
            EXPECT_EQ(dialogs_.shown[0].kind, MessageKind::Information);
            EXPECT_EQ(dialogs_.shown[0].text, kMenusAndTitleBarOffMessage);
            EXPECT_EQ(dialogs_.shown[0].buttons, ButtonSet::Ok);
        }
        Choose("Menus_and_Title_Bar_On_Off_Popup_Option");
        ExpectFrame(c.menusOff, c.titleBarOff, where + ", switched back");
        EXPECT_EQ(dialogs_.shown.size(), fromNormal ? 1u : 0u) << where;
        app_.reset();
    }
}

// A close request or a second switch that arrives while the switch changes the frame is carried out
// after it, whole: the change handles no message half-way.
TEST_F(WindowAppearanceTest, ACloseOrASwitchDuringASwitchWaitsUntilTheFrameChangeIsDone) {
    StartApp();
    WaitForFirstTick();
    const HWND window = Main().Handle();
    const UINT switchCommand = Main().MenuEntry("Menus_and_Title_Bar_On_Off_Popup_Option").CommandId();
    PostMessageW(window, WM_COMMAND, switchCommand, 0);
    Choose("Menus_and_Title_Bar_On_Off_Popup_Option");
    // The posted switch waited: the strip is whole.
    EXPECT_TRUE(app_->Model().Flag(SettingsFlag::MenusOff) && app_->Model().Flag(SettingsFlag::TitleBarOff));
    ASSERT_TRUE(PumpUntil([&] { return !app_->Model().Flag(SettingsFlag::MenusOff); }));
    EXPECT_FALSE(app_->Model().Flag(SettingsFlag::TitleBarOff));

    PostMessageW(window, WM_CLOSE, 0, 0);
    Choose("Menus_and_Title_Bar_On_Off_Popup_Option");
    EXPECT_TRUE(IsWindow(window)) << "closed half-way through the switch";
    EXPECT_TRUE(app_->Model().Flag(SettingsFlag::MenusOff) && app_->Model().Flag(SettingsFlag::TitleBarOff));
    EXPECT_TRUE(PumpUntil([&] { return !IsWindow(window); }));
    PumpPending();
}

// Two ticks wait at the start: the second must not apply the stored frame again. Closed and started
// three times, nothing drifts.
TEST_F(WindowAppearanceTest, AStoredBorderlessWindowComesBackOnceAtTheFirstTickAndRestartsUnchanged) {
    WriteIni(kStoredPlace, {"Menus_Off_CheckBox=1", "Title_Bar_Off_CheckBox=1"});
    std::string firstWritten;
    for (int round = 1; round <= 4; ++round) {
        StartApp();
        const UINT_PTR timer = Main().TimerNamed("Timer1").Id();
        PostMessageW(Main().Handle(), WM_TIMER, timer, 0);
        PostMessageW(Main().Handle(), WM_TIMER, timer, 0);
        WaitForFirstTick();
        PumpPending();
        ExpectFrame(true, true, "round " + std::to_string(round));
        EXPECT_TRUE(dialogs_.shown.empty());
        ASSERT_TRUE(app_->SaveSettingsFile());
        if (round == 1) {
            firstWritten = ReadFileBytes(IniPath());
        }
        EXPECT_EQ(ReadFileBytes(IniPath()), firstWritten) << "round " << round;
        app_.reset();
    }
}

// A window started minimised is changed in the place it returns to.
TEST_F(WindowAppearanceTest, AWindowStartedMinimisedGetsItsStoredStateForWhenItIsRestored) {
    WriteIni(kStoredPlace, {"Menus_Off_CheckBox=1", "Title_Bar_Off_CheckBox=1"});
    startupShowState_ = SW_SHOWMINIMIZED;
    StartApp();
    WaitForFirstTick();
    ASSERT_TRUE(IsIconic(Main().Handle()));
    ShowWindow(Main().Handle(), SW_RESTORE);
    ExpectFrame(true, true, "restored");
}

TEST_F(WindowAppearanceTest, AlwaysOnTopFollowsItsCheckMarkFromTheFileThroughTheSwitchAndUnderADialog) {
    StartApp();
    for (const bool on : {true, false}) {
        Choose("Always_On_Top_Option");
        EXPECT_EQ(Main().MenuEntry("Always_On_Top_Option").Checked(), on);
        EXPECT_EQ(Topmost(Main().Handle()), on);
    }
    app_.reset();

    // From the file: the other windows exist already, and Wine makes no owner of others topmost.
    WriteIni({"Always_on_Top_Option=1"});
    StartApp();
    EXPECT_TRUE(Main().MenuEntry("Always_On_Top_Option").Checked());
    EXPECT_TRUE(Topmost(Main().Handle()));
    WaitForFirstTick();
    for (int change = 1; change <= 2; ++change) {
        Choose("Menus_and_Title_Bar_On_Off_Popup_Option");
        EXPECT_TRUE(Topmost(Main().Handle())) << "change " << change;
    }
    // The settings dialog opens above it, and the window stays topmost after it.
    auto& dialog = app_->OptionsSetup();
    bool dialogAbove = false;
    ASSERT_TRUE(RunModal([&] { Choose("Settings_Popup_Option"); },
                         [&] { return dialog.InModalLoop() && dialog.Showing(); },
                         [&] {
                             HWND window = GetTopWindow(nullptr);
                             while (window != nullptr && window != dialog.Handle() && window != Main().Handle()) {
                                 window = GetWindow(window, GW_HWNDNEXT);
                             }
                             dialogAbove = window == dialog.Handle();
                             dialog.EndModal(forms::ModalResult::Cancel);
                         }));
    EXPECT_TRUE(dialogAbove);
    EXPECT_TRUE(Topmost(Main().Handle()));
}

}  // namespace
}  // namespace orvanta::testing

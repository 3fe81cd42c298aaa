#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/appearance/borderless_mode.h"
#include "app/main_form_win.h"
#include "settings/options_setup_win.h"
#include "test_support.h"

namespace orvanta::testing {
namespace {

// What the user sees of the main window's frame.
struct Frame {
    bool caption = false;
    bool sizeable = false;
    int menuEntries = 0;  // top-level entries on the bar; 0 also when there is no bar
    POINT origin{};       // the window's top-left corner on the screen
    SIZE client{};
    POINT clientOrigin{};  // the client area's top-left corner on the screen
};

Frame FrameOf(HWND window) {
    Frame frame;
    const LONG style = GetWindowLongW(window, GWL_STYLE);
    frame.caption = (style & WS_CAPTION) == WS_CAPTION;
    frame.sizeable = (style & WS_THICKFRAME) != 0;
    const HMENU bar = GetMenu(window);
    frame.menuEntries = bar != nullptr ? GetMenuItemCount(bar) : 0;
    RECT bounds{};
    GetWindowRect(window, &bounds);
    frame.origin = {bounds.left, bounds.top};
    RECT client{};
    GetClientRect(window, &client);
    frame.client = {client.right, client.bottom};
    ClientToScreen(window, &frame.clientOrigin);
    return frame;
}

bool Topmost(HWND window) {
    return (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

class WindowAppearanceTest : public AppTest {
  protected:
    TMainForm1& Main() { return app_->MainForm(); }
    toolkit::Control& Options(const char* name) { return app_->OptionsSetup().Component(name); }

    void WriteIni(const std::vector<std::string>& lines) {
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
    Frame MainFrame() { return FrameOf(Main().Handle()); }
    std::size_t Messages() const { return dialogs_.shown.size(); }

    // Opens the settings dialog with a menu command and closes it with OK.
    void RunSettingsDialog(const char* entry) {
        auto& dialog = app_->OptionsSetup();
        const bool opened = RunModal([&] { Choose(entry); }, [&] { return dialog.InModalLoop() && dialog.Showing(); },
                                     [&] { SendMessageW(dialog.Component("OKBtn").Handle(), BM_CLICK, 0, 0); });
        ASSERT_TRUE(opened) << entry;
    }

    int TimeLabelRight(int row) {
        RECT bounds = Main().Component("Other_Location_Time_" + std::to_string(row)).Bounds();
        return bounds.right;
    }
};

TEST_F(WindowAppearanceTest, TheWindowFitsItsRowsAtTheFirstTickAfterTheSettingsDialogAndAtTheSwitchOnly) {
    WriteIni({"window_ClientWidth=400", "window_ClientHeight=300", "num_other_locations=3",
              "other_location_caption_1=Tokyo:9.0", "other_location_caption_2=Rio:-3.0",
              "other_location_caption_3=Kabul:4.5", "Auto_Window_Height_Sizing_CheckBox=1",
              "Auto_Window_Width_Sizing_CheckBox=1"});
    StartApp();
    EXPECT_EQ(MainFrame().client.cy, 300);  // until the first tick, the stored size
    WaitForFirstTick();
    EXPECT_EQ(MainFrame().client.cy, 136);  // four rows
    EXPECT_EQ(MainFrame().client.cx, TimeLabelRight(0) + 8);

    // A plain tick shows a new row, but the window waits for the dialog to close.
    Options("Other_Locations_ListBox").AddItem("Lima:-5.0");
    Main().TimerNamed("Timer1").SetInterval(30);
    ASSERT_TRUE(PumpUntil([&] { return Main().Component("Other_Location_Time_4").Visible(); }));
    EXPECT_EQ(MainFrame().client.cy, 136);

    RunSettingsDialog("SettingsOption");
    EXPECT_EQ(MainFrame().client.cy, 168);

    Options("Other_Locations_ListBox").DeleteItem(0);
    Options("Other_Locations_ListBox").DeleteItem(0);
    Options("Auto_Window_Width_Sizing_CheckBox").SetChecked(false);
    const LONG width = MainFrame().client.cx;
    RunSettingsDialog("Settings_Popup_Option");
    EXPECT_EQ(MainFrame().client.cy, 104);
    EXPECT_EQ(MainFrame().client.cx, width);

    // The borderless switch fits the window as its last step.
    Options("Other_Locations_ListBox").AddItem("Oslo:1.0");
    ASSERT_TRUE(PumpUntil([&] { return Main().Component("Other_Location_Time_3").Visible(); }));
    EXPECT_EQ(MainFrame().client.cy, 104);
    Choose("Menus_and_Title_Bar_On_Off_Popup_Option");
    EXPECT_EQ(MainFrame().client.cy, 136);
}

TEST_F(WindowAppearanceTest, TheSwitchTakesFrameAndMenusAwayAndBackKeepingPlaceAndClientSize) {
    // Both menus' entries do the same; each is tried from the normal window.
    for (const char* entry : {"Menus_and_Title_Bar_On_Off_Popup_Option", "Menus_and_Title_On_Off_Option"}) {
        WriteIni({"window_top_posn=150", "window_left_posn=120", "window_ClientWidth=260", "window_ClientHeight=110"});
        dialogs_.shown.clear();
        StartApp();
        WaitForFirstTick();
        const Frame normal = MainFrame();
        ASSERT_TRUE(normal.caption && normal.sizeable) << entry;
        ASSERT_EQ(normal.menuEntries, 2) << entry;

        Choose(entry);
        ASSERT_EQ(Messages(), 1u) << entry;
        EXPECT_EQ(dialogs_.shown[0].kind, MessageKind::Information);
        EXPECT_EQ(dialogs_.shown[0].text, kMenusAndTitleBarOffMessage);
        EXPECT_EQ(dialogs_.shown[0].buttons, ButtonSet::Ok);
        const Frame borderless = MainFrame();
        EXPECT_TRUE(Main().Menus_Off_CheckBox && Main().Title_Bar_Off_CheckBox) << entry;
        EXPECT_FALSE(borderless.caption || borderless.sizeable) << entry;
        EXPECT_EQ(borderless.menuEntries, 0) << entry;
        EXPECT_EQ(borderless.origin.x, 120) << entry;
        EXPECT_EQ(borderless.origin.y, 150) << entry;
        EXPECT_EQ(borderless.clientOrigin.x, 120) << "no frame left: " << entry;
        EXPECT_EQ(borderless.clientOrigin.y, 150) << "no menu bar left: " << entry;
        EXPECT_EQ(borderless.client.cx, 260) << entry;
        EXPECT_EQ(borderless.client.cy, 110) << entry;

        // Back, from the pop-up menu only: the File menu is gone.
        Choose("Menus_and_Title_Bar_On_Off_Popup_Option");
        EXPECT_EQ(Messages(), 1u) << entry;
        const Frame back = MainFrame();
        EXPECT_FALSE(Main().Menus_Off_CheckBox || Main().Title_Bar_Off_CheckBox) << entry;
        EXPECT_TRUE(back.caption && back.sizeable) << entry;
        EXPECT_EQ(back.menuEntries, 2) << "the spare entry stays hidden: " << entry;
        EXPECT_EQ(back.origin.x, 120) << entry;
        EXPECT_EQ(back.origin.y, 150) << entry;
        EXPECT_EQ(back.clientOrigin.y, normal.clientOrigin.y) << entry;
        EXPECT_EQ(back.client.cx, 260) << entry;
        EXPECT_EQ(back.client.cy, 110) << entry;
        app_.reset();
    }
}

TEST_F(WindowAppearanceTest, TheMenuToggleTradesTheBarsLineForTheFrame) {
    StartApp();
    WaitForFirstTick();
    const int menuBar = GetSystemMetrics(SM_CYMENU);
    const RECT before = Main().WindowBounds();
    Main().Toggle_Menus();
    RECT after = Main().WindowBounds();
    EXPECT_EQ(after.bottom - after.top, before.bottom - before.top - menuBar);
    EXPECT_EQ(MainFrame().client.cy, 87);
    EXPECT_EQ(MainFrame().menuEntries, 0);

    Main().Toggle_Menus();
    after = Main().WindowBounds();
    EXPECT_EQ(after.bottom - after.top, before.bottom - before.top);
    EXPECT_EQ(MainFrame().client.cy, 87);
}

TEST_F(WindowAppearanceTest, MixedFlagsFromTheFileAreFlippedFlagByFlag) {
    struct Case {
        bool menusOff;
        bool titleBarOff;
    };
    for (const Case c : {Case{true, false}, Case{false, true}}) {
        WriteIni({"window_top_posn=150", "window_left_posn=120", "window_ClientWidth=260", "window_ClientHeight=110",
                  std::string("Menus_Off_CheckBox=") + (c.menusOff ? "1" : "0"),
                  std::string("Title_Bar_Off_CheckBox=") + (c.titleBarOff ? "1" : "0")});
        dialogs_.shown.clear();
        StartApp();
        WaitForFirstTick();
        for (int round = 0; round < 2; ++round) {
            // Each use of the switch flips both flags; the window follows each by itself.
            const bool menusOff = (round == 0) == c.menusOff;
            const bool titleBarOff = (round == 0) == c.titleBarOff;
            const Frame frame = MainFrame();
            const std::string where =
                "menus off " + std::to_string(menusOff) + ", title bar off " + std::to_string(titleBarOff);
            EXPECT_EQ(Main().Menus_Off_CheckBox, menusOff) << where;
            EXPECT_EQ(Main().Title_Bar_Off_CheckBox, titleBarOff) << where;
            EXPECT_EQ(frame.caption, !titleBarOff) << where;
            EXPECT_EQ(frame.menuEntries, menusOff ? 0 : 2) << where;
            EXPECT_EQ(frame.origin.x, 120) << where;
            EXPECT_EQ(frame.origin.y, 150) << where;
            EXPECT_EQ(frame.client.cx, 260) << where;
            EXPECT_EQ(frame.client.cy, 110) << where;
            if (titleBarOff && menusOff) {
                EXPECT_EQ(frame.clientOrigin.y, 150) << where;
            }
            Choose("Menus_and_Title_Bar_On_Off_Popup_Option");
        }
        EXPECT_EQ(Messages(), 0u);
        app_.reset();
    }
}

TEST_F(WindowAppearanceTest, TheStoredStateComesBackAtTheFirstTickOnceEvenWhenATickLandsInsideIt) {
    WriteIni({"window_top_posn=150", "window_left_posn=120", "window_ClientWidth=260", "window_ClientHeight=110",
              "Menus_Off_CheckBox=1", "Title_Bar_Off_CheckBox=1"});
    StartApp();
    const Frame shown = MainFrame();
    EXPECT_TRUE(shown.caption);  // created normal; the first tick changes it
    EXPECT_EQ(shown.menuEntries, 2);
    // Two ticks waiting: the second is handled inside the first one's toggles.
    const UINT_PTR timer = Main().TimerNamed("Timer1").Id();
    PostMessageW(Main().Handle(), WM_TIMER, timer, 0);
    PostMessageW(Main().Handle(), WM_TIMER, timer, 0);
    WaitForFirstTick();
    PumpPending();
    const Frame borderless = MainFrame();
    EXPECT_FALSE(borderless.caption);
    EXPECT_EQ(borderless.menuEntries, 0);
    EXPECT_EQ(borderless.origin.x, 120);
    EXPECT_EQ(borderless.origin.y, 150);
    EXPECT_EQ(borderless.client.cx, 260);
    EXPECT_EQ(borderless.client.cy, 110);
    EXPECT_EQ(Messages(), 0u);
    EXPECT_EQ(Main().TimerNamed("Timer1").Interval(), 1000u);
}

TEST_F(WindowAppearanceTest, ABorderlessWindowRestartsWhereItWasWithTheSameSize) {
    const std::string stored =
        "[orvanta]\r\n"
        "window_top_posn=150\r\n"
        "window_left_posn=120\r\n"
        "window_ClientWidth=260\r\n"
        "window_ClientHeight=110\r\n"
        "current_location_caption=Here :\r\n"
        "num_other_locations=0\r\n"
        "Menus_Off_CheckBox=1\r\n"
        "Title_Bar_Off_CheckBox=1\r\n"
        "Auto_Window_Height_Sizing_CheckBox=0\r\n"
        "Auto_Window_Width_Sizing_CheckBox=0\r\n"
        "Show_Dates_and_Times_CheckBox=0\r\n"
        "Hide_Current_Location_CheckBox=0\r\n"
        "Always_on_Top_Option=0\r\n"
        "Auto_Run_at_Windows_Startup_Option=0\r\n";
    WriteFileBytes(IniPath(), stored);
    for (int round = 1; round <= 3; ++round) {
        StartApp();
        WaitForFirstTick();
        ASSERT_TRUE(Main().Write_Settings_File());
        EXPECT_EQ(ReadFileBytes(IniPath()), stored) << "round " << round;
        app_.reset();
    }
}

TEST_F(WindowAppearanceTest, AlwaysOnTopFollowsItsCheckMarkAndSurvivesTheSwitch) {
    StartApp();
    WaitForFirstTick();
    auto& entry = Main().MenuEntry("Always_On_Top_Option");
    for (const bool on : {true, false}) {
        Choose("Always_On_Top_Option");
        EXPECT_EQ(entry.Checked(), on);
        EXPECT_EQ(Topmost(Main().Handle()), on);
    }
    app_.reset();

    // From the file, with the other windows already created; and through both border changes.
    WriteIni({"Always_on_Top_Option=1"});
    StartApp();
    EXPECT_TRUE(Main().MenuEntry("Always_On_Top_Option").Checked());
    EXPECT_TRUE(Topmost(Main().Handle()));
    WaitForFirstTick();
    for (int change = 0; change < 2; ++change) {
        Choose("Menus_and_Title_Bar_On_Off_Popup_Option");
        EXPECT_TRUE(Topmost(Main().Handle())) << "change " << change;
    }
}

TEST_F(WindowAppearanceTest, ADialogOfATopmostWindowOpensAboveIt) {
    WriteIni({"Always_on_Top_Option=1"});
    StartApp();
    WaitForFirstTick();
    auto& dialog = app_->OptionsSetup();
    bool above = false;
    const bool opened =
        RunModal([&] { Choose("SettingsOption"); }, [&] { return dialog.InModalLoop() && dialog.Showing(); },
                 [&] {
                     for (HWND w = GetTopWindow(nullptr); w != nullptr; w = GetWindow(w, GW_HWNDNEXT)) {
                         if (w == dialog.Handle()) {
                             above = true;
                             break;
                         }
                         if (w == Main().Handle()) {
                             break;
                         }
                     }
                     dialog.EndModal(forms::ModalResult::Cancel);
                 });
    ASSERT_TRUE(opened);
    EXPECT_TRUE(above);
    EXPECT_TRUE(Topmost(Main().Handle()));
}

// Started minimised, the window is changed in the place it returns to.
TEST_F(WindowAppearanceTest, AWindowStartedMinimisedGetsItsStoredStateForWhenItIsRestored) {
    WriteIni({"window_top_posn=150", "window_left_posn=120", "window_ClientWidth=260", "window_ClientHeight=110",
              "num_other_locations=1", "other_location_caption_1=Tokyo:9.0", "Menus_Off_CheckBox=1",
              "Title_Bar_Off_CheckBox=1", "Auto_Window_Height_Sizing_CheckBox=1"});
    startupShowState_ = SW_SHOWMINIMIZED;
    StartApp();
    WaitForFirstTick();
    ASSERT_TRUE(IsIconic(Main().Handle()));
    ShowWindow(Main().Handle(), SW_RESTORE);
    const Frame restored = MainFrame();
    EXPECT_FALSE(restored.caption);
    EXPECT_EQ(restored.menuEntries, 0);
    EXPECT_EQ(restored.origin.x, 120);
    EXPECT_EQ(restored.origin.y, 150);
    EXPECT_EQ(restored.client.cx, 260);
    EXPECT_EQ(restored.client.cy, 72);  // two rows
}

INPUT Key(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

// Should a key fail to open the pop-up menu, F10 would leave the window waiting in menu mode.
void CALLBACK LeaveMenuMode(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    EndMenu();
}

bool PopupMenuOpen() {
    HWND menu = FindWindowW(L"#32768", nullptr);
    return menu != nullptr && IsWindowVisible(menu);
}

// Without a menu bar or a title bar the keyboard still reaches the way back.
TEST_F(WindowAppearanceTest, ABorderlessWindowOpensItsPopupMenuFromTheKeyboard) {
    WriteIni({"Menus_Off_CheckBox=1", "Title_Bar_Off_CheckBox=1"});
    StartApp();
    WaitForFirstTick();
    ASSERT_FALSE(MainFrame().caption);
    const std::vector<std::pair<const char*, std::vector<INPUT>>> gestures{
        {"Shift+F10", {Key(VK_SHIFT, false), Key(VK_F10, false), Key(VK_F10, true), Key(VK_SHIFT, true)}},
        {"menu key", {Key(VK_APPS, false), Key(VK_APPS, true)}},
    };
    for (const auto& [name, inputs] : gestures) {
        SetForegroundWindow(Main().Handle());
        SetFocus(Main().Handle());
        ASSERT_TRUE(PumpUntil([&] { return GetForegroundWindow() == Main().Handle(); })) << name;
        bool closed = false;
        const UINT_PTR safety = SetTimer(nullptr, 0, 2500, &LeaveMenuMode);
        const bool opened = RunModal(
            [&] {
                std::vector<INPUT> events = inputs;
                SendInput(static_cast<UINT>(events.size()), events.data(), sizeof(INPUT));
                PumpUntil([&] { return closed; }, 2000);
            },
            &PopupMenuOpen,
            [&] {
                EndMenu();
                closed = true;
            });
        KillTimer(nullptr, safety);
        EXPECT_TRUE(opened) << name;
        PumpUntil([] { return !PopupMenuOpen(); });
    }
}

}  // namespace
}  // namespace orvanta::testing

#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "app/main_form_win.h"
#include "core/settings_file.h"
#include "settings/options_setup_win.h"
#include "test_support.h"
#include "timetable/time_table_win.h"
#include "toolkit/win_text.h"

namespace orvanta::testing {
namespace {

// The file's lines without their ends; blank lines are left out.
std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (!line.empty()) {
            lines.push_back(line);
        }
    }
    return lines;
}

bool SameKey(const std::string& a, const std::string& b) {
    return CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, a.c_str(), -1, b.c_str(), -1) == CSTR_EQUAL;
}

// The values a key has in the file, matched as the profile functions match keys (ignoring case).
std::vector<std::string> ValuesOf(const std::vector<std::string>& lines, const std::string& key) {
    std::vector<std::string> values;
    for (const auto& line : lines) {
        const auto equals = line.find('=');
        if (equals != std::string::npos && SameKey(line.substr(0, equals), key)) {
            values.push_back(line.substr(equals + 1));
        }
    }
    return values;
}

// Text in the ANSI code page, as the file holds it.
std::string Ansi(const std::string& utf8) {
    const std::wstring wide = toolkit::Widen(utf8);
    const int size =
        WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), text.data(), size, nullptr, nullptr);
    return text;
}

const char* const kFlagKeys[] = {"Menus_Off_CheckBox",
                                 "Title_Bar_Off_CheckBox",
                                 "Auto_Window_Height_Sizing_CheckBox",
                                 "Auto_Window_Width_Sizing_CheckBox",
                                 "Show_Dates_and_Times_CheckBox",
                                 "Hide_Current_Location_CheckBox",
                                 "Always_on_Top_Option",
                                 "Auto_Run_at_Windows_Startup_Option"};

class SettingsFileTest : public AppTest {
  protected:
    TMainForm1& Main() { return app_->MainForm(); }
    std::string Description(int row) { return Main().Component("Other_Location_Label_" + std::to_string(row)).Text(); }

    void WriteIni(const std::vector<std::string>& lines) {
        std::string text = "[orvanta]\r\n";
        for (const auto& line : lines) {
            text += Ansi(line) + "\r\n";
        }
        WriteFileBytes(IniPath(), text);
    }
    std::vector<std::string> IniLines() { return Lines(ReadFileBytes(IniPath())); }
    // The single value of a key in the written file; a failure when it is missing or repeated.
    std::string Written(const std::string& key) {
        const auto values = ValuesOf(IniLines(), key);
        EXPECT_EQ(values.size(), 1u) << key;
        return values.empty() ? std::string("<missing>") : values.front();
    }

    // A close request, as the close box makes it; the window is gone afterwards.
    void CloseMainWindow() {
        const HWND window = Main().Handle();
        SendMessageW(window, WM_CLOSE, 0, 0);
        EXPECT_FALSE(IsWindow(window));
        PumpPending();  // the quit request the main window leaves behind
    }

    // What the eight flags are in the program, in the file's order.
    std::vector<bool> Flags() {
        return {app_->Model().Flag(SettingsFlag::MenusOff),
                app_->Model().Flag(SettingsFlag::TitleBarOff),
                app_->Model().Flag(SettingsFlag::AutoWindowHeightSizing),
                app_->Model().Flag(SettingsFlag::AutoWindowWidthSizing),
                app_->Model().Flag(SettingsFlag::ShowDatesAndTimes),
                app_->Model().Flag(SettingsFlag::HideCurrentLocation),
                Main().MenuEntry("Always_On_Top_Option").Checked(),
                Main().MenuEntry("Auto_Run_at_Windows_Startup_Option").Checked()};
    }
};

TEST_F(SettingsFileTest, APreparedFileFillsTheProgramAndChangesAreWrittenBack) {
    WriteIni({"window_top_posn=0x96", "window_left_posn=100", "window_ClientWidth=300",
              "window_ClientHeight=120abc",  // no number: the default, not 120
              "current_location_caption=Home :", "num_other_locations=3", "other_location_caption_1=Tokyo:9.0",
              "other_location_caption_2=S\xC3\xA3o Paulo:-3.0", "other_location_caption_3=Delhi:5.5"});
    StartApp();
    const RECT bounds = Main().WindowBounds();
    EXPECT_EQ(bounds.left, 100);
    EXPECT_EQ(bounds.top, 150);
    EXPECT_EQ(Main().ClientSize().cx, 300);
    EXPECT_EQ(Main().ClientSize().cy, 87);
    EXPECT_EQ(Entries(), (std::vector<std::string>{"Tokyo:9.0", "S\xC3\xA3o Paulo:-3.0", "Delhi:5.5"}));
    WaitForFirstTick();
    EXPECT_EQ(Description(0), "Home :");
    EXPECT_EQ(Description(2), "S\xC3\xA3o Paulo :");
    EXPECT_EQ(Description(3), "Delhi :");

    // The user moves and resizes the window and edits the settings.
    RECT frame{};
    GetWindowRect(Main().Handle(), &frame);
    MoveWindow(Main().Handle(), 130, 140, frame.right - frame.left + 20, frame.bottom - frame.top + 13, TRUE);
    app_->Model().SetCurrentLocationCaption("Home base :");
    app_->Model().RemovePlace(0);
    AddEntry("Lima:-5.0");
    app_->Model().SetFlag(SettingsFlag::ShowDatesAndTimes, true);
    CloseMainWindow();

    EXPECT_EQ(Written("window_top_posn"), "140");
    EXPECT_EQ(Written("window_left_posn"), "130");
    EXPECT_EQ(Written("window_ClientWidth"), "320");
    EXPECT_EQ(Written("window_ClientHeight"), "100");
    EXPECT_EQ(Written("current_location_caption"), "Home base :");
    EXPECT_EQ(Written("other_location_caption_1"), Ansi("S\xC3\xA3o Paulo:-3.0"));
    EXPECT_EQ(Written("other_location_caption_2"), "Delhi:5.5");
    EXPECT_EQ(Written("other_location_caption_3"), "Lima:-5.0");
    EXPECT_EQ(Written("Show_Dates_and_Times_CheckBox"), "1");
}

// Names outside the ANSI code page come back whole after a restart, in the rows and in the table's lists.
TEST_F(SettingsFileTest, NamesOutsideTheAnsiCodePageSurviveARestart) {
    const std::string tokyo = "\xE6\x9D\xB1\xE4\xBA\xAC:9.0";   // 東京
    const std::string lodz = "\xC5\x81\xC3\xB3\x64\xC5\xBA :";  // Łódź
    StartApp();
    AddEntry(tokyo);
    app_->Model().SetCurrentLocationCaption(lodz);
    CloseMainWindow();
    app_.reset();
    StartApp();
    WaitForFirstTick();
    EXPECT_EQ(Description(0), lodz);
    EXPECT_EQ(Description(1), "\xE6\x9D\xB1\xE4\xBA\xAC :");
    app_->TimeTable().FormActivate();
    EXPECT_EQ(app_->TimeTable().Component("Time_Zone_2_ListBox").Items(),
              (std::vector<std::string>{lodz + "0", tokyo}));
}

// A minimised window stands at -32000 with no client area, a maximised one fills the screen: what
// is saved is the place and size the window returns to.
TEST_F(SettingsFileTest, AMinimisedOrMaximisedWindowSavesThePlaceItReturnsTo) {
    for (const int state : {SW_MINIMIZE, SW_MAXIMIZE}) {
        WriteIni({"window_top_posn=150", "window_left_posn=120", "window_ClientWidth=300", "window_ClientHeight=140"});
        StartApp();
        ShowWindow(Main().Handle(), state);
        ASSERT_TRUE(state == SW_MINIMIZE ? IsIconic(Main().Handle()) : IsZoomed(Main().Handle()));
        CloseMainWindow();
        EXPECT_EQ(Written("window_top_posn"), "150") << state;
        EXPECT_EQ(Written("window_left_posn"), "120") << state;
        EXPECT_EQ(Written("window_ClientWidth"), "300") << state;
        EXPECT_EQ(Written("window_ClientHeight"), "140") << state;
        app_.reset();
    }
}

TEST_F(SettingsFileTest, EachFlagKeepsItsOwnKeyBothWays) {
    // Two complementary patterns: any two flags read or written under each other's key differ in one.
    for (const std::vector<bool>& pattern : {std::vector<bool>{true, false, true, false, true, false, true, false},
                                             std::vector<bool>{false, true, false, true, false, true, false, true}}) {
        std::vector<std::string> lines;
        for (std::size_t i = 0; i < pattern.size(); ++i) {
            // The first flag has always been read as "Menus_Off_Checkbox".
            lines.push_back(std::string(i == 0 ? "Menus_Off_Checkbox" : kFlagKeys[i]) + (pattern[i] ? "=1" : "=0"));
        }
        WriteIni(lines);
        // At start the registry decides the auto-run flag: give it the entry the pattern asks for.
        const wchar_t* runKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
        const std::wstring exe = toolkit::Widen(ExecutablePath());
        if (pattern.back()) {
            RegSetKeyValueW(HKEY_LOCAL_MACHINE, runKey, L"orvanta.exe", REG_SZ, exe.c_str(),
                            static_cast<DWORD>((exe.size() + 1) * sizeof(wchar_t)));
        }
        StartApp();
        RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, runKey, L"orvanta.exe");
        EXPECT_EQ(Flags(), pattern);
        CloseMainWindow();
        for (std::size_t i = 0; i < pattern.size(); ++i) {
            EXPECT_EQ(Written(kFlagKeys[i]), pattern[i] ? "1" : "0") << kFlagKeys[i];
        }
        app_.reset();
    }
}

TEST_F(SettingsFileTest, TheMenusOffFlagIsReadUnderEitherSpelling) {
    for (const char* key : {"Menus_Off_Checkbox", "Menus_Off_CheckBox"}) {
        WriteIni({std::string(key) + "=1"});
        StartApp();
        EXPECT_TRUE(app_->Model().Flag(SettingsFlag::MenusOff)) << key;
        CloseMainWindow();
        EXPECT_EQ(Written("Menus_Off_CheckBox"), "1") << key;
        app_.reset();
    }
}

TEST_F(SettingsFileTest, AShorterListLeavesTheLongerListsEntriesInTheFile) {
    WriteIni({"num_other_locations=5", "other_location_caption_1=A:1.0", "other_location_caption_2=B:2.0",
              "other_location_caption_3=C:3.0", "other_location_caption_4=D:4.0", "other_location_caption_5=E:5.0"});
    StartApp();
    for (const std::size_t index : {4, 2, 0}) {
        app_->Model().RemovePlace(index);
    }
    CloseMainWindow();
    EXPECT_EQ(Written("num_other_locations"), "2");
    EXPECT_EQ(Written("other_location_caption_1"), "B:2.0");
    EXPECT_EQ(Written("other_location_caption_2"), "D:4.0");
    EXPECT_EQ(Written("other_location_caption_3"), "C:3.0");
    EXPECT_EQ(Written("other_location_caption_4"), "D:4.0");
    EXPECT_EQ(Written("other_location_caption_5"), "E:5.0");

    app_.reset();
    StartApp();
    EXPECT_EQ(Entries(), (std::vector<std::string>{"B:2.0", "D:4.0"}));
}

TEST_F(SettingsFileTest, AFailedWriteIsReportedAndTheCloseAskedOnlyWhileWindowsIsNotEnding) {
    ASSERT_TRUE(CreateDirectoryW(toolkit::Widen(IniPath()).c_str(), nullptr));
    StartApp();
    const HWND window = Main().Handle();
    const std::string message = "Unable to write to " + IniPath();
    ASSERT_EQ(IniPath().substr(1, 2), ":\\");  // the message names the full path

    // No, the default, keeps the window so that the cause can be fixed.
    dialogs_.answers = {DialogButton::Ok, DialogButton::No};
    SendMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindow(window));
    EXPECT_TRUE(IsWindowVisible(window));
    ASSERT_EQ(dialogs_.shown.size(), 2u);
    EXPECT_EQ(dialogs_.shown[0].text, message);
    EXPECT_EQ(dialogs_.shown[0].kind, MessageKind::Error);
    EXPECT_EQ(dialogs_.shown[0].buttons, ButtonSet::Ok);
    EXPECT_EQ(dialogs_.shown[1].text, kCloseWithoutSavingQuestion);
    EXPECT_EQ(dialogs_.shown[1].buttons, ButtonSet::YesNo);
    EXPECT_EQ(dialogs_.shown[1].defaultButton, DialogButton::No);
    dialogs_.shown.erase(dialogs_.shown.begin());

    // Windows ending the session asks the same question: the write fails and is reported again,
    // and although the close question now says no, the end of the session is not refused.
    EXPECT_EQ(SendMessageW(window, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), TRUE);
    ASSERT_EQ(dialogs_.shown.size(), 2u);
    EXPECT_EQ(dialogs_.shown[1].text, message);
    EXPECT_EQ(dialogs_.shown[1].kind, MessageKind::Error);

    // Once the cause is gone, the next close request writes the file and closes.
    ASSERT_TRUE(RemoveDirectoryW(toolkit::Widen(IniPath()).c_str()));
    CloseMainWindow();
    EXPECT_EQ(dialogs_.shown.size(), 2u);
    EXPECT_EQ(IniLines().size(), 15u);

    // Yes closes it, with this run's changes lost.
    ASSERT_TRUE(DeleteFileW(toolkit::Widen(IniPath()).c_str()));
    ASSERT_TRUE(CreateDirectoryW(toolkit::Widen(IniPath()).c_str(), nullptr));
    StartApp();
    dialogs_.answers = {DialogButton::Ok, DialogButton::Yes};
    CloseMainWindow();
}

TEST_F(SettingsFileTest, ASavedPositionNoMonitorShowsIsBroughtOntoTheScreen) {
    struct Case {
        int left;
        int top;
        bool visible;
    };
    const Case cases[] = {
        {10, 20, true},      {900, 700, true},    {-100, -10, true},  // partly on the screen: kept exactly
        {5000, 5000, false}, {-5000, 300, false}, {300, -5000, false}, {5000, -5000, false},
    };
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT work = monitor.rcWork;
    for (const Case& c : cases) {
        WriteIni({"window_top_posn=" + std::to_string(c.top), "window_left_posn=" + std::to_string(c.left)});
        StartApp();
        const RECT bounds = Main().WindowBounds();
        const int width = bounds.right - bounds.left;
        const int height = bounds.bottom - bounds.top;
        int left = c.left;
        int top = c.top;
        if (!c.visible) {
            left = std::max<int>(work.left, std::min<int>(c.left, work.right - width));
            top = std::max<int>(work.top, std::min<int>(c.top, work.bottom - height));
        }
        EXPECT_EQ(bounds.left, left) << "saved at " << c.left << ", " << c.top;
        EXPECT_EQ(bounds.top, top) << "saved at " << c.left << ", " << c.top;
        EXPECT_EQ(Main().ClientSize().cx, 240);
        EXPECT_EQ(Main().ClientSize().cy, 87);
        app_.reset();
    }
}

}  // namespace
}  // namespace orvanta::testing

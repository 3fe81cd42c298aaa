#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cwchar>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/main_form_win.h"
#include "settings/options_setup_win.h"
#include "test_support.h"
#include "toolkit/win_message_dialogs.h"
#include "toolkit/win_text.h"

namespace orvanta::testing {
namespace {

// Counts the WM_SETTEXT messages a window receives while it lives.
class SetTextCounter {
  public:
    explicit SetTextCounter(HWND window) : window_(window) {
        SetWindowSubclass(window_, &Count, 0, reinterpret_cast<DWORD_PTR>(this));
    }
    SetTextCounter(const SetTextCounter&) = delete;
    SetTextCounter& operator=(const SetTextCounter&) = delete;
    ~SetTextCounter() { RemoveWindowSubclass(window_, &Count, 0); }

    int count = 0;
    std::vector<std::wstring> texts;

  private:
    static LRESULT CALLBACK Count(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self) {
        if (message == WM_SETTEXT) {
            auto* counter = reinterpret_cast<SetTextCounter*>(self);
            ++counter->count;
            counter->texts.emplace_back(reinterpret_cast<const wchar_t*>(lParam));
        }
        return DefSubclassProc(window, message, wParam, lParam);
    }

    HWND window_;
};

// The message dialogs that are open now, of one title.
int OpenMessageDialogs(const wchar_t* title) {
    int open = 0;
    for (HWND dialog = FindWindowExW(nullptr, nullptr, L"OrvantaMessageDialog", title); dialog != nullptr;
         dialog = FindWindowExW(nullptr, dialog, L"OrvantaMessageDialog", title)) {
        open += IsWindowVisible(dialog) ? 1 : 0;
    }
    return open;
}

// Presses a button of every open message dialog of one title.
void PressInEveryDialog(const wchar_t* title, const wchar_t* button) {
    for (HWND dialog = FindWindowExW(nullptr, nullptr, L"OrvantaMessageDialog", title); dialog != nullptr;
         dialog = FindWindowExW(nullptr, dialog, L"OrvantaMessageDialog", title)) {
        PostMessageW(FindWindowExW(dialog, nullptr, L"Button", button), BM_CLICK, 0, 0);
    }
}

// The real message dialogs, counting the error boxes they show and how many are open at once; or,
// when unshowable, as when the system has no window left to give, none: every message throws.
class CountedDialogs final : public MessageDialogs {
  public:
    DialogButton Show(MessageKind kind, std::string_view text, ButtonSet buttons, DialogButton defaultButton) override {
        ++attempts;
        if (unshowable) {
            throw std::runtime_error("no window for the box");
        }
        const bool error = kind == MessageKind::Error;
        errorsShown += error ? 1 : 0;
        errorsOpen += error ? 1 : 0;
        mostErrorsOpen = std::max(mostErrorsOpen, errorsOpen);
        const DialogButton answer = real_.Show(kind, text, buttons, defaultButton);
        errorsOpen -= error ? 1 : 0;
        return answer;
    }

    bool unshowable = false;
    int attempts = 0;
    int errorsShown = 0;
    int errorsOpen = 0;
    int mostErrorsOpen = 0;

  private:
    toolkit::WinMessageDialogs real_;
};

class MainFormTest : public AppTest {
  protected:
    TMainForm1& Main() { return app_->MainForm(); }
    toolkit::Control& Row(const char* prefix, int row) {
        return Main().Component(std::string(prefix) + std::to_string(row));
    }
    std::string Description(int row) { return Row("Other_Location_Label_", row).Text(); }
    std::string Time(int row) { return Row("Other_Location_Time_", row).Text(); }
    bool Shown(int row) {
        const bool description = IsWindowVisible(Row("Other_Location_Label_", row).Handle()) != FALSE;
        EXPECT_EQ(description, IsWindowVisible(Row("Other_Location_Time_", row).Handle()) != FALSE) << "row " << row;
        return description;
    }
    int VisibleRowCount() {
        int count = 0;
        for (int row = 0; row <= 10; ++row) {
            count += Shown(row) ? 1 : 0;
        }
        return count;
    }
};

TEST_F(MainFormTest, FirstRunShowsTheCurrentLocationAtTheDefaultPlace) {
    StartApp();
    EXPECT_EQ(Main().Caption(), "Orvanta v2.7f");
    const RECT bounds = Main().WindowBounds();
    EXPECT_EQ(bounds.left, 200);
    EXPECT_EQ(bounds.top, 200);
    EXPECT_EQ(Main().ClientSize().cx, 240);
    EXPECT_EQ(Main().ClientSize().cy, 87);
    EXPECT_EQ(Description(0), "Here :");
    EXPECT_EQ(app_->Model().CurrentLocationCaption(), "Here :");

    WaitForFirstTick();
    EXPECT_EQ(Time(0), " 13:20:05 ");
    EXPECT_EQ(VisibleRowCount(), 1);
    EXPECT_EQ(GetWindowLongW(Main().Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
}

TEST_F(MainFormTest, EntriesInTheStoreBecomeRowsAndTheHideFlagMovesThemUp) {
    StartApp();
    WaitForFirstTick();
    AddEntry("Tokyo:9.0");
    AddEntry("Delhi:-7.5");
    EXPECT_EQ(VisibleRowCount(), 3);
    EXPECT_EQ(Description(1), "Tokyo :");
    EXPECT_EQ(Time(1), " 22:20:05 ");
    EXPECT_EQ(Description(2), "Delhi :");
    EXPECT_EQ(Time(2), " 05:50:05 ");

    app_->Model().SetFlag(SettingsFlag::HideCurrentLocation, true);
    EXPECT_EQ(VisibleRowCount(), 2);
    EXPECT_EQ(Description(0), "Tokyo :");
    EXPECT_EQ(Description(1), "Delhi :");
    EXPECT_FALSE(Shown(2));

    app_->Model().SetFlag(SettingsFlag::HideCurrentLocation, false);
    app_->Model().RemovePlace(0);
    EXPECT_EQ(Description(0), "Here :");
    EXPECT_EQ(Description(1), "Delhi :");
    EXPECT_EQ(VisibleRowCount(), 2);
}

// A description that would reach its time is cut with an ellipsis, whole in the row's tooltip; a
// window that fits its width moves the times past it instead and grows to hold them.
TEST_F(MainFormTest, NoTimeIsEverHiddenByALongDescription) {
    const std::string longName = "Headquarters of the International Widget Company, Wellington";
    StartApp();
    WaitForFirstTick();
    AddEntry(longName + ":12.0");
    const RECT designedTime = Row("Other_Location_Time_", 0).Bounds();
    const RECT cut = Row("Other_Location_Label_", 1).Bounds();
    EXPECT_LE(cut.right, designedTime.left);
    EXPECT_NE(GetWindowLongW(Row("Other_Location_Label_", 1).Handle(), GWL_STYLE) & SS_ENDELLIPSIS, 0);
    EXPECT_EQ(Description(1), longName + " :");

    PostMessageW(Main().Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(cut.left + 1, cut.top + 1));
    PumpPending();
    const HWND tips = FindWindowExW(nullptr, nullptr, TOOLTIPS_CLASSW, nullptr);
    wchar_t text[256] = L"";
    TOOLINFOW tool{sizeof(tool), 0, Main().Handle(), 1};
    tool.lpszText = text;
    SendMessageW(tips, TTM_GETTEXTW, std::size(text), reinterpret_cast<LPARAM>(&tool));
    // Then where the place is.
    EXPECT_EQ(toolkit::Narrow(text), longName + " :\nFixed offset\n12 hours ahead, tomorrow");

    app_->Model().SetFlag(SettingsFlag::AutoWindowWidthSizing, true);
    Main().Auto_Size_Window();
    const RECT whole = Row("Other_Location_Label_", 1).Bounds();
    const RECT moved = Row("Other_Location_Time_", 1).Bounds();
    EXPECT_GT(whole.right, designedTime.left);
    EXPECT_LE(whole.right, moved.left);
    EXPECT_EQ(Row("Other_Location_Time_", 0).Bounds().left, moved.left);
    EXPECT_GE(Main().ClientSize().cx, moved.right);
}

TEST_F(MainFormTest, TheClockTickRefreshesRowsAndSteadyLabelsAreLeftAlone) {
    StartApp();
    WaitForFirstTick();
    AddEntry("Nowhere:abc");
    AddEntry("Rio:-3.0");
    now_ = *LocalDateTime::FromParts({2026, 12, 7, 13, 20, 9, 0});
    ASSERT_TRUE(PumpUntil([&] { return Time(0) == " 13:20:09 "; }, 3000));
    EXPECT_EQ(Time(1), " ?? ");
    EXPECT_EQ(Time(2), " 10:20:09 ");

    // A label whose text has not changed is not touched, so it does not repaint. Wine's STATIC
    // repaints inside WM_SETTEXT, leaving no update region to look at: WM_SETTEXT is counted.
    SetTextCounter description(Row("Other_Location_Label_", 0).Handle());
    SetTextCounter time(Row("Other_Location_Time_", 0).Handle());
    Main().Update_Location_Rows();
    EXPECT_EQ(description.count, 0);
    EXPECT_EQ(time.count, 0);
    now_ = *LocalDateTime::FromParts({2026, 12, 7, 13, 20, 10, 0});
    Main().Update_Location_Rows();
    EXPECT_EQ(description.count, 0);
    EXPECT_EQ(time.count, 1);
}

// Only the main window is made at start; each other window when it is first opened.
TEST_F(MainFormTest, TheOtherWindowsAreMadeWhenFirstOpened) {
    StartApp();
    WaitForFirstTick();
    for (const wchar_t* className : {L"TOptions_Setup", L"TTime_Table", L"TAboutBox", L"THelpBox"}) {
        EXPECT_EQ(FindWindowW(className, nullptr), nullptr) << toolkit::Narrow(className);
    }
    app_->HelpBox();
    EXPECT_NE(FindWindowW(L"THelpBox", nullptr), nullptr);
}

// What the rows hold when the main window is first shown, before any of it paints.
LRESULT CALLBACK
RecordRowsAtFirstShowing(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR rows) {
    auto* seen = reinterpret_cast<std::vector<std::wstring>*>(rows);
    if (message == WM_SHOWWINDOW && wParam != FALSE && seen->empty()) {
        for (HWND child = GetWindow(window, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
            if ((GetWindowLongW(child, GWL_STYLE) & WS_VISIBLE) != 0) {
                seen->push_back(toolkit::Widen(toolkit::WindowText(child)));
            }
        }
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

TEST_F(MainFormTest, TheFirstShowingFillsEveryRowFromTheStoreAndTheFirstTickStillComesSoon) {
    WriteFileBytes(IniPath(),
                   "[orvanta]\r\nnum_other_locations=2\r\nother_location_caption_1=Tokyo:9.0\r\n"
                   "other_location_caption_2=Nowhere:abc\r\n");
    CreateApp();
    std::vector<std::wstring> seen;
    SetWindowSubclass(Main().Handle(), &RecordRowsAtFirstShowing, 0, reinterpret_cast<DWORD_PTR>(&seen));
    app_->ShowMainForm();
    RemoveWindowSubclass(Main().Handle(), &RecordRowsAtFirstShowing, 0);
    std::sort(seen.begin(), seen.end());  // in the windows' order, which is not the rows'
    EXPECT_EQ(seen,
              (std::vector<std::wstring>{L" 13:20:05 ", L" 22:20:05 ", L" ?? ", L"Here :", L"Nowhere :", L"Tokyo :"}));

    auto& timer = Main().TimerNamed("Timer1");
    EXPECT_EQ(timer.Interval(), 100u);
    EXPECT_FALSE(Main().FormActivate_Already_Run_CheckBox);
    WaitForFirstTick();
    EXPECT_EQ(Time(0), " 13:20:05 ");
    // The test clock reads 13:20:05.985: the next second is 15 ms away, and the tick aims past it.
    EXPECT_EQ(timer.Interval(), 30u);
}

TEST_F(MainFormTest, EverySecondOfTheComputersClockIsShownOnceAndInOrder) {
    systemClock_ = true;
    StartApp();
    WaitForFirstTick();
    SetTextCounter time(Row("Other_Location_Time_", 0).Handle());
    PumpUntil([] { return false; }, 20000);

    ASSERT_GE(time.texts.size(), 18u);
    int previous = -1;
    for (const std::wstring& text : time.texts) {
        int hour = 0, minute = 0, second = 0;
        ASSERT_EQ(swscanf(text.c_str(), L" %d:%d:%d", &hour, &minute, &second), 3) << toolkit::Narrow(text);
        const int now = (hour * 60 + minute) * 60 + second;
        if (previous >= 0) {
            EXPECT_EQ(now, (previous + 1) % 86400) << toolkit::Narrow(text);
        }
        previous = now;
    }
}

TEST_F(MainFormTest, TheClockKeepsTickingWhileAMessageDialogIsOpen) {
    StartApp();
    WaitForFirstTick();
    toolkit::WinMessageDialogs realDialogs(Main().Handle());
    DialogButton answer = DialogButton::Cancel;
    bool tickedWhileOpen = false;
    const bool opened = RunModal(
        [&] {
            answer = realDialogs.Show(MessageKind::Warning, "Remove this Location ?", ButtonSet::YesCancel,
                                      DialogButton::Yes);
        },
        [] { return FindWindowW(L"OrvantaMessageDialog", L"Warning") != nullptr; },
        [&] {
            now_ = *LocalDateTime::FromParts({2026, 12, 7, 14, 0, 0, 0});
            tickedWhileOpen = PumpUntil([&] { return Time(0) == " 14:00:00 "; }, 2000);
            HWND dialog = FindWindowW(L"OrvantaMessageDialog", L"Warning");
            SendMessageW(FindWindowExW(dialog, nullptr, L"Button", L"Cancel"), BM_CLICK, 0, 0);
        });
    ASSERT_TRUE(opened);
    EXPECT_TRUE(tickedWhileOpen);
    EXPECT_EQ(answer, DialogButton::Cancel);
}

// The clock keeps ticking inside every modal loop, the error box's own included: a tick that
// fails again and again while a message dialog is open opens one error box, not one inside another.
TEST_F(MainFormTest, AFailingTickWhileAMessageDialogIsOpenOpensOneErrorBox) {
    CountedDialogs dialogs;
    dialogsPort_ = &dialogs;
    StartApp();
    WaitForFirstTick();
    int readingsWithTheBoxOpen = 0;
    int errorBoxesOnScreen = 0;
    auto closeEverything = [&] {
        clockFails_ = false;
        PressInEveryDialog(L"Error", L"OK");
        PressInEveryDialog(L"Warning", L"OK");
    };
    std::vector<ModalStep> steps{
        [&] { clockFails_ = true; },
        ModalStep::WaitUntil([] { return OpenMessageDialogs(L"Error") > 0; }),
        [&] { readingsWithTheBoxOpen = clockReadings_; },
        ModalStep::WaitUntil([&] {
            errorBoxesOnScreen = std::max(errorBoxesOnScreen, OpenMessageDialogs(L"Error"));
            return clockReadings_ >= readingsWithTheBoxOpen + 5;
        }),
        [&] {
            clockFails_ = false;
            PressInEveryDialog(L"Error", L"OK");
        },
        ModalStep::WaitUntil([] { return OpenMessageDialogs(L"Error") == 0; }),
        [] { PressInEveryDialog(L"Warning", L"OK"); },
    };
    const ModalScriptOutcome outcome =
        RunModalScript([&] { app_->Dialogs().Warn("Read this while the clock fails."); },
                       [] { return OpenMessageDialogs(L"Warning") == 1; }, std::move(steps), closeEverything);
    ASSERT_TRUE(outcome.opened);
    EXPECT_TRUE(outcome.finished);
    EXPECT_TRUE(outcome.timedOut.empty());
    EXPECT_EQ(dialogs.errorsShown, 1);
    EXPECT_EQ(dialogs.mostErrorsOpen, 1);
    EXPECT_EQ(errorBoxesOnScreen, 1);
    // The ticks that failed while the box was open were counted, not shown.
    EXPECT_GE(app_->UncaughtErrors().CountedWhileOpen(), 5);
    // And the clock goes on once it can be read again.
    now_ = *LocalDateTime::FromParts({2026, 12, 7, 15, 0, 0, 0});
    EXPECT_TRUE(PumpUntil([&] { return Time(0) == " 15:00:00 "; }, 2000));
}

// The captions of a menu's entries as Windows holds them, "-" for a separator.
std::vector<std::string> MenuCaptions(HMENU menu) {
    std::vector<std::string> captions;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        wchar_t text[128] = {};
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_STRING;
        info.dwTypeData = text;
        info.cch = 127;
        GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info);
        captions.push_back((info.fType & MFT_SEPARATOR) ? "-" : toolkit::Narrow(text));
    }
    return captions;
}

TEST_F(MainFormTest, MenusHoldTheirEntriesInOrderOnceShown) {
    StartApp();
    HMENU bar = GetMenu(Main().Handle());
    EXPECT_EQ(MenuCaptions(bar), (std::vector<std::string>{"&File", "Help"}));  // the spare entry is hidden
    EXPECT_EQ(MenuCaptions(GetSubMenu(bar, 0)),
              (std::vector<std::string>{"&Settings", "-", "Always on Top", "Auto-Run at Windows Startup",
                                        "Restore Factory Defaults", "-", "&Time Comparison Table", "&Planner...",
                                        "-", "Menus and Title Bar On / Off", "-", "E&xit"}));
    EXPECT_EQ(MenuCaptions(GetSubMenu(bar, 1)),
              (std::vector<std::string>{"&Help", "-", "&View Readme file", "View &Shareware Catalog", "&About"}));
    EXPECT_EQ(
        MenuCaptions(Main().PopupMenu()->Handle()),
        (std::vector<std::string>{"Menus / Title Bar On / Off", "-", "&Settings", "-", "&Time Comparison Table",
                                  "&Planner...", "&Read All Places\tCtrl+R", "-", "Help", "About", "-", "E&xit"}));

    // Shown again, a hidden entry returns to its place.
    auto& spare = Main().MenuEntry("SpareMenu");
    EXPECT_EQ(spare.Caption(), "");
    spare.SetVisible(true);
    Main().MenuEntry("About1").SetVisible(true);
    EXPECT_EQ(MenuCaptions(bar), (std::vector<std::string>{"&File", "Help", ""}));
    EXPECT_EQ(MenuCaptions(GetSubMenu(bar, 1)),
              (std::vector<std::string>{"&Help", "-", "&View Readme file", "View &Shareware Catalog", "-", "&About"}));
}

INPUT Key(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

INPUT RightButton(POINT screen, bool up) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(screen.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = MulDiv(screen.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE | (up ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_RIGHTDOWN);
    return input;
}

// Should a gesture fail to open the pop-up menu, F10 alone would leave the window in menu-bar mode,
// waiting for a key that never comes; this ends it so that the test fails instead of hanging.
void CALLBACK LeaveMenuMode(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    EndMenu();
}

// Real input, as the user gives it: Shift+F10, the menu key, and a right click on a row's labels.
TEST_F(MainFormTest, ThePopupMenuOpensFromTheKeyboardAndFromARightClickOnARowAlsoWhenBorderless) {
    StartApp();
    WaitForFirstTick();
    auto centreOf = [](HWND label) {
        RECT bounds{};
        GetWindowRect(label, &bounds);
        return POINT{(bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2};
    };
    // In the borderless strip too: there the keyboard and the rows are the only way back.
    for (const bool borderless : {false, true}) {
        if (borderless) {
            Main().Menus_and_Title_Bar_On_Off_Popup_OptionClick();
        }
        const POINT description = centreOf(Row("Other_Location_Label_", 0).Handle());
        const POINT time = centreOf(Row("Other_Location_Time_", 0).Handle());
        const std::vector<std::pair<const char*, std::vector<INPUT>>> gestures{
            {"Shift+F10", {Key(VK_SHIFT, false), Key(VK_F10, false), Key(VK_F10, true), Key(VK_SHIFT, true)}},
            {"menu key", {Key(VK_APPS, false), Key(VK_APPS, true)}},
            {"right click on the description", {RightButton(description, false), RightButton(description, true)}},
            {"right click on the time", {RightButton(time, false), RightButton(time, true)}},
        };
        for (const auto& [name, inputs] : gestures) {
            SetForegroundWindow(Main().Handle());
            SetFocus(Main().Handle());
            ASSERT_TRUE(PumpUntil([&] { return GetForegroundWindow() == Main().Handle(); }));
            bool closed = false;
            const UINT_PTR safety = SetTimer(nullptr, 0, 2500, &LeaveMenuMode);
            const bool opened = RunModal(
                [&] {
                    std::vector<INPUT> events = inputs;
                    SendInput(static_cast<UINT>(events.size()), events.data(), sizeof(INPUT));
                    // The input arrives through the queue; the menu's own loop runs inside this pumping.
                    PumpUntil([&] { return closed; }, 2000);
                },
                [] {
                    HWND menu = FindWindowW(L"#32768", nullptr);
                    return menu != nullptr && IsWindowVisible(menu);
                },
                [&] {
                    EndMenu();
                    closed = true;
                });
            KillTimer(nullptr, safety);
            EXPECT_TRUE(opened) << name << (borderless ? ", borderless" : "");
            PumpUntil([] {
                HWND menu = FindWindowW(L"#32768", nullptr);
                return menu == nullptr || !IsWindowVisible(menu);
            });
        }
    }
}

TEST_F(MainFormTest, StartedMinimisedOrMaximisedEndsInThatState) {
    startupShowState_ = SW_SHOWMINIMIZED;
    StartApp();
    EXPECT_TRUE(IsIconic(Main().Handle()));
    app_.reset();

    startupShowState_ = SW_SHOWMAXIMIZED;
    StartApp();
    EXPECT_TRUE(IsZoomed(Main().Handle()));
}

TEST_F(MainFormTest, ShowingTheWindowAgainReadsNothing) {
    StartApp();
    WriteFileBytes(IniPath(), "[orvanta]\r\ncurrent_location_caption=Elsewhere :\r\n");
    Main().Hide();
    Main().Show();
    EXPECT_EQ(app_->Model().CurrentLocationCaption(), "Here :");
}

TEST_F(MainFormTest, EveryCloseRequestWritesTheSettings) {
    StartApp();
    EXPECT_TRUE(SendMessageW(Main().Handle(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF));
    EXPECT_TRUE(FileExists(IniPath()));
    EXPECT_TRUE(IsWindow(Main().Handle()));
    DeleteFileW(toolkit::Widen(IniPath()).c_str());

    // Both Exit entries close the window through the same question.
    const UINT exitCommand = Main().MenuEntry("Exit_Popup_Option").CommandId();
    HWND window = Main().Handle();
    SendMessageW(window, WM_COMMAND, exitCommand, 0);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_TRUE(FileExists(IniPath()));
}

TEST_F(MainFormTest, AChangeOfRegionalSettingsShowsAtTheNextRefresh) {
    StartApp();
    WaitForFirstTick();
    formats_.clock24Hour = false;
    formats_.amDesignator = "AM";
    formats_.pmDesignator = "PM";
    Main().Update_Location_Rows();
    EXPECT_EQ(Time(0), " 13:20:05 ");  // not read again until Windows says so
    std::wstring intl = L"intl";
    SendMessageW(Main().Handle(), WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(intl.c_str()));
    Main().Update_Location_Rows();
    EXPECT_EQ(Time(0), " 01:20:05 PM ");
}

TEST_F(MainFormTest, AnErrorWhoseBoxCannotBeMadeEndsInAPlainMessageBoxAndTheProgramGoesOn) {
    CountedDialogs dialogs;
    dialogs.unshowable = true;
    dialogsPort_ = &dialogs;
    StartApp();
    WaitForFirstTick();
    const UINT readme = Main().MenuEntry("View_Readme_file_Option").CommandId();
    const auto plainErrorBox = [] { return FindWindowW(L"#32770", L"Error"); };
    std::string shownText;
    // The fake shell has no Notepad: the handler's information box throws, then the error box.
    const bool opened = RunModal([&] { SendMessageW(Main().Handle(), WM_COMMAND, readme, 0); },
                                 [&] { return plainErrorBox() != nullptr; },
                                 [&] {
                                     shownText = toolkit::WindowText(GetDlgItem(plainErrorBox(), 0xFFFF));
                                     PostMessageW(plainErrorBox(), WM_COMMAND, IDOK, 0);
                                 });
    EXPECT_TRUE(opened);
    EXPECT_EQ(shownText, "no window for the box");
    EXPECT_EQ(dialogs.attempts, 2);
    // The window is still there and its clock goes on.
    now_ = *LocalDateTime::FromParts({2026, 12, 7, 15, 0, 0, 0});
    EXPECT_TRUE(PumpUntil([&] { return Time(0) == " 15:00:00 "; }, 2000));
    EXPECT_FALSE(app_->UncaughtErrors().BoxOpen());
}

}  // namespace
}  // namespace orvanta::testing

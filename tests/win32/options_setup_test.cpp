#include <windows.h>

#include <commctrl.h>
#include <windowsx.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "app/main_form_win.h"
#include "settings/options_setup_win.h"
#include "test_support.h"
#include "toolkit/handles.h"
#include "toolkit/win_text.h"

namespace orvanta::testing {
namespace {

class OptionsSetupTest : public AppTest {
  protected:
    TMainForm1& Main() { return app_->MainForm(); }
    TOptions_Setup& Dialog() { return app_->OptionsSetup(); }
    toolkit::Control& Options(const char* name) { return Dialog().Component(name); }
    std::string Description(int row) { return Main().Component("Other_Location_Label_" + std::to_string(row)).Text(); }
    bool RowShown(int row) {
        return IsWindowVisible(Main().Component("Other_Location_Label_" + std::to_string(row)).Handle()) != FALSE;
    }

    // The program started, its first tick done, and the clock stopped, so that rows change only
    // when something other than the tick rebuilds them.
    void StartWithClockStopped() {
        StartApp();
        WaitForFirstTick();
        Main().TimerNamed("Timer1").SetEnabled(false);
    }

    // Opens the dialog with a main-window menu command, runs the steps inside it and waits until
    // the command returns. A failure when the dialog never opened, closed too early or had to be ended.
    void RunDialog(const char* menuEntry, std::vector<ModalStep> steps) {
        const std::size_t count = steps.size();
        const ModalScriptOutcome outcome = RunModalScript(
            [&] { SendMessageW(Main().Handle(), WM_COMMAND, Main().MenuEntry(menuEntry).CommandId(), 0); },
            [&] { return Dialog().InModalLoop() && Dialog().Showing(); }, std::move(steps),
            [&] { Dialog().EndModal(forms::ModalResult::Cancel); });
        EXPECT_TRUE(outcome.finished) << "the dialog did not open, or closed too early (" << count << " steps)";
        EXPECT_FALSE(outcome.forcedClosed) << "the dialog did not close";
        for (std::size_t step : outcome.timedOut) {
            ADD_FAILURE() << "step " << step << ": the condition never held";
        }
        EXPECT_FALSE(Dialog().Showing());
    }

    void ClickOk() { SendMessageW(Options("OKBtn").Handle(), BM_CLICK, 0, 0); }
    void ClickCloseBox() { PostMessageW(Dialog().Handle(), WM_SYSCOMMAND, SC_CLOSE, 0); }

    // A left click at a point of a control's client area, as the mouse gives it.
    static void ClickAt(HWND control, POINT point) {
        const LPARAM where = MAKELPARAM(point.x, point.y);
        SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, where);
        SendMessageW(control, WM_LBUTTONUP, 0, where);
    }
    void ClickSpin(bool up) {
        const HWND spin = Options("Housrs_Diff_SpinButton").Handle();
        RECT client{};
        GetClientRect(spin, &client);
        ClickAt(spin, {client.right / 2, up ? client.bottom / 4 : client.bottom * 3 / 4});
    }
    void PressSpinKey(bool up) {
        const HWND buddy = Options("Hours_Time_Difference").Handle();
        SendMessageW(buddy, WM_KEYDOWN, up ? VK_UP : VK_DOWN, 1);
        SendMessageW(buddy, WM_KEYUP, up ? VK_UP : VK_DOWN, 0xC0000001);
    }
    void ClickListItem(int index) {
        const HWND list = Options("Other_Locations_ListBox").Handle();
        RECT item{};
        ASSERT_NE(SendMessageW(list, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&item)), LB_ERR);
        ClickAt(list, {(item.left + item.right) / 2, (item.top + item.bottom) / 2});
    }
    void ClickTab(int page) {
        const HWND tabs = Options("TabbedNotebook1").Handle();
        RECT item{};
        ASSERT_TRUE(SendMessageW(tabs, TCM_GETITEMRECT, page, reinterpret_cast<LPARAM>(&item)));
        ClickAt(tabs, {(item.left + item.right) / 2, (item.top + item.bottom) / 2});
    }
    // The finder's parts; keys posted through the dialog's loop; a text put in as a paste would.
    COMBOBOXINFO Finder() {
        COMBOBOXINFO info{sizeof(info)};
        GetComboBoxInfo(Options("Place_Finder_ComboBox").Handle(), &info);
        return info;
    }
    void Press(UINT message, WPARAM key, LPARAM data = 1) { PostMessageW(GetFocus(), message, key, data); }
    void SetFinderText(const std::string& text) {
        SendMessageW(Finder().hwndItem, EM_SETSEL, 0, -1);
        SendMessageW(Finder().hwndItem, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(toolkit::Widen(text).c_str()));
    }
    // Types a description and presses "Add to List".
    void AddLocation(const std::string& description) {
        Options("Other_Location_EditBox").SetText(description);
        SendMessageW(Options("Add_to_List_Button").Handle(), BM_CLICK, 0, 0);
    }
};

BOOL CALLBACK CollectButtonCaption(HWND child, LPARAM captions) {
    wchar_t className[16] = {};
    GetClassNameW(child, className, 16);
    if (lstrcmpiW(className, L"Button") == 0) {
        wchar_t text[64] = {};
        GetWindowTextW(child, text, 64);
        reinterpret_cast<std::vector<std::string>*>(captions)->push_back(toolkit::Narrow(text));
    }
    return TRUE;
}

// The captions of every button in the window, at any depth (tab pages are windows of their own).
std::vector<std::string> ButtonCaptions(HWND window) {
    std::vector<std::string> captions;
    EnumChildWindows(window, &CollectButtonCaption, reinterpret_cast<LPARAM>(&captions));
    return captions;
}

std::string TabCaption(HWND tabs, int index) {
    wchar_t text[64] = {};
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = 63;
    SendMessageW(tabs, TCM_GETITEMW, index, reinterpret_cast<LPARAM>(&item));
    return toolkit::Narrow(text);
}

TEST_F(OptionsSetupTest, OpensCentredModalOnItsFirstPageWithOkFocused) {
    StartApp();
    RunDialog("SettingsOption", {[&] {
                  const HWND dialog = Dialog().Handle();
                  EXPECT_EQ(Dialog().Caption(), "Orvanta Setup :");
                  RECT client{};
                  GetClientRect(dialog, &client);
                  EXPECT_EQ(client.right, 353);
                  EXPECT_EQ(client.bottom, 362);
                  RECT frame{};
                  GetWindowRect(dialog, &frame);
                  EXPECT_NEAR((frame.left + frame.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
                  EXPECT_NEAR((frame.top + frame.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);

                  const HWND tabs = Options("TabbedNotebook1").Handle();
                  ASSERT_EQ(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0), 3);
                  EXPECT_EQ(TabCaption(tabs, 0), "Other Locations");
                  EXPECT_EQ(TabCaption(tabs, 1), "Current Location");
                  EXPECT_EQ(TabCaption(tabs, 2), "Other Settings");
                  EXPECT_EQ(Options("TabbedNotebook1").PageIndex(), 0);
                  EXPECT_TRUE(IsWindowVisible(Options("Other_Locations_ListBox").Handle()));
                  EXPECT_FALSE(IsWindowVisible(Options("Show_Dates_and_Times_CheckBox").Handle()));

                  EXPECT_EQ(GetFocus(), Options("OKBtn").Handle());
                  const LRESULT defaultId = SendMessageW(dialog, DM_GETDEFID, 0, 0);
                  EXPECT_EQ(HIWORD(defaultId), DC_HASDEFID);
                  EXPECT_EQ(LOWORD(defaultId), Options("OKBtn").ControlId());
                  const auto buttons = ButtonCaptions(dialog);
                  EXPECT_NE(std::find(buttons.begin(), buttons.end(), "OK"), buttons.end());
                  EXPECT_EQ(std::find(buttons.begin(), buttons.end(), "Cancel"), buttons.end());
                  EXPECT_FALSE(IsWindowEnabled(Main().Handle()));
                  ClickOk();
              }});
    EXPECT_TRUE(IsWindowEnabled(Main().Handle()));
}

TEST_F(OptionsSetupTest, TheSpinButtonHasItsSizeAndATabStopAndStepsWithTheArrowKeysWhenFocused) {
    StartApp();
    const HWND offset = Options("Hours_Time_Difference").Handle();
    const HWND spin = Options("Housrs_Diff_SpinButton").Handle();
    // A dialog shows no icon in its title bar; the main window keeps the program's.
    EXPECT_EQ(GetClassLongPtrW(Dialog().Handle(), GCLP_HICON), 0);
    EXPECT_NE(GetClassLongPtrW(Main().Handle(), GCLP_HICON), 0);
    RECT bounds{};
    GetWindowRect(spin, &bounds);
    EXPECT_EQ(bounds.right - bounds.left, 20);
    EXPECT_EQ(bounds.bottom - bounds.top, 25);
    auto key = [spin](UINT vk) {
        PostMessageW(spin, WM_KEYDOWN, vk, 1);
        PostMessageW(spin, WM_KEYUP, vk, 0xC0000001);
    };
    RunDialog("SettingsOption",
              {[&] {
                   EXPECT_EQ(GetNextDlgTabItem(Dialog().Handle(), offset, FALSE), spin);
                   SetFocus(spin);
                   key(VK_UP);
               },
               ModalStep::WaitUntil([&] { return Options("Hours_Time_Difference").Text() == "0.5"; }),
               [&] {
                   EXPECT_EQ(GetFocus(), spin);
                   key(VK_DOWN);
                   key(VK_DOWN);
               },
               ModalStep::WaitUntil([&] { return Options("Hours_Time_Difference").Text() == "-0.5"; }),
               [&] { ClickCloseBox(); }});
    EXPECT_EQ(Options("Hours_Time_Difference").Text(), "-0.5");
}

TEST_F(OptionsSetupTest, TheSpinButtonStepsTheOffsetByHalfHoursWithinADay) {
    StartApp();
    auto offset = [&] { return Options("Hours_Time_Difference").Text(); };
    RunDialog("SettingsOption", {[&] {
                  struct Press {
                      bool byMouse;
                      bool up;
                      const char* expected;
                  };
                  // Down and back up through zero must not leave "-0.0".
                  const Press presses[] = {{true, false, "-0.5"}, {true, true, "0.0"},  {false, false, "-0.5"},
                                           {false, true, "0.0"},  {true, true, "0.5"},  {false, true, "1.0"},
                                           {true, false, "0.5"},  {false, false, "0.0"}};
                  for (const Press& press : presses) {
                      press.byMouse ? ClickSpin(press.up) : PressSpinKey(press.up);
                      EXPECT_EQ(offset(), press.expected)
                          << (press.byMouse ? "click " : "key ") << (press.up ? "up" : "down");
                  }
                  // Only the arrows change the offset: typing into the box does nothing.
                  SendMessageW(Options("Hours_Time_Difference").Handle(), WM_CHAR, '7', 1);
                  EXPECT_EQ(offset(), "0.0");

                  // Keys and clicks in turn reach a day either way and go no further.
                  for (const auto& [up, steps, limit] : {std::tuple{true, 50, "24.0"}, {false, 98, "-24.0"}}) {
                      for (int i = 0; i < steps; ++i) {
                          i % 2 == 0 ? PressSpinKey(up) : ClickSpin(up);
                      }
                      EXPECT_EQ(offset(), limit);
                  }
                  ClickOk();
              }});
}

// The page keys on the spin button or its buddy step whole hours, the wheel half an hour a notch while
// the pointer is over either, wherever the wheel's message arrives first; none of them while a zone,
// chosen here by a click, sets the offset.
TEST_F(OptionsSetupTest, PageKeysAndTheWheelStepTheOffsetUnlessAZoneIsChosen) {
    StartApp();
    RunDialog(
        "SettingsOption", {[&] {
            const HWND offset = Options("Hours_Time_Difference").Handle();
            const HWND spin = Options("Housrs_Diff_SpinButton").Handle();
            const HWND elsewhere = Options("Add_to_List_Button").Handle();
            auto key = [](HWND to, WPARAM code) { return [=] { SendMessageW(to, WM_KEYDOWN, code, 1); }; };
            auto wheel = [](HWND to, HWND under, int delta) {
                return [=] {
                    RECT bounds{};
                    GetWindowRect(under, &bounds);
                    const POINT middle{(bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2};
                    SetCursorPos(middle.x, middle.y);
                    // Wine moves the pointer through the X server: wait until it is there.
                    EXPECT_TRUE(PumpUntil([&] {
                        POINT now{};
                        GetCursorPos(&now);
                        return now.x == middle.x && now.y == middle.y;
                    }));
                    SendMessageW(to, WM_MOUSEWHEEL, MAKEWPARAM(0, delta), 0);
                };
            };
            const struct {
                const char* what;
                std::function<void()> input;
                const char* expected;
            } steps[] = {
                {"Page Up on the spin button", key(spin, VK_PRIOR), "1.0"},
                {"Page Up in the box", key(offset, VK_PRIOR), "2.0"},
                {"Page Down in the box", key(offset, VK_NEXT), "1.0"},
                {"a notch down over the box", wheel(offset, offset, -WHEEL_DELTA), "0.5"},
                {"two notches up over the spin button", wheel(spin, spin, 2 * WHEEL_DELTA), "1.5"},
                {"half a notch", wheel(offset, offset, -WHEEL_DELTA / 2), "1.5"},
                {"the other half", wheel(offset, offset, -WHEEL_DELTA / 2), "1.0"},
                {"a notch at another control, pointer over the spin", wheel(elsewhere, spin, -WHEEL_DELTA), "0.5"},
                {"a notch at another control with the pointer there", wheel(elsewhere, elsewhere, WHEEL_DELTA), "0.5"},
                {"Up in the box", key(offset, VK_UP), "1.0"},
            };
            for (const auto& step : steps) {
                step.input();
                EXPECT_EQ(Options("Hours_Time_Difference").Text(), step.expected) << step.what;
            }
            SetFinderText("Kathmandu");
            RECT match{};
            SendMessageW(Finder().hwndList, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&match));
            ClickAt(Finder().hwndList, {match.left + 4, match.top + 4});
            for (const auto& step : steps) {
                step.input();
                EXPECT_EQ(Options("Hours_Time_Difference").Text(), "5.75") << step.what;
            }
            ClickOk();
        }});
}

TEST_F(OptionsSetupTest, AddingALocationCleansTheDescriptionAndAppendsTheOffset) {
    StartApp();
    auto& list = Options("Other_Locations_ListBox");
    AddEntry("Tokyo:9.0");
    RunDialog("SettingsOption", {[&] {
                  for (int i = 0; i < 6; ++i) {
                      ClickSpin(false);
                  }
                  AddLocation("Rio: Brazil");
                  EXPECT_EQ(list.Items(), (std::vector<std::string>{"Tokyo:9.0", "Rio Brazil:-3.0"}));
                  EXPECT_EQ(Options("Other_Location_EditBox").Text(), "Rio Brazil");
                  EXPECT_TRUE(dialogs_.shown.empty());
                  ClickOk();
              }});
}

// Any text is searched without harm to the places, and the open list cuts no match off. From an
// empty page to Tokyo added following its zone, by the keyboard alone: Alt+Z, the name, Down, Enter,
// Tab, Space. Every key goes through the dialog's own loop, as a user's would.
TEST_F(OptionsSetupTest, APlaceIsFoundChosenAndAddedFollowingItsZoneByTheKeyboard) {
    StartApp();
    const std::pair<std::string, const char*> searches[] = {
        {"qqxz", "No place found"},
        {std::string(5000, 'a'), "No place found"},
        {"\x01\x02\x1b\x7f", ""},
        {"United States", "United States: New York, Detroit, Louisville (UTC-05:00)"}};
    auto& finder = Options("Place_Finder_ComboBox");
    auto offset = [&] { return Options("Hours_Time_Difference").Text(); };
    RunDialog("SettingsOption", {[&] {
                                     Press(WM_SYSKEYDOWN, 'Z', 1 << 29);
                                     Press(WM_SYSCHAR, 'z', 1 << 29);
                                 },
                                 [&] {
                                     EXPECT_EQ(GetFocus(), Finder().hwndItem);
                                     for (const auto& [typed, second] : searches) {
                                         SetFinderText(typed);
                                         EXPECT_EQ(finder.Text(), typed);
                                         EXPECT_EQ(finder.ItemCount() > 1 ? finder.Item(1) : "", second);
                                     }
                                     const std::wstring longest = toolkit::Widen(finder.Item(1));
                                     toolkit::WindowDc dc(Finder().hwndList);
                                     toolkit::SelectedObject font(dc.Get(), GetWindowFont(Finder().hwndList));
                                     SIZE text{};
                                     GetTextExtentPoint32W(dc.Get(), longest.c_str(), longest.size(), &text);
                                     RECT client{};
                                     GetClientRect(Finder().hwndList, &client);
                                     EXPECT_GT(client.right, text.cx);
                                     SetFinderText("");
                                     for (char c : std::string("Tok")) {
                                         Press(WM_CHAR, c);
                                     }
                                 },
                                 [&] {
                                     EXPECT_TRUE(SendMessageW(finder.Handle(), CB_GETDROPPEDSTATE, 0, 0));
                                     EXPECT_EQ(finder.Item(0), "Fixed offset");
                                     EXPECT_EQ(finder.ItemCount() > 1 ? finder.Item(1) : "",
                                               "Tokyo, Japan (UTC+09:00)");
                                     EXPECT_EQ(finder.Text(), "Tok") << "the open list completed the typed text";
                                     Press(WM_KEYDOWN, VK_DOWN);
                                     Press(WM_KEYDOWN, VK_RETURN);
                                 },
                                 [&] {
                                     EXPECT_EQ(finder.Text(), "Tokyo, Japan (UTC+09:00)");
                                     EXPECT_EQ(offset(), "9.0");
                                     EXPECT_FALSE(Options("Housrs_Diff_SpinButton").Enabled());
                                     EXPECT_EQ(Options("Other_Location_EditBox").Text(), "Tokyo");
                                     Press(WM_KEYDOWN, VK_TAB);
                                 },
                                 [&] {
                                     EXPECT_EQ(GetFocus(), Options("Add_to_List_Button").Handle());
                                     Press(WM_KEYDOWN, VK_SPACE);
                                     Press(WM_KEYUP, VK_SPACE, 0xC0000001);
                                 },
                                 [&] {
                                     // The next place starts from a fixed offset, the offset where it was.
                                     EXPECT_EQ(finder.Text(), "Fixed offset");
                                     EXPECT_TRUE(Options("Housrs_Diff_SpinButton").Enabled());
                                     EXPECT_EQ(offset(), "9.0");
                                     ClickOk();
                                 }});
    EXPECT_EQ(app_->Model().Places(), std::vector<Place>{Place::AtMinutes("Tokyo", 9 * 60, "Tokyo Standard Time")});
}

TEST_F(OptionsSetupTest, ABlankDescriptionOrAFullListIsRefusedWithAWarning) {
    StartApp();
    auto& list = Options("Other_Locations_ListBox");
    std::vector<std::string> tenEntries;
    RunDialog("SettingsOption", {[&] {
                  AddLocation("");
                  EXPECT_EQ(list.ItemCount(), 0);
                  for (int i = 1; i <= 10; ++i) {
                      AddLocation("Place " + std::to_string(i));
                  }
                  tenEntries = list.Items();
                  AddLocation("Eleven");
                  ClickOk();
              }});
    ASSERT_EQ(tenEntries.size(), 10u);
    EXPECT_EQ(tenEntries.front(), "Place 1:0.0");
    EXPECT_EQ(tenEntries.back(), "Place 10:0.0");
    EXPECT_EQ(list.Items(), tenEntries);
    ASSERT_EQ(dialogs_.shown.size(), 2u);
    const char* const expected[] = {"The new location description cannot be blank.",
                                    "Sorry, Cannot add more than 10 locations."};
    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(dialogs_.shown[i].text, expected[i]);
        EXPECT_EQ(dialogs_.shown[i].kind, MessageKind::Warning);
        EXPECT_EQ(dialogs_.shown[i].buttons, ButtonSet::Ok);
    }
}

TEST_F(OptionsSetupTest, ClickingAnEntryAsksBeforeRemovingIt) {
    StartApp();
    auto& list = Options("Other_Locations_ListBox");
    for (const char* entry : {"Tokyo:9.0", "Rio:-3.0", "Delhi:5.5", "Oslo:1.0"}) {
        AddEntry(entry);
    }
    dialogs_.answers = {DialogButton::Cancel, DialogButton::Yes};
    RunDialog("SettingsOption", {[&] {
                  ClickListItem(1);
                  EXPECT_EQ(list.ItemCount(), 4);
                  EXPECT_EQ(list.ItemIndex(), 1);
                  ClickListItem(2);
                  ClickOk();
              }});
    EXPECT_EQ(list.Items(), (std::vector<std::string>{"Tokyo:9.0", "Rio:-3.0", "Oslo:1.0"}));
    ASSERT_EQ(dialogs_.shown.size(), 2u);
    for (const auto& shown : dialogs_.shown) {
        EXPECT_EQ(shown.text, "Remove this Location ?");
        EXPECT_EQ(shown.kind, MessageKind::Warning);
        EXPECT_EQ(shown.buttons, ButtonSet::YesCancel);
    }
}

TEST_F(OptionsSetupTest, EachEntryReachedWithTheArrowKeysAsksOnItsOwn) {
    StartApp();
    auto& list = Options("Other_Locations_ListBox");
    const std::vector<std::string> entries = {"Tokyo:9.0", "Rio:-3.0", "Delhi:5.5", "Oslo:1.0"};
    for (const auto& entry : entries) {
        AddEntry(entry);
    }
    dialogs_.answers = {DialogButton::Cancel, DialogButton::Cancel, DialogButton::Yes};
    auto pressDown = [&] { PostMessageW(list.Handle(), WM_KEYDOWN, VK_DOWN, 1); };
    int selectedBeforeRemoval = -1;
    RunDialog("SettingsOption", {[&] {
                                     list.SetFocus();
                                     pressDown();
                                 },
                                 [&] {
                                     EXPECT_EQ(dialogs_.shown.size(), 1u);
                                     pressDown();
                                 },
                                 [&] {
                                     EXPECT_EQ(dialogs_.shown.size(), 2u);
                                     EXPECT_EQ(list.Items(), entries);
                                     selectedBeforeRemoval = list.ItemIndex();
                                     pressDown();
                                 },
                                 [&] {
                                     EXPECT_EQ(dialogs_.shown.size(), 3u);
                                     ClickCloseBox();
                                 }});
    ASSERT_TRUE(selectedBeforeRemoval >= 1 && selectedBeforeRemoval <= 2) << selectedBeforeRemoval;
    std::vector<std::string> expected = entries;
    expected.erase(expected.begin() + selectedBeforeRemoval + 1);
    EXPECT_EQ(list.Items(), expected);
    for (const auto& shown : dialogs_.shown) {
        EXPECT_EQ(shown.text, "Remove this Location ?");
    }
}

TEST_F(OptionsSetupTest, EveryWayOfClosingEitherSettingsCommandLeavesTheRowsShowingTheEdits) {
    StartWithClockStopped();
    struct CloseWay {
        const char* name;
        std::function<void()> close;
    };
    const CloseWay closeWays[] = {
        {"OK", [&] { ClickOk(); }},
        {"Enter",
         [&] {
             // Enter in a box that is no button presses the default button.
             auto& description = Options("Other_Location_EditBox");
             description.SetFocus();
             PostMessageW(description.Handle(), WM_KEYDOWN, VK_RETURN, 1);
         }},
        {"close box", [&] { ClickCloseBox(); }},
    };
    int row = 0;
    for (const char* menuEntry : {"SettingsOption", "Settings_Popup_Option"}) {
        for (const CloseWay& way : closeWays) {
            ++row;
            const std::string place = "Place " + std::to_string(row);
            RunDialog(menuEntry, {[&] {
                          AddLocation(place);
                          way.close();
                      }});
            EXPECT_TRUE(RowShown(row)) << menuEntry << ", " << way.name;
            EXPECT_EQ(Description(row), place + " :") << menuEntry << ", " << way.name;
            EXPECT_TRUE(IsWindowEnabled(Main().Handle()));
        }
    }
}

TEST_F(OptionsSetupTest, ReopensOnThePageAndWithTheSelectionTheUserLeft) {
    StartApp();
    auto& list = Options("Other_Locations_ListBox");
    for (const char* entry : {"Tokyo:9.0", "Rio:-3.0", "Delhi:5.5"}) {
        AddEntry(entry);
    }
    dialogs_.answers = {DialogButton::Cancel};
    RunDialog("SettingsOption", {[&] {
                  ClickListItem(2);
                  ClickTab(2);
                  EXPECT_EQ(Options("TabbedNotebook1").PageIndex(), 2);
                  EXPECT_TRUE(IsWindowVisible(Options("Show_Dates_and_Times_CheckBox").Handle()));
                  EXPECT_FALSE(IsWindowVisible(list.Handle()));
                  ClickCloseBox();
              }});
    RunDialog("Settings_Popup_Option", {[&] {
                  EXPECT_EQ(Options("TabbedNotebook1").PageIndex(), 2);
                  EXPECT_TRUE(IsWindowVisible(Options("Auto_Window_Width_Sizing_CheckBox").Handle()));
                  EXPECT_FALSE(IsWindowVisible(list.Handle()));
                  ClickTab(0);
                  EXPECT_TRUE(IsWindowVisible(list.Handle()));
                  EXPECT_EQ(list.ItemIndex(), 2);
                  ClickOk();
              }});
    EXPECT_EQ(list.ItemCount(), 3);
}

TEST_F(OptionsSetupTest, RowsFollowTheDialogWhileItIsOpen) {
    StartApp();
    WaitForFirstTick();
    RunDialog(
        "SettingsOption",
        {[&] { AddLocation("Rio"); }, ModalStep::WaitUntil([&] { return RowShown(1) && Description(1) == "Rio :"; }),
         [&] {
             ClickTab(1);
             Options("Current_Location_EditBox").SetText("Home :");
         },
         ModalStep::WaitUntil([&] { return Description(0) == "Home :"; }),
         [&] { SendMessageW(Options("Hide_Current_Location_CheckBox").Handle(), BM_CLICK, 0, 0); },
         ModalStep::WaitUntil([&] { return Description(0) == "Rio :" && !RowShown(1); }), [&] { ClickOk(); }});
}

}  // namespace
}  // namespace orvanta::testing

#include <windows.h>

#include <gtest/gtest.h>
#include <oleacc.h>

#include <iostream>
#include <regex>
#include <string>
#include <vector>

#include "driver.h"
#include "forms/main_form.h"
#include "forms/options_setup_form.h"
#include "forms/time_table_form.h"
#include "toolkit/clipboard.h"
#include "toolkit/system_library.h"

namespace orvanta::e2e {
namespace {

// What a screen reader says for an accessible object: its name, then its role.
std::pair<std::string, long> Spoken(IAccessible* object, VARIANT child) {
    BSTR name = nullptr;
    VARIANT role{};
    if (object != nullptr) {
        object->get_accName(child, &name);
        object->get_accRole(child, &role);
        object->Release();
    }
    const std::string text = name != nullptr ? toolkit::Narrow(name) : "";
    ORVANTA_SYSTEM_FUNCTION(toolkit::OleAut32Library(), SysFreeString)(name);
    return {text, role.lVal};
}

std::string AccessibleName(HWND window) {
    IAccessible* object = nullptr;
    ORVANTA_SYSTEM_FUNCTION(toolkit::OleaccLibrary(), AccessibleObjectFromWindow)
    (window, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible), reinterpret_cast<void**>(&object));
    VARIANT self{};
    self.vt = VT_I4;  // CHILDID_SELF
    return Spoken(object, self).first;
}

BOOL CALLBACK CollectFocusable(HWND child, LPARAM found) {
    if ((GetWindowLongW(child, GWL_STYLE) & (WS_TABSTOP | WS_VISIBLE)) == (WS_TABSTOP | WS_VISIBLE)) {
        reinterpret_cast<std::vector<HWND>*>(found)->push_back(child);
    }
    return TRUE;
}

std::vector<std::pair<HWND, LONG>> alerts;  // each alert's window and object

void CALLBACK RecordAlert(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG, DWORD, DWORD) {
    alerts.emplace_back(window, object);
}

// What a screen reader finds from outside. In the settings dialog and the table (the about and
// help windows hold only captioned buttons), every control that Tab reaches, on any page, says
// what it is for (an edit takes the label just before it); the list is printed. Read All Places raises one alert that
// names the places, and the ticks after it none; with no reader running it copies them instead.
TEST(AccessibilityTest, AScreenReaderFindsEveryControlNamedAndHearsAllPlacesOnce) {
    ORVANTA_SYSTEM_FUNCTION(toolkit::Ole32Library(), CoInitializeEx)(nullptr, COINIT_APARTMENTTHREADED);
    testing::TempFolder folder;
    RunningProgram program(folder.WidePath());
    const HWND main = program.WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    std::string list = "MainForm1: " + AccessibleName(main) + "\n";
    for (const auto& [entry, form] : {std::pair{"SettingsOption", &forms::Options_SetupDescription()},
                                      {"Generate_Time_Comparison_Table_Option", &forms::Time_TableDescription()}}) {
        PostMessageW(main, WM_COMMAND, forms::MainMenuCommandIdOf(forms::MainForm1Description(), entry), 0);
        const HWND shown = program.WaitForWindow(toolkit::Widen(form->className).c_str());
        ASSERT_NE(shown, nullptr) << entry;
        std::vector<HWND> controls;
        EnumChildWindows(shown, &CollectFocusable, reinterpret_cast<LPARAM>(&controls));
        for (const HWND control : controls) {
            const auto index = static_cast<std::size_t>(GetDlgCtrlID(control) - forms::kFirstControlId);
            const std::string key = std::string(form->name) + "." + std::string(form->components[index].name);
            list += key + ": " + AccessibleName(control) + "\n";
            EXPECT_NE(AccessibleName(control), "") << key;
        }
        PostMessageW(shown, WM_CLOSE, 0, 0);
        ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(shown); }, kWindowTimeoutMs)) << entry;
    }
    std::cout << list;
    EXPECT_NE(list.find("Options_Setup.Hours_Time_Difference: Time Variation :\n"), std::string::npos);
    EXPECT_NE(list.find("Options_Setup.Other_Location_EditBox: Other Location :\n"), std::string::npos);

    SystemParametersInfoW(SPI_SETSCREENREADER, TRUE, nullptr, 0);
    const HWINEVENTHOOK hook = SetWinEventHook(EVENT_SYSTEM_ALERT, EVENT_SYSTEM_ALERT, nullptr, &RecordAlert,
                                               program.ProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    auto pump = [] {
        for (MSG message; PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);) {
            DispatchMessageW(&message);
        }
    };
    PostMessageW(main, WM_CHAR, 'R' - '@', 1);  // Ctrl+R
    ASSERT_TRUE(WaitUntil([&] { return pump(), !alerts.empty(); }, kWindowTimeoutMs));
    SystemParametersInfoW(SPI_SETSCREENREADER, FALSE, nullptr, 0);
    IAccessible* alert = nullptr;
    VARIANT child{};
    ORVANTA_SYSTEM_FUNCTION(toolkit::OleaccLibrary(), AccessibleObjectFromEvent)
    (alerts[0].first, alerts[0].second, CHILDID_SELF, &alert, &child);
    const auto [name, role] = Spoken(alert, child);
    EXPECT_TRUE(std::regex_match(name, std::regex(R"(Here : \d\d:\d\d:\d\d [AP]M)"))) << name;
    EXPECT_EQ(role, ROLE_SYSTEM_ALERT);
    const std::string time = program.MainWindowText("Other_Location_Time_0");
    ASSERT_TRUE(WaitUntil([&] { return pump(), program.MainWindowText("Other_Location_Time_0") != time; }, 3000));
    EXPECT_EQ(alerts.size(), 1u) << "a tick was announced";
    UnhookWinEvent(hook);

    // Wine keeps a program's first answer about the reader: one started now sees none, and copies.
    testing::TempFolder otherFolder;
    RunningProgram unread(otherFolder.WidePath());
    PostMessageW(unread.WaitForMainWindow(), WM_CHAR, 'R' - '@', 1);
    EXPECT_NE(unread.WaitForWindow(L"OrvantaMessageDialog", L"Information"), nullptr);
    EXPECT_TRUE(std::regex_match(toolkit::ClipboardText(nullptr), std::regex(R"(Here : \d\d:\d\d:\d\d [AP]M)")));
}

}  // namespace
}  // namespace orvanta::e2e

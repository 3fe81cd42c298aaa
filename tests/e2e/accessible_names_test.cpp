#include <windows.h>

#include <gtest/gtest.h>
#include <oleacc.h>

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "driver.h"
#include "forms/about_forms.h"
#include "forms/main_form.h"
#include "forms/options_setup_form.h"
#include "forms/time_table_form.h"
#include "toolkit/system_library.h"

namespace orvanta::e2e {
namespace {

// The name a screen reader gives a window, asked of the program through Active Accessibility.
std::string AccessibleName(HWND window) {
    IAccessible* object = nullptr;
    auto* const fromWindow = ORVANTA_SYSTEM_FUNCTION(toolkit::OleaccLibrary(), AccessibleObjectFromWindow);
    if (FAILED(fromWindow(window, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                          reinterpret_cast<void**>(&object)))) {
        return "(no accessible object)";
    }
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    object->get_accName(self, &name);
    object->Release();
    const std::string read = name != nullptr ? toolkit::Narrow(name) : "";
    ORVANTA_SYSTEM_FUNCTION(toolkit::OleAut32Library(), SysFreeString)(name);
    return read;
}

struct Focusable {
    std::string component;
    std::string name;
};

BOOL CALLBACK CollectFocusable(HWND child, LPARAM found) {
    if ((GetWindowLongW(child, GWL_STYLE) & (WS_TABSTOP | WS_VISIBLE)) == (WS_TABSTOP | WS_VISIBLE)) {
        reinterpret_cast<std::vector<HWND>*>(found)->push_back(child);
    }
    return TRUE;
}

// Every control of the window that Tab can reach, on any of its pages, by its component's name.
std::vector<Focusable> FocusableControls(HWND window, const forms::FormDescription& description) {
    std::vector<HWND> controls;
    EnumChildWindows(window, &CollectFocusable, reinterpret_cast<LPARAM>(&controls));
    std::vector<Focusable> found;
    for (const HWND control : controls) {
        const auto index = static_cast<std::size_t>(GetDlgCtrlID(control) - forms::kFirstControlId);
        const std::string component =
            index < description.components.size() ? std::string(description.components[index].name) : "?";
        found.push_back({component, AccessibleName(control)});
    }
    return found;
}

// Every window the menus open, read from outside as a screen reader reads it: each control that can
// take the focus says what it is for. The list is printed, and written where ORVANTA_NAMES_FILE says.
TEST(AccessibleNamesTest, EveryFocusableControlOfEveryWindowHasAName) {
    const struct {
        const char* menuEntry;
        const wchar_t* className;
        const forms::FormDescription& description;
    } windows[] = {
        {"SettingsOption", L"TOptions_Setup", forms::Options_SetupDescription()},
        {"Generate_Time_Comparison_Table_Option", L"TTime_Table", forms::Time_TableDescription()},
        {"AboutOption", L"TAboutBox", forms::AboutBoxDescription()},
        {"HelpOption", L"THelpBox", forms::HelpBoxDescription()},
    };
    // Those that no caption of their own names.
    const std::map<std::string, std::string> expected{
        {"Options_Setup.Hours_Time_Difference", "Time Variation :"},
        {"Options_Setup.Housrs_Diff_SpinButton", "Change Time Variation"},
        {"Options_Setup.Other_Location_EditBox", "Other Location :"},
        {"Options_Setup.Other_Locations_ListBox", "Other Locations"},
        {"Options_Setup.Current_Location_EditBox", "Current Location :"},
        {"Options_Setup.TabbedNotebook1", "Setup pages"},
        {"Time_Table.Time_Zone_1_ListBox", "Location 1"},
        {"Time_Table.Time_Zone_2_ListBox", "Location 2"},
        {"Time_Table.Time_Comparison_StringGrid", "Time Comparison Table"},
    };
    ORVANTA_SYSTEM_FUNCTION(toolkit::Ole32Library(), CoInitializeEx)(nullptr, COINIT_APARTMENTTHREADED);
    testing::TempFolder folder;
    RunningProgram program(folder.WidePath());
    ASSERT_TRUE(program.Started());
    const HWND main = program.WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    std::string list = "MainForm1: " + AccessibleName(main) + "\n";
    int checked = 0;
    for (const auto& window : windows) {
        PostMessageW(main, WM_COMMAND, forms::MainMenuCommandIdOf(forms::MainForm1Description(), window.menuEntry), 0);
        const HWND shown = program.WaitForWindow(window.className);
        ASSERT_NE(shown, nullptr) << window.menuEntry;
        const std::string form(window.description.name);
        for (const Focusable& control : FocusableControls(shown, window.description)) {
            const std::string key = form + "." + control.component;
            list += key + ": " + control.name + "\n";
            EXPECT_FALSE(control.name.empty()) << key;
            if (const auto found = expected.find(key); found != expected.end()) {
                EXPECT_EQ(control.name, found->second) << key;
                ++checked;
            }
        }
        PostMessageW(shown, WM_CLOSE, 0, 0);
        ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(shown); }, kWindowTimeoutMs)) << window.menuEntry;
    }
    EXPECT_EQ(checked, static_cast<int>(expected.size()));
    std::cout << list;
    if (const char* path = std::getenv("ORVANTA_NAMES_FILE")) {
        std::ofstream(path, std::ios::binary) << list;
    }
    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(program.WaitForExit());
}

}  // namespace
}  // namespace orvanta::e2e

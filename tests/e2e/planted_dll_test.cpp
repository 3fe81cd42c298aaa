#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "driver.h"
#include "forms/main_form.h"

namespace orvanta::e2e {
namespace {

// What the program, or a system DLL on its behalf, loads by name: the title bar's colours, themes,
// accessibility, GDI+ and its picture decoders with their property store, COM, the shell. Under
// Wine only dwmapi.dll and propsys.dll would be taken from beside the exe; for the rest its own win.
constexpr const wchar_t* kPlantedNames[] = {L"dwmapi.dll",        L"propsys.dll",  L"oleacc.dll",  L"gdiplus.dll",
                                            L"windowscodecs.dll", L"oleaut32.dll", L"shell32.dll", L"shlwapi.dll",
                                            L"comdlg32.dll",      L"winmm.dll",    L"ole32.dll",   L"msimg32.dll",
                                            L"uxtheme.dll",       L"version.dll"};

// The apps' dark theme, on a Windows 10 as Wine tells it to the program, while this lives: the main
// window then asks for a dark title bar, which loads dwmapi.dll.
struct DarkThemeOnWindows10 {
    static constexpr wchar_t kPersonalizeKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize";
    static constexpr wchar_t kWineVersionKey[] = L"Software\\Wine\\AppDefaults\\orvanta.exe";
    DarkThemeOnWindows10() {
        const DWORD dark = 0;
        RegSetKeyValueW(HKEY_CURRENT_USER, kPersonalizeKey, L"AppsUseLightTheme", REG_DWORD, &dark, sizeof(dark));
        RegSetKeyValueW(HKEY_CURRENT_USER, kWineVersionKey, L"Version", REG_SZ, L"win10", sizeof(L"win10"));
    }
    ~DarkThemeOnWindows10() {
        RegDeleteKeyValueW(HKEY_CURRENT_USER, kPersonalizeKey, L"AppsUseLightTheme");
        RegDeleteKeyW(HKEY_CURRENT_USER, kWineVersionKey);
    }
};

// A DLL left beside orvanta.exe (a Downloads folder, a shared drive) under a system DLL's name is
// never loaded, whichever window opens.
TEST(PlantedDllTest, ADllBesideTheProgramIsNeverLoadedThroughAnyWindow) {
    testing::TempFolder folder;
    const std::wstring builtFolder = BuiltProgramPath().substr(0, BuiltProgramPath().find_last_of(L'\\') + 1);
    for (const wchar_t* name : kPlantedNames) {
        ASSERT_TRUE(CopyFileW((builtFolder + L"stand_in.dll").c_str(), (folder.WidePath() + name).c_str(), FALSE));
    }
    const DarkThemeOnWindows10 dark;
    RunningProgram program(folder.WidePath(), folder.WidePath());
    ASSERT_TRUE(program.Started());
    const HWND main = program.WaitForMainWindow();
    ASSERT_NE(main, nullptr);

    const struct {
        const char* menuEntry;
        const wchar_t* windowClass;
    } windows[] = {{"SettingsOption", L"TOptions_Setup"},
                   {"Generate_Time_Comparison_Table_Option", L"TTime_Table"},
                   {"AboutOption", L"TAboutBox"},
                   {"HelpOption", L"THelpBox"},
                   {"PlannerOption", L"TPlanner"}};
    for (const auto& window : windows) {
        PostMessageW(main, WM_COMMAND, forms::MainMenuCommandIdOf(forms::MainForm1Description(), window.menuEntry), 0);
        const HWND opened = program.WaitForWindow(window.windowClass);
        ASSERT_NE(opened, nullptr) << window.menuEntry;
        PostMessageW(opened, WM_CLOSE, 0, 0);
        // Closed once its modal loop has given the main window back.
        ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(opened) && IsWindowEnabled(main); }, kWindowTimeoutMs))
            << window.menuEntry;
    }
    PostMessageW(main, WM_CLOSE, 0, 0);
    ASSERT_TRUE(program.WaitForExit());
    for (const wchar_t* name : kPlantedNames) {
        EXPECT_EQ(GetFileAttributesW((folder.WidePath() + name + L".loaded").c_str()), INVALID_FILE_ATTRIBUTES)
            << toolkit::Narrow(name) << " was loaded from the program's folder";
    }
}

}  // namespace
}  // namespace orvanta::e2e

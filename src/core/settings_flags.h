#pragma once

#include <array>
#include <cstddef>

namespace orvanta {

// The eight flags, in the order in which they are read and written.
enum class SettingsFlag {
    MenusOff,
    TitleBarOff,
    AutoWindowHeightSizing,
    AutoWindowWidthSizing,
    ShowDatesAndTimes,
    HideCurrentLocation,
    AlwaysOnTop,
    AutoRunAtWindowsStartup,
};
inline constexpr int kSettingsFlagCount = 8;

// Where a flag lives while the program runs: the controls are its only store.
enum class FlagHolder {
    MainFormMember,    // a plain member of the main window, as nothing shows it
    SettingsCheckBox,  // a check box of the settings dialog, by component name
    MenuCheckMark,     // the check mark of a main-window menu entry, by entry name
};

struct SettingsFlagField {
    SettingsFlag flag;
    const char* key;  // as written to the settings file
    FlagHolder holder;
    const char* holderName;
};

// One row a flag, in the file's order. Reading the file puts each flag into its holder and the
// snapshot for writing takes it from there, so the two directions cannot disagree.
inline constexpr std::array<SettingsFlagField, kSettingsFlagCount> kSettingsFlagFields = {{
    {SettingsFlag::MenusOff, "Menus_Off_CheckBox", FlagHolder::MainFormMember, "Menus_Off_CheckBox"},
    {SettingsFlag::TitleBarOff, "Title_Bar_Off_CheckBox", FlagHolder::MainFormMember, "Title_Bar_Off_CheckBox"},
    {SettingsFlag::AutoWindowHeightSizing, "Auto_Window_Height_Sizing_CheckBox", FlagHolder::SettingsCheckBox,
     "Auto_Window_Height_Sizing_CheckBox"},
    {SettingsFlag::AutoWindowWidthSizing, "Auto_Window_Width_Sizing_CheckBox", FlagHolder::SettingsCheckBox,
     "Auto_Window_Width_Sizing_CheckBox"},
    {SettingsFlag::ShowDatesAndTimes, "Show_Dates_and_Times_CheckBox", FlagHolder::SettingsCheckBox,
     "Show_Dates_and_Times_CheckBox"},
    {SettingsFlag::HideCurrentLocation, "Hide_Current_Location_CheckBox", FlagHolder::SettingsCheckBox,
     "Hide_Current_Location_CheckBox"},
    {SettingsFlag::AlwaysOnTop, "Always_on_Top_Option", FlagHolder::MenuCheckMark, "Always_On_Top_Option"},
    {SettingsFlag::AutoRunAtWindowsStartup, "Auto_Run_at_Windows_Startup_Option", FlagHolder::MenuCheckMark,
     "Auto_Run_at_Windows_Startup_Option"},
}};

constexpr const SettingsFlagField& FieldOf(SettingsFlag flag) {
    return kSettingsFlagFields[static_cast<std::size_t>(flag)];
}

}  // namespace orvanta

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

struct SettingsFlagField {
    SettingsFlag flag;
    const char* key;  // as written to the settings file
};

// One row a flag, in the file's order, so that reading and writing cannot disagree.
inline constexpr std::array<SettingsFlagField, kSettingsFlagCount> kSettingsFlagFields = {{
    {SettingsFlag::MenusOff, "Menus_Off_CheckBox"},
    {SettingsFlag::TitleBarOff, "Title_Bar_Off_CheckBox"},
    {SettingsFlag::AutoWindowHeightSizing, "Auto_Window_Height_Sizing_CheckBox"},
    {SettingsFlag::AutoWindowWidthSizing, "Auto_Window_Width_Sizing_CheckBox"},
    {SettingsFlag::ShowDatesAndTimes, "Show_Dates_and_Times_CheckBox"},
    {SettingsFlag::HideCurrentLocation, "Hide_Current_Location_CheckBox"},
    {SettingsFlag::AlwaysOnTop, "Always_on_Top_Option"},
    {SettingsFlag::AutoRunAtWindowsStartup, "Auto_Run_at_Windows_Startup_Option"},
}};

constexpr const SettingsFlagField& FieldOf(SettingsFlag flag) {
    return kSettingsFlagFields[static_cast<std::size_t>(flag)];
}

}  // namespace orvanta

#pragma once

#include <windows.h>

#include <array>
#include <cstddef>
#include <string>

#include "core/place_zones.h"
#include "core/settings_model.h"
#include "ports/message_dialogs.h"
#include "timetable/time_table.h"
#include "toolkit/form.h"

namespace orvanta {

inline constexpr const char* kClipboardBusyMessage =
    "The time table could not be copied: another program is using the clipboard. Please try again.";

// The time comparison table: two places chosen from the model's locations, compared hour by hour.
class TTime_Table final : public toolkit::Form {
  public:
    TTime_Table(const SettingsModel& model, MessageDialogs& dialogs, ZoneClocks& clocks, HWND owner);

    const std::string& Location1Entry() const { return locationEntries_[0]; }
    const std::string& Location2Entry() const { return locationEntries_[1]; }

    void FormActivate();
    // Time_Zone_1_ListBoxClick and Time_Zone_2_ListBoxClick: the entry chosen in a list becomes
    // the place of its column.
    void ChooseLocation(std::size_t column);
    void Copy_Time_Table_to_Clipboard_ButtonClick();
    // Rewrites the whole grid from the two chosen entries; leaves it as it was when an offset is
    // not a number, and lets that error reach the user.
    void Build_Time_Table();

  private:
    // The zone of the place at a position of the lists: none for the current location.
    std::string ZoneAt(std::size_t index) const;
    const TimeZoneRules* ZoneRules(const std::string& keyName);

    const SettingsModel& model_;
    MessageDialogs& dialogs_;
    ZoneClocks& clocks_;
    std::array<std::string, kTimeTableColumns> locationEntries_;
    std::array<std::string, kTimeTableColumns> locationZones_;
    TimeTable table_;  // what the grid shows, and what the clipboard gets

    toolkit::Control* Time_Zone_1_ListBox = nullptr;
    toolkit::Control* Time_Zone_2_ListBox = nullptr;
    toolkit::Control* Time_Comparison_StringGrid = nullptr;
    std::array<toolkit::Control*, kTimeTableColumns> locationLists_{};
};

}  // namespace orvanta

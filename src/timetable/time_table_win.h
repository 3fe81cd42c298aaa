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

    const Place& Location1() const { return choices_.places[chosen_[0]]; }
    const Place& Location2() const { return choices_.places[chosen_[1]]; }

    void FormActivate();
    // The place chosen in a list becomes the place of its column.
    void Time_Zone_1_ListBoxClick();
    void Time_Zone_2_ListBoxClick();
    void ChooseLocation(std::size_t column);
    void Copy_Time_Table_to_Clipboard_ButtonClick();
    // Rewrites the whole grid from the two chosen places; leaves it as it was when an offset is
    // not a number, and lets that error reach the user.
    void Build_Time_Table();

  private:
    const SettingsModel& model_;
    MessageDialogs& dialogs_;
    ZoneClocks& clocks_;
    // What the lists offer, as the model held it when the window opened, and the two chosen.
    TimeTableChoices choices_;
    std::array<std::size_t, kTimeTableColumns> chosen_{};
    TimeTable table_;  // what the grid shows, and what the clipboard gets

    toolkit::Control* Time_Zone_1_ListBox = nullptr;
    toolkit::Control* Time_Zone_2_ListBox = nullptr;
    toolkit::Control* Time_Comparison_StringGrid = nullptr;
    toolkit::Control* Copied_Label = nullptr;
    std::array<toolkit::Control*, kTimeTableColumns> locationLists_{};
};

}  // namespace orvanta

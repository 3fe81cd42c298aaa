#pragma once

#include <windows.h>

#include <string>

#include "toolkit/form.h"

namespace orvanta {

class OrvantaApp;

inline constexpr const char* kClipboardBusyMessage =
    "The time table could not be copied: another program is using the clipboard. Please try again.";

// The time comparison table: two places chosen from the locations, compared hour by hour.
class TTime_Table final : public toolkit::Form {
  public:
    TTime_Table(OrvantaApp& app, HWND owner);

    const std::string& Location1Entry() const { return location1Entry_; }
    const std::string& Location2Entry() const { return location2Entry_; }

    void FormActivate();
    void Time_Zone_1_ListBoxClick();
    void Time_Zone_2_ListBoxClick();
    void Copy_Time_Table_to_Clipboard_ButtonClick();
    // Rewrites the whole grid from the two chosen entries; leaves it as it was when an offset is
    // not a number, and lets that error reach the user.
    void Build_Time_Table();

  private:
    OrvantaApp& app_;
    std::string location1Entry_;
    std::string location2Entry_;
};

}  // namespace orvanta

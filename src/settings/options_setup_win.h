#pragma once

#include <windows.h>

#include <array>
#include <vector>

#include "core/place_zones.h"
#include "core/settings_model.h"
#include "ports/message_dialogs.h"
#include "toolkit/form.h"

namespace orvanta {

// The settings dialog: a view of the settings model. It shows the model when it opens and puts
// every edit into it at once, so the clock follows while the dialog is still open.
class TOptions_Setup final : public toolkit::Form {
  public:
    TOptions_Setup(SettingsModel& model, MessageDialogs& dialogs, ZoneClocks& clocks, HWND owner);

    // Shows the model's values, on the page where the user left the dialog, until it is closed.
    void Open();

    void Housrs_Diff_SpinButtonUpClick(toolkit::EventArgs& args);
    void Housrs_Diff_SpinButtonDownClick(toolkit::EventArgs& args);
    void Add_to_List_ButtonClick();
    void Other_Locations_ListBoxClick();
    // A zone chosen: the offset box shows its present difference and cannot be stepped.
    void Time_Zone_ComboBoxChange();

  private:
    void ComponentChanged(toolkit::Control& control, int notification) override;
    void ModelChanged(SettingsChange change);
    void ShowModel();
    void ShowPlaces();
    void ShowOffset();
    void StepOffset(int direction, int steps);
    void ListZones();
    // The zone chosen for the next place; nullptr: a fixed offset.
    const TimeZoneRules* ChosenZone();

    SettingsModel& model_;
    MessageDialogs& dialogs_;
    bool zonesListed_ = false;
    ZoneClocks& clocks_;
    // The offset of the next place, in minutes: the spin button's, or the chosen zone's present one.
    int offsetMinutes_ = 0;
    // What the list shows, so that a list that already shows the model keeps its selection.
    std::vector<Place> listedPlaces_;

    toolkit::Control* TabbedNotebook1 = nullptr;
    toolkit::Control* Hours_Time_Difference = nullptr;
    toolkit::Control* Other_Location_EditBox = nullptr;
    toolkit::Control* Other_Locations_ListBox = nullptr;
    toolkit::Control* Housrs_Diff_SpinButton = nullptr;
    toolkit::Control* Time_Zone_ComboBox = nullptr;
    toolkit::Control* Current_Location_EditBox = nullptr;
    toolkit::Control* Hide_Current_Location_CheckBox = nullptr;
    toolkit::Control* Show_Dates_and_Times_CheckBox = nullptr;
    toolkit::Control* Auto_Window_Height_Sizing_CheckBox = nullptr;
    toolkit::Control* Auto_Window_Width_Sizing_CheckBox = nullptr;
    // The check boxes and the flags they show.
    std::array<std::pair<toolkit::Control*, SettingsFlag>, 4> flagBoxes_{};
    // The subscription is the last member: it ends before anything it reaches.
    SettingsSubscription subscription_;
};

}  // namespace orvanta

#pragma once

#include <windows.h>

#include <array>
#include <vector>

#include "core/place_finder.h"
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
    // A match chosen in the finder's list, by a click or the arrow keys.
    void Place_Finder_ComboBoxClick();

  private:
    void ComponentChanged(toolkit::Control& control, int notification) override;
    void ModelChanged(SettingsChange change);
    void ShowModel();
    void ShowPlaces();
    void ShowOffset();
    void StepOffset(int direction, int steps);
    // The finder: the places that match the text typed so far, offered in its list.
    void FinderTextChanged();
    // The item chosen by a click, the arrow keys or Enter; none marked: the best match.
    void ChooseInFinder(int item);
    void ChooseFixedOffset();
    // The chosen zone's difference from the local clock at this moment.
    int ChosenZoneDifference();

    SettingsModel& model_;
    MessageDialogs& dialogs_;
    ZoneClocks& clocks_;
    // The offset of the next place, in minutes: the spin button's, or the chosen zone's present one.
    int offsetMinutes_ = 0;
    // What the finder offers, and the choice the next place follows (an empty key: a fixed offset).
    PlaceMatches matches_;
    PlaceMatch chosen_;
    // The city name the finder last put into the description box, which a later choice may replace.
    std::string filledDescription_;
    // What the list shows, so that a list that already shows the model keeps its selection.
    std::vector<Place> listedPlaces_;

    toolkit::Control* TabbedNotebook1 = nullptr;
    toolkit::Control* Hours_Time_Difference = nullptr;
    toolkit::Control* Other_Location_EditBox = nullptr;
    toolkit::Control* Other_Locations_ListBox = nullptr;
    toolkit::Control* Housrs_Diff_SpinButton = nullptr;
    toolkit::Control* Place_Finder_ComboBox = nullptr;
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

#include "settings/options_setup_win.h"

#include "forms/options_setup_form.h"
#include "settings/location_editing.h"

namespace orvanta {

using toolkit::Bind;

TOptions_Setup::TOptions_Setup(SettingsModel& model, MessageDialogs& dialogs, ZoneClocks& clocks, HWND owner)
    : Form(forms::Options_SetupDescription()),
      model_(model),
      dialogs_(dialogs),
      clocks_(clocks),
      subscription_(model_, [this](SettingsChange change, SettingsFlag) { ModelChanged(change); }) {
    Create(
        {
            {"Housrs_Diff_SpinButtonUpClick", Bind(this, &TOptions_Setup::Housrs_Diff_SpinButtonUpClick)},
            {"Housrs_Diff_SpinButtonDownClick", Bind(this, &TOptions_Setup::Housrs_Diff_SpinButtonDownClick)},
            {"Add_to_List_ButtonClick", Bind(this, &TOptions_Setup::Add_to_List_ButtonClick)},
            {"Other_Locations_ListBoxClick", Bind(this, &TOptions_Setup::Other_Locations_ListBoxClick)},
            {"Time_Zone_ComboBoxChange", Bind(this, &TOptions_Setup::Time_Zone_ComboBoxChange)},
        },
        owner);
    BindComponents({
        {"TabbedNotebook1", &TabbedNotebook1},
        {"Hours_Time_Difference", &Hours_Time_Difference},
        {"Other_Location_EditBox", &Other_Location_EditBox},
        {"Other_Locations_ListBox", &Other_Locations_ListBox},
        {"Housrs_Diff_SpinButton", &Housrs_Diff_SpinButton},
        {"Time_Zone_ComboBox", &Time_Zone_ComboBox},
        {"Current_Location_EditBox", &Current_Location_EditBox},
        {"Hide_Current_Location_CheckBox", &Hide_Current_Location_CheckBox},
        {"Show_Dates_and_Times_CheckBox", &Show_Dates_and_Times_CheckBox},
        {"Auto_Window_Height_Sizing_CheckBox", &Auto_Window_Height_Sizing_CheckBox},
        {"Auto_Window_Width_Sizing_CheckBox", &Auto_Window_Width_Sizing_CheckBox},
    });
    flagBoxes_ = {{{Hide_Current_Location_CheckBox, SettingsFlag::HideCurrentLocation},
                   {Show_Dates_and_Times_CheckBox, SettingsFlag::ShowDatesAndTimes},
                   {Auto_Window_Height_Sizing_CheckBox, SettingsFlag::AutoWindowHeightSizing},
                   {Auto_Window_Width_Sizing_CheckBox, SettingsFlag::AutoWindowWidthSizing}}};
    Time_Zone_ComboBox->AddItem(kFixedOffsetZoneText);
    Time_Zone_ComboBox->SetItemIndex(0);
    ShowOffset();
    ShowModel();
}

// The list follows the places, whoever changed them.
void TOptions_Setup::ModelChanged(SettingsChange change) {
    if (change == SettingsChange::Places || change == SettingsChange::Everything) {
        ShowPlaces();
    }
}

// The system's zones are listed when the list is first used, not when the dialog is made: reading
// them would cost the dialog's first opening about a third of a second under Wine.
void TOptions_Setup::ListZones() {
    if (zonesListed_) {
        return;
    }
    zonesListed_ = true;
    for (const TimeZoneRules& zone : clocks_.Zones()) {
        Time_Zone_ComboBox->AddItem(zone.displayName);
    }
}

void TOptions_Setup::Open() {
    ShowModel();
    ShowModal();
    model_.SetSettingsPage(TabbedNotebook1->PageIndex());
}

void TOptions_Setup::ShowModel() {
    Current_Location_EditBox->SetText(model_.CurrentLocationCaption());
    for (const auto& [box, flag] : flagBoxes_) {
        box->SetChecked(model_.Flag(flag));
    }
    ShowPlaces();
    TabbedNotebook1->SetPageIndex(model_.Get().settingsPage);
}

void TOptions_Setup::ShowPlaces() {
    // A list that already shows the model keeps the selection the user left in it.
    if (listedPlaces_ == model_.Places()) {
        return;
    }
    listedPlaces_ = model_.Places();
    Other_Locations_ListBox->ClearItems();
    for (const Place& place : listedPlaces_) {
        Other_Locations_ListBox->AddItem(ListedLocationText(place));
    }
}

void TOptions_Setup::ShowOffset() {
    Hours_Time_Difference->SetText(OffsetTextOfMinutes(offsetMinutes_));
}

// What the user types or clicks, or another program sends, goes into the model at once.
void TOptions_Setup::ComponentChanged(toolkit::Control& control, int notification) {
    if (&control == Time_Zone_ComboBox && (notification == CBN_SETFOCUS || notification == CBN_DROPDOWN)) {
        ListZones();
        return;
    }
    if (&control == Current_Location_EditBox && notification == EN_CHANGE) {
        model_.SetCurrentLocationCaption(control.Text());
        return;
    }
    if (notification != BN_CLICKED) {
        return;
    }
    for (const auto& [box, flag] : flagBoxes_) {
        if (&control == box) {
            model_.SetFlag(flag, box->Checked());
        }
    }
}

void TOptions_Setup::StepOffset(int direction, int steps) {
    for (int step = 0; step < steps; ++step) {
        offsetMinutes_ = StepOffsetMinutes(offsetMinutes_, direction);
    }
    ShowOffset();
}

void TOptions_Setup::Housrs_Diff_SpinButtonUpClick(toolkit::EventArgs& args) {
    StepOffset(+1, args.steps);
}

void TOptions_Setup::Housrs_Diff_SpinButtonDownClick(toolkit::EventArgs& args) {
    StepOffset(-1, args.steps);
}

void TOptions_Setup::Add_to_List_ButtonClick() {
    switch (CheckNewLocation(Other_Location_EditBox->Text(), model_.Places().size())) {
        case NewLocationCheck::BlankDescription:
            dialogs_.Warn(kBlankDescriptionMessage);
            return;
        case NewLocationCheck::ListFull:
            dialogs_.Warn(kListFullMessage);
            return;
        case NewLocationCheck::Accepted:
            break;
    }
    const std::string cleaned = CleanLocationDescription(Other_Location_EditBox->Text());
    Other_Location_EditBox->SetText(cleaned);
    const TimeZoneRules* zone = ChosenZone();
    if (zone != nullptr) {
        // The difference as it is at this moment, which may have changed since the zone was chosen.
        Time_Zone_ComboBoxChange();
    }
    model_.AddPlace(Place::AtMinutes(cleaned, offsetMinutes_, zone != nullptr ? zone->keyName : std::string()));
}

const TimeZoneRules* TOptions_Setup::ChosenZone() {
    const int chosen = Time_Zone_ComboBox->ItemIndex();
    const auto& zones = clocks_.Zones();
    return chosen >= 1 && static_cast<std::size_t>(chosen) <= zones.size() ? &zones[chosen - 1] : nullptr;
}

void TOptions_Setup::Time_Zone_ComboBoxChange() {
    const TimeZoneRules* zone = ChosenZone();
    Housrs_Diff_SpinButton->SetEnabled(zone == nullptr);
    // Back to the spin button's half hours, from wherever the zone left the offset.
    offsetMinutes_ = zone == nullptr ? NearestStepMinutes(offsetMinutes_)
                                     : ZoneDifferenceMinutes(*zone, ReadClocks(clocks_, clocks_.LocalNow()));
    ShowOffset();
}

void TOptions_Setup::Other_Locations_ListBoxClick() {
    const int selected = Other_Locations_ListBox->ItemIndex();
    if (selected < 0) {
        return;
    }
    if (dialogs_.Show(MessageKind::Warning, kRemoveLocationQuestion, ButtonSet::YesCancel, DialogButton::Yes) ==
        DialogButton::Yes) {
        model_.RemovePlace(static_cast<std::size_t>(selected));
    }
}

}  // namespace orvanta

#include "settings/options_setup_win.h"

#include "forms/options_setup_form.h"
#include "settings/location_editing.h"

namespace orvanta {

using toolkit::Bind;

TOptions_Setup::TOptions_Setup(SettingsModel& model, MessageDialogs& dialogs, ZoneClocks& clocks, HWND owner)
    : Form(forms::Options_SetupDescription()), model_(model), dialogs_(dialogs), clocks_(clocks) {
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
    ShowModel();
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
    ShowLocations();
    TabbedNotebook1->SetPageIndex(model_.Get().settingsPage);
}

void TOptions_Setup::ShowLocations() {
    std::vector<std::string> listed;
    for (std::size_t i = 0; i < model_.Locations().size(); ++i) {
        listed.push_back(ListedLocationText(model_.Locations()[i], model_.Zones()[i]));
    }
    // A list that already shows the model keeps the selection the user left in it.
    if (Other_Locations_ListBox->Items() == listed) {
        return;
    }
    Other_Locations_ListBox->ClearItems();
    for (const auto& text : listed) {
        Other_Locations_ListBox->AddItem(text);
    }
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
    std::string offset = Hours_Time_Difference->Text();
    for (int step = 0; step < steps; ++step) {
        offset = StepOffsetText(offset, direction);
    }
    Hours_Time_Difference->SetText(offset);
}

void TOptions_Setup::Housrs_Diff_SpinButtonUpClick(toolkit::EventArgs& args) {
    StepOffset(+1, args.steps);
}

void TOptions_Setup::Housrs_Diff_SpinButtonDownClick(toolkit::EventArgs& args) {
    StepOffset(-1, args.steps);
}

void TOptions_Setup::Add_to_List_ButtonClick() {
    switch (CheckNewLocation(Other_Location_EditBox->Text(), model_.Locations().size())) {
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
    model_.AddLocation(BuildLocationEntry(cleaned, Hours_Time_Difference->Text()),
                       zone != nullptr ? zone->keyName : std::string());
    ShowLocations();
}

const TimeZoneRules* TOptions_Setup::ChosenZone() {
    const int chosen = Time_Zone_ComboBox->ItemIndex();
    const auto& zones = clocks_.Zones();
    return chosen >= 1 && static_cast<std::size_t>(chosen) <= zones.size() ? &zones[chosen - 1] : nullptr;
}

void TOptions_Setup::Time_Zone_ComboBoxChange() {
    const TimeZoneRules* zone = ChosenZone();
    Housrs_Diff_SpinButton->SetEnabled(zone == nullptr);
    if (zone == nullptr) {
        // Back to the spin button's half hours, from wherever the zone left the offset.
        Hours_Time_Difference->SetText(NearestStepOffsetText(Hours_Time_Difference->Text()));
        return;
    }
    const LocalDateTime universal = clocks_.UniversalNow();
    const int difference = ZoneOffsetMinutes(*zone, universal) - LocalBiasMinutes(clocks_.LocalNow(), universal);
    Hours_Time_Difference->SetText(OffsetTextOfMinutes(difference));
}

void TOptions_Setup::Other_Locations_ListBoxClick() {
    const int selected = Other_Locations_ListBox->ItemIndex();
    if (selected < 0) {
        return;
    }
    if (dialogs_.Show(MessageKind::Warning, kRemoveLocationQuestion, ButtonSet::YesCancel, DialogButton::Yes) ==
        DialogButton::Yes) {
        model_.RemoveLocation(static_cast<std::size_t>(selected));
        ShowLocations();
    }
}

}  // namespace orvanta

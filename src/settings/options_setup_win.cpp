#include "settings/options_setup_win.h"

#include "forms/options_setup_form.h"
#include "settings/location_editing.h"

namespace orvanta {

namespace {

// Below the fixed offset, the finder lists its best match first.
constexpr int kBestMatchItem = 1;

}  // namespace

// The handlers its form description names, as constant data.
constexpr toolkit::HandlerEntry<TOptions_Setup> kTOptions_SetupHandlers[] = {
    {"Housrs_Diff_SpinButtonUpClick", &TOptions_Setup::Housrs_Diff_SpinButtonUpClick},
    {"Housrs_Diff_SpinButtonDownClick", &TOptions_Setup::Housrs_Diff_SpinButtonDownClick},
    {"Add_to_List_ButtonClick", &TOptions_Setup::Add_to_List_ButtonClick},
    {"Other_Locations_ListBoxClick", &TOptions_Setup::Other_Locations_ListBoxClick},
    {"Place_Finder_ComboBoxClick", &TOptions_Setup::Place_Finder_ComboBoxClick},
};

TOptions_Setup::TOptions_Setup(SettingsModel& model, MessageDialogs& dialogs, ZoneClocks& clocks, HWND owner)
    : Form(forms::Options_SetupDescription()),
      model_(model),
      dialogs_(dialogs),
      clocks_(clocks),
      subscription_(model_, [this](SettingsChange change, SettingsFlag) { ModelChanged(change); }) {
    Create(toolkit::HandlersOf(this, kTOptions_SetupHandlers), owner);
    BindComponents({
        {"TabbedNotebook1", &TabbedNotebook1},
        {"Hours_Time_Difference", &Hours_Time_Difference},
        {"Other_Location_EditBox", &Other_Location_EditBox},
        {"Other_Locations_ListBox", &Other_Locations_ListBox},
        {"Housrs_Diff_SpinButton", &Housrs_Diff_SpinButton},
        {"Place_Finder_ComboBox", &Place_Finder_ComboBox},
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
    ChooseFixedOffset();
    ShowOffset();
    ShowModel();
}

// The list follows the places, whoever changed them.
void TOptions_Setup::ModelChanged(SettingsChange change) {
    if (change == SettingsChange::Places || change == SettingsChange::Everything) {
        ShowPlaces();
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
    if (&control == Place_Finder_ComboBox) {
        switch (notification) {
            case CBN_EDITCHANGE:
                FinderTextChanged();
                break;
            case CBN_SELENDOK:
                ChooseInFinder(control.ItemIndex());
                break;
            case CBN_SETFOCUS:
                // Read now, so that the first key typed does not wait for the system's zones.
                clocks_.FinderZones();
                control.SelectAllText();
                break;
            case CBN_KILLFOCUS:
                // The box shows what the next place follows, not a search left unchosen.
                control.SetText(chosen_.text);
                break;
            default:
                break;
        }
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
    // While a zone is chosen the offset is its difference: no key, wheel or arrow may change it.
    if (!chosen_.keyName.empty()) {
        return;
    }
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
    if (!chosen_.keyName.empty()) {
        // The difference as it is at this moment, which may have changed since the zone was chosen.
        offsetMinutes_ = ChosenZoneDifference();
        ShowOffset();
    }
    model_.AddPlace(Place::AtMinutes(cleaned, offsetMinutes_, chosen_.keyName));
    // The next place starts at a fixed offset again, so that it never follows this one's zone unseen.
    ChooseFixedOffset();
}

void TOptions_Setup::FinderTextChanged() {
    const std::string typed = Place_Finder_ComboBox->Text();
    // An item marked with the arrow keys is copied into the box: no new search.
    const int marked = Place_Finder_ComboBox->ItemIndex();
    if (marked >= 0 && Place_Finder_ComboBox->Item(marked) == typed) {
        return;
    }
    matches_ = FindPlaces(typed, clocks_.FinderZones(), clocks_.UniversalNow());
    // Nothing marked, so that Enter takes the best match, and so does the first arrow key.
    Place_Finder_ComboBox->OfferItems(FinderItems(matches_), kBestMatchItem);
}

void TOptions_Setup::Place_Finder_ComboBoxClick() {
    ChooseInFinder(Place_Finder_ComboBox->ItemIndex());
}

void TOptions_Setup::ChooseInFinder(int item) {
    int index = item >= 0 ? item : kBestMatchItem;
    const PlaceMatch* choice = FinderChoice(matches_, index);
    if (choice == nullptr) {
        // "No place found", or Enter with nothing found: nothing to follow.
        index = 0;
        choice = &matches_.choices.front();
    }
    if (Place_Finder_ComboBox->ItemIndex() != index) {
        Place_Finder_ComboBox->SetItemIndex(index);
    }
    chosen_ = *choice;
    Place_Finder_ComboBox->SetText(chosen_.text);
    const bool followsZone = !chosen_.keyName.empty();
    Housrs_Diff_SpinButton->SetEnabled(!followsZone);
    if (!followsZone) {
        return;
    }
    offsetMinutes_ = ChosenZoneDifference();
    ShowOffset();
    const std::string description =
        DescriptionAfterChoosing(Other_Location_EditBox->Text(), filledDescription_, chosen_.city);
    if (description != Other_Location_EditBox->Text()) {
        Other_Location_EditBox->SetText(description);
        filledDescription_ = description;
    }
}

// Back to the fixed offset, the offset left where it is: the spin button steps on from there.
void TOptions_Setup::ChooseFixedOffset() {
    matches_ = {.choices = {{.text = std::string(kFixedOffsetChoice)}}};
    chosen_ = matches_.choices.front();
    Place_Finder_ComboBox->ClearItems();
    Place_Finder_ComboBox->AddItem(chosen_.text);
    Place_Finder_ComboBox->SetItemIndex(0);
    Place_Finder_ComboBox->SetText(chosen_.text);
    Housrs_Diff_SpinButton->SetEnabled(true);
}

int TOptions_Setup::ChosenZoneDifference() {
    const std::vector<TimeZoneRules>& zones = clocks_.FinderZones();
    const TimeZoneRules* zone = FindZone(zones, chosen_.keyName);
    if (zone == nullptr) {
        return offsetMinutes_;
    }
    const LocalDateTime universal = clocks_.UniversalNow();
    const ClockReading reading{universal, LocalBiasMinutes(clocks_.LocalNow(), universal), &zones};
    return ZoneDifferenceMinutes(*zone, reading);
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

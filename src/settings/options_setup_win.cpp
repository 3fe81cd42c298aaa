#include "settings/options_setup_win.h"

#include "forms/options_setup_form.h"
#include "settings/location_editing.h"

namespace orvanta {

using toolkit::Bind;

TOptions_Setup::TOptions_Setup(SettingsModel& model, MessageDialogs& dialogs, HWND owner)
    : Form(forms::Options_SetupDescription()), model_(model), dialogs_(dialogs) {
    Create(
        {
            {"Housrs_Diff_SpinButtonUpClick", Bind(this, &TOptions_Setup::Housrs_Diff_SpinButtonUpClick)},
            {"Housrs_Diff_SpinButtonDownClick", Bind(this, &TOptions_Setup::Housrs_Diff_SpinButtonDownClick)},
            {"Add_to_List_ButtonClick", Bind(this, &TOptions_Setup::Add_to_List_ButtonClick)},
            {"Other_Locations_ListBoxClick", Bind(this, &TOptions_Setup::Other_Locations_ListBoxClick)},
        },
        owner);
    BindComponents({
        {"TabbedNotebook1", &TabbedNotebook1},
        {"Hours_Time_Difference", &Hours_Time_Difference},
        {"Other_Location_EditBox", &Other_Location_EditBox},
        {"Other_Locations_ListBox", &Other_Locations_ListBox},
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
    ShowModel();
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
    // A list that already shows the model keeps the selection the user left in it.
    if (Other_Locations_ListBox->Items() == model_.Locations()) {
        return;
    }
    Other_Locations_ListBox->ClearItems();
    for (const auto& entry : model_.Locations()) {
        Other_Locations_ListBox->AddItem(entry);
    }
}

// What the user types or clicks, or another program sends, goes into the model at once.
void TOptions_Setup::ComponentChanged(toolkit::Control& control, int notification) {
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
    model_.AddLocation(BuildLocationEntry(cleaned, Hours_Time_Difference->Text()));
    ShowLocations();
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

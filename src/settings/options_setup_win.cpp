#include "settings/options_setup_win.h"

#include "app/application_win.h"
#include "forms/options_setup_form.h"
#include "settings/location_editing.h"

namespace orvanta {

using toolkit::Bind;

TOptions_Setup::TOptions_Setup(OrvantaApp& app, HWND owner) : Form(forms::Options_SetupDescription()), app_(app) {
    Create(
        {
            {"Housrs_Diff_SpinButtonUpClick", Bind(this, &TOptions_Setup::Housrs_Diff_SpinButtonUpClick)},
            {"Housrs_Diff_SpinButtonDownClick", Bind(this, &TOptions_Setup::Housrs_Diff_SpinButtonDownClick)},
            {"Add_to_List_ButtonClick", Bind(this, &TOptions_Setup::Add_to_List_ButtonClick)},
            {"Other_Locations_ListBoxClick", Bind(this, &TOptions_Setup::Other_Locations_ListBoxClick)},
        },
        owner);
}

void TOptions_Setup::StepOffset(int direction) {
    auto& offset = Component("Hours_Time_Difference");
    offset.SetText(StepOffsetText(offset.Text(), direction));
}

void TOptions_Setup::Housrs_Diff_SpinButtonUpClick() {
    StepOffset(+1);
}

void TOptions_Setup::Housrs_Diff_SpinButtonDownClick() {
    StepOffset(-1);
}

void TOptions_Setup::Add_to_List_ButtonClick() {
    auto& description = Component("Other_Location_EditBox");
    auto& list = Component("Other_Locations_ListBox");
    switch (CheckNewLocation(description.Text(), static_cast<std::size_t>(list.ItemCount()))) {
        case NewLocationCheck::BlankDescription:
            app_.Dialogs().Warn(kBlankDescriptionMessage);
            return;
        case NewLocationCheck::ListFull:
            app_.Dialogs().Warn(kListFullMessage);
            return;
        case NewLocationCheck::Accepted:
            break;
    }
    const std::string cleaned = CleanLocationDescription(description.Text());
    description.SetText(cleaned);
    list.AddItem(BuildLocationEntry(cleaned, Component("Hours_Time_Difference").Text()));
}

void TOptions_Setup::Other_Locations_ListBoxClick() {
    auto& list = Component("Other_Locations_ListBox");
    const int selected = list.ItemIndex();
    if (selected < 0) {
        return;
    }
    if (app_.Dialogs().Show(MessageKind::Warning, kRemoveLocationQuestion, ButtonSet::YesCancel, DialogButton::Yes) ==
        DialogButton::Yes) {
        list.DeleteItem(selected);
    }
}

}  // namespace orvanta

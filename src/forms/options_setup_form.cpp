#include "forms/options_setup_form.h"

namespace orvanta::forms {

namespace {

constexpr int kOtherLocationsPage = 0;
constexpr int kCurrentLocationPage = 1;
constexpr int kOtherSettingsPage = 2;

ComponentDescription OnPage(ComponentDescription component, int page) {
    component.page = page;
    return component;
}

ComponentDescription WithEvents(ComponentDescription component, std::vector<EventBinding> events) {
    component.events = std::move(events);
    return component;
}

FormDescription Build() {
    FormDescription d;
    d.className = "TOptions_Setup";
    d.name = "Options_Setup";
    d.caption = "Orvanta Setup :";
    d.border = BorderStyle::Dialog;
    d.placement = Placement::ScreenCenter;
    d.clientWidth = 353;
    d.clientHeight = 362;
    d.font = {"MS Sans Serif", -11, true};
    d.activeControl = "OKBtn";

    auto tabs = MakeComponent(ComponentKind::Tabs, "TabbedNotebook1", 12, 16, 329, 285);
    tabs.items = {"Other Locations", "Current Location", "Other Settings"};
    d.components.push_back(tabs);

    // Created in tab order: the offset, its spin button, the description, the button, the list.
    const int p0 = kOtherLocationsPage;
    d.components.push_back(OnPage(MakeComponent(ComponentKind::Bevel, "Bevel2", 8, 8, 297, 81), p0));
    d.components.push_back(OnPage(MakeLabel("Label8", 28, 20, "Other Location :"), p0));
    d.components.push_back(OnPage(MakeLabel("Label9", 28, 56, "Time Variation :"), p0));
    d.components.push_back(OnPage(MakeLabel("Label12", 224, 56, "Hours."), p0));
    auto offset = MakeComponent(ComponentKind::Edit, "Hours_Time_Difference", 152, 54, 45, 21, "0.0");
    offset.readOnly = true;
    offset.hint = "Hours from your clock, set with the arrows beside it: half an hour a click, or with the arrow "
                  "keys or the mouse wheel; Page Up and Page Down step whole hours.";
    d.components.push_back(OnPage(offset, p0));
    auto spin = MakeComponent(ComponentKind::UpDown, "Housrs_Diff_SpinButton", 196, 52, 20, 25);
    spin.buddy = "Hours_Time_Difference";
    spin.events = {{Event::UpClick, "Housrs_Diff_SpinButtonUpClick"},
                   {Event::DownClick, "Housrs_Diff_SpinButtonDownClick"}};
    d.components.push_back(OnPage(spin, p0));
    // The zone a new place follows: low on the page, clear of the designed controls, and next in
    // the tab order after the offset it governs.
    auto zoneLabel = MakeLabel("Time_Zone_Label", 8, 240, "&Zone :");
    zoneLabel.mnemonic = true;
    d.components.push_back(OnPage(zoneLabel, p0));
    auto zones = MakeComponent(ComponentKind::ComboBox, "Time_Zone_ComboBox", 56, 236, 249, 200);
    zones.hint =
        "The time zone a new location follows, daylight saving time included; Fixed offset keeps the "
        "Time Variation.";
    zones.events = {{Event::Click, "Time_Zone_ComboBoxChange"}};
    d.components.push_back(OnPage(zones, p0));
    d.components.push_back(OnPage(MakeComponent(ComponentKind::Edit, "Other_Location_EditBox", 152, 16, 121, 21), p0));
    d.components.push_back(
        OnPage(WithEvents(MakeComponent(ComponentKind::Button, "Add_to_List_Button", 8, 100, 77, 33, "Add to List"),
                          {{Event::Click, "Add_to_List_ButtonClick"}}),
               p0));
    // A large arrow from the button to the list, the bar standing just above its start.
    auto arrow = MakeLabel("Label10", 96, 100, "-->");
    arrow.font = {"System", -35, true};
    arrow.joinHyphens = true;
    d.components.push_back(OnPage(arrow, p0));
    auto bar = MakeLabel("Label11", 96, 96, "|");
    bar.font = {"System", -19, true};
    d.components.push_back(OnPage(bar, p0));
    auto list = MakeComponent(ComponentKind::ListBox, "Other_Locations_ListBox", 144, 100, 145, 129);
    list.itemHeight = 13;
    list.events = {{Event::Click, "Other_Locations_ListBoxClick"}};
    d.components.push_back(OnPage(list, p0));
    d.components.push_back(OnPage(MakeLabel("Label1", 28, 180, "Click on item in list"), p0));
    d.components.push_back(OnPage(MakeLabel("Label2", 28, 196, "to remove it."), p0));

    const int p1 = kCurrentLocationPage;
    d.components.push_back(OnPage(MakeComponent(ComponentKind::Bevel, "Bevel1", 4, 24, 305, 113), p1));
    d.components.push_back(OnPage(MakeLabel("Label5", 12, 44, "Current Location :"), p1));
    d.components.push_back(
        OnPage(MakeComponent(ComponentKind::Edit, "Current_Location_EditBox", 140, 40, 121, 21), p1));
    d.components.push_back(OnPage(MakeComponent(ComponentKind::CheckBox, "Hide_Current_Location_CheckBox", 16, 96, 257,
                                                17, "Hide Current Location in Main Window"),
                                  p1));

    const int p2 = kOtherSettingsPage;
    d.components.push_back(OnPage(MakeComponent(ComponentKind::Bevel, "Bevel3", 8, 16, 301, 225), p2));
    d.components.push_back(OnPage(MakeComponent(ComponentKind::CheckBox, "Show_Dates_and_Times_CheckBox", 24, 40, 157,
                                                17, "Show Dates and Times"),
                                  p2));
    d.components.push_back(OnPage(MakeComponent(ComponentKind::CheckBox, "Auto_Window_Height_Sizing_CheckBox", 24, 80,
                                                221, 17, "Automatic Window Height Sizing"),
                                  p2));
    d.components.push_back(OnPage(MakeComponent(ComponentKind::CheckBox, "Auto_Window_Width_Sizing_CheckBox", 24, 120,
                                                217, 17, "Automatic Window Width Sizing"),
                                  p2));

    auto ok = MakeComponent(ComponentKind::Button, "OKBtn", 142, 328, 77, 27, "OK");
    ok.image = kOkGlyphImage;
    ok.isDefault = true;
    ok.modalResult = ModalResult::Ok;
    d.components.push_back(ok);
    return d;
}

}  // namespace

const FormDescription& Options_SetupDescription() {
    static const FormDescription description = Build();
    return description;
}

}  // namespace orvanta::forms

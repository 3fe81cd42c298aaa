#include "forms/options_setup_form.h"

namespace orvanta::forms {

namespace {

constexpr std::int8_t kOtherLocationsPage = 0;
constexpr std::int8_t kCurrentLocationPage = 1;
constexpr std::int8_t kOtherSettingsPage = 2;

constexpr ComponentDescription OnPage(std::int8_t page, ComponentDescription component) {
    component.page = page;
    return component;
}

constexpr std::string_view kPages[] = {"Other Locations", "Current Location", "Other Settings"};

constexpr ComponentDescription kComponents[] = {
    {.kind = ComponentKind::Tabs,
     .name = "TabbedNotebook1",
     .left = 12,
     .top = 16,
     .width = 329,
     .height = 285,
     .caption = "Setup pages",
     .items = kPages},

    // Created in tab order: the offset, its spin button, the description, the finder, the button, the
    // list. A label stands just before what it names, which is where screen readers look for it.
    {.kind = ComponentKind::Bevel,
     .name = "Bevel2",
     .left = 8,
     .top = 8,
     .width = 297,
     .height = 81,
     .page = kOtherLocationsPage},
    OnPage(kOtherLocationsPage, MakeLabel("Label9", 28, 56, "Time Variation :")),
    {.kind = ComponentKind::Edit,
     .name = "Hours_Time_Difference",
     .left = 152,
     .top = 54,
     .width = 45,
     .height = 21,
     .caption = "0.0",
     .readOnly = true,
     .page = kOtherLocationsPage,
     .hint = "Hours from your clock, set with the arrows beside it: half an hour a click, or with the arrow "
             "keys or the mouse wheel; Page Up and Page Down step whole hours."},
    {.kind = ComponentKind::UpDown,
     .name = "Housrs_Diff_SpinButton",
     .left = 196,
     .top = 52,
     .width = 20,
     .height = 25,
     .caption = "Change Time Variation",
     .page = kOtherLocationsPage,
     .buddy = "Hours_Time_Difference",
     .events = {{Event::UpClick, "Housrs_Diff_SpinButtonUpClick"},
                {Event::DownClick, "Housrs_Diff_SpinButtonDownClick"}}},
    OnPage(kOtherLocationsPage, MakeLabel("Label12", 224, 56, "Hours.")),
    OnPage(kOtherLocationsPage, MakeLabel("Label8", 28, 20, "Other Location :")),
    {.kind = ComponentKind::Edit,
     .name = "Other_Location_EditBox",
     .left = 152,
     .top = 16,
     .width = 121,
     .height = 21,
     .page = kOtherLocationsPage},
    // The place finder: low on the page, clear of the designed controls. In the tab order it comes
    // after the description and just before the button, so that a place is typed, chosen and added
    // in one run of the keyboard, its city filling an empty description on the way.
    {.kind = ComponentKind::Label,
     .name = "Place_Finder_Label",
     .left = 8,
     .top = 240,
     .caption = "Place or &zone :",
     .autoSize = true,
     .mnemonic = true,
     .page = kOtherLocationsPage},
    {.kind = ComponentKind::ComboBox,
     .name = "Place_Finder_ComboBox",
     .left = 104,
     .top = 236,
     .width = 201,
     .height = 200,
     .page = kOtherLocationsPage,
     .hint = "Type a city, a country, a time zone or a difference such as +5:45, then choose the place: the "
             "next location follows its time zone, daylight saving time included. Fixed offset keeps the Time "
             "Variation.",
     .events = {{Event::Click, "Place_Finder_ComboBoxClick"}}},
    // A large arrow from the button to the list, the bar standing just above its start.
    {.kind = ComponentKind::Label,
     .name = "Label10",
     .left = 96,
     .top = 100,
     .caption = "-->",
     .autoSize = true,
     .joinHyphens = true,
     .page = kOtherLocationsPage,
     .font = {"System", -35, true}},
    {.kind = ComponentKind::Label,
     .name = "Label11",
     .left = 96,
     .top = 96,
     .caption = "|",
     .autoSize = true,
     .page = kOtherLocationsPage,
     .font = {"System", -19, true}},
    {.kind = ComponentKind::Button,
     .name = "Add_to_List_Button",
     .left = 8,
     .top = 100,
     .width = 77,
     .height = 33,
     .caption = "Add to List",
     .page = kOtherLocationsPage,
     .events = {{Event::Click, "Add_to_List_ButtonClick"}}},
    {.kind = ComponentKind::ListBox,
     .name = "Other_Locations_ListBox",
     .left = 144,
     .top = 100,
     .width = 145,
     .height = 129,
     .caption = "Other Locations",
     .page = kOtherLocationsPage,
     .itemHeight = 13,
     .events = {{Event::Click, "Other_Locations_ListBoxClick"}}},
    OnPage(kOtherLocationsPage, MakeLabel("Label1", 28, 180, "Click on item in list")),
    OnPage(kOtherLocationsPage, MakeLabel("Label2", 28, 196, "to remove it.")),

    {.kind = ComponentKind::Bevel,
     .name = "Bevel1",
     .left = 4,
     .top = 24,
     .width = 305,
     .height = 113,
     .page = kCurrentLocationPage},
    OnPage(kCurrentLocationPage, MakeLabel("Label5", 12, 44, "Current Location :")),
    {.kind = ComponentKind::Edit,
     .name = "Current_Location_EditBox",
     .left = 140,
     .top = 40,
     .width = 121,
     .height = 21,
     .page = kCurrentLocationPage},
    {.kind = ComponentKind::CheckBox,
     .name = "Hide_Current_Location_CheckBox",
     .left = 16,
     .top = 96,
     .width = 257,
     .height = 17,
     .caption = "Hide Current Location in Main Window",
     .page = kCurrentLocationPage},

    {.kind = ComponentKind::Bevel,
     .name = "Bevel3",
     .left = 8,
     .top = 16,
     .width = 301,
     .height = 225,
     .page = kOtherSettingsPage},
    {.kind = ComponentKind::CheckBox,
     .name = "Show_Dates_and_Times_CheckBox",
     .left = 24,
     .top = 40,
     .width = 157,
     .height = 17,
     .caption = "Show Dates and Times",
     .page = kOtherSettingsPage},
    {.kind = ComponentKind::CheckBox,
     .name = "Auto_Window_Height_Sizing_CheckBox",
     .left = 24,
     .top = 80,
     .width = 221,
     .height = 17,
     .caption = "Automatic Window Height Sizing",
     .page = kOtherSettingsPage},
    {.kind = ComponentKind::CheckBox,
     .name = "Auto_Window_Width_Sizing_CheckBox",
     .left = 24,
     .top = 120,
     .width = 217,
     .height = 17,
     .caption = "Automatic Window Width Sizing",
     .page = kOtherSettingsPage},

    {.kind = ComponentKind::Button,
     .name = "OKBtn",
     .left = 142,
     .top = 328,
     .width = 77,
     .height = 27,
     .caption = "OK",
     .isDefault = true,
     .modalResult = ModalResult::Ok,
     .image = kOkGlyphImage},
};

constexpr FormDescription kOptions_Setup{
    .className = "TOptions_Setup",
    .name = "Options_Setup",
    .caption = "Orvanta Setup :",
    .border = BorderStyle::Dialog,
    .placement = Placement::ScreenCenter,
    .clientWidth = 353,
    .clientHeight = 362,
    .font = {"MS Sans Serif", -11, true},
    .activeControl = "OKBtn",
    .components = kComponents,
};

}  // namespace

const FormDescription& Options_SetupDescription() {
    return kOptions_Setup;
}

}  // namespace orvanta::forms

#include "forms/main_form.h"

namespace orvanta::forms {

namespace {

constexpr int kRowPitch = 32;

constexpr ComponentDescription RowDescriptionLabel(std::string_view name, int row) {
    return {.kind = ComponentKind::Label,
            .name = name,
            .left = 8,
            .top = static_cast<std::int16_t>(8 + kRowPitch * row),
            .width = 14,
            .height = 17,
            .caption = "??",
            .tag = static_cast<std::int16_t>(row),
            .visible = row == 0,
            .autoSize = true,
            .textColor = Color::WindowText()};
}

constexpr ComponentDescription RowTimeLabel(std::string_view name, int row) {
    return {.kind = ComponentKind::Label,
            .name = name,
            .left = 104,
            .top = static_cast<std::int16_t>(4 + kRowPitch * row),
            .width = 18,
            .height = 26,
            .caption = "...",
            .tag = static_cast<std::int16_t>(row),
            .visible = row == 0,
            .autoSize = true,
            .font = {"Times New Roman", -24, true},
            .textColor = Color::Rgb(kRed),
            .backColor = Color::Rgb(kBlack)};
}

// The labels in the order the window creates them; window fitting visits them in this order.
constexpr ComponentDescription kComponents[] = {
    RowDescriptionLabel("Other_Location_Label_0", 0),   RowDescriptionLabel("Other_Location_Label_1", 1),
    RowTimeLabel("Other_Location_Time_0", 0),           RowTimeLabel("Other_Location_Time_1", 1),
    RowDescriptionLabel("Other_Location_Label_2", 2),   RowDescriptionLabel("Other_Location_Label_3", 3),
    RowDescriptionLabel("Other_Location_Label_4", 4),   RowDescriptionLabel("Other_Location_Label_5", 5),
    RowTimeLabel("Other_Location_Time_2", 2),           RowTimeLabel("Other_Location_Time_3", 3),
    RowTimeLabel("Other_Location_Time_4", 4),           RowTimeLabel("Other_Location_Time_5", 5),
    RowDescriptionLabel("Other_Location_Label_6", 6),   RowDescriptionLabel("Other_Location_Label_7", 7),
    RowDescriptionLabel("Other_Location_Label_8", 8),   RowDescriptionLabel("Other_Location_Label_9", 9),
    RowDescriptionLabel("Other_Location_Label_10", 10), RowTimeLabel("Other_Location_Time_6", 6),
    RowTimeLabel("Other_Location_Time_7", 7),           RowTimeLabel("Other_Location_Time_8", 8),
    RowTimeLabel("Other_Location_Time_9", 9),           RowTimeLabel("Other_Location_Time_10", 10),
};

constexpr TimerDescription kTimers[] = {{"Timer1", 100, true, "Timer1Timer"}};

constexpr MenuItemDescription Entry(std::string_view name, std::string_view caption, std::string_view onClick) {
    return {name, caption, onClick};
}

constexpr MenuItemDescription Separator(std::string_view name) {
    return {name, "-", ""};
}

constexpr MenuItemDescription kFileMenu[] = {
    Entry("SettingsOption", "&Settings", "SettingsOptionClick"),
    Separator("N1"),
    Entry("Always_On_Top_Option", "Always on Top", "Always_On_Top_OptionClick"),
    Entry("Auto_Run_at_Windows_Startup_Option",
          "Auto-Run at Windows Startup",
          "Auto_Run_at_Windows_Startup_OptionClick"),
    Entry("Restore_Factory_Defaults_Option", "Restore Factory Defaults", "Restore_Factory_Defaults_OptionClick"),
    Separator("N7"),
    Entry("Generate_Time_Comparison_Table_Option",
          "&Time Comparison Table",
          "Generate_Time_Comparison_Table_OptionClick"),
    Entry("PlannerOption", "&Planner...", "PlannerOptionClick"),
    Separator("N8"),
    Entry("Menus_and_Title_On_Off_Option", "Menus and Title Bar On / Off", "Menus_and_Title_On_Off_OptionClick"),
    Separator("N10"),
    Entry("ExitOption", "E&xit", "ExitOptionClick"),
};

constexpr MenuItemDescription kHelpMenu[] = {
    Entry("HelpOption", "&Help", "HelpOptionClick"),
    Separator("N4"),
    Entry("View_Readme_file_Option", "&View Readme file", "View_Readme_file_OptionClick"),
    Entry("View_Shareware_Catalog_Option", "View &Shareware Catalog", "View_Shareware_Catalog_OptionClick"),
    Separator("About1"),
    Entry("AboutOption", "&About", "AboutOptionClick"),
};

constexpr MenuItemDescription kMainMenu[] = {
    {.name = "FileMenu", .caption = "&File", .items = kFileMenu},
    {.name = "HelpMenu", .caption = "Help", .items = kHelpMenu},
    // A spare entry for the readme; the first showing empties and hides it.
    Entry("SpareMenu", "&Readme", "SpareMenuClick"),
};

constexpr MenuItemDescription kPopupMenu[] = {
    Entry("Menus_and_Title_Bar_On_Off_Popup_Option",
          "Menus / Title Bar On / Off",
          "Menus_and_Title_Bar_On_Off_Popup_OptionClick"),
    Separator("N3"),
    Entry("Settings_Popup_Option", "&Settings", "Settings_Popup_OptionClick"),
    Separator("N9"),
    Entry("Generate_Time_Comparison_Table_PopupOption",
          "&Time Comparison Table",
          "Generate_Time_Comparison_Table_PopupOptionClick"),
    Entry("Planner_Popup_Option", "&Planner...", "Planner_Popup_OptionClick"),
    Entry("Read_All_Places_Popup_Option", "&Read All Places\tCtrl+R", "Read_All_Places_Popup_OptionClick"),
    Separator("N5"),
    Entry("Help_Popup_Option", "Help", "Help_Popup_OptionClick"),
    Entry("HelpAbout_Popup_Option", "About", "HelpAbout_Popup_OptionClick"),
    Separator("N6"),
    Entry("Exit_Popup_Option", "E&xit", "Exit_Popup_OptionClick"),
};

constexpr FormDescription kMainForm1{
    .className = "TMainForm1",
    .name = "MainForm1",
    .border = BorderStyle::Sizeable,
    .left = 337,
    .top = 109,
    .width = 286,
    .height = 404,
    .font = {"Times New Roman", -15},
    .color = Color::ButtonFace(),
    .components = kComponents,
    .mainMenuName = "MainMenu1",
    .mainMenu = kMainMenu,
    .popupMenuName = "PopupMenu1",
    .popupMenu = kPopupMenu,
    .timers = kTimers,
    .events = {{Event::Show, "FormShow"}, {Event::CloseQuery, "FormCloseQuery"}},
};

}  // namespace

const FormDescription& MainForm1Description() {
    return kMainForm1;
}

}  // namespace orvanta::forms

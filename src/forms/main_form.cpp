#include "forms/main_form.h"

#include <string>

namespace orvanta::forms {

namespace {

constexpr int kRowPitch = 32;

ComponentDescription RowDescriptionLabel(int row) {
    ComponentDescription label;
    label.kind = ComponentKind::Label;
    label.name = kRowDescriptionPrefix + std::to_string(row);
    label.left = 8;
    label.top = 8 + kRowPitch * row;
    label.width = 14;
    label.height = 17;
    label.caption = "??";
    label.tag = row;
    label.visible = row == 0;
    label.autoSize = true;
    label.textColor = Color::WindowText();
    return label;
}

ComponentDescription RowTimeLabel(int row) {
    ComponentDescription label;
    label.kind = ComponentKind::Label;
    label.name = kRowTimePrefix + std::to_string(row);
    label.left = 104;
    label.top = 4 + kRowPitch * row;
    label.width = 18;
    label.height = 26;
    label.caption = "...";
    label.tag = row;
    label.visible = row == 0;
    label.autoSize = true;
    label.font = {"Times New Roman", -24, true};
    label.textColor = Color::Rgb(kRed);
    label.backColor = Color::Rgb(kBlack);
    return label;
}

MenuItemDescription Entry(std::string name, std::string caption, std::string onClick) {
    return {std::move(name), std::move(caption), std::move(onClick)};
}

MenuItemDescription Separator(std::string name) {
    return {std::move(name), "-", ""};
}

FormDescription Build() {
    FormDescription d;
    d.className = "TMainForm1";
    d.name = "MainForm1";
    d.border = BorderStyle::Sizeable;
    d.left = 337;
    d.top = 109;
    d.width = 286;
    d.height = 404;
    d.font = {"Times New Roman", -15};
    d.color = Color::ButtonFace();
    d.events = {{Event::Show, "FormShow"}, {Event::CloseQuery, "FormCloseQuery"}};

    // The labels in the order the window creates them; window fitting visits them in this order.
    auto addRows = [&d](int first, int last, bool time) {
        for (int row = first; row <= last; ++row) {
            d.components.push_back(time ? RowTimeLabel(row) : RowDescriptionLabel(row));
        }
    };
    addRows(0, 1, false);
    addRows(0, 1, true);
    addRows(2, 5, false);
    addRows(2, 5, true);
    addRows(6, 10, false);
    addRows(6, 10, true);

    d.timers = {{"Timer1", 100, true, "Timer1Timer"}};

    d.mainMenuName = "MainMenu1";
    MenuItemDescription file{"FileMenu", "&File", ""};
    file.items = {
        Entry("SettingsOption", "&Settings", "SettingsOptionClick"),
        Separator("N1"),
        Entry("Always_On_Top_Option", "Always on Top", "Always_On_Top_OptionClick"),
        Entry("Auto_Run_at_Windows_Startup_Option", "Auto-Run at Windows Startup",
              "Auto_Run_at_Windows_Startup_OptionClick"),
        Entry("Restore_Factory_Defaults_Option", "Restore Factory Defaults", "Restore_Factory_Defaults_OptionClick"),
        Separator("N7"),
        Entry("Generate_Time_Comparison_Table_Option", "&Time Comparison Table",
              "Generate_Time_Comparison_Table_OptionClick"),
        Entry("PlannerOption", "&Planner...", "PlannerOptionClick"),
        Separator("N8"),
        Entry("Menus_and_Title_On_Off_Option", "Menus and Title Bar On / Off", "Menus_and_Title_On_Off_OptionClick"),
        Separator("N10"),
        Entry("ExitOption", "E&xit", "ExitOptionClick"),
    };
    MenuItemDescription help{"HelpMenu", "Help", ""};
    help.items = {
        Entry("HelpOption", "&Help", "HelpOptionClick"),
        Separator("N4"),
        Entry("View_Readme_file_Option", "&View Readme file", "View_Readme_file_OptionClick"),
        Entry("View_Shareware_Catalog_Option", "View &Shareware Catalog", "View_Shareware_Catalog_OptionClick"),
        Separator("About1"),
        Entry("AboutOption", "&About", "AboutOptionClick"),
    };
    // A spare entry for the readme; the first showing empties and hides it.
    MenuItemDescription spare = Entry("SpareMenu", "&Readme", "SpareMenuClick");
    d.mainMenu = {file, help, spare};

    d.popupMenuName = "PopupMenu1";
    d.popupMenu = {
        Entry("Menus_and_Title_Bar_On_Off_Popup_Option", "Menus / Title Bar On / Off",
              "Menus_and_Title_Bar_On_Off_Popup_OptionClick"),
        Separator("N3"),
        Entry("Settings_Popup_Option", "&Settings", "Settings_Popup_OptionClick"),
        Separator("N9"),
        Entry("Generate_Time_Comparison_Table_PopupOption", "&Time Comparison Table",
              "Generate_Time_Comparison_Table_PopupOptionClick"),
        Entry("Planner_Popup_Option", "&Planner...", "Planner_Popup_OptionClick"),
        Separator("N5"),
        Entry("Help_Popup_Option", "Help", "Help_Popup_OptionClick"),
        Entry("HelpAbout_Popup_Option", "About", "HelpAbout_Popup_OptionClick"),
        Separator("N6"),
        Entry("Exit_Popup_Option", "E&xit", "Exit_Popup_OptionClick"),
    };
    return d;
}

}  // namespace

const FormDescription& MainForm1Description() {
    static const FormDescription description = Build();
    return description;
}

}  // namespace orvanta::forms
